#include "tools/velmar32-dc/MeterSimulator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace v32::dc {

namespace {

// Parameter numbers of the channel model the signal flows through.
constexpr int kInputOn = 10;
constexpr int kInputFader = 12;
constexpr int kInputToFirstAux = 13;
constexpr int kInputToMainLeft = 29;
constexpr int kInputToFirstEffect = 33;
constexpr int kBusOn = 74;
constexpr int kEffectFader = 181;
constexpr int kEffectOn = 182;
constexpr int kEffectToFirstAux = 183;
constexpr int kEffectToMainLeft = 199;
constexpr int kMainLeftBus = 16;
constexpr int kAuxCount = 14;

constexpr ParamId kFirstInputMeter = 2;
constexpr ParamId kFirstBusMeter = 2854;
constexpr ParamId kFirstEffectMeter = 2864;
constexpr std::uint16_t kSilentWord = 0x8080;
constexpr std::array<std::pair<int, int>, 2> kLiveRanges{{{2, 52}, {2854, 2879}}};

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

// Fader words keep the level in the low 14 bits: 1200 is 0 dB, a step is 0.1 dB, 0 is off.
Level faderGain(std::uint16_t raw) {
    const int level = raw & 0x3FFF;
    if (level == 0) {
        return std::nullopt;
    }
    return (level - 1200) / 10.0;
}

// Send words: the level in the low 13 bits on the fader's scale, bit 15 taps before the fader.
Level sendLevel(Level pre, Level post, std::uint16_t raw) {
    const int level = raw & 0x1FFF;
    const Level source = (raw & 0x8000) != 0 ? pre : post;
    if (level == 0 || !source) {
        return std::nullopt;
    }
    return *source + (level - 1200) / 10.0;
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
    const Levels<kInputCount> pre = preFaderLevels(nowMs / 1000.0);
    const Levels<kInputCount> post = postFaderLevels(params, pre);
    const Levels<kEffectCount> effects = effectLevels(params, pre, post);
    const Levels<kBusCount> buses = busLevels(params, pre, post, effects);
    writeMeters(params, post, buses, effects);
    updateAnalyser(analyserSourceLevel(params, post, buses));
}

MeterSimulator::Levels<MeterSimulator::kInputCount>
MeterSimulator::preFaderLevels(double seconds) const {
    Levels<kInputCount> levels;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Source& source = sources_[i];
        const double drift =
            source.swingDb *
            std::sin(2.0 * std::numbers::pi * source.rateHz * seconds + source.phase);
        levels[i] = source.baseDb + drift + flickerDb_[i];
    }
    return levels;
}

MeterSimulator::Levels<MeterSimulator::kInputCount>
MeterSimulator::postFaderLevels(const MixerParameters& params, const Levels<kInputCount>& pre) {
    Levels<kInputCount> post;
    for (int i = 0; i < kInputCount; ++i) {
        const bool on = channelValue(params, KindInput, i, kInputOn) != 0;
        const auto index = static_cast<std::size_t>(i);
        post[index] =
            on ? plus(pre[index], faderGain(channelValue(params, KindInput, i, kInputFader)))
               : std::nullopt;
    }
    return post;
}

MeterSimulator::Levels<MeterSimulator::kEffectCount>
MeterSimulator::effectLevels(const MixerParameters& params, const Levels<kInputCount>& pre,
                             const Levels<kInputCount>& post) {
    Levels<kEffectCount> effects;
    for (int f = 0; f < kEffectCount; ++f) {
        PowerSum sum;
        for (int i = 0; i < kInputCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            sum.add(sendLevel(pre[index], post[index],
                              channelValue(params, KindInput, i, kInputToFirstEffect + f)));
        }
        const bool on = channelValue(params, KindEffect, f, kEffectOn) != 0;
        const Level returned = plus(sum.total(), kEffectWetDb);
        effects[static_cast<std::size_t>(f)] =
            on ? plus(returned, faderGain(channelValue(params, KindEffect, f, kEffectFader)))
               : std::nullopt;
    }
    return effects;
}

MeterSimulator::Levels<MeterSimulator::kBusCount>
MeterSimulator::busLevels(const MixerParameters& params, const Levels<kInputCount>& pre,
                          const Levels<kInputCount>& post, const Levels<kEffectCount>& effects) {
    Levels<kBusCount> buses;
    for (int b = 0; b < kBusCount; ++b) {
        const bool isAux = b < kAuxCount;
        const bool isMain = b >= kMainLeftBus;
        if ((!isAux && !isMain) || channelValue(params, KindBus, b, kBusOn) == 0) {
            continue;
        }
        const int inputSend = isAux ? kInputToFirstAux + b : kInputToMainLeft + b - kMainLeftBus;
        const int effectSend = isAux ? kEffectToFirstAux + b : kEffectToMainLeft + b - kMainLeftBus;
        PowerSum sum;
        for (int i = 0; i < kInputCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            sum.add(
                sendLevel(pre[index], post[index], channelValue(params, KindInput, i, inputSend)));
        }
        for (int f = 0; f < kEffectCount; ++f) {
            const Level effect = effects[static_cast<std::size_t>(f)];
            sum.add(sendLevel(effect, effect, channelValue(params, KindEffect, f, effectSend)));
        }
        buses[static_cast<std::size_t>(b)] = sum.total();
    }
    return buses;
}

MeterSimulator::Level MeterSimulator::analyserSourceLevel(const MixerParameters& params,
                                                          const Levels<kInputCount>& inputs,
                                                          const Levels<kBusCount>& buses) {
    // The source word names input i as 1 + i and bus i as 35 + i.
    const int source = params.value(kAnalyserSource);
    if (source >= 1 && source <= kInputCount) {
        return inputs[static_cast<std::size_t>(source - 1)];
    }
    if (source > kInputCount && source <= kInputCount + kBusCount) {
        return buses[static_cast<std::size_t>(source - kInputCount - 1)];
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

void MeterSimulator::writeMeters(MixerParameters& params, const Levels<kInputCount>& inputs,
                                 const Levels<kBusCount>& buses,
                                 const Levels<kEffectCount>& effects) {
    // Live words that no channel feeds read as silence.
    for (const auto& [first, last] : kLiveRanges) {
        for (int id = first; id <= last; ++id) {
            params.store(static_cast<ParamId>(id), kSilentWord);
        }
    }
    for (std::size_t i = 0; i < inputs.size(); i += 2) {
        params.store(static_cast<ParamId>(kFirstInputMeter + i / 2),
                     meterWord(meterByte(inputs[i]), meterByte(inputs[i + 1])));
    }
    for (std::size_t b = 0; b < buses.size(); b += 2) {
        params.store(static_cast<ParamId>(kFirstBusMeter + b / 2),
                     meterWord(meterByte(buses[b]), meterByte(buses[b + 1])));
    }
    for (std::size_t f = 0; f < effects.size(); ++f) {
        const std::int8_t level = meterByte(effects[f]);
        params.store(static_cast<ParamId>(kFirstEffectMeter + f), meterWord(level, level));
    }
}

} // namespace v32::dc
