#include "app/link/PanelStripMap.h"

#include "app/model/BankTable.h"
#include "app/model/ChannelSlot.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ValueKindId.h"

namespace v32 {

namespace {

constexpr Channel kMainLeft{KindBus, BusIndex::kMainLeft};
constexpr Channel kMainRight{KindBus, BusIndex::kMainRight};

} // namespace

int PanelStripMap::bankStripCount() {
    return static_cast<int>(BankTable::banks().front().channels.size());
}

Channel PanelStripMap::channelOf(int strip) const {
    if (strip == mainLeftStrip()) {
        return kMainLeft;
    }
    if (strip == mainRightStrip()) {
        return kMainRight;
    }
    const Bank* bank = BankTable::bank(m_currentBank);
    if (bank == nullptr || strip < 0 || strip >= static_cast<int>(bank->channels.size())) {
        return {};
    }
    return bank->channels[static_cast<std::size_t>(strip)];
}

ParamId PanelStripMap::stripParameter(int strip) const {
    const Channel channel = channelOf(strip);
    return channel.kind == KindNone ? kInvalidParam
                                    : paramId(channel.kind, channel.index, kNumberFader);
}

int PanelStripMap::stripOf(ParamId id) const {
    if (valueKindOf(id) != ValueFaderLevel) {
        return kNoStrip;
    }
    const Channel channel{channelKindOf(id), channelIndexOf(id)};
    if (channel == kMainLeft) {
        return mainLeftStrip();
    }
    if (channel == kMainRight) {
        return mainRightStrip();
    }
    const int slot = ChannelSlot::of(channel);
    if (BankTable::bank(m_currentBank) == nullptr || BankTable::bankOfSlot(slot) != m_currentBank) {
        return kNoStrip;
    }
    return BankTable::cellOfSlot(slot);
}

} // namespace v32
