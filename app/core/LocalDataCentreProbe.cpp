#include "app/core/LocalDataCentreProbe.h"

#include "app/protocol/DatagramValidator.h"
#include "app/protocol/FixedFrames.h"

#include <arpa/inet.h>
#include <array>
#include <netinet/in.h>
#include <poll.h>
#include <span>
#include <sys/socket.h>
#include <unistd.h>

namespace v32 {

namespace {

// The reply to the probe is 9 bytes; a longer datagram is cut to this size before the check.
constexpr std::size_t kReplyCapacity = 16;

sockaddr_in loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

const sockaddr* asSocketAddress(const sockaddr_in& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// Rounded up: a wait that ends early would give up before the deadline.
int millisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

} // namespace

LocalDataCentreProbe::LocalDataCentreProbe(ProbePorts ports)
    : m_ports(ports) {}

LocalDataCentreProbe::~LocalDataCentreProbe() {
    close();
}

bool LocalDataCentreProbe::open() {
    close();
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0) {
        return false;
    }
    const sockaddr_in address = loopback(m_ports.bindPort);
    if (::bind(m_socket, asSocketAddress(address), sizeof(address)) != 0) {
        close();
        return false;
    }
    return true;
}

bool LocalDataCentreProbe::probe(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (m_socket < 0) {
        return false;
    }
    // A failed send still waits out the timeout, so that callers that retry stay paced.
    send();
    return receiveValidReply(deadline);
}

void LocalDataCentreProbe::send() {
    const sockaddr_in target = loopback(m_ports.targetPort);
    ::sendto(m_socket, kKeepAliveProbe.data(), kKeepAliveProbe.size(), 0, asSocketAddress(target),
             sizeof(target));
}

bool LocalDataCentreProbe::receiveValidReply(std::chrono::steady_clock::time_point deadline) {
    std::array<std::uint8_t, kReplyCapacity> reply{};
    for (int wait = millisecondsUntil(deadline); wait > 0; wait = millisecondsUntil(deadline)) {
        pollfd readable{m_socket, POLLIN, 0};
        if (::poll(&readable, 1, wait) <= 0) {
            continue; // interrupted or timed out: the deadline decides
        }
        const ssize_t received = ::recv(m_socket, reply.data(), reply.size(), MSG_DONTWAIT);
        if (received > 0 &&
            isValidDatagram(std::span(reply).first(static_cast<std::size_t>(received)))) {
            return true;
        }
    }
    return false;
}

void LocalDataCentreProbe::close() {
    if (m_socket >= 0) {
        ::close(m_socket);
        m_socket = -1;
    }
}

} // namespace v32
