#pragma once

#include "app/link/PanelIdentifiers.h"
#include "app/protocol/PairList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace v32::dc {

// What the control surface has set on the hardware panel: the 51 motor-fader positions
// (panel identifiers 104..154, 14 bits) and the 101 key-light words (157..257).
class PanelMirror {
public:
    // A panel-set frame carries at most this many pairs.
    static constexpr std::size_t kMaxPairs = 62;

    // Stores the pairs of known panel identifiers and writes them, with the values now
    // stored, into acknowledged; returns how many it wrote. Other identifiers are skipped.
    std::size_t apply(const PairListView& pairs, std::span<ParamPair, kMaxPairs> acknowledged);

    std::uint16_t faderPosition(std::size_t strip) const { return faders_[strip]; }
    // Light b is bit b mod 16 of word b / 16.
    bool isLit(std::size_t light) const;

private:
    std::array<std::uint16_t, PanelIdentifiers::kStripCount> faders_{};
    std::array<std::uint16_t, PanelIdentifiers::kLightWordCount> lights_{};
};

} // namespace v32::dc
