#include "tests/link/LoopbackMixers.h"

#include "app/protocol/Frame.h"

#include <chrono>
#include <utility>

namespace v32::test {

using namespace std::chrono_literals;

Datagram identifyReply(const std::string& name, std::uint16_t productId) {
    Datagram payload{0x00, static_cast<std::uint8_t>(productId >> 8),
                     static_cast<std::uint8_t>(productId), 0x2F, 0x01};
    payload.insert(payload.end(), name.begin(), name.end());
    payload.push_back(0x00);
    Datagram frame(kFrameCapacity);
    frame.resize(buildFrame(frame, MSG_IDENTIFY, payload));
    return frame;
}

Datagram withCrcBroken(Datagram frame) {
    frame.back() ^= 0x01;
    return frame;
}

LoopbackMixers::LoopbackMixers(std::vector<Reply> replies)
    : m_listener(kLoopbackBroadcast)
    , m_replies(std::move(replies)) {
    for (const Reply& reply : m_replies) {
        m_senders.push_back(std::make_unique<LoopbackUdpSocket>(0x7F000000 + reply.host));
    }
    m_thread = std::thread([this] { answer(); });
}

LoopbackMixers::~LoopbackMixers() {
    finish();
}

const std::vector<Datagram>& LoopbackMixers::finish() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return m_requests;
}

void LoopbackMixers::answer() {
    while (!m_stop) {
        const std::optional<LoopbackUdpSocket::Datagram> request = m_listener.receive(20ms);
        if (!request) {
            continue;
        }
        m_requests.push_back(request->bytes);
        if (m_requests.size() == 1) {
            sendReplies(request->senderPort);
        }
        ++m_heard;
    }
}

void LoopbackMixers::sendReplies(std::uint16_t discoveryPort) {
    for (std::size_t i = 0; i < m_replies.size(); ++i) {
        m_senders[i]->sendTo(discoveryPort, m_replies[i].datagram);
    }
}

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
        .product = kDiscoveredProduct,
        .log = log,
    };
}

} // namespace v32::test
