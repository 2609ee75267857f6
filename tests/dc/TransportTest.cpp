#include "app/core/SteadyClock.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/FixedFrames.h"
#include "app/protocol/PairList.h"
#include "tests/dc/SocketClient.h"
#include "tools/velmar32-dc/StandIn.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace v32::dc {
namespace {

using test::Bytes;
using test::SocketClient;
using Transport = SocketClient::Transport;
using namespace std::chrono_literals;

Bytes bytes(std::span<const std::uint8_t> span) {
    return Bytes(span.begin(), span.end());
}

Bytes concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<ParamPair> pairsOf(const Bytes& frame) {
    const PairListView view(framePayload(frame));
    return {view.begin(), view.end()};
}

Bytes setFrame(ParamId id, std::uint16_t value) {
    return test::makeFrame(MSG_PARAM_SET,
                           Bytes{static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id),
                                 static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value)});
}

Bytes queryFrame(ParamId id) {
    return test::makeFrame(
        MSG_PARAM_QUERY, Bytes{static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id)});
}

// The stand-in on free loopback ports, served by a thread of its own for the whole test.
class TransportTest : public ::testing::Test {
protected:
    static ProgramOptions optionsOnFreePorts() {
        ProgramOptions options;
        options.udpPort = 0;
        options.tcpPort = 0;
        options.console = false;
        return options;
    }

    void startWith(const ProgramOptions& options) {
        standIn = std::make_unique<StandIn>(options, clock);
        std::string error;
        ASSERT_TRUE(standIn->start(error)) << error;
        server = std::thread([this] { standIn->run(stop); });
    }

    void SetUp() override { startWith(optionsOnFreePorts()); }

    void TearDown() override {
        stop = true;
        if (server.joinable()) {
            server.join();
        }
    }

    SocketClient udpClient() { return SocketClient(Transport::Udp, standIn->udpEndpoint()); }
    SocketClient tcpClient() { return SocketClient(Transport::Tcp, standIn->tcpEndpoint()); }

    // A client that has talked once, so that it hears what others change.
    void join(SocketClient& client) {
        ASSERT_TRUE(client.send(queryFrame(1)));
        ASSERT_EQ(client.waitForFrames(1).size(), 1U);
    }

    SteadyClock clock;
    std::unique_ptr<StandIn> standIn;
    std::atomic<bool> stop{false};
    std::thread server;
};

TEST_F(TransportTest, ListensOnLoopbackPortsItPicked) {
    for (const Ipv4Endpoint& endpoint : {standIn->udpEndpoint(), standIn->tcpEndpoint()}) {
        EXPECT_EQ(endpoint.address, Ipv4Endpoint::kLoopback);
        EXPECT_NE(endpoint.port, 0);
    }
}

TEST_F(TransportTest, DiscoveryAndTheLocalProbeAreAnsweredOverUdp) {
    SocketClient client = udpClient();
    ASSERT_TRUE(client.isConnected());

    ASSERT_TRUE(client.send(kIdentifyRequest));
    const std::vector<Bytes> identify = client.waitForFrames(1);
    ASSERT_EQ(identify.size(), 1U);
    const std::optional<IdentifyReply> reply = parseIdentifyReply(identify[0]);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->productId, 0xE001);
    EXPECT_EQ(reply->deviceName, "unnamed");

    ASSERT_TRUE(client.send(kKeepAliveProbe));
    const std::vector<Bytes> probe = client.waitForFrames(1);
    ASSERT_EQ(probe.size(), 1U);
    EXPECT_EQ(probe[0], bytes(kKeepAliveReply));
}

TEST_F(TransportTest, FramesAreCutFromDatagramsAndStreamsAlike) {
    struct Case {
        const char* what;
        Transport transport;
        std::vector<Bytes> writes;
        std::size_t replies;
    };
    const Bytes first = queryFrame(4979);
    const Bytes second = queryFrame(75);
    const Bytes garbage{0x13, 0x80, 0x02, 0x55};
    const Case cases[] = {
        {"two frames in one datagram", Transport::Udp, {concat(first, second)}, 2},
        {"garbage before a frame in a datagram", Transport::Udp, {concat(garbage, first)}, 1},
        {"two frames in one write", Transport::Tcp, {concat(first, second)}, 2},
        {"a frame split over two writes",
         Transport::Tcp,
         {Bytes(first.begin(), first.begin() + 3), Bytes(first.begin() + 3, first.end())},
         1},
        {"garbage before a frame in the stream", Transport::Tcp, {garbage, first}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SocketClient client = c.transport == Transport::Udp ? udpClient() : tcpClient();
        ASSERT_TRUE(client.isConnected());
        for (const Bytes& write : c.writes) {
            ASSERT_TRUE(client.send(write));
            std::this_thread::sleep_for(20ms);
        }
        const std::vector<Bytes> replies = client.waitForFrames(c.replies);
        ASSERT_EQ(replies.size(), c.replies);
        EXPECT_EQ(pairsOf(replies[0]).at(0).id, 4979);
        EXPECT_TRUE(client.framesWithin(100ms).empty());
    }
}

TEST_F(TransportTest, AChangeOverOneTransportIsNotifiedOverEvery) {
    SocketClient writer = udpClient();
    SocketClient udpListener = udpClient();
    SocketClient tcpListener = tcpClient();
    join(writer);
    join(udpListener);
    join(tcpListener);

    ASSERT_TRUE(writer.send(setFrame(75, 1111)));

    const std::vector<Bytes> ack = writer.waitForFrames(1);
    ASSERT_EQ(ack.size(), 1U);
    EXPECT_EQ(ack[0][2], MSG_PARAM_SET);
    EXPECT_EQ(pairsOf(ack[0]), (std::vector<ParamPair>{{75, 1111}}));
    for (SocketClient* listener : {&udpListener, &tcpListener}) {
        const std::vector<Bytes> notify = listener->waitForFrames(1);
        ASSERT_EQ(notify.size(), 1U);
        EXPECT_EQ(notify[0][2], MSG_PARAM_NOTIFY);
        EXPECT_EQ(pairsOf(notify[0]), (std::vector<ParamPair>{{75, 1111}}));
    }
    EXPECT_TRUE(writer.framesWithin(100ms).empty());
}

TEST_F(TransportTest, AClosedConnectionIsForgottenAndOthersGoOn) {
    {
        SocketClient leaving = tcpClient();
        join(leaving);
    }
    SocketClient staying = tcpClient();
    join(staying);
    ASSERT_TRUE(staying.send(setFrame(76, 5)));
    EXPECT_EQ(staying.waitForFrames(1).size(), 1U);

    TearDown();
    EXPECT_EQ(standIn->commands().statusLine().rfind("clients 1 |", 0), 0U)
        << standIn->commands().statusLine();
}

TEST_F(TransportTest, SerialLineOnAPseudoTerminalIsProbedAndAnswered) {
    TearDown();
    stop = false;
    ProgramOptions options = optionsOnFreePorts();
    options.udpEnabled = false;
    options.tcpEnabled = false;
    options.serial = std::string(ProgramOptions::kPseudoTerminal);
    startWith(options);
    const std::string path = standIn->serialPath();
    ASSERT_FALSE(path.empty());

    FileDescriptor line(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    ASSERT_TRUE(line.isValid());
    IncomingFrames incoming;
    std::vector<Bytes> frames;
    const auto readFor = [&](std::chrono::milliseconds time) {
        const auto deadline = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd ready{line.get(), POLLIN, 0};
            if (::poll(&ready, 1, 20) > 0) {
                std::array<std::uint8_t, 256> buffer{};
                const ssize_t got = ::read(line.get(), buffer.data(), buffer.size());
                ASSERT_GT(got, 0);
                incoming.append(std::span(buffer).first(static_cast<std::size_t>(got)));
                incoming.cut([&](auto frame) { frames.emplace_back(frame.begin(), frame.end()); });
            }
        }
    };

    // The probe comes within a second of the line being opened.
    readFor(1500ms);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0], bytes(kKeepAliveProbe));

    frames.clear();
    const Bytes query = queryFrame(4979);
    ASSERT_EQ(::write(line.get(), kKeepAliveReply.data(), kKeepAliveReply.size()), 9);
    ASSERT_EQ(::write(line.get(), query.data(), query.size()), static_cast<ssize_t>(query.size()));
    readFor(300ms);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(pairsOf(frames[0]), (std::vector<ParamPair>{{4979, 1}}));
}

} // namespace
} // namespace v32::dc
