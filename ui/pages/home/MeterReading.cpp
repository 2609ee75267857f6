#include "ui/pages/home/MeterReading.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LiveData.h"
#include "ui/toolkit/widgets/MeterLevel.h"

#include <algorithm>
#include <cmath>

namespace v32::meters {

namespace {
constexpr double kMainFaderCeiling = 10.0;
constexpr double kSilentGain = 1e-6;

std::int8_t highByte(std::uint16_t word) {
    return static_cast<std::int8_t>(word >> 8);
}

std::int8_t lowByte(std::uint16_t word) {
    return static_cast<std::int8_t>(word & 0xFF);
}

// The channel's byte of a word shared by an even and an odd channel.
std::int8_t sharedByte(const ParamReader& values, ParamId first, int index) {
    const std::uint16_t word = values.value(static_cast<ParamId>(first + index / 2));
    return index % 2 == 0 ? highByte(word) : lowByte(word);
}

std::uint16_t busFaderRaw(const ParamReader& values, int bus) {
    const std::uint16_t raw = values.value(paramId(KindBus, bus, kNumberFader));
    if (bus != BusIndex::kMainLeft && bus != BusIndex::kMainRight) {
        return raw;
    }
    const std::uint16_t scaling = values.value(FixedParam::kMainOutputScaling);
    const int percent = bus == BusIndex::kMainLeft ? scaling & 0xFF : scaling >> 8;
    return scaledMainFader(raw, percent);
}

MeterPair same(std::int8_t level) {
    return {level, level};
}

} // namespace

MeterPair channelMeters(const ParamReader& values, Channel channel) {
    switch (channel.kind) {
    case KindInput:
        if (isStereoLeftInput(channel.index)) {
            return {sharedByte(values, LiveData::kFirstInputMeter, channel.index),
                    sharedByte(values, LiveData::kFirstInputMeter, channel.index + 1)};
        }
        return same(sharedByte(values, LiveData::kFirstInputMeter, channel.index));
    case KindEffect: {
        const std::uint16_t word =
            values.value(static_cast<ParamId>(LiveData::kFirstEffectMeter + channel.index));
        return {highByte(word), lowByte(word)};
    }
    case KindBus: {
        const int level =
            postFaderLevel(sharedByte(values, LiveData::kFirstBusMeter, channel.index),
                           busFaderRaw(values, channel.index));
        return same(static_cast<std::int8_t>(level));
    }
    default:
        return {};
    }
}

std::uint16_t scaledMainFader(std::uint16_t faderRaw, int percent) {
    const double decibels = ((faderRaw & FaderLevel::kLevelMask) - FaderLevel::kUnity) / 10.0;
    const double gain = std::max(kSilentGain, percent / 100.0 * std::pow(10.0, decibels / 20.0));
    const double tenths = std::min(std::round(200.0 * std::log10(gain)), kMainFaderCeiling * 10);
    return static_cast<std::uint16_t>(std::lround(tenths) + FaderLevel::kUnity);
}

int bridgeValue(std::int8_t decibels) {
    return meterSegmentCount(decibels) * kBridgeStepsPerSegment;
}

int nextBridgeValue(int shown, int target, bool online) {
    if (!online) {
        return shown;
    }
    return std::max(target, shown - kBridgeFall);
}

} // namespace v32::meters
