#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace v32 {

// The serial link's port and speed; the debug chooser may change both.
struct SerialSettings {
    static constexpr std::size_t kPortNameSize = 12; // at most 11 characters and the NUL

    std::array<char, kPortNameSize> portName{"COM8"};
    std::uint32_t baudRate = 128000;
};

} // namespace v32
