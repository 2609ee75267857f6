#include "tools/velmar32-dc/UdpServer.h"

#include "app/protocol/MessageCode.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <utility>

namespace v32::dc {

namespace {

constexpr std::uint32_t kLastNumber = 0xFFU;
constexpr std::size_t kCodeOffset = 2;

FileDescriptor boundUdpSocket(const Ipv4Endpoint& bindTo) {
    FileDescriptor socket(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const sockaddr_in address = bindTo.toSocketAddress();
    if (socket.isValid() &&
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        socket.reset();
    }
    return socket;
}

Ipv4Endpoint boundEndpoint(const FileDescriptor& socket) {
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (!socket.isValid() ||
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        return {};
    }
    return Ipv4Endpoint::from(address);
}

} // namespace

// One sender address: frames for it go back as datagrams from the server's socket.
class UdpServer::Peer final : public FrameSink {
public:
    Peer(int socketFd, const Ipv4Endpoint& address, std::uint32_t nowMs)
        : socketFd_(socketFd)
        , address_(address.toSocketAddress())
        , lastHeardMs_(nowMs) {}

    bool sendFrame(std::span<const std::uint8_t> frame) override {
        // A datagram the socket cannot take now is lost, as on any UDP link.
        const ssize_t sent =
            ::sendto(socketFd_, frame.data(), frame.size(), MSG_DONTWAIT,
                     reinterpret_cast<const sockaddr*>(&address_), sizeof address_);
        return sent == static_cast<ssize_t>(frame.size());
    }

    ClientId client() const { return client_; }
    void setClient(ClientId client) { client_ = client; }
    std::uint32_t lastHeardMs() const { return lastHeardMs_; }
    void heardAt(std::uint32_t nowMs) { lastHeardMs_ = nowMs; }

private:
    const int socketFd_;
    const sockaddr_in address_;
    std::uint32_t lastHeardMs_ = 0;
    ClientId client_ = kNoClient;
};

UdpServer::UdpServer(Switchboard& switchboard, const Clock& clock, bool allowRemote)
    : switchboard_(switchboard)
    , clock_(clock)
    , allowRemote_(allowRemote) {}

UdpServer::~UdpServer() {
    for (const auto& [address, peer] : peers_) {
        switchboard_.disconnect(peer->client());
    }
}

bool UdpServer::open(const Ipv4Endpoint& bindTo) {
    socket_ = boundUdpSocket(bindTo);
    return socket_.isValid();
}

Ipv4Endpoint UdpServer::localEndpoint() const {
    return boundEndpoint(socket_);
}

bool UdpServer::openLoopbackBroadcast() {
    const Ipv4Endpoint local = localEndpoint();
    const Ipv4Endpoint broadcast{local.address | kLastNumber, local.port};
    if (!local.isLoopback() || broadcast == local) {
        return true;
    }
    broadcastSocket_ = boundUdpSocket(broadcast);
    return broadcastSocket_.isValid();
}

Ipv4Endpoint UdpServer::broadcastEndpoint() const {
    return boundEndpoint(broadcastSocket_);
}

void UdpServer::addPollFds(std::vector<pollfd>& fds) {
    for (const FileDescriptor* socket : {&socket_, &broadcastSocket_}) {
        if (socket->isValid()) {
            fds.push_back({socket->get(), POLLIN, 0});
        }
    }
}

void UdpServer::onPolled(std::span<const pollfd> fds) {
    for (const pollfd& ready : fds) {
        if ((ready.revents & POLLIN) == 0) {
            continue;
        }
        // A broadcast is only ever a question of who is there.
        receiveAll(ready.fd,
                   ready.fd == socket_.get() ? Accepted::AnyFrame : Accepted::IdentifyOnly);
    }
}

void UdpServer::receiveAll(int socketFd, Accepted accepted) {
    for (int i = 0; i < kMaxDatagramsPerRound && receiveDatagram(socketFd, accepted); ++i) {
    }
}

void UdpServer::tick(std::uint32_t nowMs) {
    for (auto it = peers_.begin(); it != peers_.end();) {
        if (nowMs - it->second->lastHeardMs() >= kIdleTimeoutMs) {
            switchboard_.disconnect(it->second->client());
            it = peers_.erase(it);
        } else {
            ++it;
        }
    }
}

bool UdpServer::receiveDatagram(int socketFd, Accepted accepted) {
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t received = ::recvfrom(socketFd, datagram_.data(), datagram_.size(), 0,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (received < 0) {
        return false;
    }
    const Ipv4Endpoint sender = Ipv4Endpoint::from(from);
    Peer* peer = allowRemote_ || sender.isLoopback() ? peerFor(sender) : nullptr;
    if (peer == nullptr) {
        return true;
    }
    peer->heardAt(clock_.nowMs());
    // A frame never spans datagrams, so what is left of one is dropped with it.
    incoming_.clear();
    incoming_.append(std::span(datagram_).first(static_cast<std::size_t>(received)));
    const ClientId client = peer->client();
    incoming_.cut([this, client, accepted](std::span<const std::uint8_t> frame) {
        if (accepted == Accepted::AnyFrame || frame[kCodeOffset] == MSG_IDENTIFY) {
            switchboard_.receive(client, frame);
        }
    });
    return true;
}

UdpServer::Peer* UdpServer::peerFor(const Ipv4Endpoint& sender) {
    const auto found = peers_.find(sender);
    if (found != peers_.end()) {
        return found->second.get();
    }
    if (peers_.size() == kMaxPeers) {
        return nullptr;
    }
    auto peer = std::make_unique<Peer>(socket_.get(), sender, clock_.nowMs());
    peer->setClient(switchboard_.connect(*peer, "udp " + sender.toString()));
    if (peer->client() == kNoClient) {
        return nullptr;
    }
    return peers_.emplace(sender, std::move(peer)).first->second.get();
}

} // namespace v32::dc
