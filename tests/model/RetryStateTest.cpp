#include "app/model/RetryState.h"

#include "app/model/PendingSet.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

// Ticks (1-based) on which an entry marked once and never confirmed is sent.
std::vector<int> sendTicksOfOneMark(std::uint8_t startBits) {
    RetryState retry(startBits);
    retry.mark();
    std::vector<int> sent;
    for (int tick = 1; tick <= 30; ++tick) {
        if (retry.sendsLeft() == 0) {
            break;
        }
        if (retry.advance() != RetryState::Tick::Wait) {
            sent.push_back(tick);
        }
    }
    return sent;
}

TEST(RetryStateTest, MarkedEntryIsSentFourTimesSixTicksApart) {
    EXPECT_EQ(sendTicksOfOneMark(0x00), (std::vector<int>{1, 7, 13, 19}));
}

TEST(RetryStateTest, MarkSetsFourSendsWithoutWait) {
    RetryState retry(0x3F);
    retry.mark();
    EXPECT_EQ(retry.bits(), 0x20);
    EXPECT_TRUE(retry.isDue());
}

TEST(RetryStateTest, OwnerBitsSurviveEveryOperation) {
    RetryState retry(0xC0);
    retry.mark();
    EXPECT_EQ(retry.bits(), 0xE0);
    EXPECT_EQ(retry.advance(), RetryState::Tick::Send);
    EXPECT_EQ(retry.bits() & 0xC0, 0xC0);
    EXPECT_EQ(retry.sendsLeft(), 3);
    EXPECT_EQ(retry.ticksToWait(), 5);
    retry.clear();
    EXPECT_EQ(retry.bits(), 0xC0);
    EXPECT_EQ(sendTicksOfOneMark(0xC0), (std::vector<int>{1, 7, 13, 19}));
}

TEST(RetryStateTest, LastSendEndsTheEntryEvenFromAnEmptyCount) {
    // A pending entry whose count was lost must not wrap round into seven more sends.
    RetryState retry;
    EXPECT_EQ(retry.advance(), RetryState::Tick::SendLast);
    EXPECT_EQ(retry.bits(), 0);
}

TEST(PendingSetTest, NeverConfirmedEntryLeavesTheSetAfterItsFourthSend) {
    PendingSet<40> set;
    set.mark(33);
    std::vector<int> sentOn;
    for (int tick = 1; tick <= 25; ++tick) {
        std::array<std::uint16_t, 4> due{};
        if (set.collectDue(due, 60) == 1) {
            EXPECT_EQ(due[0], 33);
            sentOn.push_back(tick);
        }
    }
    EXPECT_EQ(sentOn, (std::vector<int>{1, 7, 13, 19}));
    EXPECT_FALSE(set.isPending(33));
    EXPECT_FALSE(set.hasWork());
}

TEST(PendingSetTest, WalkStopsAtTheDueLimitAndTheAdvanceLimit) {
    PendingSet<200> set;
    for (std::size_t entry = 0; entry < 100; ++entry) {
        set.mark(entry);
    }
    std::array<std::uint16_t, 60> due{};
    ASSERT_EQ(set.collectDue(due, 60), 60U);
    EXPECT_EQ(due.front(), 0);
    EXPECT_EQ(due.back(), 59);

    // The first 60 now wait, and advancing them uses up the walk.
    EXPECT_EQ(set.collectDue(due, 60), 0U);
    EXPECT_EQ(set.retry(0).ticksToWait(), 4);
    EXPECT_EQ(set.retry(60).ticksToWait(), 0);

    // A small frame stops at its own size.
    std::array<std::uint16_t, 1> one{};
    for (std::size_t entry = 0; entry < 60; ++entry) {
        set.clear(entry);
    }
    ASSERT_EQ(set.collectDue(one, 60), 1U);
    EXPECT_EQ(one[0], 60);
    EXPECT_EQ(set.retry(61).sendsLeft(), 4);
}

TEST(PendingSetTest, SkippedEntryIsNotAdvancedTwice) {
    PendingSet<64> set;
    set.mark(5);
    set.mark(40);
    ASSERT_TRUE(set.advance(40));
    std::array<std::uint16_t, 60> due{};
    ASSERT_EQ(set.collectDue(due, 60, 40), 1U);
    EXPECT_EQ(due[0], 5);
    EXPECT_EQ(set.retry(40).sendsLeft(), 3);
    EXPECT_EQ(set.retry(40).ticksToWait(), 5);
}

TEST(PendingSetTest, WorkFlagClearsOnlyWhenAWalkFindsNothing) {
    PendingSet<64> set;
    EXPECT_FALSE(set.hasWork());
    set.mark(63);
    EXPECT_TRUE(set.hasWork());
    set.clear(63);
    EXPECT_TRUE(set.hasWork());
    std::array<std::uint16_t, 60> due{};
    EXPECT_EQ(set.collectDue(due, 60), 0U);
    EXPECT_FALSE(set.hasWork());
}

TEST(PendingSetTest, EntriesOutsideTheSetAreIgnored) {
    PendingSet<51> set;
    set.mark(51);
    set.clear(51);
    EXPECT_FALSE(set.isPending(51));
    EXPECT_TRUE(set.isEmpty());
    EXPECT_FALSE(set.hasWork());
}

} // namespace
} // namespace v32
