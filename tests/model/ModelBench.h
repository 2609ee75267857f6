#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/PacedSenders.h"
#include "app/model/ParamModel.h"
#include "app/model/ReadFinishedStep.h"
#include "app/model/RequestSender.h"
#include "app/protocol/IdentifierHeader.h"
#include "app/protocol/MessageSender.h"
#include "tests/model/LogFile.h"
#include "tests/model/RecordingFrameSink.h"

#include <gtest/gtest.h>

namespace v32::test {

// The parameter model wired to its senders, a recording link, a manual clock and a log.
class ModelBench : public ::testing::Test {
protected:
    // Advances the clock by one pace and runs the paced senders.
    void pacedTick();
    // The device's side of a read: every identifier of every query frame recorded so far is
    // reported back with its stored value, and the recorded frames are forgotten.
    void answerQueries();
    // Dispatch passes, each answering the queries of the one before, until nothing is asked.
    // Returns every identifier asked for.
    std::vector<ParamId> readUntilQuiet();

    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock;
    TimerQueue timers{clock};
    ParamModel model{defaults, switches, conditions, timers};
    RecordingFrameSink sink;
    MessageSender sender{sink};
    IdentifierHeader names;
    LogFile log;
    PacedSenders paced{model, sender, names, log.stream()};
    RequestSender requests{model, sender};
    ReadFinishedStep readFinished{model, sender, log.stream()};
};

} // namespace v32::test
