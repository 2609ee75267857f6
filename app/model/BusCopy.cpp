#include "app/model/BusCopy.h"

#include "app/model/ChannelSlot.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/MemberBits.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

BusCopy::BusCopy(const ParamReader& values, int source, int destination)
    : m_values(values) {
    const int sourceSlot = ChannelSlot::of(KindBus, source);
    const int destinationSlot = ChannelSlot::of(KindBus, destination);
    if (sourceSlot < 0 || destinationSlot < 0 || source == destination) {
        return;
    }
    copyNumbers(source, destination);
    for (int group = 0; group < MuteGroupIndex::kCount; ++group) {
        copyMembership(KindMuteGroup, group, MuteGroupNumber::kFirstMemberWord, sourceSlot,
                       destinationSlot);
    }
    for (int dca = 0; dca < DcaIndex::kCount; ++dca) {
        copyMembership(KindDca, dca, DcaNumber::kFirstMemberWord, sourceSlot, destinationSlot);
    }
}

void BusCopy::copyNumbers(int source, int destination) {
    const bool mainOntoMain = source == BusIndex::kMainLeft && destination == BusIndex::kMainRight;
    for (int number = BusNumber::kFirst; number <= BusNumber::kLast; ++number) {
        const ParamId target = paramId(KindBus, destination, number);
        if (mainOntoMain && number == BusNumber::kMonitorLeftSend) {
            add(target, 0, true);
        } else if (mainOntoMain && number == BusNumber::kMonitorRightSend) {
            add(target, m_values.value(paramId(KindBus, source, BusNumber::kMonitorLeftSend)));
        } else {
            add(target, m_values.value(paramId(KindBus, source, number)));
        }
    }
}

void BusCopy::copyMembership(int groupKind, int groupIndex, int firstNumber, int sourceSlot,
                             int destinationSlot) {
    const ParamId sourceWord =
        paramId(groupKind, groupIndex, firstNumber + MemberBits::wordOf(sourceSlot));
    const ParamId destinationWord =
        paramId(groupKind, groupIndex, firstNumber + MemberBits::wordOf(destinationSlot));
    const bool member = MemberBits::contains(m_values.value(sourceWord), sourceSlot);
    const std::uint16_t bit = MemberBits::bitOf(destinationSlot);
    const std::uint16_t current = m_values.value(destinationWord);
    add(destinationWord, static_cast<std::uint16_t>(member ? current | bit : current & ~bit));
}

void BusCopy::add(ParamId id, std::uint16_t value, bool quiet) {
    m_writes[m_count++] = quiet ? ParamWrite::quietly(id, value) : ParamWrite::control(id, value);
}

} // namespace v32
