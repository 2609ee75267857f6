#pragma once

#include "app/link/FileDescriptor.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/IncomingFrames.h"
#include "tools/velmar32-dc/Ipv4Endpoint.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace v32::dc::test {

// A UDP or TCP socket on loopback, connected to the stand-in, that sends bytes and collects
// the frames that come back.
class SocketClient {
public:
    enum class Transport : std::uint8_t {
        Udp,
        Tcp,
    };

    SocketClient(Transport transport, const Ipv4Endpoint& server);

    bool isConnected() const { return connected_; }
    bool send(std::span<const std::uint8_t> bytes);
    bool sendFrame(MessageCode code, std::span<const std::uint8_t> payload);
    // Frames received until count have come or the time is up; never more than arrived.
    std::vector<Bytes> waitForFrames(std::size_t count,
                                     std::chrono::milliseconds timeout = std::chrono::seconds(2));
    // Every frame that arrives within the time.
    std::vector<Bytes> framesWithin(std::chrono::milliseconds time);

private:
    void receiveFor(std::chrono::milliseconds wait);

    FileDescriptor socket_;
    bool connected_ = false;
    IncomingFrames incoming_;
    std::vector<Bytes> frames_;
};

} // namespace v32::dc::test
