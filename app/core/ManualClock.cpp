#include "app/core/ManualClock.h"

namespace v32 {

ManualClock::ManualClock(std::uint32_t startMs)
    : nowMs_(startMs) {}

std::uint32_t ManualClock::nowMs() const {
    return nowMs_.load(std::memory_order_relaxed);
}

void ManualClock::set(std::uint32_t ms) {
    nowMs_.store(ms, std::memory_order_relaxed);
}

void ManualClock::advance(std::uint32_t ms) {
    nowMs_.fetch_add(ms, std::memory_order_relaxed);
}

} // namespace v32
