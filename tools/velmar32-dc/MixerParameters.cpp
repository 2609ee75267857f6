#include "tools/velmar32-dc/MixerParameters.h"

#include "app/model/DefaultTable.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LiveData.h"

namespace v32::dc {

namespace {

// The factory table with what a running mixer reports in place of its placeholders.
void fillPowerOnState(std::span<std::uint16_t, kParamCount> values) {
    fillDefaults(values);
    values[FixedParam::kMainOutputScaling] = MixerParameters::kFullMainOutputScaling;
}

} // namespace

MixerParameters::MixerParameters() {
    fillPowerOnState(values_);
}

bool MixerParameters::isClientWritable(ParamId id) {
    return exists(id) && id != FixedParam::kKeepAlive && !LiveData::contains(id) &&
           id != FixedParam::kLastCalledScene && id != FixedParam::kLockState;
}

bool MixerParameters::isCarriedByScenes(ParamId id) {
    return exists(id) && id != FixedParam::kKeepAlive && id != FixedParam::kFactoryReset &&
           !LiveData::contains(id) && id != FixedParam::kLastCalledScene &&
           (id < FixedParam::kFirstHeartbeat || id > FixedParam::kLastHeartbeat);
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
        if (!LiveData::contains(id)) {
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
