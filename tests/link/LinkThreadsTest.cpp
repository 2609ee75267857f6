// Everything here runs a second thread: the byte ring between two threads, the wake-up, and
// the UDP and serial links with their reader threads. Kept together so that a
// ThreadSanitizer build can run exactly these.
#include "app/core/ManualClock.h"
#include "app/link/LinkByteRing.h"
#include "app/link/SerialLink.h"
#include "app/link/UdpLink.h"
#include "app/link/UiWakeup.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/LoopbackUdpSocket.h"
#include "tests/link/PseudoTerminal.h"
#include "tests/link/WaitUntil.h"

#include <gtest/gtest.h>
#include <numeric>
#include <thread>
#include <vector>

namespace v32 {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> sequence(std::size_t count, std::uint8_t first = 0) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::vector<std::uint8_t> queued(const ReceiveQueue& queue) {
    std::vector<std::uint8_t> bytes(queue.size());
    queue.copyOut(0, bytes);
    return bytes;
}

// Polls the link until count bytes have been moved (or the wait times out); returns them.
std::vector<std::uint8_t> pollFor(Link& link, ReceiveQueue& queue, std::size_t count) {
    waitUntil([&] {
        link.poll(queue);
        return queue.size() >= count;
    });
    return queued(queue);
}

TEST(LinkByteRingThreadsTest, BytesCrossBetweenThreadsInOrder) {
    constexpr std::size_t kTotal = 200000;
    LinkByteRing ring;
    std::thread producer([&ring] {
        for (std::size_t i = 0; i < kTotal; ++i) {
            while (!ring.push(static_cast<std::uint8_t>(i * 7))) {
                std::this_thread::yield();
            }
        }
    });

    std::size_t received = 0;
    std::size_t outOfOrder = 0;
    std::array<std::uint8_t, 97> block{};
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (received < kTotal && std::chrono::steady_clock::now() < deadline) {
        const std::size_t count = ring.popBytes(block);
        for (std::size_t k = 0; k < count; ++k, ++received) {
            outOfOrder += block[k] != static_cast<std::uint8_t>(received * 7) ? 1 : 0;
        }
    }
    producer.join();
    EXPECT_EQ(received, kTotal);
    EXPECT_EQ(outOfOrder, 0u);
}

TEST(UiWakeupTest, ReleasesFromManyThreadsStayWithinTheSemaphoreMaximum) {
    UiWakeup wakeup;
    constexpr int kPerThread = 40000;
    std::thread first([&] {
        for (int i = 0; i < kPerThread; ++i) {
            wakeup.release();
        }
    });
    std::thread second([&] {
        for (int i = 0; i < kPerThread; ++i) {
            wakeup.release();
        }
    });
    first.join();
    second.join();

    std::ptrdiff_t taken = 0;
    while (wakeup.waitAtMost(0)) {
        ++taken;
    }
    EXPECT_EQ(taken, UiWakeup::kMaxCount);

    // Once taken, releases count again.
    wakeup.release();
    EXPECT_TRUE(wakeup.waitAtMost(0));
    EXPECT_FALSE(wakeup.waitAtMost(0));
}

TEST(UiWakeupTest, WaitEndsAtAReleaseFromAnotherThreadOrAfterItsTimeout) {
    UiWakeup wakeup;
    EXPECT_FALSE(wakeup.waitAtMost(20));

    std::thread releaser([&] {
        std::this_thread::sleep_for(5ms);
        wakeup.release();
    });
    EXPECT_TRUE(wakeup.waitAtMost(5000));
    releaser.join();
}

class UdpLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mixer.isValid());
        ASSERT_TRUE(stranger.isValid());
        ASSERT_TRUE(link.open());
    }

    // The link's socket gets its port with its first send, as it does when the program
    // identifies itself to a mixer; the mixer answers to that port.
    std::uint16_t linkPortSeenByMixer() {
        target.set(INADDR_LOOPBACK);
        EXPECT_TRUE(link.sendFrame(kIdentify));
        const std::optional<LoopbackUdpSocket::Datagram> datagram = mixer.receive(2s);
        EXPECT_TRUE(datagram.has_value());
        return datagram ? datagram->senderPort : 0;
    }

    static constexpr std::uint32_t kOtherHost = 0x7F000002; // 127.0.0.2
    const std::vector<std::uint8_t> kIdentify{0x80, 0x04, 0x00, 0x00, 0x25, 0x68};

    DebugSwitches switches;
    ManualClock clock{500};
    CapturedOutput out;
    FrameDump dump{switches, clock, out.file()};
    UdpTarget target;
    UiWakeup wakeup;
    LoopbackUdpSocket mixer;
    LoopbackUdpSocket stranger{kOtherHost};
    UdpLink link{target, wakeup, dump, mixer.port()};
    ReceiveQueue queue;
};

TEST_F(UdpLinkTest, SendsNothingWhileNoTargetIsChosen) {
    switches.print_sent = true;
    EXPECT_FALSE(link.sendFrame(std::vector<std::uint8_t>{0x01}));
    target.set(INADDR_LOOPBACK);
    EXPECT_TRUE(link.sendFrame(std::vector<std::uint8_t>{0x02}));

    const std::optional<LoopbackUdpSocket::Datagram> first = mixer.receive(2s);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->bytes, std::vector<std::uint8_t>{0x02});
    EXPECT_FALSE(mixer.receive(20ms).has_value());
    // The dump shows every frame the program handed over.
    EXPECT_EQ(out.text(), "S: 01 ts: 500\nS: 02 ts: 500\n");
}

TEST_F(UdpLinkTest, DatagramFromTheTargetArrivesAndWakesTheLoop) {
    const std::uint16_t port = linkPortSeenByMixer();
    ASSERT_NE(port, 0);
    const std::vector<std::uint8_t> reply = sequence(40, 0x80);
    ASSERT_TRUE(mixer.sendTo(port, reply));

    EXPECT_TRUE(wakeup.waitAtMost(2000));
    EXPECT_EQ(pollFor(link, queue, reply.size()), reply);
}

TEST_F(UdpLinkTest, DatagramsFromOtherHostsAreDropped) {
    const std::uint16_t port = linkPortSeenByMixer();
    ASSERT_NE(port, 0);
    // Datagrams on one socket are read in order, so once the mixer's datagram is in, the
    // stranger's earlier one has been seen and dropped.
    ASSERT_TRUE(stranger.sendTo(port, std::vector<std::uint8_t>(30, 0xBB)));
    ASSERT_TRUE(mixer.sendTo(port, std::vector<std::uint8_t>{0x80, 0x01}));

    EXPECT_EQ(pollFor(link, queue, 2), (std::vector<std::uint8_t>{0x80, 0x01}));
    EXPECT_FALSE(waitUntil([&] { return link.poll(queue) > 0; }, 30ms));
}

TEST_F(UdpLinkTest, WithoutATargetEveryDatagramIsDropped) {
    const std::uint16_t port = linkPortSeenByMixer();
    ASSERT_NE(port, 0);
    target.clear();
    ASSERT_TRUE(mixer.sendTo(port, std::vector<std::uint8_t>{0x80, 0x02}));

    // The receiver looks every 10 ms; several of its turns pass without anything kept.
    EXPECT_FALSE(waitUntil([&] { return link.poll(queue) > 0; }, 60ms));
    EXPECT_FALSE(wakeup.waitAtMost(0));
}

TEST_F(UdpLinkTest, ClosedLinkSendsAndReceivesNothingUntilReopened) {
    link.close();
    target.set(INADDR_LOOPBACK);
    EXPECT_FALSE(link.sendFrame(kIdentify));
    EXPECT_EQ(link.poll(queue), 0u);
    EXPECT_FALSE(mixer.receive(20ms).has_value());

    ASSERT_TRUE(link.open());
    const std::uint16_t port = linkPortSeenByMixer();
    ASSERT_NE(port, 0);
    ASSERT_TRUE(mixer.sendTo(port, std::vector<std::uint8_t>{0x42}));
    EXPECT_EQ(pollFor(link, queue, 1), std::vector<std::uint8_t>{0x42});
}

class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device.isValid());
        ASSERT_TRUE(link.open());
    }

    PseudoTerminal device;
    DebugSwitches switches;
    ManualClock clock;
    FrameDump dump{switches, clock};
    UiWakeup wakeup;
    CapturedOutput log;
    SerialLink link{device.slavePath(), 128000, wakeup, dump, log.file()};
    ReceiveQueue queue;
};

TEST_F(SerialLinkTest, BytesTravelBothWays) {
    // More than one read block and more than one poll's worth.
    const std::vector<std::uint8_t> incoming = sequence(600, 0x30);
    ASSERT_TRUE(device.write(incoming));
    EXPECT_TRUE(wakeup.waitAtMost(2000));
    EXPECT_EQ(pollFor(link, queue, incoming.size()), incoming);

    const std::vector<std::uint8_t> frame{0x80, 0x05, 0x06, 0x00, 0x00, 0x13, 0xC5};
    ASSERT_TRUE(link.sendFrame(frame));
    EXPECT_EQ(device.read(frame.size()), frame);
}

TEST_F(SerialLinkTest, DeviceThatGoesAwayEndsTheReaderAndClosesThePort) {
    device.closeMaster();
    EXPECT_TRUE(waitUntil([&] { return !link.isPortOpen(); }));
    EXPECT_FALSE(link.sendFrame(std::vector<std::uint8_t>{0x80}));
    EXPECT_EQ(link.poll(queue), 0u);
    link.close();
    EXPECT_FALSE(link.isPortOpen());
}

} // namespace
} // namespace v32
