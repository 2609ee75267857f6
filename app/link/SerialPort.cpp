#include "app/link/SerialPort.h"

#include "app/link/SerialCustomBaud.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace v32 {

namespace {

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kUsbSerialDevice = "/dev/ttyUSB";
constexpr unsigned kHighestComNumber = 256;

struct StandardSpeed {
    std::uint32_t baudRate;
    speed_t code;
};

constexpr std::array<StandardSpeed, 6> kStandardSpeeds{{
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
}};

std::optional<speed_t> standardSpeedCode(std::uint32_t baudRate) {
    for (const StandardSpeed& speed : kStandardSpeeds) {
        if (speed.baudRate == baudRate) {
            return speed.code;
        }
    }
    return std::nullopt;
}

bool isDeviceGone(int error) {
    return error == EIO || error == ENXIO || error == EBADF || error == ENODEV;
}

} // namespace

SerialPort::~SerialPort() {
    close();
}

std::optional<std::string> SerialPort::devicePathFor(std::string_view portName) {
    if (portName.starts_with('/')) {
        return std::string(portName);
    }
    if (!portName.starts_with(kComPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = portName.substr(kComPrefix.size());
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || digits.front() == '0' || error != std::errc{} ||
        end != digits.data() + digits.size() || number < 1 || number > kHighestComNumber) {
        return std::nullopt;
    }
    return std::string(kUsbSerialDevice) + std::to_string(number - 1);
}

bool SerialPort::open(std::string_view portName, std::uint32_t baudRate, DataCallback onData) {
    close();
    const std::optional<std::string> path = devicePathFor(portName);
    if (!path) {
        return false;
    }
    FileDescriptor device(::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!device.isValid() || ::ioctl(device.get(), TIOCEXCL) != 0 ||
        !configureLine(device.get(), baudRate)) {
        return false;
    }
    // Whatever waited in the driver from before belongs to nobody.
    ::tcflush(device.get(), TCIOFLUSH);

    const int fd = device.get();
    device_ = std::move(device);
    onData_ = std::move(onData);
    running_.store(true, std::memory_order_relaxed);
    reader_ = std::thread(&SerialPort::readLoop, this, fd);
    return true;
}

bool SerialPort::configureLine(int fd, std::uint32_t baudRate) {
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        return false;
    }
    ::cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // At least one byte per read: with the descriptor non-blocking, an empty read is then an
    // EAGAIN and a read of 0 bytes means the device hung up.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;

    const std::optional<speed_t> speed = standardSpeedCode(baudRate);
    if (speed && (::cfsetispeed(&line, *speed) != 0 || ::cfsetospeed(&line, *speed) != 0)) {
        return false;
    }
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        return false;
    }
    return speed.has_value() || setCustomBaudRate(fd, baudRate);
}

void SerialPort::close() {
    running_.store(false, std::memory_order_relaxed);
    if (reader_.joinable()) {
        reader_.join();
    }
    const std::lock_guard lock(deviceMutex_);
    device_.reset();
}

bool SerialPort::isOpen() const {
    const std::lock_guard lock(deviceMutex_);
    return device_.isValid();
}

bool SerialPort::write(std::span<const std::uint8_t> bytes) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    const std::lock_guard lock(deviceMutex_);
    std::size_t done = 0;
    while (done < bytes.size() && device_.isValid()) {
        const ssize_t written = ::write(device_.get(), bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd writable{device_.get(), POLLOUT, 0};
        ::poll(&writable, 1, static_cast<int>(left.count()));
    }
    return done == bytes.size();
}

void SerialPort::readLoop(int fd) {
    while (running_.load(std::memory_order_relaxed)) {
        if (!waitAndRead(fd)) {
            closeAfterDeviceLoss();
            return;
        }
    }
}

bool SerialPort::waitAndRead(int fd) {
    pollfd readable{fd, POLLIN, 0};
    const int ready = ::poll(&readable, 1, kReaderWakeMs);
    if (ready == 0) {
        return true;
    }
    if (ready < 0) {
        return errno == EINTR;
    }
    // Input still waiting is read before a hang-up is believed.
    if ((readable.revents & POLLIN) != 0) {
        return readBlock(fd);
    }
    return false;
}

bool SerialPort::readBlock(int fd) {
    const ssize_t received = ::read(fd, readBuffer_.data(), readBuffer_.size());
    if (received > 0) {
        onData_(std::span(readBuffer_).first(static_cast<std::size_t>(received)));
        return true;
    }
    if (received == 0) {
        return false;
    }
    if (errno == EAGAIN || errno == EINTR) {
        return true;
    }
    if (isDeviceGone(errno)) {
        return false;
    }
    // Any other fault of the line (overrun, framing): drop what is pending and go on.
    ::tcflush(fd, TCIOFLUSH);
    return true;
}

void SerialPort::closeAfterDeviceLoss() {
    running_.store(false, std::memory_order_relaxed);
    const std::lock_guard lock(deviceMutex_);
    device_.reset();
}

} // namespace v32
