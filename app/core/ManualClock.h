#pragma once

#include "app/core/Clock.h"

#include <atomic>

namespace v32 {

// A tick that moves only when told to, for tests of anything timed. Atomic so that a test
// may move it while a link or timer under test reads it from another thread.
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::uint32_t startMs = 0);

    std::uint32_t nowMs() const override;

    void set(std::uint32_t ms);
    void advance(std::uint32_t ms);

private:
    std::atomic<std::uint32_t> nowMs_;
};

} // namespace v32
