#include "app/link/SerialPort.h"

#include "app/core/ManualClock.h"
#include "app/link/SerialLink.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/PseudoTerminal.h"

#include <gtest/gtest.h>
#include <termios.h>

namespace v32 {
namespace {

TEST(SerialPortTest, PortNamesMapOntoDevicePaths) {
    struct Case {
        const char* name;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {"/dev/ttyS0", "/dev/ttyS0"},     {"/dev/pts/7", "/dev/pts/7"},
        {"COM1", "/dev/ttyUSB0"},         {"COM8", "/dev/ttyUSB7"},
        {"COM10", "/dev/ttyUSB9"},        {"COM256", "/dev/ttyUSB255"},
        {"COM0", std::nullopt},           {"COM257", std::nullopt},
        {"COM08", std::nullopt},          {"COM", std::nullopt},
        {"COM1x", std::nullopt},          {"COM-1", std::nullopt},
        {"COM99999999999", std::nullopt}, {"com1", std::nullopt},
        {"ttyUSB0", std::nullopt},        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SerialPort::devicePathFor(c.name), c.path) << '"' << c.name << '"';
    }
}

TEST(SerialPortTest, NamesThatReachNoTerminalFailToOpenAndSaySo) {
    const DebugSwitches switches;
    const ManualClock clock;
    const FrameDump dump(switches, clock);
    UiWakeup wakeup;
    // A name with no device mapping, a mapped device that does not exist, and a device that
    // is no terminal.
    for (const char* name : {"ttyS0", "COM1x", "/dev/ttyV32none", "/dev/null"}) {
        CapturedOutput log;
        SerialLink link(name, 128000, wakeup, dump, log.file());
        ReceiveQueue queue;

        EXPECT_FALSE(link.open()) << name;
        EXPECT_FALSE(link.isPortOpen());
        EXPECT_FALSE(link.sendFrame(std::vector<std::uint8_t>{0x80}));
        EXPECT_EQ(link.poll(queue), 0u);
        EXPECT_EQ(log.text(), "open serial port '" + std::string(name) + "' fail\r\n");
    }
}

TEST(SerialPortTest, OpensRaw8N1WithoutFlowControlAtTheStandardRates) {
    struct Case {
        std::uint32_t baudRate;
        speed_t code;
    };
    for (const Case c : {Case{19200, B19200}, Case{115200, B115200}}) {
        PseudoTerminal device;
        ASSERT_TRUE(device.isValid());
        SerialPort port;
        ASSERT_TRUE(port.open(device.slavePath(), c.baudRate, [](auto) {}));

        // The master side reports the line settings of the slave.
        termios line{};
        ASSERT_EQ(::tcgetattr(device.masterFd(), &line), 0);
        EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
        EXPECT_NE(line.c_cflag & CREAD, 0u);
        EXPECT_EQ(line.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
        EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
        EXPECT_EQ(line.c_oflag & OPOST, 0u);
        EXPECT_EQ(::cfgetispeed(&line), c.code) << c.baudRate;
        EXPECT_EQ(::cfgetospeed(&line), c.code) << c.baudRate;
    }
}

TEST(SerialPortTest, LinkReportsASuccessfulOpenWithTheConfiguredName) {
    PseudoTerminal device;
    ASSERT_TRUE(device.isValid());
    const DebugSwitches switches;
    const ManualClock clock;
    const FrameDump dump(switches, clock);
    UiWakeup wakeup;
    CapturedOutput log;
    SerialLink link(device.slavePath(), 115200, wakeup, dump, log.file());

    ASSERT_TRUE(link.open());
    EXPECT_TRUE(link.isPortOpen());
    EXPECT_EQ(log.text(), "open serial port '" + device.slavePath() + "' success!\r\n");
    link.close();
    EXPECT_FALSE(link.isPortOpen());
}

} // namespace
} // namespace v32
