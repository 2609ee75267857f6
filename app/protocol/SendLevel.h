#pragma once

#include <cstdint>

namespace v32 {

// A send keeps its level like a fader (see FaderLevel) and marks a send taken before the
// fader in bit 15.
class SendLevel {
public:
    static constexpr std::uint16_t kPreFaderBit = 0x8000;
    // Everything of a send but its tap point.
    static constexpr std::uint16_t kAllButPreFader = 0x7FFF;
    // Bit 14 switches a monitor send off while it keeps its level, which is how a solo
    // indicator can stay dark with a level set.
    static constexpr std::uint16_t kOffBit = 0x4000;

    static constexpr bool isPreFader(std::uint16_t send) { return (send & kPreFaderBit) != 0; }

    static constexpr std::uint16_t withPreFader(std::uint16_t send, bool preFader) {
        return preFader ? static_cast<std::uint16_t>(send | kPreFaderBit)
                        : static_cast<std::uint16_t>(send & kAllButPreFader);
    }
};

} // namespace v32
