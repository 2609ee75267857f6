#include "app/model/GroupSwitchRules.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/MemberBits.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

namespace {

int groupCountOf(int kind) {
    return kind == KindMuteGroup ? MuteGroupIndex::kCount : PhantomGroupIndex::kCount;
}

int switchNumberOf(int kind) {
    return kind == KindMuteGroup ? MuteGroupNumber::kActive : PhantomGroupNumber::kOn;
}

int memberSlotCountOf(int kind) {
    return kind == KindMuteGroup ? ChannelSlot::kCount : PhantomGroupNumber::kMemberSlots;
}

bool isMutable(int kind) {
    return kind == KindInput || kind == KindEffect || kind == KindBus;
}

} // namespace

GroupSwitchRules::GroupSwitchRules(const ParamReader& values, ParamId id, std::uint16_t value)
    : m_values(values) {
    const int kind = channelKindOf(id);
    const int number = paramNumberOf(id);
    if (kind == KindMuteGroup && number == MuteGroupNumber::kActive) {
        switchMuteGroup(channelIndexOf(id), value);
    } else if (kind == KindPhantomGroup && number == PhantomGroupNumber::kOn) {
        switchPhantomGroup(channelIndexOf(id), value);
    }
}

bool GroupSwitchRules::isMember(const ParamReader& values, int kind, int group, int slot) {
    if (slot < 0 || slot >= memberSlotCountOf(kind)) {
        return false;
    }
    const int firstNumber = kind == KindMuteGroup ? MuteGroupNumber::kFirstMemberWord
                                                  : PhantomGroupNumber::kFirstMemberWord;
    const ParamId wordId = paramId(kind, group, firstNumber + MemberBits::wordOf(slot));
    return MemberBits::contains(values.value(wordId), slot);
}

bool GroupSwitchRules::anotherActiveGroupHolds(int kind, int group, int slot) const {
    for (int other = 0; other < groupCountOf(kind); ++other) {
        if (other != group && m_values.value(paramId(kind, other, switchNumberOf(kind))) != 0 &&
            isMember(m_values, kind, other, slot)) {
            return true;
        }
    }
    return false;
}

void GroupSwitchRules::switchMuteGroup(int group, std::uint16_t value) {
    for (int slot = 0; slot < ChannelSlot::kCount; ++slot) {
        const Channel member = ChannelSlot::channelOf(slot);
        if (!isMutable(member.kind) || !isMember(m_values, KindMuteGroup, group, slot)) {
            continue;
        }
        const ParamId onId = paramId(member.kind, member.index, kNumberOn);
        const bool keptMuted =
            m_values.value(onId) == 0 && anotherActiveGroupHolds(KindMuteGroup, group, slot);
        if (value != 0) {
            add(onId, 0);
        } else if (!keptMuted) {
            add(onId, 1);
        }
    }
}

void GroupSwitchRules::switchPhantomGroup(int group, std::uint16_t value) {
    for (int slot = 0; slot < PhantomGroupNumber::kMemberSlots; ++slot) {
        if (!isMember(m_values, KindPhantomGroup, group, slot)) {
            continue;
        }
        const ParamId phantomId = paramId(KindInput, slot, InputNumber::kPhantom);
        const bool keptOn = m_values.value(phantomId) != 0 &&
                            anotherActiveGroupHolds(KindPhantomGroup, group, slot);
        if (value != 0) {
            add(phantomId, value);
        } else if (!keptOn) {
            add(phantomId, 0);
        }
    }
}

void GroupSwitchRules::add(ParamId id, std::uint16_t value) {
    m_pairs[m_count++] = {id, value};
}

} // namespace v32
