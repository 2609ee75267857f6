#pragma once

#include <cstdint>

namespace v32 {

// A fader value keeps its level in the low 14 bits; the two bits above belong to other
// switches of the same parameter and survive a fader move.
class FaderLevel {
public:
    static constexpr std::uint16_t kLevelMask = 0x3FFF;

    static std::uint16_t withLevel(std::uint16_t fader, std::uint16_t level) {
        return static_cast<std::uint16_t>((fader & ~kLevelMask) | (level & kLevelMask));
    }
};

} // namespace v32
