#include "app/core/ProductConstants.h"
#include "app/core/SteadyClock.h"
#include "app/link/DeviceDiscovery.h"
#include "app/link/DiscoveryBroadcasts.h"
#include "app/link/FileDescriptor.h"
#include "app/link/SystemNetworkAdapters.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/FixedFrames.h"
#include "tools/velmar32-dc/StandIn.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

namespace v32::dc {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Datagram {
    Bytes bytes;
    Ipv4Endpoint sender;
};

// A socket on 127.0.0.1 that sends wherever it is told and takes replies from anyone, as
// the discovery socket of a control surface does.
class DiscoverySocket {
public:
    DiscoverySocket()
        : m_socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        const sockaddr_in local = Ipv4Endpoint{Ipv4Endpoint::kLoopback, 0}.toSocketAddress();
        ::bind(m_socket.get(), reinterpret_cast<const sockaddr*>(&local), sizeof local);
    }

    void sendTo(const Ipv4Endpoint& to, std::span<const std::uint8_t> bytes) const {
        const sockaddr_in address = to.toSocketAddress();
        ::sendto(m_socket.get(), bytes.data(), bytes.size(), 0,
                 reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }

    std::optional<Datagram> receive(int timeoutMs) const {
        pollfd readable{m_socket.get(), POLLIN, 0};
        if (::poll(&readable, 1, timeoutMs) <= 0) {
            return std::nullopt;
        }
        Bytes bytes(1024);
        sockaddr_in from{};
        socklen_t size = sizeof from;
        const ssize_t got = ::recvfrom(m_socket.get(), bytes.data(), bytes.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &size);
        if (got < 0) {
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(got));
        return Datagram{bytes, Ipv4Endpoint::from(from)};
    }

private:
    FileDescriptor m_socket;
};

// The stand-in as the demo runs it, on a free UDP port of the loopback address.
class DiscoveryAnswerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramOptions options;
        options.udpPort = 0;
        options.tcpEnabled = false;
        options.console = false;
        standIn = std::make_unique<StandIn>(options, clock);
        std::string error;
        ASSERT_TRUE(standIn->start(error)) << error;
        server = std::thread([this] { standIn->run(stop); });
    }

    void TearDown() override {
        stop = true;
        if (server.joinable()) {
            server.join();
        }
    }

    SteadyClock clock;
    std::unique_ptr<StandIn> standIn;
    std::atomic<bool> stop{false};
    std::thread server;
};

TEST_F(DiscoveryAnswerTest, AnIdentifyRequestToTheLoopbackBroadcastIsAnsweredFromItsOwnAddress) {
    const Ipv4Endpoint own = standIn->udpEndpoint();
    const Ipv4Endpoint broadcast{0x7F0000FF, own.port};
    ASSERT_EQ(standIn->udpBroadcastEndpoint(), broadcast);
    DiscoverySocket socket;

    // Only the question of who is there is taken from a broadcast.
    socket.sendTo(broadcast, kKeepAliveProbe);
    socket.sendTo(broadcast, kIdentifyRequest);

    const std::optional<Datagram> answer = socket.receive(2000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->sender, own);
    const std::optional<IdentifyReply> reply = parseIdentifyReply(answer->bytes);
    ASSERT_TRUE(reply);
    EXPECT_EQ(answer->bytes[2], MSG_IDENTIFY);
    EXPECT_EQ(reply->productId, 0xE001);
    EXPECT_EQ(reply->modelCode, 0x2F);
    EXPECT_FALSE(socket.receive(200));
}

// The control surface's own discovery on this computer's adapters, limited to loopback by
// the setting the demo uses, so that nothing is sent anywhere else.
TEST_F(DiscoveryAnswerTest, DiscoveryLimitedToLoopbackFindsTheStandIn) {
    const std::vector<std::string> loopbackOnly{"lo"};
    const std::vector<std::uint32_t> probed =
        discoveryBroadcasts(listSystemNetworkAdapters(), loopbackOnly);
    ASSERT_FALSE(probed.empty());
    for (const std::uint32_t address : probed) {
        ASSERT_EQ(address >> 24, 127U) << std::hex << address;
    }
    std::FILE* log = std::tmpfile();
    const DeviceDiscovery discovery(DiscoverySetup{.adapters = {},
                                                   .namedAdapters = loopbackOnly,
                                                   .port = standIn->udpEndpoint().port,
                                                   .product = parseProductConstants(),
                                                   .log = log});

    const FoundDeviceTable found = discovery.run();
    std::fclose(log);

    ASSERT_EQ(found.devices().size(), 1U);
    EXPECT_EQ(found.devices()[0].address, Ipv4Endpoint::kLoopback);
    EXPECT_EQ(found.devices()[0].nameView(), "VELMAR32");
}

} // namespace
} // namespace v32::dc
