#pragma once

#include <chrono>
#include <cstdint>

namespace v32 {

// Ports of the probe; both ends are always 127.0.0.1.
struct ProbePorts {
    std::uint16_t bindPort = 1080;
    std::uint16_t targetPort = 8086;
};

// Asks a data centre on this machine whether it is there: sends the keep-alive probe from a
// UDP socket on the loopback address and waits for a reply that is a whole, valid frame.
class LocalDataCentreProbe {
public:
    explicit LocalDataCentreProbe(ProbePorts ports = {});
    ~LocalDataCentreProbe();

    LocalDataCentreProbe(const LocalDataCentreProbe&) = delete;
    LocalDataCentreProbe& operator=(const LocalDataCentreProbe&) = delete;

    // Creates and binds the socket; false when either fails.
    bool open();

    // One probe: sends once, then waits up to timeout for a valid reply, skipping any
    // datagram that is not one. False without an open socket.
    bool probe(std::chrono::milliseconds timeout);

private:
    void send();
    bool receiveValidReply(std::chrono::steady_clock::time_point deadline);
    void close();

    ProbePorts m_ports;
    int m_socket = -1;
};

} // namespace v32
