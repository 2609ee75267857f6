#pragma once

#include "ui/toolkit/framework/PageId.h"

#include <cstdint>

namespace v32 {

// What a page is told to show when it opens: nothing (it is only shown), its own choice
// (the current bank and the cell selected there before, the first tab), a channel by its
// slot, one of its tabs, or the selection it shows run again.
class OpenArgument {
public:
    enum class Kind : std::uint8_t {
        Nothing,
        OwnChoice,
        ChannelSlot,
        Tab,
        Reselect,
    };

    static constexpr OpenArgument nothing() { return {Kind::Nothing, kNoArgument}; }
    static constexpr OpenArgument ownChoice() { return {Kind::OwnChoice, kOwnChoiceNumber}; }
    static constexpr OpenArgument channelSlot(int slot) { return {Kind::ChannelSlot, slot}; }
    static constexpr OpenArgument tab(int tab) { return {Kind::Tab, tab}; }
    static constexpr OpenArgument reselect() { return {Kind::Reselect, kOwnChoiceNumber}; }

    constexpr Kind kind() const { return m_kind; }
    constexpr bool isNothing() const { return m_kind == Kind::Nothing; }
    // The slot or the tab; -1 for the page's own choice and the reselection, kNoArgument
    // for nothing: the numbers the mixer's screens use for them.
    constexpr int number() const { return m_number; }
    // The slot of a channel argument, -1 for any other.
    constexpr int slot() const { return m_kind == Kind::ChannelSlot ? m_number : -1; }

    friend constexpr bool operator==(const OpenArgument&, const OpenArgument&) = default;

private:
    static constexpr int kOwnChoiceNumber = -1;

    constexpr OpenArgument(Kind kind, int number)
        : m_kind(kind)
        , m_number(number) {}

    Kind m_kind;
    int m_number;
};

} // namespace v32
