#pragma once

#include "app/link/FileDescriptor.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>

namespace v32 {

// A serial device in raw 8N1 mode without flow control, with a reader thread that hands
// every block it reads to a callback. When the device disappears the reader closes the port
// and ends; nothing reopens it.
class SerialPort {
public:
    using DataCallback = std::function<void(std::span<const std::uint8_t>)>;

    static constexpr std::size_t kReadBlockSize = 256;
    // How long the reader waits for input before it looks at its running flag again.
    static constexpr int kReaderWakeMs = 100;
    // A write that the device does not take within this time fails.
    static constexpr int kWriteTimeoutMs = 1000;

    SerialPort() = default;
    ~SerialPort();

    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // The device behind a configured port name. A name that begins with "/" is a device path
    // and is used as it is. "COMn" with n from 1 to 256 (no leading zero) names the n-th
    // USB serial adapter, "/dev/ttyUSB<n-1>", since a mixer is attached through one. Any
    // other name names no device.
    static std::optional<std::string> devicePathFor(std::string_view portName);

    // Opens and configures the device and starts the reader, which calls onData on its own
    // thread. Closes an open port first. False when the name maps to no device, the device
    // cannot be opened exclusively, is not a terminal, or refuses a setting or the speed.
    bool open(std::string_view portName, std::uint32_t baudRate, DataCallback onData);
    void close();
    bool isOpen() const;

    // Returns once all bytes are handed to the device; false on an error, a closed port or
    // after kWriteTimeoutMs.
    bool write(std::span<const std::uint8_t> bytes);

private:
    static bool configureLine(int fd, std::uint32_t baudRate);
    void readLoop(int fd);
    // Both false when the device has gone.
    bool waitAndRead(int fd);
    bool readBlock(int fd);
    void closeAfterDeviceLoss();

    mutable std::mutex deviceMutex_;
    // Written under deviceMutex_ while a reader may run, so a write never uses a closed one.
    FileDescriptor device_;
    std::atomic<bool> running_{false};
    std::thread reader_;
    DataCallback onData_;
    // Used by the reader thread only.
    std::array<std::uint8_t, kReadBlockSize> readBuffer_{};
};

} // namespace v32
