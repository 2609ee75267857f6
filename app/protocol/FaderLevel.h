#pragma once

#include <cstdint>

namespace v32 {

// A fader value keeps its level in the low 14 bits; the two bits above belong to other
// switches of the same parameter and survive a fader move.
class FaderLevel {
public:
    static constexpr std::uint16_t kLevelMask = 0x3FFF;
    static constexpr std::uint16_t kFlagMask = 0xC000;
    // Bit 14, the lower of the two switch bits.
    static constexpr std::uint16_t kLowFlag = 0x4000;
    // The raw level of 0 dB.
    static constexpr std::uint16_t kUnity = 1200;

    static constexpr std::uint16_t levelOf(std::uint16_t fader) { return fader & kLevelMask; }

    static constexpr std::uint16_t withLevel(std::uint16_t fader, std::uint16_t level) {
        return static_cast<std::uint16_t>((fader & kFlagMask) | (level & kLevelMask));
    }
};

} // namespace v32
