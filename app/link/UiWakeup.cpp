#include "app/link/UiWakeup.h"

#include <chrono>

namespace v32 {

void UiWakeup::release() {
    std::ptrdiff_t count = outstanding_.load(std::memory_order_relaxed);
    do {
        if (count >= kMaxCount) {
            // The loop has that many wake-ups pending already; one more changes nothing.
            return;
        }
    } while (!outstanding_.compare_exchange_weak(count, count + 1, std::memory_order_relaxed));
    semaphore_.release();
}

bool UiWakeup::waitAtMost(std::uint32_t timeoutMs) {
    const bool taken = timeoutMs == 0
                           ? semaphore_.try_acquire()
                           : semaphore_.try_acquire_for(std::chrono::milliseconds(timeoutMs));
    if (taken) {
        outstanding_.fetch_sub(1, std::memory_order_relaxed);
    }
    return taken;
}

} // namespace v32
