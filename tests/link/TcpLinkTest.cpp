#include "app/link/TcpLink.h"

#include "app/core/ManualClock.h"
#include "app/link/FileDescriptor.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/WaitUntil.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <vector>

namespace v32 {
namespace {

// A loopback TCP port the test owns. Bound but not yet listening, it refuses connections.
class LoopbackTcpPort {
public:
    LoopbackTcpPort()
        : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof local;
        if (::bind(socket_.get(), reinterpret_cast<sockaddr*>(&local), size) == 0 &&
            ::getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&local), &size) == 0) {
            port_ = ntohs(local.sin_port);
        }
    }

    std::uint16_t port() const { return port_; }
    bool listen() const { return ::listen(socket_.get(), 4) == 0; }

    FileDescriptor accept() const {
        pollfd pending{socket_.get(), POLLIN, 0};
        if (::poll(&pending, 1, 2000) <= 0) {
            return FileDescriptor();
        }
        return FileDescriptor(::accept4(socket_.get(), nullptr, nullptr, SOCK_CLOEXEC));
    }

private:
    FileDescriptor socket_;
    std::uint16_t port_ = 0;
};

class TcpLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(server.port(), 0); }

    bool pollUntil(TcpLink::State state) {
        return waitUntil([&] {
            link.poll(queue);
            return link.state() == state;
        });
    }

    FileDescriptor connect() {
        EXPECT_TRUE(server.listen());
        EXPECT_TRUE(link.open());
        EXPECT_TRUE(pollUntil(TcpLink::State::Connected));
        return server.accept();
    }

    std::vector<std::uint8_t> queued() const {
        std::vector<std::uint8_t> bytes(queue.size());
        queue.copyOut(0, bytes);
        return bytes;
    }

    DebugSwitches switches;
    ManualClock clock{1000};
    CapturedOutput out;
    FrameDump dump{switches, clock, out.file()};
    LoopbackTcpPort server;
    TcpLink link{clock, dump, server.port()};
    ReceiveQueue queue;
};

TEST_F(TcpLinkTest, RefusedConnectionIsRetriedOnlyAfterFiveSeconds) {
    ASSERT_TRUE(link.open());
    ASSERT_TRUE(pollUntil(TcpLink::State::Closed));

    // From here a connection would succeed, so any attempt shows in the state.
    ASSERT_TRUE(server.listen());
    clock.advance(TcpLink::kRetryDelayMs);
    link.poll(queue);
    EXPECT_EQ(link.state(), TcpLink::State::Closed);

    clock.advance(1);
    link.poll(queue);
    EXPECT_NE(link.state(), TcpLink::State::Closed);
    EXPECT_TRUE(pollUntil(TcpLink::State::Connected));
}

TEST_F(TcpLinkTest, ReceivedBytesAreAppendedExactlyAndDumped) {
    switches.print_received = true;
    const FileDescriptor peer = connect();
    ASSERT_TRUE(peer.isValid());

    const std::vector<std::uint8_t> bytes{0x80, 0x08, 0x06, 0x00, 0x01,
                                          0x00, 0x02, 0xAB, 0xCD, 0xEF};
    ASSERT_EQ(::send(peer.get(), bytes.data(), bytes.size(), 0), 10);
    std::size_t moved = 0;
    ASSERT_TRUE(waitUntil([&] {
        moved += link.poll(queue);
        return moved >= bytes.size();
    }));
    EXPECT_EQ(moved, 10u);
    EXPECT_EQ(queued(), bytes);
    EXPECT_EQ(out.text(), "R: 80080600010002ABCDEF ts: 1000\n");
}

TEST_F(TcpLinkTest, FramesAreSentToTheDataCentre) {
    const FileDescriptor peer = connect();
    ASSERT_TRUE(peer.isValid());

    const std::vector<std::uint8_t> frame{0x80, 0x04, 0x00, 0x00, 0x25, 0x68};
    ASSERT_TRUE(link.sendFrame(frame));
    std::vector<std::uint8_t> received(16);
    pollfd readable{peer.get(), POLLIN, 0};
    ASSERT_EQ(::poll(&readable, 1, 2000), 1);
    received.resize(static_cast<std::size_t>(::recv(peer.get(), received.data(), 16, 0)));
    EXPECT_EQ(received, frame);
}

TEST_F(TcpLinkTest, ReadsNoMoreThanTheQueueCanTake) {
    const FileDescriptor peer = connect();
    ASSERT_TRUE(peer.isValid());
    ASSERT_TRUE(queue.append(std::vector<std::uint8_t>(1020, 0xEE)));

    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_EQ(::send(peer.get(), bytes.data(), bytes.size(), 0), 10);
    ASSERT_TRUE(waitUntil([&] { return link.poll(queue) == 4; }));
    EXPECT_TRUE(queue.full());
    EXPECT_EQ(link.poll(queue), 0u);
    EXPECT_EQ(link.state(), TcpLink::State::Connected);

    queue.consume(1020);
    ASSERT_TRUE(waitUntil([&] { return link.poll(queue) == 6; }));
    EXPECT_EQ(queued(), bytes);
}

TEST_F(TcpLinkTest, PeerCloseReturnsToClosedAndTheRetryCountsFromThen) {
    FileDescriptor peer = connect();
    ASSERT_TRUE(peer.isValid());

    clock.advance(3000);
    peer.reset();
    ASSERT_TRUE(pollUntil(TcpLink::State::Closed));
    EXPECT_EQ(link.poll(queue), 0u);

    clock.advance(TcpLink::kRetryDelayMs);
    link.poll(queue);
    EXPECT_EQ(link.state(), TcpLink::State::Closed);
    clock.advance(1);
    EXPECT_TRUE(pollUntil(TcpLink::State::Connected));
}

TEST_F(TcpLinkTest, ClosedLinkNeitherSendsNorConnects) {
    const std::vector<std::uint8_t> frame{0x80};
    EXPECT_FALSE(link.sendFrame(frame));
    ASSERT_TRUE(server.listen());
    clock.advance(TcpLink::kRetryDelayMs + 1);
    EXPECT_EQ(link.poll(queue), 0u);
    EXPECT_EQ(link.state(), TcpLink::State::Closed);

    link.open();
    link.close();
    EXPECT_FALSE(link.sendFrame(frame));
    clock.advance(TcpLink::kRetryDelayMs + 1);
    link.poll(queue);
    EXPECT_EQ(link.state(), TcpLink::State::Closed);
}

} // namespace
} // namespace v32
