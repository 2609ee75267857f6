#pragma once

#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace v32 {

// A UDP socket on a loopback address with a port the system picks, playing a mixer or a
// stranger on the network.
class LoopbackUdpSocket {
public:
    struct Datagram {
        std::vector<std::uint8_t> bytes;
        std::uint16_t senderPort;
    };

    explicit LoopbackUdpSocket(std::uint32_t address = INADDR_LOOPBACK)
        : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in local = endpoint(address, 0);
        socklen_t size = sizeof local;
        if (fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&local), size) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &size) == 0) {
            port_ = ntohs(local.sin_port);
        }
    }
    ~LoopbackUdpSocket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    LoopbackUdpSocket(const LoopbackUdpSocket&) = delete;
    LoopbackUdpSocket& operator=(const LoopbackUdpSocket&) = delete;

    bool isValid() const { return port_ != 0; }
    std::uint16_t port() const { return port_; }

    bool sendTo(std::uint16_t port, const std::vector<std::uint8_t>& bytes) const {
        const sockaddr_in to = endpoint(INADDR_LOOPBACK, port);
        return ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                        sizeof to) == static_cast<ssize_t>(bytes.size());
    }

    std::optional<Datagram> receive(std::chrono::milliseconds timeout) const {
        pollfd readable{fd_, POLLIN, 0};
        if (::poll(&readable, 1, static_cast<int>(timeout.count())) <= 0) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes(2048);
        sockaddr_in from{};
        socklen_t size = sizeof from;
        const ssize_t got = ::recvfrom(fd_, bytes.data(), bytes.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &size);
        if (got < 0) {
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(got));
        return Datagram{bytes, ntohs(from.sin_port)};
    }

private:
    static sockaddr_in endpoint(std::uint32_t address, std::uint16_t port) {
        sockaddr_in result{};
        result.sin_family = AF_INET;
        result.sin_addr.s_addr = htonl(address);
        result.sin_port = htons(port);
        return result;
    }

    int fd_;
    std::uint16_t port_ = 0;
};

} // namespace v32
