#pragma once

#include "app/link/FileDescriptor.h"

#include <stop_token>

namespace v32 {

// A descriptor that becomes readable once a stop is requested, so that a poll() waiting on
// it together with a socket ends at once instead of when its time is up.
class StopEvent {
public:
    explicit StopEvent(std::stop_token stop);

    // -1 when no stop can ever be requested; poll() leaves a negative descriptor out.
    int fd() const { return m_fd.get(); }

private:
    struct Signal {
        int fd;
        void operator()() const noexcept;
    };

    FileDescriptor m_fd;
    // After the descriptor, which it writes to: a stop requested already signals at once.
    std::stop_callback<Signal> m_onStop;
};

} // namespace v32
