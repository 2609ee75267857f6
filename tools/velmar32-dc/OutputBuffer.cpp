#include "tools/velmar32-dc/OutputBuffer.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace v32::dc {

OutputBuffer::OutputBuffer(Kind kind, std::size_t capacity)
    : kind_(kind)
    , capacity_(capacity) {}

bool OutputBuffer::write(int fd, std::span<const std::uint8_t> bytes) {
    if (pending_.size() + bytes.size() > capacity_) {
        return false;
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    flush(fd);
    return true;
}

bool OutputBuffer::flush(int fd) {
    while (!pending_.empty()) {
        // A peer that has gone must cost an error return, not the process (SIGPIPE).
        const ssize_t written = kind_ == Kind::Socket
                                    ? ::send(fd, pending_.data(), pending_.size(), MSG_NOSIGNAL)
                                    : ::write(fd, pending_.data(), pending_.size());
        if (written < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        }
        pending_.erase(pending_.begin(), pending_.begin() + written);
    }
    return true;
}

} // namespace v32::dc
