#pragma once

#include "app/link/FrameDump.h"
#include "app/link/Link.h"
#include "app/link/LinkByteRing.h"
#include "app/link/SerialPort.h"
#include "app/link/UiWakeup.h"

#include <cstdio>
#include <string>

namespace v32 {

// Frames over a serial port. The port's reader thread queues what it reads in the ring and
// wakes the main loop; poll() hands the bytes on. Opening reports its outcome on the log.
class SerialLink final : public Link {
public:
    SerialLink(std::string portName, std::uint32_t baudRate, UiWakeup& wakeup,
               const FrameDump& dump, std::FILE* log = stdout);
    ~SerialLink() override;

    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    LinkType type() const override { return LinkType::Serial; }
    bool open() override;
    void close() override;
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    // False once the device has gone, even before close() is called.
    bool isPortOpen() const { return port_.isOpen(); }

private:
    void receive(std::span<const std::uint8_t> bytes);

    const std::string portName_;
    const std::uint32_t baudRate_;
    UiWakeup& wakeup_;
    const FrameDump& dump_;
    std::FILE* log_;

    LinkByteRing ring_;
    SerialPort port_;
};

} // namespace v32
