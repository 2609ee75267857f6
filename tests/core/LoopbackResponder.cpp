#include "tests/core/LoopbackResponder.h"

#include <arpa/inet.h>
#include <array>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace v32::test {

namespace {

constexpr int kStopCheckMilliseconds = 10;

} // namespace

LoopbackResponder::LoopbackResponder(std::vector<Bytes> replies)
    : m_replies(std::move(replies)) {
    m_thread = std::thread([this] { serve(); });
}

LoopbackResponder::~LoopbackResponder() {
    m_stopping = true;
    m_thread.join();
}

Bytes LoopbackResponder::lastDatagram() const {
    const std::lock_guard lock(m_lastMutex);
    return m_last;
}

void LoopbackResponder::serve() {
    std::array<std::uint8_t, 512> datagram{};
    while (!m_stopping) {
        pollfd readable{m_socket.fd(), POLLIN, 0};
        if (::poll(&readable, 1, kStopCheckMilliseconds) <= 0) {
            continue;
        }
        sockaddr_in sender{};
        socklen_t senderSize = sizeof(sender);
        const ssize_t size = ::recvfrom(m_socket.fd(), datagram.data(), datagram.size(), 0,
                                        reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (size < 0) {
            continue;
        }
        {
            const std::lock_guard lock(m_lastMutex);
            m_last.assign(datagram.begin(), datagram.begin() + size);
        }
        m_lastSenderPort = ntohs(sender.sin_port);
        ++m_received;
        for (const Bytes& reply : m_replies) {
            ::sendto(m_socket.fd(), reply.data(), reply.size(), 0,
                     reinterpret_cast<const sockaddr*>(&sender), senderSize);
        }
    }
}

} // namespace v32::test
