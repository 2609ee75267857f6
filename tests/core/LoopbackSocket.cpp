#include "tests/core/LoopbackSocket.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace v32::test {

LoopbackSocket::LoopbackSocket(std::uint16_t port)
    : m_fd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (m_fd >= 0 &&
        ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_fd < 0) {
        ADD_FAILURE() << "cannot bind a loopback socket";
    }
}

LoopbackSocket::~LoopbackSocket() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::uint16_t LoopbackSocket::port() const {
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

} // namespace v32::test
