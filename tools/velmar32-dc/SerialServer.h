#pragma once

#include "app/core/Clock.h"
#include "app/link/FileDescriptor.h"
#include "tools/velmar32-dc/IncomingFrames.h"
#include "tools/velmar32-dc/OutputBuffer.h"
#include "tools/velmar32-dc/Pollable.h"
#include "tools/velmar32-dc/Switchboard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace v32::dc {

// The mixer's serial line: a serial device, or a pseudo-terminal this program creates so
// that a control surface on the same computer can open its other end like a serial port.
// The line is one client, present while the other end is open; it is probed for
// keep-alive every second, as a mixer probes its serial line.
class SerialServer final : public Pollable {
public:
    static constexpr std::uint32_t kDefaultBaudRate = 128000;
    static constexpr std::size_t kOutputCapacity = 64 * 1024;
    static constexpr std::size_t kReadSize = 256;
    // How often a pseudo-terminal without a peer is looked at again.
    static constexpr std::uint32_t kPeerCheckMs = 200;

    SerialServer(Switchboard& switchboard, const Clock& clock);
    ~SerialServer() override;

    SerialServer(const SerialServer&) = delete;
    SerialServer& operator=(const SerialServer&) = delete;

    // A new pseudo-terminal in raw mode; path() names the end to open.
    bool openPseudoTerminal();
    // An existing device in raw 8N1 mode at the given speed.
    bool openDevice(const std::string& path, std::uint32_t baudRate);
    const std::string& path() const { return path_; }
    bool hasPeer() const { return client_ != kNoClient; }

    void addPollFds(std::vector<pollfd>& fds) override;
    void onPolled(std::span<const pollfd> fds) override;
    void tick(std::uint32_t nowMs) override;

private:
    class Line;

    void readBytes();
    void peerAppeared();
    void peerLeft(std::uint32_t nowMs);
    bool otherEndIsOpen() const;

    Switchboard& switchboard_;
    const Clock& clock_;
    FileDescriptor device_;
    std::string path_;
    bool pseudoTerminal_ = false;
    std::unique_ptr<Line> line_;
    ClientId client_ = kNoClient;
    std::uint32_t nextPeerCheckMs_ = 0;
    IncomingFrames incoming_;
    std::array<std::uint8_t, kReadSize> readBuffer_{};
};

} // namespace v32::dc
