#pragma once

#include "app/protocol/ParamId.h"

namespace v32 {

// Identifiers whose values change on their own (meters and spectrum): they are never worth
// a repeat, and may be held back while the screens cannot show them. Meter words carry two
// channels, one byte each.
struct LiveData {
    static constexpr ParamId kFirstLow = 2;
    static constexpr ParamId kLastLow = 52;
    static constexpr ParamId kFirstInputMeter = 2;
    static constexpr ParamId kFirstHigh = 2854;
    static constexpr ParamId kLastHigh = 2879;
    static constexpr ParamId kFirstBusMeter = 2854;
    static constexpr ParamId kFirstEffectMeter = 2864;
    static constexpr int kChannelsPerMeterWord = 2;

    static constexpr bool contains(ParamId id) {
        return (id >= kFirstLow && id <= kLastLow) || (id >= kFirstHigh && id <= kLastHigh);
    }
};

} // namespace v32
