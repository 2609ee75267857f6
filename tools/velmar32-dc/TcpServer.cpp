#include "tools/velmar32-dc/TcpServer.h"

#include <algorithm>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <utility>

namespace v32::dc {

namespace {

constexpr int kListenBacklog = 8;

} // namespace

// One accepted connection: its incoming bytes, its output and its client.
class TcpServer::Connection final : public FrameSink {
public:
    explicit Connection(FileDescriptor socket)
        : socket_(std::move(socket)) {}

    bool sendFrame(std::span<const std::uint8_t> frame) override {
        if (broken_ || !output_.write(socket_.get(), frame)) {
            // Closed by the server later: never from inside a send.
            broken_ = true;
            return false;
        }
        return true;
    }

    int fd() const { return socket_.get(); }
    OutputBuffer& output() { return output_; }
    IncomingFrames& incoming() { return incoming_; }
    ClientId client() const { return client_; }
    void setClient(ClientId client) { client_ = client; }
    bool isBroken() const { return broken_; }
    void markBroken() { broken_ = true; }

private:
    FileDescriptor socket_;
    OutputBuffer output_{OutputBuffer::Kind::Socket, kOutputCapacity};
    IncomingFrames incoming_;
    ClientId client_ = kNoClient;
    bool broken_ = false;
};

TcpServer::TcpServer(Switchboard& switchboard, bool allowRemote)
    : switchboard_(switchboard)
    , allowRemote_(allowRemote) {}

TcpServer::~TcpServer() {
    for (const auto& [fd, connection] : connections_) {
        switchboard_.disconnect(connection->client());
    }
}

bool TcpServer::open(const Ipv4Endpoint& bindTo) {
    listener_.reset(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener_.isValid()) {
        return false;
    }
    // A restarted stand-in must get its port back at once, not after TIME_WAIT.
    const int reuse = 1;
    ::setsockopt(listener_.get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    const sockaddr_in address = bindTo.toSocketAddress();
    if (::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_.get(), kListenBacklog) != 0) {
        listener_.reset();
        return false;
    }
    return true;
}

Ipv4Endpoint TcpServer::localEndpoint() const {
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (!listener_.isValid() ||
        ::getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        return {};
    }
    return Ipv4Endpoint::from(address);
}

void TcpServer::addPollFds(std::vector<pollfd>& fds) {
    if (listener_.isValid()) {
        fds.push_back({listener_.get(), POLLIN, 0});
    }
    for (const auto& [fd, connection] : connections_) {
        const short writable = connection->output().hasPending() ? POLLOUT : 0;
        fds.push_back({fd, static_cast<short>(POLLIN | writable), 0});
    }
}

void TcpServer::onPolled(std::span<const pollfd> fds) {
    for (const pollfd& ready : fds) {
        if (ready.revents == 0) {
            continue;
        }
        if (ready.fd == listener_.get()) {
            acceptConnections();
            continue;
        }
        const auto found = connections_.find(ready.fd);
        if (found != connections_.end()) {
            serve(*found->second, ready.revents);
        }
    }
    dropBrokenConnections();
}

void TcpServer::tick(std::uint32_t) {
    // Sends outside a round (ticks, console commands) can break a connection too.
    dropBrokenConnections();
}

void TcpServer::acceptConnections() {
    for (;;) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        FileDescriptor socket(::accept4(listener_.get(), reinterpret_cast<sockaddr*>(&from),
                                        &fromSize, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!socket.isValid()) {
            return;
        }
        const Ipv4Endpoint peer = Ipv4Endpoint::from(from);
        if ((!allowRemote_ && !peer.isLoopback()) || connections_.size() == kMaxConnections) {
            continue;
        }
        auto connection = std::make_unique<Connection>(std::move(socket));
        connection->setClient(switchboard_.connect(*connection, "tcp " + peer.toString()));
        if (connection->client() != kNoClient) {
            const int fd = connection->fd();
            connections_.emplace(fd, std::move(connection));
        }
    }
}

void TcpServer::serve(Connection& connection, short events) {
    if ((events & POLLOUT) != 0 && !connection.output().flush(connection.fd())) {
        connection.markBroken();
        return;
    }
    if ((events & (POLLIN | POLLHUP | POLLERR)) == 0) {
        return;
    }
    // Reading no more than the queue can take leaves the rest in the socket for the next
    // round, so the stream never loses bytes here.
    const std::size_t room = std::min(readBuffer_.size(), connection.incoming().room());
    if (room == 0) {
        return;
    }
    const ssize_t received = ::recv(connection.fd(), readBuffer_.data(), room, 0);
    if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return;
    }
    if (received <= 0) {
        connection.markBroken();
        return;
    }
    connection.incoming().append(std::span(readBuffer_).first(static_cast<std::size_t>(received)));
    const ClientId client = connection.client();
    connection.incoming().cut([this, client](std::span<const std::uint8_t> frame) {
        switchboard_.receive(client, frame);
    });
}

void TcpServer::dropBrokenConnections() {
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->second->isBroken()) {
            switchboard_.disconnect(it->second->client());
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace v32::dc
