#pragma once

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
// is silence. Input i is in word 2 + i/2, bus i in 2854 + i/2 (before the bus fader, which
// the control surface adds itself), effect return i in 2864 + i with left and right alike.
class MeterSimulator {
public:
    static constexpr std::uint32_t kStepMs = 50;
    static constexpr std::size_t kAnalyserBandCount = 31;
    static constexpr ParamId kAnalyserSource = 57;
    static constexpr std::int8_t kSilence = -128;

    explicit MeterSimulator(std::uint32_t seed);

    // Moves the levels on and writes them into the meter words once a step is due.
    void advance(std::uint32_t nowMs, MixerParameters& params);

    std::span<const std::uint8_t, kAnalyserBandCount> analyserBytes() const { return analyser_; }

    // The meter byte of a level in dB; std::nullopt for silence.
    static std::int8_t meterByte(std::optional<double> level);

private:
    static constexpr int kInputCount = 34;
    static constexpr int kBusCount = 18;
    static constexpr int kEffectCount = 4;
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
    Levels<kInputCount> preFaderLevels(double seconds) const;
    static Levels<kInputCount> postFaderLevels(const MixerParameters& params,
                                               const Levels<kInputCount>& pre);
    static Levels<kEffectCount> effectLevels(const MixerParameters& params,
                                             const Levels<kInputCount>& pre,
                                             const Levels<kInputCount>& post);
    static Levels<kBusCount> busLevels(const MixerParameters& params,
                                       const Levels<kInputCount>& pre,
                                       const Levels<kInputCount>& post,
                                       const Levels<kEffectCount>& effects);
    void updateAnalyser(Level source);
    static Level analyserSourceLevel(const MixerParameters& params,
                                     const Levels<kInputCount>& inputs,
                                     const Levels<kBusCount>& buses);
    static void writeMeters(MixerParameters& params, const Levels<kInputCount>& inputs,
                            const Levels<kBusCount>& buses, const Levels<kEffectCount>& effects);

    std::mt19937 random_;
    std::array<Source, kInputCount> sources_{};
    std::array<double, kInputCount> flickerDb_{};
    std::optional<std::uint32_t> lastStepMs_;
    std::array<std::uint8_t, kAnalyserBandCount> analyser_{};
};

} // namespace v32::dc
