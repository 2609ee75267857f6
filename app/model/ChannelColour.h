#pragma once

#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// The colour a channel slot is marked with: the slot's colour parameter holds an index into a
// table of twelve colours and "no colour" (0). Indexes beyond the table show no colour.
class ChannelColour {
public:
    static constexpr ParamId kFirstParam = FixedParam::kFirstChannelColour;
    static constexpr int kColourCount = 13;
    static constexpr std::uint16_t kNoColour = 0x5AEB;

    static ParamId paramOf(int slot) { return static_cast<ParamId>(kFirstParam + slot); }
    // -1 for an identifier that holds no slot's colour.
    static int slotOf(ParamId id);
    // RGB 5-6-5.
    static std::uint16_t colourOf(std::uint16_t index);
};

} // namespace v32
