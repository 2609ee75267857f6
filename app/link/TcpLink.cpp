#include "app/link/TcpLink.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace v32 {

TcpLink::TcpLink(const Clock& clock, const FrameDump& dump, std::uint16_t port)
    : clock_(clock)
    , dump_(dump)
    , port_(port) {}

TcpLink::~TcpLink() {
    close();
}

bool TcpLink::open() {
    opened_ = true;
    startConnection(clock_.nowMs());
    return socket_.isValid();
}

void TcpLink::close() {
    opened_ = false;
    socket_.reset();
    state_ = State::Closed;
}

bool TcpLink::sendFrame(std::span<const std::uint8_t> frame) {
    bool sent = false;
    if (socket_.isValid()) {
        // A peer that has gone must cost an error return, not the process (SIGPIPE).
        const ssize_t written = ::send(socket_.get(), frame.data(), frame.size(), MSG_NOSIGNAL);
        sent = written == static_cast<ssize_t>(frame.size());
    }
    dump_.printSent(frame);
    return sent;
}

std::size_t TcpLink::poll(ReceiveQueue& queue) {
    if (!opened_) {
        return 0;
    }
    const std::uint32_t nowMs = clock_.nowMs();
    const std::uint32_t inStateMs = Clock::elapsed(stateTickMs_, nowMs);
    switch (state_) {
    case State::Connected:
        return receive(queue, nowMs);
    case State::Connecting:
        if (inStateMs > kConnectTimeoutMs) {
            startConnection(nowMs);
        } else if (socketReady(POLLOUT)) {
            finishConnecting(nowMs);
        }
        return 0;
    case State::Closed:
        if (inStateMs > kRetryDelayMs) {
            startConnection(nowMs);
        }
        return 0;
    }
    return 0;
}

void TcpLink::enterState(State state, std::uint32_t nowMs) {
    state_ = state;
    stateTickMs_ = nowMs;
}

void TcpLink::dropConnection(std::uint32_t nowMs) {
    socket_.reset();
    enterState(State::Closed, nowMs);
}

void TcpLink::startConnection(std::uint32_t nowMs) {
    dropConnection(nowMs);
    socket_.reset(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket_.isValid()) {
        return;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int result = ::connect(socket_.get(), reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (result == 0 || errno == EINPROGRESS) {
        enterState(State::Connecting, nowMs);
    } else {
        // Refused at once (possible on loopback): the same as a refusal seen later.
        dropConnection(nowMs);
    }
}

void TcpLink::finishConnecting(std::uint32_t nowMs) {
    int error = 0;
    socklen_t errorSize = sizeof error;
    if (::getsockopt(socket_.get(), SOL_SOCKET, SO_ERROR, &error, &errorSize) != 0 || error != 0) {
        dropConnection(nowMs);
        return;
    }
    enterState(State::Connected, nowMs);
}

std::size_t TcpLink::receive(ReceiveQueue& queue, std::uint32_t nowMs) {
    // Reading no more than the queue can take leaves the rest in the socket for the next
    // pass; a stream that lost bytes here would never resynchronise cleanly.
    const std::size_t room = std::min(receiveBuffer_.size(), queue.freeSpace());
    if (room == 0 || !socketReady(POLLIN)) {
        return 0;
    }
    const ssize_t received = ::recv(socket_.get(), receiveBuffer_.data(), room, 0);
    if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return 0;
    }
    if (received <= 0) {
        dropConnection(nowMs);
        return 0;
    }
    const std::span<const std::uint8_t> bytes(receiveBuffer_.data(),
                                              static_cast<std::size_t>(received));
    queue.append(bytes);
    dump_.printReceived(bytes);
    return bytes.size();
}

bool TcpLink::socketReady(short events) const {
    // An error or hang-up also counts as ready: the read or the error check that follows
    // reports it.
    pollfd ready{socket_.get(), events, 0};
    return ::poll(&ready, 1, 0) > 0 && (ready.revents & (events | POLLERR | POLLHUP)) != 0;
}

} // namespace v32
