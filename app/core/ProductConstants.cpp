#include "app/core/ProductConstants.h"

#include <algorithm>
#include <limits>

namespace v32 {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDecimalDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint32_t readDigits(std::string_view digits, std::uint32_t base, std::uint32_t maxValue) {
    if (digits.empty()) {
        return 0;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0 || static_cast<std::uint32_t>(digit) >= base) {
            return 0;
        }
        value = value * base + static_cast<std::uint64_t>(digit);
        if (value > maxValue) {
            return 0;
        }
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::uint32_t readConstantNumber(std::string_view text, std::uint32_t maxValue) {
    const auto firstNonBlank = std::find_if_not(text.begin(), text.end(), isBlank);
    text.remove_prefix(static_cast<std::size_t>(firstNonBlank - text.begin()));
    if (std::all_of(text.begin(), text.end(), isDecimalDigit)) {
        return readDigits(text, 10, maxValue);
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    }
    return readDigits(text, 16, maxValue);
}

ProductConstants parseProductConstants() {
    constexpr auto maxOf16Bits = std::numeric_limits<std::uint16_t>::max();
    constexpr auto maxOf8Bits = std::numeric_limits<std::uint8_t>::max();
    return ProductConstants{
        static_cast<std::uint16_t>(readConstantNumber(kProductIdText, maxOf16Bits)),
        static_cast<std::uint8_t>(readConstantNumber(kModelCodeText, maxOf8Bits)),
        static_cast<std::uint8_t>(readConstantNumber(kThirdCodeText, maxOf8Bits)),
    };
}

bool splashEnabled() {
    return readConstantNumber(kSplashSwitchText, std::numeric_limits<std::uint32_t>::max()) != 0;
}

} // namespace v32
