#include "app/link/StopEvent.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace v32 {

StopEvent::StopEvent(std::stop_token stop)
    : m_fd(stop.stop_possible() ? ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK) : -1)
    , m_onStop(stop, Signal{m_fd.get()}) {}

void StopEvent::Signal::operator()() const noexcept {
    if (fd < 0) {
        return;
    }
    const std::uint64_t one = 1;
    // A non-blocking write fails only on a full count, which is readable already.
    [[maybe_unused]] const ssize_t written = ::write(fd, &one, sizeof one);
}

} // namespace v32
