#pragma once

#include "app/core/Clock.h"

namespace v32 {

// The program's tick: milliseconds of the monotonic clock, cut to 32 bits.
class SteadyClock final : public Clock {
public:
    std::uint32_t nowMs() const override;
};

} // namespace v32
