#include "app/link/ReceiveQueue.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace v32 {
namespace {

std::vector<std::uint8_t> sequence(std::size_t count, std::uint8_t first = 0) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::vector<std::uint8_t> contents(const ReceiveQueue& queue) {
    std::vector<std::uint8_t> bytes(queue.size());
    EXPECT_EQ(queue.copyOut(0, bytes), bytes.size());
    return bytes;
}

TEST(ReceiveQueueTest, AllOfItsCapacityIsUsable) {
    ReceiveQueue queue;
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(queue.full());

    const std::vector<std::uint8_t> bytes = sequence(ReceiveQueue::kCapacity);
    ASSERT_TRUE(queue.append(bytes));
    EXPECT_TRUE(queue.full());
    EXPECT_EQ(queue.size(), ReceiveQueue::kCapacity);
    EXPECT_EQ(queue.freeSpace(), 0u);
    EXPECT_EQ(contents(queue), bytes);

    EXPECT_FALSE(queue.append(std::vector<std::uint8_t>{0x01}));
    queue.consume(1);
    EXPECT_FALSE(queue.full());
    EXPECT_EQ(queue.size(), ReceiveQueue::kCapacity - 1);
}

TEST(ReceiveQueueTest, AppendStoresAllOrNothing) {
    struct Case {
        std::size_t queued;
        std::size_t appended;
        bool fits;
    };
    const Case cases[] = {
        {0, 0, true},      {0, 1024, true}, {0, 1025, false}, {1000, 24, true},
        {1000, 25, false}, {1023, 1, true}, {1024, 1, false}, {1024, 0, true},
    };
    for (const Case& c : cases) {
        ReceiveQueue queue;
        ASSERT_TRUE(queue.append(std::vector<std::uint8_t>(c.queued, 0xEE)));
        EXPECT_EQ(queue.append(sequence(c.appended)), c.fits)
            << c.queued << " queued, " << c.appended << " appended";
        EXPECT_EQ(queue.size(), c.fits ? c.queued + c.appended : c.queued);
    }
}

TEST(ReceiveQueueTest, PeekCopyAndConsumeWorkAcrossTheWrap) {
    ReceiveQueue queue;
    // Move the front near the end of the storage so that the next bytes wrap.
    ASSERT_TRUE(queue.append(std::vector<std::uint8_t>(1000, 0xEE)));
    queue.consume(1000);
    const std::vector<std::uint8_t> bytes = sequence(100, 0x10);
    ASSERT_TRUE(queue.append(bytes));

    EXPECT_EQ(queue.peek(0), 0x10);
    EXPECT_EQ(queue.peek(23), 0x10 + 23);
    EXPECT_EQ(queue.peek(24), 0x10 + 24);
    EXPECT_EQ(queue.peek(99), 0x10 + 99);
    EXPECT_EQ(queue.peek(100), std::nullopt);

    std::vector<std::uint8_t> window(30);
    ASSERT_EQ(queue.copyOut(10, window), 30u);
    EXPECT_EQ(window, sequence(30, 0x10 + 10));

    queue.consume(40);
    EXPECT_EQ(contents(queue), sequence(60, 0x10 + 40));
}

TEST(ReceiveQueueTest, OutOfRangeRequestsStayInsideTheQueue) {
    ReceiveQueue queue;
    ASSERT_TRUE(queue.append(sequence(8)));

    std::vector<std::uint8_t> window(16, 0xFF);
    EXPECT_EQ(queue.copyOut(5, window), 3u);
    EXPECT_EQ(window[2], 7);
    EXPECT_EQ(window[3], 0xFF);
    EXPECT_EQ(queue.copyOut(8, window), 0u);
    EXPECT_EQ(queue.copyOut(5000, window), 0u);
    EXPECT_EQ(queue.peek(8), std::nullopt);

    queue.consume(100);
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(queue.freeSpace(), ReceiveQueue::kCapacity);
}

TEST(ReceiveQueueTest, ClearEmptiesAFullQueue) {
    ReceiveQueue queue;
    ASSERT_TRUE(queue.append(sequence(ReceiveQueue::kCapacity)));
    queue.clear();
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(queue.full());
    EXPECT_TRUE(queue.append(sequence(ReceiveQueue::kCapacity)));
}

} // namespace
} // namespace v32
