#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/StandInThread.h"
#include "tools/velmar32-dc/FaultInjector.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace v32::e2e {
namespace {

using Fault = dc::FaultInjector::Fault;
using dc::TrafficDirection;

// With this seed the line loses first tries, acknowledgements, and all four answers of one
// write, so that every way of the retry rules is taken.
constexpr std::uint32_t kSeed = 1;
constexpr double kDropPercent = 10;
constexpr int kWrites = 100;
constexpr ParamId kFirstWritten = 1000;
// An unacknowledged write goes out on the 1st, 7th, 13th and 19th paced run.
constexpr int kTries = 4;
constexpr int kRunsBetweenTries = 6;
// After the last write is marked, its tries need this many more paced runs.
constexpr int kRunsToGiveUp = (kTries - 1) * kRunsBetweenTries + 1;

dc::ProgramOptions lossyMixer() {
    dc::ProgramOptions options = StandInThread::onFreePorts();
    options.mixer.seed = kSeed;
    options.faultsIn.dropPercent = kDropPercent;
    options.faultsOut.dropPercent = kDropPercent;
    return options;
}

// One parameter-set frame of the surface and what the line did with it and its answer.
struct Try {
    int run = 0;
    bool arrived = false;
    bool answered = false;
};

// Replays the stand-in's fault draws: the same seed and shares meet the same frames in the
// same order, so this tells, frame by frame, which ones the line will lose. Only the
// surface talks to the stand-in, and the stand-in answers each set frame it gets with one
// acknowledgement and sends nothing else.
class LineForecast {
public:
    LineForecast() {
        const dc::ProgramOptions options = lossyMixer();
        m_faults.setShares(TrafficDirection::In, options.faultsIn);
        m_faults.setShares(TrafficDirection::Out, options.faultsOut);
    }

    Try next(int run, const Bytes& frame) {
        Try attempt{run, pass(TrafficDirection::In, frame), false};
        attempt.answered = attempt.arrived && pass(TrafficDirection::Out, frame);
        return attempt;
    }

private:
    bool pass(TrafficDirection direction, const Bytes& frame) {
        return m_faults.pass(direction, 1, frame, 0, [](dc::ClientId, auto) {}) == Fault::None;
    }

    dc::FaultInjector m_faults{kSeed};
};

ParamId writtenId(int write) {
    return static_cast<ParamId>(kFirstWritten + write);
}

std::uint16_t writtenValue(const ControlSurface& surface, ParamId id) {
    return static_cast<std::uint16_t>(surface.defaults.of(id) ^ 0x5A5A);
}

// The tries a write gets under the retry rules, given what the line does with each: one
// every kRunsBetweenTries paced runs from the run it was marked in, until a try is
// answered or four were made.
std::vector<int> expectedRuns(const std::vector<Try>& tries, int markedRun) {
    std::vector<int> runs;
    for (int k = 0; k < kTries; ++k) {
        runs.push_back(markedRun + k * kRunsBetweenTries);
        if (static_cast<std::size_t>(k) < tries.size() &&
            tries[static_cast<std::size_t>(k)].answered) {
            break;
        }
    }
    return runs;
}

TEST(LossyLinkTest, RepeatsDeliverEveryWriteWhoseTriesWereNotAllLost) {
    StandInThread standIn(lossyMixer());
    ASSERT_TRUE(standIn.isServing()) << standIn.startError();
    ControlSurface surface(Transport::Udp, standIn.udpPort());
    LineForecast line;
    std::map<ParamId, std::vector<Try>> triesOf;

    for (int run = 0; run < kWrites + kRunsToGiveUp; ++run) {
        if (run < kWrites) {
            const ParamId id = writtenId(run);
            surface.model.setValue(id, writtenValue(surface, id));
        }
        const std::size_t sentBefore = surface.recording.sent().size();
        surface.step();
        for (const RecordingLink::SentFrame& frame :
             surface.recording.sentWithCode(MSG_PARAM_SET, sentBefore)) {
            const Try attempt = line.next(run, frame.bytes);
            std::vector<ParamId> stillRepeating;
            for (const ParamPair pair : pairsOf(frame.bytes)) {
                triesOf[pair.id].push_back(attempt);
                if (surface.model.store().sendSet().isPending(pair.id)) {
                    stillRepeating.push_back(pair.id);
                }
            }
            // Whatever the line lets through is handled before the next paced run, so the
            // repeats follow the line and not the machine's speed.
            if (attempt.answered) {
                ASSERT_TRUE(surface.passUntil([&] {
                    return std::ranges::none_of(stillRepeating, [&](ParamId id) {
                        return surface.model.store().sendSet().isPending(id);
                    });
                })) << "acknowledgement of the frame of run "
                    << run;
            }
        }
    }

    EXPECT_TRUE(surface.model.store().sendSet().isEmpty()) << "acknowledged or given up";
    const dc::MixerParameters mixer =
        standIn.call([](dc::StandIn& s) { return s.dataCentre().parameters(); });
    int recoveredLosses = 0;
    int repeatedForLostAnswers = 0;
    int givenUp = 0;
    for (int write = 0; write < kWrites; ++write) {
        const ParamId id = writtenId(write);
        SCOPED_TRACE("identifier " + std::to_string(id));
        const std::vector<Try>& tries = triesOf[id];
        ASSERT_FALSE(tries.empty());
        std::vector<int> runs;
        for (const Try& attempt : tries) {
            runs.push_back(attempt.run);
        }
        EXPECT_EQ(runs, expectedRuns(tries, write));

        const bool someArrived =
            std::ranges::any_of(tries, [](const Try& attempt) { return attempt.arrived; });
        const bool held = mixer.value(id) == writtenValue(surface, id);
        EXPECT_EQ(held, someArrived) << "held by the mixer exactly when a try got through";
        recoveredLosses += (!tries.front().arrived && someArrived) ? 1 : 0;
        repeatedForLostAnswers += (tries.front().arrived && !tries.front().answered) ? 1 : 0;
        givenUp += std::ranges::none_of(tries, [](const Try& t) { return t.answered; }) ? 1 : 0;
    }
    EXPECT_GT(recoveredLosses, 0) << "a repeat brought a write whose first try was lost";
    EXPECT_GT(repeatedForLostAnswers, 0) << "a repeat made up for a lost acknowledgement";
    EXPECT_GT(givenUp, 0) << "a write never acknowledged was given up after four tries";
}

} // namespace
} // namespace v32::e2e
