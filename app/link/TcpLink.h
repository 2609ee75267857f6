#pragma once

#include "app/core/Clock.h"
#include "app/link/FileDescriptor.h"
#include "app/link/FrameDump.h"
#include "app/link/Link.h"

#include <array>

namespace v32 {

// Frames over TCP to a data centre on this computer (127.0.0.1). No thread: each poll runs
// one step of a non-blocking state machine that connects, receives, and after a failure or a
// lost connection tries again on its own.
class TcpLink final : public Link {
public:
    enum class State : std::uint8_t {
        Closed = 0,
        Connecting = 1,
        Connected = 2,
    };

    static constexpr std::uint16_t kDataCentrePort = 8087;
    static constexpr std::uint32_t kConnectTimeoutMs = 2000;
    static constexpr std::uint32_t kRetryDelayMs = 5000;
    static constexpr std::size_t kReceiveBufferSize = 1024;

    TcpLink(const Clock& clock, const FrameDump& dump, std::uint16_t port = kDataCentrePort);
    ~TcpLink() override;

    TcpLink(const TcpLink&) = delete;
    TcpLink& operator=(const TcpLink&) = delete;

    LinkType type() const override { return LinkType::Tcp; }
    // Starts the first connection attempt; false when no socket could be created (the link
    // still tries again after the retry delay).
    bool open() override;
    void close() override;
    // Sends on the socket in whatever state it is.
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    State state() const { return state_; }

private:
    void startConnection(std::uint32_t nowMs);
    void enterState(State state, std::uint32_t nowMs);
    void dropConnection(std::uint32_t nowMs);
    void finishConnecting(std::uint32_t nowMs);
    std::size_t receive(ReceiveQueue& queue, std::uint32_t nowMs);
    bool socketReady(short events) const;

    const Clock& clock_;
    const FrameDump& dump_;
    const std::uint16_t port_;

    bool opened_ = false;
    State state_ = State::Closed;
    std::uint32_t stateTickMs_ = 0;
    FileDescriptor socket_;
    std::array<std::uint8_t, kReceiveBufferSize> receiveBuffer_{};
};

} // namespace v32
