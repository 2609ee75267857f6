#include "app/core/SteadyClock.h"

#include <chrono>

namespace v32 {

std::uint32_t SteadyClock::nowMs() const {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    // Keeping only the low 32 bits is the intended wrap of the tick.
    return static_cast<std::uint32_t>(ms);
}

} // namespace v32
