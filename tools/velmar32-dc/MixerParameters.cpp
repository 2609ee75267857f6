#include "tools/velmar32-dc/MixerParameters.h"

#include "app/model/DefaultTable.h"

namespace v32::dc {

namespace {

constexpr ParamId kFirstHeartbeat = 5201;
constexpr ParamId kLastHeartbeat = 5214;

// The factory table with what a running mixer reports in place of its placeholders.
void fillPowerOnState(std::span<std::uint16_t, kParamCount> values) {
    fillDefaults(values);
    values[MixerParameters::kMainOutputScaling] = MixerParameters::kFullMainOutputScaling;
}

} // namespace

MixerParameters::MixerParameters() {
    fillPowerOnState(values_);
}

bool MixerParameters::isLiveData(ParamId id) {
    return (id >= 2 && id <= 52) || (id >= 2854 && id <= 2879);
}

bool MixerParameters::isClientWritable(ParamId id) {
    return exists(id) && id != kKeepAlive && !isLiveData(id) && id != kLastCalledScene &&
           id != kLockState;
}

bool MixerParameters::isCarriedByScenes(ParamId id) {
    return exists(id) && id != kKeepAlive && id != kFactoryReset && !isLiveData(id) &&
           id != kLastCalledScene && (id < kFirstHeartbeat || id > kLastHeartbeat);
}

std::uint16_t MixerParameters::value(ParamId id) const {
    return exists(id) ? values_[id] : 0;
}

bool MixerParameters::store(ParamId id, std::uint16_t value) {
    if (!exists(id) || values_[id] == value) {
        return false;
    }
    values_[id] = value;
    return true;
}

void MixerParameters::resetToDefaults() {
    std::array<std::uint16_t, kParamCount> defaults{};
    fillPowerOnState(defaults);
    for (ParamId id = 0; id <= kLastParam; ++id) {
        if (!isLiveData(id)) {
            values_[id] = defaults[id];
        }
    }
}

void MixerParameters::loadScene(std::span<const std::uint16_t, kParamCount> data) {
    for (ParamId id = 0; id <= kLastParam; ++id) {
        if (isCarriedByScenes(id)) {
            values_[id] = data[id];
        }
    }
}

} // namespace v32::dc
