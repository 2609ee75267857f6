#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"

#include <cstdint>

namespace v32 {

// The parameter model of a program that shows the screens without a device link, the
// gallery and the tests: the factory defaults, no debug switch set, and a clock that moves
// only when told to, so that everything timed comes out the same each time.
struct OfflineModel {
    explicit OfflineModel(std::uint32_t startMs = 0)
        : clock(startMs) {}

    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock;
    TimerQueue timers{clock};
    DefaultTable defaults;
    ParamModel model{defaults, switches, conditions, timers};
};

} // namespace v32
