#include "app/link/SerialCustomBaud.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace v32 {

bool setCustomBaudRate(int fd, std::uint32_t baudRate) {
    termios2 line{};
    if (::ioctl(fd, TCGETS2, &line) != 0) {
        return false;
    }
    line.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    line.c_ispeed = baudRate;
    line.c_ospeed = baudRate;
    return ::ioctl(fd, TCSETS2, &line) == 0;
}

} // namespace v32
