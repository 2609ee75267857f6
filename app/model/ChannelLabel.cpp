#include "app/model/ChannelLabel.h"

#include "app/model/ChannelSlot.h"
#include "app/protocol/ChannelIndexes.h"

#include <algorithm>
#include <cstdio>

namespace v32 {

void ChannelLabel::formatNumber(const char* prefix, int number) {
    std::snprintf(m_text.data(), m_text.size(), "%s%d", prefix, number);
}

void ChannelLabel::formatPair(const char* prefix, int number) {
    std::snprintf(m_text.data(), m_text.size(), "%s%d/%d", prefix, number, number + 1);
}

void ChannelLabel::assign(std::string_view text) {
    m_text.fill('\0');
    std::copy_n(text.begin(), std::min(text.size(), m_text.size() - 1), m_text.begin());
}

ChannelLabel ChannelLabel::defaultName(int slot) {
    ChannelLabel label;
    const Channel channel = ChannelSlot::channelOf(slot);
    const int number = channel.index + 1;
    switch (channel.kind) {
    case KindInput:
        if (channel.index >= InputIndex::kDigital) {
            label.assign("DIGI");
        } else if (isStereoLeftInput(channel.index)) {
            label.formatPair("CH", number);
        } else {
            label.formatNumber("CH", number);
        }
        break;
    case KindEffect:
        label.formatNumber("FX", number);
        break;
    case KindBus:
        if (channel.index == BusIndex::kMainLeft) {
            label.assign("LEFT");
        } else if (channel.index == BusIndex::kMainRight) {
            label.assign("RIGHT");
        } else {
            label.formatNumber("AUX", number);
        }
        break;
    case KindDca:
        label.formatNumber("DCA", number);
        break;
    default:
        break;
    }
    return label;
}

ChannelLabel ChannelLabel::shortName(int slot) {
    ChannelLabel label;
    const Channel channel = ChannelSlot::channelOf(slot);
    const int number = channel.index + 1;
    switch (channel.kind) {
    case KindInput:
        if (channel.index >= InputIndex::kDigital) {
            label.assign("DIGI");
        } else if (isStereoLeftInput(channel.index)) {
            label.formatPair("", number);
        } else {
            label.formatNumber("", number);
        }
        break;
    case KindBus:
        if (channel.index == BusIndex::kMainLeft) {
            label.assign("L");
        } else if (channel.index == BusIndex::kMainRight) {
            label.assign("R");
        } else {
            label.formatNumber("A", number);
        }
        break;
    case KindDca:
        label.formatNumber("D", number);
        break;
    default:
        // Effect returns are short already.
        return defaultName(slot);
    }
    return label;
}

ChannelLabel ChannelLabel::shown(int slot, std::string_view userName) {
    if (userName.empty()) {
        return defaultName(slot);
    }
    ChannelLabel label;
    label.assign(userName);
    return label;
}

} // namespace v32
