#pragma once

#include "app/core/Clock.h"
#include "app/link/FileDescriptor.h"
#include "tools/velmar32-dc/IncomingFrames.h"
#include "tools/velmar32-dc/Ipv4Endpoint.h"
#include "tools/velmar32-dc/Pollable.h"
#include "tools/velmar32-dc/Switchboard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

namespace v32::dc {

// The mixer's UDP port. Every sender address is a client, answered from the port it wrote
// to; a client that has been silent for a while is forgotten (a control surface asks for
// its heartbeat every second). Senders outside 127.0.0.0/8 are ignored unless remote
// clients are allowed, and nothing is ever sent to an address that has not written first.
//
// Bound to a loopback address, the server can also take the identify requests that
// discovery broadcasts to the loopback network (127.0.0.255 for 127.0.0.1), which a socket
// bound to the address itself never receives; it answers them from its own address.
class UdpServer final : public Pollable {
public:
    static constexpr std::uint16_t kDefaultPort = 8086;
    static constexpr std::size_t kMaxPeers = 32;
    static constexpr std::uint32_t kIdleTimeoutMs = 15000;
    static constexpr std::size_t kMaxDatagramSize = 1024;
    // Bounds one round's work, so that a flood cannot starve the other transports.
    static constexpr int kMaxDatagramsPerRound = 64;

    UdpServer(Switchboard& switchboard, const Clock& clock, bool allowRemote);
    ~UdpServer() override;

    UdpServer(const UdpServer&) = delete;
    UdpServer& operator=(const UdpServer&) = delete;

    // Port 0 takes any free port; localEndpoint() tells which.
    bool open(const Ipv4Endpoint& bindTo);
    Ipv4Endpoint localEndpoint() const;

    // Listens on the broadcast address of the loopback network the server is bound to, at
    // the same port. Does nothing when it is bound to any other address. False when the
    // socket cannot be made.
    bool openLoopbackBroadcast();
    // Port 0 when not listening there.
    Ipv4Endpoint broadcastEndpoint() const;

    void addPollFds(std::vector<pollfd>& fds) override;
    void onPolled(std::span<const pollfd> fds) override;
    void tick(std::uint32_t nowMs) override;

private:
    class Peer;

    enum class Accepted : std::uint8_t {
        AnyFrame,
        IdentifyOnly,
    };

    void receiveAll(int socketFd, Accepted accepted);
    bool receiveDatagram(int socketFd, Accepted accepted);
    Peer* peerFor(const Ipv4Endpoint& sender);

    Switchboard& switchboard_;
    const Clock& clock_;
    const bool allowRemote_;
    FileDescriptor socket_;
    FileDescriptor broadcastSocket_;
    std::map<Ipv4Endpoint, std::unique_ptr<Peer>> peers_;
    std::array<std::uint8_t, kMaxDatagramSize> datagram_{};
    IncomingFrames incoming_;
};

} // namespace v32::dc
