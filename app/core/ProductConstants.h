#pragma once

#include <cstdint>
#include <string_view>

namespace v32 {

// The product's identity is kept as text, the way it is stamped into the program, and
// turned into numbers once at start.
inline constexpr std::string_view kProductName = "VELMAR32";
inline constexpr std::string_view kProductIdText = "0xE001";
inline constexpr std::string_view kModelCodeText = "0x2F";
inline constexpr std::string_view kThirdCodeText = "0x01";
inline constexpr std::string_view kSplashSwitchText = "1";

struct ProductConstants {
    std::uint16_t productId = 0;
    std::uint8_t modelCode = 0;
    std::uint8_t thirdCode = 0;
};

// Reads a constant: after leading white space, all decimal digits is base 10, anything else
// base 16 with an optional "0x". Text that is empty, not wholly consumed or above maxValue
// gives 0.
std::uint32_t readConstantNumber(std::string_view text, std::uint32_t maxValue);

ProductConstants parseProductConstants();
bool splashEnabled();

} // namespace v32
