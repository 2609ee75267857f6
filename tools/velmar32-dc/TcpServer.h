#pragma once

#include "app/link/FileDescriptor.h"
#include "tools/velmar32-dc/IncomingFrames.h"
#include "tools/velmar32-dc/Ipv4Endpoint.h"
#include "tools/velmar32-dc/OutputBuffer.h"
#include "tools/velmar32-dc/Pollable.h"
#include "tools/velmar32-dc/Switchboard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

namespace v32::dc {

// The data centre's TCP port for a control surface on the same computer. Each connection
// is a client; frames are cut from its byte stream. Connections from outside 127.0.0.0/8
// are closed at once unless remote clients are allowed. A connection whose peer stops
// reading is dropped once its output buffer is full.
class TcpServer final : public Pollable {
public:
    static constexpr std::uint16_t kDefaultPort = 8087;
    static constexpr std::size_t kMaxConnections = 16;
    static constexpr std::size_t kOutputCapacity = 256 * 1024;
    static constexpr std::size_t kReadSize = 1024;

    TcpServer(Switchboard& switchboard, bool allowRemote);
    ~TcpServer() override;

    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    // Port 0 takes any free port; localEndpoint() tells which.
    bool open(const Ipv4Endpoint& bindTo);
    Ipv4Endpoint localEndpoint() const;

    void addPollFds(std::vector<pollfd>& fds) override;
    void onPolled(std::span<const pollfd> fds) override;
    void tick(std::uint32_t nowMs) override;

private:
    class Connection;

    void acceptConnections();
    void serve(Connection& connection, short events);
    void dropBrokenConnections();

    Switchboard& switchboard_;
    const bool allowRemote_;
    FileDescriptor listener_;
    // By descriptor, so that poll results find their connection.
    std::map<int, std::unique_ptr<Connection>> connections_;
    std::array<std::uint8_t, kReadSize> readBuffer_{};
};

} // namespace v32::dc
