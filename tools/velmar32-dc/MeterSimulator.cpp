#include "tools/velmar32-dc/MeterSimulator.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LiveData.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/SendLevel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace v32::dc {

namespace {

constexpr std::uint16_t kSilentWord = 0x8080;
constexpr std::array<std::pair<int, int>, 2> kLiveRanges{{
    {LiveData::kFirstLow, LiveData::kLastLow},
    {LiveData::kFirstHigh, LiveData::kLastHigh},
}};

// An effect gives back its input less the dry part.
constexpr double kEffectWetDb = -6.0;
constexpr double kFlickerDb = 1.5;
constexpr double kAnalyserJitterDb = 3.0;
constexpr double kAnalyserFloorDb = -60.0;
// Analyser bytes: 9 is the floor, 80 the top of the control surface's bars.
constexpr double kAnalyserFloorByte = 9.0;
constexpr double kAnalyserSpanBytes = 71.0;
constexpr long kAnalyserTopByte = 80;
constexpr double kQuietestMeterDb = -90.0;
constexpr double kLoudestMeterDb = 20.0;

using Level = std::optional<double>;

std::uint16_t channelValue(const MixerParameters& params, int kind, int index, int number) {
    return params.value(paramId(kind, index, number));
}

// A fader level step is 0.1 dB; level 0 is off.
Level faderGain(std::uint16_t raw) {
    const int level = FaderLevel::levelOf(raw);
    if (level == 0) {
        return std::nullopt;
    }
    return (level - FaderLevel::kUnity) / 10.0;
}

// Send words: the level in the low 13 bits on the fader's scale, bit 15 taps before the fader.
Level sendLevel(Level pre, Level post, std::uint16_t raw) {
    const int level = raw & 0x1FFF;
    const Level source = SendLevel::isPreFader(raw) ? pre : post;
    if (level == 0 || !source) {
        return std::nullopt;
    }
    return *source + (level - FaderLevel::kUnity) / 10.0;
}

Level plus(Level level, Level gain) {
    if (!level || !gain) {
        return std::nullopt;
    }
    return *level + *gain;
}

// Signals add up by their power.
class PowerSum {
public:
    void add(Level level) {
        if (level) {
            power_ += std::pow(10.0, *level / 10.0);
        }
    }
    Level total() const {
        if (power_ <= 0.0) {
            return std::nullopt;
        }
        return 10.0 * std::log10(power_);
    }

private:
    double power_ = 0.0;
};

std::uint8_t asByte(std::int8_t level) {
    return static_cast<std::uint8_t>(level);
}

std::uint16_t meterWord(std::int8_t high, std::int8_t low) {
    return static_cast<std::uint16_t>((asByte(high) << 8) | asByte(low));
}

} // namespace

MeterSimulator::MeterSimulator(std::uint32_t seed)
    : random_(seed) {
    std::uniform_real_distribution<double> base(-20.0, -6.0);
    std::uniform_real_distribution<double> swing(2.0, 8.0);
    std::uniform_real_distribution<double> rate(0.15, 0.9);
    std::uniform_real_distribution<double> phase(0.0, 2.0 * std::numbers::pi);
    for (Source& source : sources_) {
        source = {base(random_), swing(random_), rate(random_), phase(random_)};
    }
}

void MeterSimulator::advance(std::uint32_t nowMs, MixerParameters& params) {
    if (lastStepMs_ && nowMs - *lastStepMs_ < kStepMs) {
        return;
    }
    lastStepMs_ = nowMs;
    step(nowMs, params);
}

std::int8_t MeterSimulator::meterByte(Level level) {
    if (!level || *level < kQuietestMeterDb) {
        return kSilence;
    }
    return static_cast<std::int8_t>(std::lround(std::min(*level, kLoudestMeterDb)));
}

void MeterSimulator::step(std::uint32_t nowMs, MixerParameters& params) {
    std::uniform_real_distribution<double> flicker(-kFlickerDb, kFlickerDb);
    for (double& value : flickerDb_) {
        value = flicker(random_);
    }
    const Levels<InputIndex::kCount> pre = preFaderLevels(nowMs / 1000.0);
    const Levels<InputIndex::kCount> post = postFaderLevels(params, pre);
    const Levels<EffectIndex::kCount> effects = effectLevels(params, pre, post);
    const Levels<BusIndex::kCount> buses = busLevels(params, pre, post, effects);
    writeMeters(params, post, buses, effects);
    updateAnalyser(analyserSourceLevel(params, post, buses));
}

MeterSimulator::Levels<InputIndex::kCount> MeterSimulator::preFaderLevels(double seconds) const {
    Levels<InputIndex::kCount> levels;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Source& source = sources_[i];
        const double drift =
            source.swingDb *
            std::sin(2.0 * std::numbers::pi * source.rateHz * seconds + source.phase);
        levels[i] = source.baseDb + drift + flickerDb_[i];
    }
    return levels;
}

MeterSimulator::Levels<InputIndex::kCount>
MeterSimulator::postFaderLevels(const MixerParameters& params,
                                const Levels<InputIndex::kCount>& pre) {
    Levels<InputIndex::kCount> post;
    for (int i = 0; i < InputIndex::kCount; ++i) {
        const bool on = channelValue(params, KindInput, i, InputNumber::kOn) != 0;
        const auto index = static_cast<std::size_t>(i);
        post[index] = on ? plus(pre[index],
                                faderGain(channelValue(params, KindInput, i, InputNumber::kFader)))
                         : std::nullopt;
    }
    return post;
}

MeterSimulator::Levels<EffectIndex::kCount>
MeterSimulator::effectLevels(const MixerParameters& params, const Levels<InputIndex::kCount>& pre,
                             const Levels<InputIndex::kCount>& post) {
    Levels<EffectIndex::kCount> effects;
    for (int f = 0; f < EffectIndex::kCount; ++f) {
        PowerSum sum;
        for (int i = 0; i < InputIndex::kCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            sum.add(
                sendLevel(pre[index], post[index],
                          channelValue(params, KindInput, i, InputNumber::kFirstEffectSend + f)));
        }
        const bool on = channelValue(params, KindEffect, f, EffectNumber::kOn) != 0;
        const Level returned = plus(sum.total(), kEffectWetDb);
        effects[static_cast<std::size_t>(f)] =
            on ? plus(returned,
                      faderGain(channelValue(params, KindEffect, f, EffectNumber::kFader)))
               : std::nullopt;
    }
    return effects;
}

MeterSimulator::Levels<BusIndex::kCount>
MeterSimulator::busLevels(const MixerParameters& params, const Levels<InputIndex::kCount>& pre,
                          const Levels<InputIndex::kCount>& post,
                          const Levels<EffectIndex::kCount>& effects) {
    Levels<BusIndex::kCount> buses;
    for (int b = 0; b < BusIndex::kCount; ++b) {
        const bool isAux = b < BusIndex::kAuxCount;
        const bool isMain = b >= BusIndex::kMainLeft;
        if ((!isAux && !isMain) || channelValue(params, KindBus, b, BusNumber::kOn) == 0) {
            continue;
        }
        const int inputSend = isAux ? InputNumber::kFirstAuxSend + b
                                    : InputNumber::kMainLeftSend + b - BusIndex::kMainLeft;
        const int effectSend = isAux ? EffectNumber::kFirstAuxSend + b
                                     : EffectNumber::kMainLeftSend + b - BusIndex::kMainLeft;
        PowerSum sum;
        for (int i = 0; i < InputIndex::kCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            sum.add(
                sendLevel(pre[index], post[index], channelValue(params, KindInput, i, inputSend)));
        }
        for (int f = 0; f < EffectIndex::kCount; ++f) {
            const Level effect = effects[static_cast<std::size_t>(f)];
            sum.add(sendLevel(effect, effect, channelValue(params, KindEffect, f, effectSend)));
        }
        buses[static_cast<std::size_t>(b)] = sum.total();
    }
    return buses;
}

MeterSimulator::Level MeterSimulator::analyserSourceLevel(const MixerParameters& params,
                                                          const Levels<InputIndex::kCount>& inputs,
                                                          const Levels<BusIndex::kCount>& buses) {
    // The source word names input i as 1 + i and bus i as 35 + i.
    const int source = params.value(FixedParam::kAnalyserSource);
    if (source >= 1 && source <= InputIndex::kCount) {
        return inputs[static_cast<std::size_t>(source - 1)];
    }
    if (source > InputIndex::kCount && source <= InputIndex::kCount + BusIndex::kCount) {
        return buses[static_cast<std::size_t>(source - InputIndex::kCount - 1)];
    }
    return std::nullopt;
}

void MeterSimulator::updateAnalyser(Level source) {
    std::uniform_real_distribution<double> jitter(-kAnalyserJitterDb, kAnalyserJitterDb);
    for (std::size_t band = 0; band < analyser_.size(); ++band) {
        // Music has most of its energy in the low mids and falls off to both ends.
        const double tilt = -0.4 * std::abs(static_cast<double>(band) - 10.0);
        const Level level = plus(source, tilt + jitter(random_));
        if (!level || *level <= kAnalyserFloorDb) {
            analyser_[band] = 0;
            continue;
        }
        const double scaled = kAnalyserFloorByte +
                              (*level - kAnalyserFloorDb) * kAnalyserSpanBytes / -kAnalyserFloorDb;
        analyser_[band] =
            static_cast<std::uint8_t>(std::min(std::lround(scaled), kAnalyserTopByte));
    }
}

void MeterSimulator::writeMeters(MixerParameters& params, const Levels<InputIndex::kCount>& inputs,
                                 const Levels<BusIndex::kCount>& buses,
                                 const Levels<EffectIndex::kCount>& effects) {
    // Live words that no channel feeds read as silence.
    for (const auto& [first, last] : kLiveRanges) {
        for (int id = first; id <= last; ++id) {
            params.store(static_cast<ParamId>(id), kSilentWord);
        }
    }
    for (std::size_t i = 0; i < inputs.size(); i += 2) {
        params.store(static_cast<ParamId>(LiveData::kFirstInputMeter + i / 2),
                     meterWord(meterByte(inputs[i]), meterByte(inputs[i + 1])));
    }
    for (std::size_t b = 0; b < buses.size(); b += 2) {
        params.store(static_cast<ParamId>(LiveData::kFirstBusMeter + b / 2),
                     meterWord(meterByte(buses[b]), meterByte(buses[b + 1])));
    }
    for (std::size_t f = 0; f < effects.size(); ++f) {
        const std::int8_t level = meterByte(effects[f]);
        params.store(static_cast<ParamId>(LiveData::kFirstEffectMeter + f),
                     meterWord(level, level));
    }
}

} // namespace v32::dc
