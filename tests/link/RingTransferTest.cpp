#include "app/link/RingTransfer.h"

#include "app/core/ManualClock.h"
#include "tests/link/CapturedOutput.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace v32 {
namespace {

class RingTransferTest : public ::testing::Test {
protected:
    RingTransferTest() { switches.print_received = true; }

    std::vector<std::uint8_t> queued() const {
        std::vector<std::uint8_t> bytes(queue.size());
        queue.copyOut(0, bytes);
        return bytes;
    }

    DebugSwitches switches;
    ManualClock clock{99};
    CapturedOutput out;
    FrameDump dump{switches, clock, out.file()};
    LinkByteRing ring;
    ReceiveQueue queue;
};

TEST_F(RingTransferTest, MovesAtMost320BytesPerPoll) {
    std::vector<std::uint8_t> bytes(700);
    std::iota(bytes.begin(), bytes.end(), 0);
    ring.pushBytes(bytes);

    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 320u);
    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 320u);
    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 60u);
    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 0u);
    EXPECT_EQ(queued(), bytes);
}

TEST_F(RingTransferTest, BytesTheQueueCannotTakeWaitInTheRing) {
    ASSERT_TRUE(queue.append(std::vector<std::uint8_t>(1020, 0xEE)));
    ring.pushBytes(std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6});

    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 4u);
    EXPECT_TRUE(queue.full());
    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 0u);

    queue.consume(1020);
    EXPECT_EQ(moveRingToQueue(ring, queue, dump), 2u);
    EXPECT_EQ(queued(), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(RingTransferTest, DumpsEachMovedBlockAndNothingForAnEmptyPoll) {
    ring.pushBytes(std::vector<std::uint8_t>{0x80, 0x1F});
    moveRingToQueue(ring, queue, dump);
    moveRingToQueue(ring, queue, dump);
    EXPECT_EQ(out.text(), "R: 801F ts: 99\n");
}

} // namespace
} // namespace v32
