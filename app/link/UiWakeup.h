#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <semaphore>

namespace v32 {

// Wakes the main loop when there is work: reader threads release it after queuing bytes, and
// the loop waits on it for at most its pass time. Releases never block, and the count is
// held at kMaxCount so that a flood of releases while the loop is busy cannot overflow the
// semaphore.
class UiWakeup {
public:
    static constexpr std::ptrdiff_t kMaxCount = 65536;

    // Any thread.
    void release();

    // The main loop: true when a release was taken, false after timeoutMs without one.
    bool waitAtMost(std::uint32_t timeoutMs);

private:
    std::counting_semaphore<kMaxCount> semaphore_{0};
    // Releases given and not yet taken; never below the semaphore's own count.
    std::atomic<std::ptrdiff_t> outstanding_{0};
};

} // namespace v32
