#pragma once

#include "app/protocol/PairList.h"

namespace v32 {

// One value a screen writes for the user, with how the model is to apply it. Every write a
// screen makes goes through the model's one write operation with such records, so that the
// stereo-pair and group rules, the quiet writes and the redraw of what changed are applied
// the same way everywhere.
struct ParamWrite {
    ParamPair pair;
    // Stored and sent alone, without the stereo-pair and group rules, and no widget is
    // told: the screen shows the change another way (the other half of a shared monitor
    // send, cleared when one side switches over).
    bool quiet = false;
    // The control that made the change is being dragged, so it is not redrawn under the
    // finger; the other values the write changes are redrawn all the same.
    bool dragged = false;

    // What a control does: the write with its consequences, every changed value redrawn.
    static constexpr ParamWrite control(ParamId id, std::uint16_t value) {
        return {{id, value}, false, false};
    }
    static constexpr ParamWrite fromDrag(ParamId id, std::uint16_t value) {
        return {{id, value}, false, true};
    }
    static constexpr ParamWrite quietly(ParamId id, std::uint16_t value) {
        return {{id, value}, true, false};
    }

    friend bool operator==(const ParamWrite&, const ParamWrite&) = default;
};

} // namespace v32
