#pragma once

#include "tests/core/LoopbackSocket.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace v32::test {

using Bytes = std::vector<std::uint8_t>;

// A stand-in data centre on 127.0.0.1 at a free port: answers every datagram it receives
// with the given replies, in order, sent back to the sender. No replies makes it silent.
class LoopbackResponder {
public:
    explicit LoopbackResponder(std::vector<Bytes> replies);
    ~LoopbackResponder();

    LoopbackResponder(const LoopbackResponder&) = delete;
    LoopbackResponder& operator=(const LoopbackResponder&) = delete;

    std::uint16_t port() const { return m_socket.port(); }
    int datagramsReceived() const { return m_received.load(); }
    Bytes lastDatagram() const;
    std::uint16_t lastSenderPort() const { return m_lastSenderPort.load(); }

private:
    void serve();

    std::vector<Bytes> m_replies;
    LoopbackSocket m_socket;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_received{0};
    std::atomic<std::uint16_t> m_lastSenderPort{0};
    mutable std::mutex m_lastMutex;
    Bytes m_last;
    std::thread m_thread;
};

} // namespace v32::test
