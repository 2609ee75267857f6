#include "ui/pages/home/FaderPageChannel.h"

#include "app/model/ChannelColour.h"
#include "app/model/ChannelLabel.h"
#include "app/model/ChannelSlot.h"
#include "app/model/MonitorSend.h"
#include "app/model/ParamModel.h"

namespace v32 {

FaderPageChannel::FaderPageChannel(Channel bound)
    : channel(bound)
    , fader(paramId(bound.kind, bound.index, kNumberFader))
    , on(paramId(bound.kind, bound.index, kNumberOn))
    , monitor(MonitorSend::shownId(bound)) {}

int FaderPageChannel::slot() const {
    return ChannelSlot::of(channel);
}

QString FaderPageChannel::name(const ParamModel& model) const {
    const int channelSlot = slot();
    return QString::fromUtf8(
        ChannelLabel::shown(channelSlot, model.channelName(channelSlot)).c_str());
}

std::uint16_t FaderPageChannel::colour(const ParamModel& model) const {
    return ChannelColour::colourOf(model.value(ChannelColour::paramOf(slot())));
}

void FaderPageChannel::toggleOn(ParamModel& model) const {
    if (on == kInvalidParam) {
        return;
    }
    model.setParameterFromUi(on, model.value(on) == 0 ? 1 : 0, true);
}

void FaderPageChannel::switchMonitorSend(ParamModel& model) const {
    const MonitorSend send(model, channel);
    for (const MonitorSend::Write& write : send.writes()) {
        model.setParameterFromUi(write.pair.id, write.pair.value, !write.quiet);
    }
}

} // namespace v32
