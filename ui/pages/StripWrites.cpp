#include "ui/pages/StripWrites.h"

#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"

namespace v32::strip_writes {

namespace {} // namespace

void writeFader(ScreenModel& model, Channel channel, double decibels) {
    const ParamId id = paramId(channel.kind, channel.index, kNumberFader);
    if (id == kInvalidParam) {
        return;
    }
    const auto level = static_cast<std::uint16_t>(toRaw(ValueFaderLevel, decibels));
    model.write(ParamWrite::fromDrag(id, FaderLevel::withLevel(model.value(id), level)));
}

void toggleOn(ScreenModel& model, Channel channel) {
    const ParamId id = paramId(channel.kind, channel.index, kNumberOn);
    if (id == kInvalidParam) {
        return;
    }
    model.write(ParamWrite::control(id, model.value(id) == 0 ? 1 : 0));
}

void switchMonitorSend(ScreenModel& model, Channel channel) {
    model.write(MonitorSend(model, channel).writes());
}

} // namespace v32::strip_writes
