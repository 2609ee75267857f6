#include "ui/pages/StripWrites.h"

#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"
#include "app/values/ValueConversion.h"

namespace v32::strip_writes {

namespace {

constexpr int kFaderKind = 15;
constexpr std::uint16_t kLevelMask = 0x3FFF;

} // namespace

void writeFader(ScreenModel& model, Channel channel, double decibels) {
    const ParamId id = paramId(channel.kind, channel.index, kNumberFader);
    if (id == kInvalidParam) {
        return;
    }
    const auto flags = static_cast<std::uint16_t>(model.value(id) & ~kLevelMask);
    const auto level = static_cast<std::uint16_t>(toRaw(kFaderKind, decibels) & kLevelMask);
    model.write(ParamWrite::fromDrag(id, static_cast<std::uint16_t>(flags | level)));
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
