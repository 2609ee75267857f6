#include "app/model/MonitorSend.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FaderLevel.h"

namespace v32 {

MonitorSend::MonitorSend(const ParamReader& values, Channel channel) {
    const ParamId first = paramId(channel.kind, channel.index, kNumberSolo);
    if (first == kInvalidParam) {
        return;
    }
    const auto second = static_cast<ParamId>(first + 1);
    if (channel.kind == KindBus && channel.index == BusIndex::kMainRight) {
        m_writes[0] = ParamWrite::control(second, switched(values.value(second)));
        m_writes[1] = ParamWrite::quietly(first, 0);
    } else if (channel.kind == KindBus && channel.index == BusIndex::kMainLeft) {
        m_writes[0] = ParamWrite::control(first, switched(values.value(first)));
        m_writes[1] = ParamWrite::quietly(second, 0);
    } else {
        const std::uint16_t value = switched(values.value(first));
        m_writes[0] = ParamWrite::control(first, value);
        m_writes[1] = ParamWrite::control(second, value);
    }
    m_count = 2;
}

ParamId MonitorSend::shownId(Channel channel) {
    const ParamId first = paramId(channel.kind, channel.index, kNumberSolo);
    if (first != kInvalidParam && channel.kind == KindBus &&
        channel.index == BusIndex::kMainRight) {
        return static_cast<ParamId>(first + 1);
    }
    return first;
}

std::uint16_t MonitorSend::switched(std::uint16_t value) {
    const std::uint16_t level = FaderLevel::levelOf(value) == 0 ? kOnLevel : 0;
    return static_cast<std::uint16_t>((value & FaderLevel::kFlagMask) | level);
}

} // namespace v32
