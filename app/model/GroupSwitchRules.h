#pragma once

#include "app/model/ChannelSlot.h"
#include "app/model/ParamReader.h"
#include "app/protocol/PairList.h"

#include <array>
#include <cstddef>
#include <span>

namespace v32 {

// What switching a mute group or a phantom group does to its members: a mute group mutes
// its inputs, effect returns and buses and, switched off, unmutes those that no other active
// group holds muted; a phantom group sets the phantom power of its inputs and, switched off,
// removes it where no other active group keeps it on.
class GroupSwitchRules {
public:
    // The member writes that follow the switch `id` having been set to `value` (which the
    // store already holds); none when `id` is no group switch.
    GroupSwitchRules(const ParamReader& values, ParamId id, std::uint16_t value);

    std::span<const ParamPair> pairs() const { return std::span(m_pairs).first(m_count); }

    static bool isMember(const ParamReader& values, int kind, int group, int slot);

private:
    void switchMuteGroup(int group, std::uint16_t value);
    void switchPhantomGroup(int group, std::uint16_t value);
    bool anotherActiveGroupHolds(int kind, int group, int slot) const;
    void add(ParamId id, std::uint16_t value);

    const ParamReader& m_values;
    std::array<ParamPair, ChannelSlot::kCount> m_pairs{};
    std::size_t m_count = 0;
};

} // namespace v32
