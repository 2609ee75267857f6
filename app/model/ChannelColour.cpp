#include "app/model/ChannelColour.h"

#include "app/model/ChannelSlot.h"

#include <array>

namespace v32 {

namespace {

constexpr std::array<std::uint16_t, ChannelColour::kColourCount> kColours = {
    ChannelColour::kNoColour,
    0x43B8,
    0x50DE,
    0x069A,
    0x84C6,
    0x060A,
    0x053F,
    0xA0BE,
    0xEEA8,
    0xF008,
    0xFAEC,
    0xF87E,
    0xC305,
};

} // namespace

int ChannelColour::slotOf(ParamId id) {
    const int slot = id - kFirstParam;
    return slot >= 0 && slot < ChannelSlot::kCount ? slot : -1;
}

std::uint16_t ChannelColour::colourOf(std::uint16_t index) {
    return index < kColours.size() ? kColours[index] : kNoColour;
}

} // namespace v32
