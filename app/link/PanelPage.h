#pragma once

#include <cstdint>

namespace v32 {

// The pages that have a page key on the control panel, whose light shows while that page
// is the current one. Every other page lights none of them.
//
//   page            shown by                                       light (word 0)
//   BankOverview    the bank overview of the home screen            0
//   FaderPage       the full fader page                             3
//   ChannelEditor   the channel editor and its sub-pages            4
//   Settings        the settings screen and the system menu         5
enum class PanelPage : std::uint8_t {
    Other,
    BankOverview,
    FaderPage,
    ChannelEditor,
    Settings,
};

} // namespace v32
