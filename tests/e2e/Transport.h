#pragma once

#include <cstdint>

namespace v32::e2e {

// The two links a control surface can have to a data centre on this computer.
enum class Transport : std::uint8_t {
    Udp,
    Tcp,
};

} // namespace v32::e2e
