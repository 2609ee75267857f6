#include "ui/pages/home/FaderPageChannel.h"

#include "app/model/ChannelColour.h"
#include "app/model/ChannelLabel.h"
#include "app/model/ChannelSlot.h"
#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"

namespace v32 {

FaderPageChannel::FaderPageChannel(Channel bound)
    : channel(bound)
    , fader(paramId(bound.kind, bound.index, kNumberFader))
    , on(paramId(bound.kind, bound.index, kNumberOn))
    , monitor(MonitorSend::shownId(bound)) {}

int FaderPageChannel::slot() const {
    return ChannelSlot::of(channel);
}

QString FaderPageChannel::name(const ScreenModel& model) const {
    const int channelSlot = slot();
    return QString::fromUtf8(
        ChannelLabel::shown(channelSlot, model.channelName(channelSlot)).c_str());
}

std::uint16_t FaderPageChannel::colour(const ScreenModel& model) const {
    return ChannelColour::colourOf(model.value(ChannelColour::paramOf(slot())));
}

} // namespace v32
