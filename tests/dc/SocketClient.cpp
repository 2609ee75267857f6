#include "tests/dc/SocketClient.h"

#include <array>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace v32::dc::test {

SocketClient::SocketClient(Transport transport, const Ipv4Endpoint& server)
    : socket_(::socket(
          AF_INET, (transport == Transport::Udp ? SOCK_DGRAM : SOCK_STREAM) | SOCK_CLOEXEC, 0)) {
    const sockaddr_in address = server.toSocketAddress();
    connected_ =
        socket_.isValid() &&
        ::connect(socket_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool SocketClient::send(std::span<const std::uint8_t> bytes) {
    return ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

bool SocketClient::sendFrame(MessageCode code, std::span<const std::uint8_t> payload) {
    return send(makeFrame(code, payload));
}

std::vector<Bytes> SocketClient::waitForFrames(std::size_t count,
                                               std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (frames_.size() < count && std::chrono::steady_clock::now() < deadline) {
        receiveFor(std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()));
    }
    std::vector<Bytes> taken;
    taken.swap(frames_);
    return taken;
}

std::vector<Bytes> SocketClient::framesWithin(std::chrono::milliseconds time) {
    return waitForFrames(static_cast<std::size_t>(-1), time);
}

void SocketClient::receiveFor(std::chrono::milliseconds wait) {
    pollfd ready{socket_.get(), POLLIN, 0};
    if (::poll(&ready, 1, static_cast<int>(std::max<long>(wait.count(), 0))) <= 0) {
        return;
    }
    std::array<std::uint8_t, 1024> bytes{};
    const ssize_t received =
        ::recv(socket_.get(), bytes.data(), std::min(bytes.size(), incoming_.room()), 0);
    if (received <= 0) {
        return;
    }
    incoming_.append(std::span(bytes).first(static_cast<std::size_t>(received)));
    incoming_.cut([this](std::span<const std::uint8_t> frame) {
        frames_.emplace_back(frame.begin(), frame.end());
    });
}

} // namespace v32::dc::test
