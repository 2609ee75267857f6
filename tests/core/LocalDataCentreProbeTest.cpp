#include "app/core/LocalDataCentreProbe.h"

#include "app/protocol/FixedFrames.h"
#include "app/protocol/Frame.h"
#include "tests/core/LoopbackResponder.h"
#include "tests/core/LoopbackSocket.h"

#include <array>
#include <chrono>
#include <gtest/gtest.h>

namespace v32 {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::LoopbackResponder;
using test::LoopbackSocket;

const Bytes kValidReply(kKeepAliveReply.begin(), kKeepAliveReply.end());

Bytes withLastByteFlipped(Bytes bytes) {
    bytes.back() ^= 0x01;
    return bytes;
}

// A valid report of four pairs: 21 bytes, which a 16-byte receive cuts short.
Bytes longReport() {
    const std::array<std::uint8_t, 16> pairs{};
    Bytes frame(kFrameCapacity);
    frame.resize(buildFrame(frame, MSG_PARAM_QUERY, pairs));
    return frame;
}

std::uint16_t freeLoopbackPort() {
    const LoopbackSocket socket;
    return socket.port();
}

struct ReplyCase {
    const char* name;
    std::vector<Bytes> replies;
    bool found;
};

TEST(LocalDataCentreProbeTest, OnlyAValidFrameCountsAsAReply) {
    const std::array<ReplyCase, 7> cases{{
        {"keep-alive reply", {kValidReply}, true},
        {"silent", {}, false},
        {"wrong CRC", {withLastByteFlipped(kValidReply)}, false},
        {"cut short", {Bytes(kValidReply.begin(), kValidReply.end() - 1)}, false},
        {"not a frame", {Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}}, false},
        {"longer than the receive buffer", {longReport()}, false},
        {"invalid first, then valid", {Bytes{0x00}, kValidReply}, true},
    }};
    for (const ReplyCase& c : cases) {
        const LoopbackResponder responder(c.replies);
        LocalDataCentreProbe probe({0, responder.port()});
        ASSERT_TRUE(probe.open()) << c.name;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(probe.probe(100ms), c.found) << c.name;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, 1s) << c.name;
        if (!c.found) {
            EXPECT_GE(elapsed, 100ms) << c.name << ": gave up before the timeout";
        }
        EXPECT_EQ(responder.datagramsReceived(), 1) << c.name;
    }
}

TEST(LocalDataCentreProbeTest, SendsTheKeepAliveProbeFromTheBoundPort) {
    const LoopbackResponder responder({kValidReply});
    const std::uint16_t bindPort = freeLoopbackPort();
    LocalDataCentreProbe probe({bindPort, responder.port()});
    ASSERT_TRUE(probe.open());
    ASSERT_TRUE(probe.probe(200ms));
    EXPECT_EQ(responder.lastDatagram(), Bytes(kKeepAliveProbe.begin(), kKeepAliveProbe.end()));
    EXPECT_EQ(responder.lastSenderPort(), bindPort);
}

TEST(LocalDataCentreProbeTest, PortInUseMeansNoProbe) {
    const LoopbackResponder responder({kValidReply});
    const LoopbackSocket occupied;
    LocalDataCentreProbe probe({occupied.port(), responder.port()});
    EXPECT_FALSE(probe.open());
    EXPECT_FALSE(probe.probe(50ms));
    EXPECT_EQ(responder.datagramsReceived(), 0);
}

TEST(LocalDataCentreProbeTest, ProbeWithoutOpenSendsNothing) {
    const LoopbackResponder responder({kValidReply});
    LocalDataCentreProbe probe({0, responder.port()});
    EXPECT_FALSE(probe.probe(50ms));
    EXPECT_EQ(responder.datagramsReceived(), 0);
}

} // namespace
} // namespace v32
