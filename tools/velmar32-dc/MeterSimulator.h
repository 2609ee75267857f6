#pragma once

#include "app/protocol/ChannelIndexes.h"
#include "tools/velmar32-dc/MixerParameters.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

namespace v32::dc {

// Live data that behave like a mixer's: every input carries a signal that drifts and
// flickers, the meters follow the faders, the channel on switches and the sends down to
// the buses and effects, and the analyser shows the spectrum of its source channel. Levels
// move every 50 ms; clients read them with parameter queries and the status-byte read.
//
// Meter words hold one signed dB byte per channel, the even channel in the high byte; -128
// is silence. Input i is in the first input meter word + i/2, bus i in the first bus meter
// word + i/2 (before the bus fader, which the control surface adds itself), effect return i
// in the first effect meter word + i with left and right alike.
class MeterSimulator {
public:
    static constexpr std::uint32_t kStepMs = 50;
    static constexpr std::size_t kAnalyserBandCount = 31;
    static constexpr std::int8_t kSilence = -128;

    explicit MeterSimulator(std::uint32_t seed);

    // Moves the levels on and writes them into the meter words once a step is due.
    void advance(std::uint32_t nowMs, MixerParameters& params);

    std::span<const std::uint8_t, kAnalyserBandCount> analyserBytes() const { return analyser_; }

    // The meter byte of a level in dB; std::nullopt for silence.
    static std::int8_t meterByte(std::optional<double> level);

private:
    using Level = std::optional<double>; // dB; nothing is silence
    template <int Count>
    using Levels = std::array<Level, Count>;

    struct Source {
        double baseDb = 0;
        double swingDb = 0;
        double rateHz = 0;
        double phase = 0;
    };

    void step(std::uint32_t nowMs, MixerParameters& params);
    Levels<InputIndex::kCount> preFaderLevels(double seconds) const;
    static Levels<InputIndex::kCount> postFaderLevels(const MixerParameters& params,
                                                      const Levels<InputIndex::kCount>& pre);
    static Levels<EffectIndex::kCount> effectLevels(const MixerParameters& params,
                                                    const Levels<InputIndex::kCount>& pre,
                                                    const Levels<InputIndex::kCount>& post);
    static Levels<BusIndex::kCount> busLevels(const MixerParameters& params,
                                              const Levels<InputIndex::kCount>& pre,
                                              const Levels<InputIndex::kCount>& post,
                                              const Levels<EffectIndex::kCount>& effects);
    void updateAnalyser(Level source);
    static Level analyserSourceLevel(const MixerParameters& params,
                                     const Levels<InputIndex::kCount>& inputs,
                                     const Levels<BusIndex::kCount>& buses);
    static void writeMeters(MixerParameters& params, const Levels<InputIndex::kCount>& inputs,
                            const Levels<BusIndex::kCount>& buses,
                            const Levels<EffectIndex::kCount>& effects);

    std::mt19937 random_;
    std::array<Source, InputIndex::kCount> sources_{};
    std::array<double, InputIndex::kCount> flickerDb_{};
    std::optional<std::uint32_t> lastStepMs_;
    std::array<std::uint8_t, kAnalyserBandCount> analyser_{};
};

} // namespace v32::dc
