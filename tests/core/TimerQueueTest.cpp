#include "app/core/TimerQueue.h"

#include "app/core/ManualClock.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

// One step of a timing script: move the clock, process, and expect the running fire count.
struct TimingStep {
    std::uint32_t advanceMs;
    int firesSoFar;
};

class TimerQueueTest : public ::testing::Test {
protected:
    TimerQueue::Callback counting(int& fires) {
        return [&fires](TimerQueue::Handle) { ++fires; };
    }

    void runScript(const std::vector<TimingStep>& steps, const int& fires) {
        std::uint32_t elapsedMs = 0;
        for (const TimingStep& step : steps) {
            clock.advance(step.advanceMs);
            elapsedMs += step.advanceMs;
            timers.process();
            EXPECT_EQ(fires, step.firesSoFar) << "after " << elapsedMs << " ms";
        }
    }

    ManualClock clock{1000};
    TimerQueue timers{clock};
};

TEST_F(TimerQueueTest, PeriodicTimerFiresOncePerPeriodAndRebasesWhenLate) {
    int fires = 0;
    ASSERT_TRUE(timers.startPeriodic(100, counting(fires)).isValid());
    runScript({{0, 0},
               {99, 0},
               {1, 1},
               {1, 1},
               {99, 2},
               // Several periods late: one fire, and the next period counts from here.
               {450, 3},
               {99, 3},
               {1, 4}},
              fires);
}

TEST_F(TimerQueueTest, ZeroPeriodFiresOncePerProcessCall) {
    int fires = 0;
    timers.startPeriodic(0, counting(fires));
    runScript({{0, 1}, {0, 2}, {5, 3}}, fires);
}

TEST_F(TimerQueueTest, TicksAreComparedAcrossTheWrap) {
    clock.set(0xFFFFFFC0u);
    int fires = 0;
    timers.startPeriodic(100, counting(fires));
    runScript({{0x3F, 0}, {36, 0}, {1, 1}}, fires);
}

TEST_F(TimerQueueTest, OneShotFiresOnceAndRestartArmsItAgain) {
    int fires = 0;
    const TimerQueue::Handle timer = timers.startOneShot(50, counting(fires));
    runScript({{50, 1}, {500, 1}}, fires);
    EXPECT_TRUE(timers.contains(timer));
    EXPECT_FALSE(timers.isArmed(timer));

    ASSERT_TRUE(timers.restart(timer));
    EXPECT_TRUE(timers.isArmed(timer));
    runScript({{49, 1}, {1, 2}, {100, 2}}, fires);
}

TEST_F(TimerQueueTest, RestartBeforeFiringCoalescesABurst) {
    int fires = 0;
    const TimerQueue::Handle timer = timers.startOneShot(50, counting(fires));
    for (int change = 0; change < 5; ++change) {
        clock.advance(40);
        timers.process();
        timers.restart(timer);
    }
    EXPECT_EQ(fires, 0);
    runScript({{49, 0}, {1, 1}}, fires);
}

TEST_F(TimerQueueTest, PausedTimerKeepsItsScheduleAndFiresOnceWhenResumedLate) {
    int fires = 0;
    const TimerQueue::Handle timer = timers.startPeriodic(100, counting(fires));
    ASSERT_TRUE(timers.pause(timer));
    EXPECT_FALSE(timers.isArmed(timer));
    runScript({{100, 0}, {300, 0}}, fires);

    ASSERT_TRUE(timers.resume(timer));
    runScript({{0, 1}, {99, 1}, {1, 2}}, fires);
}

TEST_F(TimerQueueTest, PeriodChangeCountsFromTheLastRun) {
    int fires = 0;
    const TimerQueue::Handle timer = timers.startPeriodic(100, counting(fires));
    runScript({{100, 1}, {30, 1}}, fires);
    ASSERT_TRUE(timers.setPeriod(timer, 40));
    runScript({{9, 1}, {1, 2}, {40, 3}}, fires);
}

TEST_F(TimerQueueTest, TimerMayRemoveItselfFromItsCallback) {
    int fires = 0;
    const TimerQueue::Handle timer =
        timers.startPeriodic(10, [this, &fires](TimerQueue::Handle self) {
            ++fires;
            EXPECT_TRUE(timers.remove(self));
        });
    runScript({{10, 1}, {10, 1}, {10, 1}}, fires);
    EXPECT_FALSE(timers.contains(timer));
    EXPECT_EQ(timers.count(), 0u);
    EXPECT_FALSE(timers.remove(timer));
}

TEST_F(TimerQueueTest, SlotReusedFromACallbackGetsTheNewTimerOnly) {
    int oldFires = 0;
    int newFires = 0;
    TimerQueue::Handle replacement;
    const TimerQueue::Handle original = timers.startOneShot(10, [&](TimerQueue::Handle self) {
        ++oldFires;
        timers.remove(self);
        replacement = timers.startOneShot(20, counting(newFires));
    });
    runScript({{10, 0}}, newFires);
    EXPECT_EQ(oldFires, 1);
    ASSERT_TRUE(replacement.isValid());
    EXPECT_EQ(replacement.slot, original.slot);

    // The stale handle must not reach the timer that now lives in its slot.
    EXPECT_FALSE(timers.restart(original));
    EXPECT_FALSE(timers.pause(original));
    EXPECT_FALSE(timers.remove(original));
    runScript({{19, 0}, {1, 1}}, newFires);
    EXPECT_EQ(oldFires, 1);
}

TEST_F(TimerQueueTest, CallbackMayRemoveAnotherTimerBeforeItIsReached) {
    int laterFires = 0;
    TimerQueue::Handle later;
    timers.startPeriodic(10, [&](TimerQueue::Handle) { timers.remove(later); });
    later = timers.startPeriodic(10, counting(laterFires));
    runScript({{10, 0}, {10, 0}}, laterFires);
    EXPECT_EQ(timers.count(), 1u);
}

TEST_F(TimerQueueTest, StartFailsWhenFullOrWithoutCallback) {
    int fires = 0;
    EXPECT_FALSE(timers.startPeriodic(10, nullptr).isValid());
    for (std::size_t i = 0; i < TimerQueue::kCapacity; ++i) {
        ASSERT_TRUE(timers.startPeriodic(10, counting(fires)).isValid()) << i;
    }
    EXPECT_FALSE(timers.startOneShot(10, counting(fires)).isValid());
    EXPECT_EQ(timers.count(), TimerQueue::kCapacity);
    runScript({{10, static_cast<int>(TimerQueue::kCapacity)}}, fires);
}

TEST_F(TimerQueueTest, InvalidHandleIsRejectedEverywhere) {
    const TimerQueue::Handle none;
    EXPECT_FALSE(timers.remove(none));
    EXPECT_FALSE(timers.pause(none));
    EXPECT_FALSE(timers.resume(none));
    EXPECT_FALSE(timers.restart(none));
    EXPECT_FALSE(timers.setPeriod(none, 5));
    EXPECT_FALSE(timers.contains(none));
    EXPECT_FALSE(timers.isArmed({TimerQueue::kCapacity, 1}));
}

} // namespace
} // namespace v32
