#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace v32 {

// The serial link's port and speed; the debug chooser may change both.
struct SerialSettings {
    // "COMn" names fit in 11 characters, but a device path such as /dev/ttyUSB0 needs more.
    static constexpr std::size_t kPortNameSize = 64;

    std::array<char, kPortNameSize> portName{"COM8"};
    std::uint32_t baudRate = 128000;
};

} // namespace v32
