#pragma once

#include "app/link/DeviceDiscovery.h"
#include "app/link/FoundDeviceTable.h"
#include "tests/link/LoopbackUdpSocket.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace v32::test {

using Datagram = std::vector<std::uint8_t>;

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr std::uint32_t kLoopbackBroadcast = 0x7F0000FF;
constexpr ProductConstants kDiscoveredProduct{
    .productId = 0xE001, .modelCode = 0x2F, .thirdCode = 0x01};

// The identify reply of a mixer of that name and product id.
Datagram identifyReply(const std::string& name, std::uint16_t productId = 0xE001);
Datagram withCrcBroken(Datagram frame);

// One reply, from the mixer at 127.0.0.<host>.
struct Reply {
    int host;
    Datagram datagram;
};

// Mixers on the loopback network: they hear the identify request where discovery
// broadcasts it (127.0.0.255 at a free port) and answer the sender, each from an address
// of its own.
class LoopbackMixers {
public:
    explicit LoopbackMixers(std::vector<Reply> replies);
    ~LoopbackMixers();
    LoopbackMixers(const LoopbackMixers&) = delete;
    LoopbackMixers& operator=(const LoopbackMixers&) = delete;

    std::uint16_t port() const { return m_listener.port(); }
    // While they listen, from any thread.
    std::size_t requestsHeard() const { return m_heard.load(); }

    // Every request heard, once the discovery run is over.
    const std::vector<Datagram>& finish();

private:
    // Answers the first request and keeps counting any further ones.
    void answer();
    void sendReplies(std::uint16_t discoveryPort);

    LoopbackUdpSocket m_listener;
    std::vector<Reply> m_replies;
    std::vector<std::unique_ptr<LoopbackUdpSocket>> m_senders;
    std::vector<Datagram> m_requests;
    std::atomic<std::size_t> m_heard{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A device as the table lists it.
struct Listed {
    std::uint32_t address;
    std::string name;

    friend bool operator==(const Listed&, const Listed&) = default;
};

std::vector<Listed> listed(const FoundDeviceTable& table);

// Discovery on an injected loopback adapter, towards the mixers' port; named chooses the
// adapters as the configuration would.
DiscoverySetup loopbackSetup(std::uint16_t port, std::vector<std::string> named, std::FILE* log);

} // namespace v32::test
