#pragma once

#include <cstdint>

namespace v32 {

// Millisecond tick source. Ticks are 32-bit and wrap after about 49.7 days, like a system
// tick count, so durations are always taken by unsigned subtraction and never by comparing
// two ticks directly.
class Clock {
public:
    virtual ~Clock();

    virtual std::uint32_t nowMs() const = 0;

    // Milliseconds from since to now, right across a wrap of the tick.
    static constexpr std::uint32_t elapsed(std::uint32_t since, std::uint32_t now) {
        return now - since;
    }

    std::uint32_t elapsedSince(std::uint32_t since) const { return elapsed(since, nowMs()); }
};

} // namespace v32
