#include "tools/velmar32-dc/ControlConsole.h"

#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace v32::dc {

ControlConsole::ControlConsole(ControlCommands& commands, std::atomic<bool>& stop, int inputFd,
                               std::FILE* out)
    : commands_(commands)
    , stop_(stop)
    , inputFd_(inputFd)
    , out_(out) {}

void ControlConsole::addPollFds(std::vector<pollfd>& fds) {
    if (inputFd_ >= 0) {
        fds.push_back({inputFd_, POLLIN, 0});
    }
}

void ControlConsole::onPolled(std::span<const pollfd> fds) {
    if (!fds.empty() && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        readInput();
    }
}

void ControlConsole::readInput() {
    std::array<char, 512> bytes{};
    const ssize_t received = ::read(inputFd_, bytes.data(), bytes.size());
    if (received < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (received <= 0) {
        inputFd_ = -1;
        return;
    }
    for (const char c : std::span(bytes).first(static_cast<std::size_t>(received))) {
        if (c == '\n') {
            runLine();
        } else if (line_.size() < kMaxLineLength) {
            line_ += c;
        } else {
            overlong_ = true;
        }
    }
}

void ControlConsole::runLine() {
    if (!line_.empty() && line_.back() == '\r') {
        line_.pop_back();
    }
    ControlCommands::Reply reply =
        overlong_ ? ControlCommands::Reply{"error: line too long", false} : commands_.run(line_);
    line_.clear();
    overlong_ = false;
    if (!reply.text.empty()) {
        if (reply.text.back() != '\n') {
            reply.text += '\n';
        }
        std::fputs(reply.text.c_str(), out_);
        std::fflush(out_);
    }
    if (reply.quit) {
        stop_ = true;
    }
}

} // namespace v32::dc
