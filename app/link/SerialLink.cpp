#include "app/link/SerialLink.h"

#include "app/link/RingTransfer.h"

#include <utility>

namespace v32 {

SerialLink::SerialLink(std::string portName, std::uint32_t baudRate, UiWakeup& wakeup,
                       const FrameDump& dump, std::FILE* log)
    : portName_(std::move(portName))
    , baudRate_(baudRate)
    , wakeup_(wakeup)
    , dump_(dump)
    , log_(log) {}

SerialLink::~SerialLink() {
    close();
}

bool SerialLink::open() {
    close();
    ring_.clear();
    const bool opened = port_.open(portName_, baudRate_,
                                   [this](std::span<const std::uint8_t> bytes) { receive(bytes); });
    if (opened) {
        std::fprintf(log_, "open serial port '%s' success!\r\n", portName_.c_str());
    } else {
        std::fprintf(log_, "open serial port '%s' fail\r\n", portName_.c_str());
    }
    return opened;
}

void SerialLink::close() {
    port_.close();
}

bool SerialLink::sendFrame(std::span<const std::uint8_t> frame) {
    const bool sent = port_.write(frame);
    dump_.printSent(frame);
    return sent;
}

std::size_t SerialLink::poll(ReceiveQueue& queue) {
    // Bytes read before a device went away are still delivered.
    return moveRingToQueue(ring_, queue, dump_);
}

void SerialLink::receive(std::span<const std::uint8_t> bytes) {
    ring_.pushBytes(bytes);
    wakeup_.release();
}

} // namespace v32
