#include "app/model/BusCopy.h"

#include "app/model/ChannelSlot.h"

namespace v32 {

namespace {

constexpr int kMainLeftBus = 16;
constexpr int kMainRightBus = 17;
constexpr int kMonitorLeft = 84;
constexpr int kMonitorRight = 85;
constexpr int kFirstMuteMemberNumber = 245;
constexpr int kFirstDcaMemberNumber = 239;
constexpr int kSlotsPerMemberWord = 16;

} // namespace

BusCopy::BusCopy(const ParamReader& values, int source, int destination)
    : m_values(values) {
    const int sourceSlot = ChannelSlot::of(KindBus, source);
    const int destinationSlot = ChannelSlot::of(KindBus, destination);
    if (sourceSlot < 0 || destinationSlot < 0 || source == destination) {
        return;
    }
    copyNumbers(source, destination);
    for (int group = 0; group < kMuteGroups; ++group) {
        copyMembership(KindMuteGroup, group, kFirstMuteMemberNumber, sourceSlot, destinationSlot);
    }
    for (int dca = 0; dca < kDcas; ++dca) {
        copyMembership(KindDca, dca, kFirstDcaMemberNumber, sourceSlot, destinationSlot);
    }
}

void BusCopy::copyNumbers(int source, int destination) {
    const bool mainOntoMain = source == kMainLeftBus && destination == kMainRightBus;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        const ParamId target = paramId(KindBus, destination, number);
        if (mainOntoMain && number == kMonitorLeft) {
            add(target, 0, true);
        } else if (mainOntoMain && number == kMonitorRight) {
            add(target, m_values.value(paramId(KindBus, source, kMonitorLeft)));
        } else {
            add(target, m_values.value(paramId(KindBus, source, number)));
        }
    }
}

// Membership is one bit per slot, sixteen slots to a word.
void BusCopy::copyMembership(int groupKind, int groupIndex, int firstNumber, int sourceSlot,
                             int destinationSlot) {
    const ParamId sourceWord =
        paramId(groupKind, groupIndex, firstNumber + sourceSlot / kSlotsPerMemberWord);
    const ParamId destinationWord =
        paramId(groupKind, groupIndex, firstNumber + destinationSlot / kSlotsPerMemberWord);
    const bool member =
        ((m_values.value(sourceWord) >> (sourceSlot % kSlotsPerMemberWord)) & 1U) != 0;
    const auto bit = static_cast<std::uint16_t>(1U << (destinationSlot % kSlotsPerMemberWord));
    const std::uint16_t current = m_values.value(destinationWord);
    add(destinationWord, static_cast<std::uint16_t>(member ? current | bit : current & ~bit));
}

void BusCopy::add(ParamId id, std::uint16_t value, bool quiet) {
    m_writes[m_count++] = quiet ? ParamWrite::quietly(id, value) : ParamWrite::control(id, value);
}

} // namespace v32
