#pragma once

#include <cstdint>

namespace v32 {

// Sets a line speed that has no termios B constant (such as 128000) through the Linux
// termios2 interface, keeping every other line setting. False when the device refuses it.
// Lives in a translation unit of its own: the kernel's termios headers it needs cannot be
// included together with <termios.h>.
bool setCustomBaudRate(int fd, std::uint32_t baudRate);

} // namespace v32
