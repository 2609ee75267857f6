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

    static constexpr bool isPreFader(std::uint16_t send) { return (send & kPreFaderBit) != 0; }

    static constexpr std::uint16_t withPreFader(std::uint16_t send, bool preFader) {
        return preFader ? static_cast<std::uint16_t>(send | kPreFaderBit)
                        : static_cast<std::uint16_t>(send & kAllButPreFader);
    }
};

} // namespace v32
