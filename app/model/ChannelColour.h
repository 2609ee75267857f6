#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// The colour a channel slot is marked with: parameter 5131 + slot holds an index into a
// table of twelve colours and "no colour" (0). Indexes beyond the table show no colour.
class ChannelColour {
public:
    static constexpr ParamId kFirstParam = 5131;
    static constexpr int kColourCount = 13;
    static constexpr std::uint16_t kNoColour = 0x5AEB;

    static ParamId paramOf(int slot) { return static_cast<ParamId>(kFirstParam + slot); }
    // -1 for an identifier that holds no slot's colour.
    static int slotOf(ParamId id);
    // RGB 5-6-5.
    static std::uint16_t colourOf(std::uint16_t index);
};

} // namespace v32
