#include "tools/velmar32-dc/FaultInjector.h"

#include "app/core/ManualClock.h"
#include "app/protocol/FixedFrames.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/Switchboard.h"
#include "tools/velmar32-dc/TrafficLog.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace v32::dc {
namespace {

using test::Bytes;
using Fault = FaultInjector::Fault;

struct Delivered {
    ClientId client;
    Bytes frame;
    friend bool operator==(const Delivered&, const Delivered&) = default;
};

// Runs frames through one direction of an injector and keeps what comes out.
struct FaultRun {
    std::vector<Fault> faults;
    std::vector<Delivered> delivered;
};

Bytes frameNumber(int n) {
    const Bytes payload{0, 75, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    return test::makeFrame(MSG_PARAM_SET, payload);
}

FaultRun runFrames(FaultInjector& injector, TrafficDirection direction, int count) {
    FaultRun run;
    for (int n = 0; n < count; ++n) {
        run.faults.push_back(injector.pass(
            direction, 1, frameNumber(n), 0, [&](ClientId client, std::span<const std::uint8_t> f) {
                run.delivered.push_back({client, Bytes(f.begin(), f.end())});
            }));
    }
    return run;
}

FaultShares shares(const char* text) {
    return FaultShares::parse(text).value();
}

TEST(FaultSharesTest, ParsesTheShareListAndRefusesWhatMakesNoSense) {
    struct Case {
        const char* text;
        bool valid;
        FaultShares expected;
    };
    const Case cases[] = {
        {"", true, {}},
        {"off", true, {}},
        {"drop=5", true, {5, 0, 0, 0}},
        {"corrupt=1,drop=2.5,duplicate=3,delay=10", true, {2.5, 10, 3, 1}},
        {"drop=60,delay=40", true, {60, 40, 0, 0}},
        {"drop=60,delay=41", false, {}},
        {"drop=-1", false, {}},
        {"drop=5%", false, {}},
        {"lose=5", false, {}},
        {"drop", false, {}},
        {"drop=5,", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<FaultShares> parsed = FaultShares::parse(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid);
        if (c.valid) {
            EXPECT_EQ(parsed->dropPercent, c.expected.dropPercent);
            EXPECT_EQ(parsed->delayPercent, c.expected.delayPercent);
            EXPECT_EQ(parsed->duplicatePercent, c.expected.duplicatePercent);
            EXPECT_EQ(parsed->corruptPercent, c.expected.corruptPercent);
        }
    }
}

TEST(FaultInjectorTest, TheSameSeedGivesTheSameFaultsAndAnotherSeedOthers) {
    const FaultShares mixed = shares("drop=10,duplicate=10,corrupt=10");
    FaultInjector first(7);
    FaultInjector again(7);
    FaultInjector other(8);
    for (FaultInjector* injector : {&first, &again, &other}) {
        injector->setShares(TrafficDirection::Out, mixed);
    }

    const FaultRun a = runFrames(first, TrafficDirection::Out, 300);
    const FaultRun b = runFrames(again, TrafficDirection::Out, 300);
    const FaultRun c = runFrames(other, TrafficDirection::Out, 300);

    EXPECT_EQ(a.faults, b.faults);
    EXPECT_EQ(a.delivered, b.delivered);
    EXPECT_NE(a.faults, c.faults);
}

TEST(FaultInjectorTest, EachFaultHitsAboutItsShareAndDoesWhatItSays) {
    FaultInjector injector(3);
    injector.setShares(TrafficDirection::In, shares("drop=20,duplicate=10,corrupt=5"));

    const FaultRun run = runFrames(injector, TrafficDirection::In, 2000);

    const FaultInjector::Counters& counters = injector.counters(TrafficDirection::In);
    EXPECT_NEAR(counters.dropped, 400, 80);
    EXPECT_NEAR(counters.duplicated, 200, 60);
    EXPECT_NEAR(counters.corrupted, 100, 40);
    EXPECT_EQ(counters.passed + counters.dropped + counters.duplicated + counters.corrupted, 2000U);
    EXPECT_EQ(run.delivered.size(), counters.passed + 2 * counters.duplicated + counters.corrupted);
    std::size_t failingCheck = 0;
    for (const Delivered& d : run.delivered) {
        failingCheck += checkFrame(d.frame).status != FrameStatus::Ok ||
                        checkFrame(d.frame).length != d.frame.size();
    }
    EXPECT_EQ(failingCheck, counters.corrupted);
    // The other direction is untouched.
    EXPECT_EQ(runFrames(injector, TrafficDirection::Out, 50).delivered.size(), 50U);
}

TEST(FaultInjectorTest, DelayedFramesLeaveInOrderOnceTheirTimeHasCome) {
    FaultInjector injector(1);
    injector.setShares(TrafficDirection::Out, shares("delay=100"));
    injector.setDelayMs(200);
    std::vector<Bytes> released;
    const auto keep = [&](TrafficDirection, ClientId, std::span<const std::uint8_t> f) {
        released.emplace_back(f.begin(), f.end());
    };
    const auto never = [](ClientId, std::span<const std::uint8_t>) { FAIL(); };

    injector.pass(TrafficDirection::Out, 1, frameNumber(1), 1000, never);
    injector.pass(TrafficDirection::Out, 2, frameNumber(2), 1100, never);
    injector.pass(TrafficDirection::Out, 1, frameNumber(3), 1150, never);
    injector.forget(2);

    injector.releaseDue(1199, keep);
    EXPECT_TRUE(released.empty());
    injector.releaseDue(1200, keep);
    EXPECT_EQ(released, std::vector<Bytes>{frameNumber(1)});
    injector.releaseDue(1350, keep);
    EXPECT_EQ(released, (std::vector<Bytes>{frameNumber(1), frameNumber(3)}));
    EXPECT_EQ(injector.heldCount(), 0U);
}

TEST(FaultInjectorTest, AFullHoldDropsWhatItCannotKeep) {
    FaultInjector injector(1);
    injector.setShares(TrafficDirection::In, shares("delay=100"));
    const auto never = [](ClientId, std::span<const std::uint8_t>) { FAIL(); };
    for (std::size_t n = 0; n < FaultInjector::kMaxHeldFrames; ++n) {
        EXPECT_EQ(injector.pass(TrafficDirection::In, 1, frameNumber(1), 0, never), Fault::Delay);
    }
    EXPECT_EQ(injector.pass(TrafficDirection::In, 1, frameNumber(1), 0, never), Fault::Drop);
}

// A wire that keeps what the data centre sends through the switchboard.
class RecordingWire final : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t> frame) override {
        frames.emplace_back(frame.begin(), frame.end());
        return true;
    }
    std::vector<Bytes> frames;
};

TEST(SwitchboardTest, FaultsApplyOnTheWayInAndOutAndTheLogTellsOfThem) {
    ManualClock clock(5000);
    DataCentre dataCentre(clock, DataCentreConfig{});
    FaultInjector faults(1);
    // Closed last: the switchboard still logs while it is torn down.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> logFile(std::tmpfile(), &std::fclose);
    ASSERT_NE(logFile, nullptr);
    TrafficLog log(clock, logFile.get());
    log.setEnabled(true);
    Switchboard board(dataCentre, faults, log, clock);
    RecordingWire wire;
    const ClientId client = board.connect(wire, "test 1");
    const Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());

    faults.setShares(TrafficDirection::In, shares("drop=100"));
    board.receive(client, identify);
    EXPECT_TRUE(wire.frames.empty());

    faults.setShares(TrafficDirection::In, shares("off"));
    faults.setShares(TrafficDirection::Out, shares("delay=100"));
    faults.setDelayMs(300);
    board.receive(client, identify);
    board.tick();
    EXPECT_TRUE(wire.frames.empty());
    clock.advance(300);
    board.tick();
    ASSERT_EQ(wire.frames.size(), 1U);
    EXPECT_EQ(wire.frames[0][2], MSG_IDENTIFY);

    std::rewind(logFile.get());
    std::string logged(4096, '\0');
    logged.resize(std::fread(logged.data(), 1, logged.size(), logFile.get()));
    EXPECT_NE(logged.find("test 1 <- dropped: MSG_IDENTIFY 00"), std::string::npos) << logged;
    EXPECT_NE(logged.find("test 1 -> delayed: MSG_IDENTIFY"), std::string::npos) << logged;
    EXPECT_NE(logged.find("[     0.300] test 1 -> MSG_IDENTIFY"), std::string::npos) << logged;
}

} // namespace
} // namespace v32::dc
