#include "tools/velmar32-dc/SerialServer.h"

#include "app/link/SerialCustomBaud.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace v32::dc {

namespace {

struct StandardSpeed {
    std::uint32_t baudRate;
    speed_t code;
};

constexpr std::array<StandardSpeed, 8> kStandardSpeeds{{{9600, B9600},
                                                        {19200, B19200},
                                                        {38400, B38400},
                                                        {57600, B57600},
                                                        {115200, B115200},
                                                        {230400, B230400},
                                                        {460800, B460800},
                                                        {921600, B921600}}};

bool makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSTOPB);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

bool setSpeed(int fd, std::uint32_t baudRate) {
    for (const StandardSpeed& speed : kStandardSpeeds) {
        if (speed.baudRate == baudRate) {
            termios settings{};
            return ::tcgetattr(fd, &settings) == 0 && ::cfsetspeed(&settings, speed.code) == 0 &&
                   ::tcsetattr(fd, TCSANOW, &settings) == 0;
        }
    }
    return setCustomBaudRate(fd, baudRate);
}

} // namespace

// The line's way out for the frames of its client.
class SerialServer::Line final : public FrameSink {
public:
    explicit Line(int fd)
        : fd_(fd) {}

    bool sendFrame(std::span<const std::uint8_t> frame) override {
        // A line nobody reads loses the frames that no longer fit, as a real one would.
        return output_.write(fd_, frame);
    }

    OutputBuffer& output() { return output_; }

private:
    const int fd_;
    OutputBuffer output_{OutputBuffer::Kind::Terminal, kOutputCapacity};
};

SerialServer::SerialServer(Switchboard& switchboard, const Clock& clock)
    : switchboard_(switchboard)
    , clock_(clock) {}

SerialServer::~SerialServer() {
    switchboard_.disconnect(client_);
}

bool SerialServer::openPseudoTerminal() {
    device_.reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    std::array<char, 128> name{};
    if (!device_.isValid() || ::grantpt(device_.get()) != 0 || ::unlockpt(device_.get()) != 0 ||
        ::ptsname_r(device_.get(), name.data(), name.size()) != 0 ||
        ::fcntl(device_.get(), F_SETFL, O_NONBLOCK) != 0) {
        device_.reset();
        return false;
    }
    path_ = name.data();
    // Raw from the start: a terminal's default echo would send every probe straight back.
    const FileDescriptor otherEnd(::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!otherEnd.isValid() || !makeRaw(otherEnd.get())) {
        device_.reset();
        return false;
    }
    pseudoTerminal_ = true;
    line_ = std::make_unique<Line>(device_.get());
    return true;
}

bool SerialServer::openDevice(const std::string& path, std::uint32_t baudRate) {
    device_.reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!device_.isValid() || !makeRaw(device_.get()) || !setSpeed(device_.get(), baudRate)) {
        device_.reset();
        return false;
    }
    ::tcflush(device_.get(), TCIOFLUSH);
    path_ = path;
    pseudoTerminal_ = false;
    line_ = std::make_unique<Line>(device_.get());
    peerAppeared();
    return true;
}

void SerialServer::addPollFds(std::vector<pollfd>& fds) {
    // Without a peer a pseudo-terminal reports a hang-up at every wait; it is looked at on
    // the tick instead.
    if (device_.isValid() && hasPeer()) {
        const short writable = line_->output().hasPending() ? POLLOUT : 0;
        fds.push_back({device_.get(), static_cast<short>(POLLIN | writable), 0});
    }
}

void SerialServer::onPolled(std::span<const pollfd> fds) {
    if (fds.empty()) {
        return;
    }
    const short events = fds[0].revents;
    if ((events & POLLOUT) != 0) {
        line_->output().flush(device_.get());
    }
    if ((events & POLLIN) != 0) {
        readBytes();
    } else if ((events & (POLLHUP | POLLERR)) != 0) {
        peerLeft(clock_.nowMs());
    }
}

void SerialServer::tick(std::uint32_t nowMs) {
    if (!pseudoTerminal_ || hasPeer() || static_cast<std::int32_t>(nowMs - nextPeerCheckMs_) < 0) {
        return;
    }
    nextPeerCheckMs_ = nowMs + kPeerCheckMs;
    if (otherEndIsOpen()) {
        peerAppeared();
    }
}

void SerialServer::readBytes() {
    const std::size_t room = std::min(readBuffer_.size(), incoming_.room());
    const ssize_t received = room == 0 ? 0 : ::read(device_.get(), readBuffer_.data(), room);
    if (received < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (received <= 0) {
        peerLeft(clock_.nowMs());
        return;
    }
    incoming_.append(std::span(readBuffer_).first(static_cast<std::size_t>(received)));
    incoming_.cut(
        [this](std::span<const std::uint8_t> frame) { switchboard_.receive(client_, frame); });
}

void SerialServer::peerAppeared() {
    client_ = switchboard_.connect(*line_, "serial " + path_, ClientOptions{true});
}

void SerialServer::peerLeft(std::uint32_t nowMs) {
    switchboard_.disconnect(client_);
    client_ = kNoClient;
    incoming_.clear();
    line_->output().clear();
    if (!pseudoTerminal_) {
        // A device that has gone does not come back under the same descriptor.
        device_.reset();
    }
    nextPeerCheckMs_ = nowMs + kPeerCheckMs;
}

bool SerialServer::otherEndIsOpen() const {
    pollfd probe{device_.get(), POLLIN, 0};
    return ::poll(&probe, 1, 0) >= 0 && (probe.revents & POLLHUP) == 0;
}

} // namespace v32::dc
