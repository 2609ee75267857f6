#include "app/link/DeviceDiscovery.h"

#include "app/protocol/FixedFrames.h"
#include "app/protocol/Frame.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/LoopbackUdpSocket.h"

#include <atomic>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace v32 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr std::uint32_t kLoopbackBroadcast = 0x7F0000FF;
constexpr ProductConstants kProduct{.productId = 0xE001, .modelCode = 0x2F, .thirdCode = 0x01};

Bytes identifyReply(const std::string& name, std::uint16_t productId = 0xE001) {
    Bytes payload{0x00, static_cast<std::uint8_t>(productId >> 8),
                  static_cast<std::uint8_t>(productId), 0x2F, 0x01};
    payload.insert(payload.end(), name.begin(), name.end());
    payload.push_back(0x00);
    Bytes frame(kFrameCapacity);
    frame.resize(buildFrame(frame, MSG_IDENTIFY, payload));
    return frame;
}

Bytes withCrcBroken(Bytes frame) {
    frame.back() ^= 0x01;
    return frame;
}

// One reply, from the mixer at 127.0.0.<host>.
struct Reply {
    int host;
    Bytes datagram;
};

// Mixers on the loopback network: they hear the identify request where discovery
// broadcasts it (127.0.0.255 at a free port) and answer the sender, each from an address
// of its own.
class LoopbackMixers {
public:
    explicit LoopbackMixers(std::vector<Reply> replies)
        : m_listener(kLoopbackBroadcast)
        , m_replies(std::move(replies)) {
        for (const Reply& reply : m_replies) {
            m_senders.push_back(std::make_unique<LoopbackUdpSocket>(0x7F000000 + reply.host));
        }
        m_thread = std::thread([this] { answer(); });
    }
    ~LoopbackMixers() { finish(); }

    std::uint16_t port() const { return m_listener.port(); }

    // Every request heard, once the discovery run is over.
    const std::vector<Bytes>& finish() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_requests;
    }

private:
    // Answers the first request and keeps counting any further ones.
    void answer() {
        while (!m_stop) {
            const std::optional<LoopbackUdpSocket::Datagram> request = m_listener.receive(20ms);
            if (!request) {
                continue;
            }
            m_requests.push_back(request->bytes);
            if (m_requests.size() == 1) {
                sendReplies(request->senderPort);
            }
        }
    }

    void sendReplies(std::uint16_t discoveryPort) {
        for (std::size_t i = 0; i < m_replies.size(); ++i) {
            m_senders[i]->sendTo(discoveryPort, m_replies[i].datagram);
        }
    }

    LoopbackUdpSocket m_listener;
    std::vector<Reply> m_replies;
    std::vector<std::unique_ptr<LoopbackUdpSocket>> m_senders;
    std::vector<Bytes> m_requests;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

struct Listed {
    std::uint32_t address;
    std::string name;

    friend bool operator==(const Listed&, const Listed&) = default;
};

std::vector<Listed> listed(const FoundDeviceTable& table) {
    std::vector<Listed> result;
    for (const FoundDevice& device : table.devices()) {
        result.push_back({device.address, std::string(device.nameView())});
    }
    return result;
}

DiscoverySetup loopbackSetup(std::uint16_t port, std::vector<std::string> named, std::FILE* log) {
    return DiscoverySetup{
        .adapters =
            [] {
                return std::vector<NetworkAdapter>{{"lo", kLoopback, true, true}};
            },
        .namedAdapters = std::move(named),
        .port = port,
        .product = kProduct,
        .log = log,
    };
}

TEST(DeviceDiscoveryTest, ListsEachMixerThatAnswersOnceInTheOrderOfTheirReplies) {
    LoopbackMixers mixers({
        {2, identifyReply("FOH Left")},
        {3, identifyReply("unnamed")},
        {2, identifyReply("FOH Left")},
        {4, withCrcBroken(identifyReply("Broken"))},
        {5, identifyReply("Stranger", 0xE002)},
        {6, identifyReply("Monitors")},
    });
    CapturedOutput log;

    const FoundDeviceTable found =
        DeviceDiscovery(loopbackSetup(mixers.port(), {"lo"}, log.file())).run();

    const std::vector<Listed> expected{
        {0x7F000002, "FOH Left"}, {0x7F000003, "VELMAR32"}, {0x7F000006, "Monitors"}};
    EXPECT_THAT(listed(found), ElementsAreArray(expected));
    const std::vector<Bytes>& requests = mixers.finish();
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_THAT(requests[0], ElementsAreArray(kIdentifyRequest));
    EXPECT_EQ(log.text(), "discover 127.0.0.255\n");
}

TEST(DeviceDiscoveryTest, AdaptersLeftOutAreNeverProbed) {
    LoopbackMixers mixers({{2, identifyReply("FOH Left")}});
    CapturedOutput log;
    // Loopback is probed only when named; here another adapter is named.
    const std::vector<std::vector<std::string>> settings{{}, {"eth0"}};
    for (const std::vector<std::string>& named : settings) {
        EXPECT_THAT(listed(DeviceDiscovery(loopbackSetup(mixers.port(), named, log.file())).run()),
                    IsEmpty());
    }
    EXPECT_THAT(mixers.finish(), IsEmpty());
    EXPECT_EQ(log.text(), "");
}

} // namespace
} // namespace v32
