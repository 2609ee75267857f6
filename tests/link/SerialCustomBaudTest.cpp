// The speed check reads the line through the kernel's termios2 interface, whose header
// cannot be combined with <termios.h>; it has a file of its own for that reason.
#include "app/link/SerialPort.h"
#include "tests/link/PseudoTerminal.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

namespace v32 {
namespace {

TEST(SerialCustomBaudTest, RateWithoutTermiosConstantIsSetExactly) {
    PseudoTerminal device;
    ASSERT_TRUE(device.isValid());
    SerialPort port;
    ASSERT_TRUE(port.open(device.slavePath(), 128000, [](auto) {}));

    termios2 line{};
    ASSERT_EQ(::ioctl(device.masterFd(), TCGETS2, &line), 0);
    EXPECT_EQ(line.c_cflag & CBAUD, static_cast<tcflag_t>(BOTHER));
    EXPECT_EQ(line.c_ospeed, 128000u);
    EXPECT_EQ(line.c_ispeed, 128000u);
    // The raw 8N1 settings made before the speed survive it.
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_lflag & ICANON, 0u);
}

} // namespace
} // namespace v32
