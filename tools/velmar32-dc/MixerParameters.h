#pragma once

#include "app/protocol/ParamId.h"

#include <array>
#include <cstdint>
#include <span>

namespace v32::dc {

// The mixer's 5863 parameter words, starting from the factory defaults. Clients may write
// every identifier except the ones the mixer owns itself: the keep-alive word, the live data
// (meters), the number of the scene last called and the lock state, which only the lock
// commands change so that no parameter write can get round the password.
class MixerParameters {
public:
    // The factory table has 0 for the main outputs' scaling, which a mixer never reports:
    // it would mean that nothing reaches the main outputs.
    static constexpr std::uint16_t kFullMainOutputScaling = 100 | (100 << 8);

    MixerParameters();

    static bool exists(ParamId id) { return id <= kLastParam; }
    static bool isClientWritable(ParamId id);
    // Identifiers a stored scene does not bring back: live data, the device's own state
    // words (keep-alive, factory reset, heartbeat group with the lock and media ownership)
    // and the scene number itself.
    static bool isCarriedByScenes(ParamId id);

    // 0 for identifiers that do not exist.
    std::uint16_t value(ParamId id) const;
    // Any existing identifier, whoever owns it; returns whether the value changed.
    bool store(ParamId id, std::uint16_t value);

    // Factory settings; the live data go on as they are.
    void resetToDefaults();
    // Takes every identifier a scene carries from data.
    void loadScene(std::span<const std::uint16_t, kParamCount> data);
    std::span<const std::uint16_t, kParamCount> values() const { return values_; }

private:
    std::array<std::uint16_t, kParamCount> values_{};
};

} // namespace v32::dc
