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
        m_writes[0] = {{second, switched(values.value(second))}, false};
        m_writes[1] = {{first, 0}, true};
    } else if (channel.kind == KindBus && channel.index == BusIndex::kMainLeft) {
        m_writes[0] = {{first, switched(values.value(first))}, false};
        m_writes[1] = {{second, 0}, true};
    } else {
        const std::uint16_t value = switched(values.value(first));
        m_writes[0] = {{first, value}, false};
        m_writes[1] = {{second, value}, false};
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
