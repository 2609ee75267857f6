#pragma once

#include <cstdint>

namespace v32::test {

// A UDP socket bound to 127.0.0.1, closed with the object. Port 0 picks a free port.
class LoopbackSocket {
public:
    explicit LoopbackSocket(std::uint16_t port = 0);
    ~LoopbackSocket();

    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    std::uint16_t port() const;

private:
    int m_fd = -1;
};

} // namespace v32::test
