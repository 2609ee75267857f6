#pragma once

#include "app/protocol/ParamId.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <thread>

namespace v32::bench {

// The least a data centre must do for a full read: on 127.0.0.1 at a port the system picks,
// it answers every parameter query with a report of the identifiers asked for.
class LoopbackDataCentre {
public:
    LoopbackDataCentre();
    ~LoopbackDataCentre();
    LoopbackDataCentre(const LoopbackDataCentre&) = delete;
    LoopbackDataCentre& operator=(const LoopbackDataCentre&) = delete;

    // 0 when no socket could be bound.
    std::uint16_t port() const { return m_port; }

    static std::uint16_t valueOf(ParamId id) { return static_cast<std::uint16_t>(~id); }

private:
    void serve();
    void answer(std::span<const std::uint8_t> query, const void* sender, unsigned senderSize);

    int m_socket = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::array<std::uint8_t, 1024> m_datagram{};
    std::thread m_thread;
};

} // namespace v32::bench
