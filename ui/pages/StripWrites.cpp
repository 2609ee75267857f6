#include "ui/pages/home/StripWrites.h"

#include "app/model/MonitorSend.h"
#include "app/model/ParamModel.h"
#include "app/values/ValueConversion.h"

namespace v32::strip_writes {

namespace {

constexpr int kFaderKind = 15;
constexpr std::uint16_t kLevelMask = 0x3FFF;

} // namespace

void writeFader(ParamModel& model, Channel channel, double decibels) {
    const ParamId id = paramId(channel.kind, channel.index, kNumberFader);
    if (id == kInvalidParam) {
        return;
    }
    const auto flags = static_cast<std::uint16_t>(model.value(id) & ~kLevelMask);
    const auto level = static_cast<std::uint16_t>(toRaw(kFaderKind, decibels) & kLevelMask);
    model.setParameterFromUi(id, static_cast<std::uint16_t>(flags | level), false);
}

void toggleOn(ParamModel& model, Channel channel) {
    const ParamId id = paramId(channel.kind, channel.index, kNumberOn);
    if (id == kInvalidParam) {
        return;
    }
    model.setParameterFromUi(id, model.value(id) == 0 ? 1 : 0, true);
}

void switchMonitorSend(ParamModel& model, Channel channel) {
    const MonitorSend send(model, channel);
    for (const MonitorSend::Write& write : send.writes()) {
        if (write.quiet) {
            model.setValue(write.pair.id, write.pair.value);
        } else {
            model.setParameterFromUi(write.pair.id, write.pair.value, true);
        }
    }
}

} // namespace v32::strip_writes
