#pragma once

#include "app/link/FileDescriptor.h"
#include "app/link/FrameDump.h"
#include "app/link/Link.h"
#include "app/link/LinkByteRing.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"

#include <array>
#include <atomic>
#include <thread>

namespace v32 {

// Frames as datagrams to the chosen mixer. The socket takes whatever local port the system
// gives it; a receiver thread takes each datagram that comes from the target's address,
// queues its bytes in the ring and wakes the main loop. Datagrams from any other host are
// dropped, so nothing else on the network can change the mixer copy; with no target, all
// are dropped.
class UdpLink final : public Link {
public:
    static constexpr std::uint16_t kMixerPort = 8086;
    static constexpr std::size_t kMaxDatagramSize = 1024;
    // How long the receiver waits for a datagram before it looks at its running flag again.
    static constexpr int kReceiveWaitMs = 10;

    UdpLink(const UdpTarget& target, UiWakeup& wakeup, const FrameDump& dump,
            std::uint16_t targetPort = kMixerPort);
    ~UdpLink() override;

    UdpLink(const UdpLink&) = delete;
    UdpLink& operator=(const UdpLink&) = delete;

    LinkType type() const override { return LinkType::Udp; }
    bool open() override;
    void close() override;
    // Sends one datagram to the target, and nothing while no target is chosen.
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

private:
    void receiveLoop(int socketFd);
    void receiveDatagram(int socketFd);

    const UdpTarget& target_;
    UiWakeup& wakeup_;
    const FrameDump& dump_;
    const std::uint16_t targetPort_;

    FileDescriptor socket_;
    LinkByteRing ring_;
    std::atomic<bool> running_{false};
    std::thread receiver_;
    // Used by the receiver thread only.
    std::array<std::uint8_t, kMaxDatagramSize> datagram_{};
};

} // namespace v32
