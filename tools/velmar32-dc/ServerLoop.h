#pragma once

#include "app/core/Clock.h"
#include "tools/velmar32-dc/Pollable.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <poll.h>
#include <vector>

namespace v32::dc {

// The stand-in's one thread: waits for any transport or console descriptor, lets the ready
// ones work, then ticks everything, so the data centre never needs a lock.
class ServerLoop {
public:
    // Short enough for the live data's 50 ms steps and the fault delays to keep time.
    static constexpr int kWaitMs = 10;

    using Ticker = std::function<void(std::uint32_t)>;

    explicit ServerLoop(const Clock& clock);

    // Both must outlive the loop's runs.
    void add(Pollable& pollable);
    void addTicker(Ticker ticker);

    // One round; false when waiting failed for another reason than a signal.
    bool runOnce(int waitMs = kWaitMs);
    // Rounds until stop is set or waiting fails.
    void run(const std::atomic<bool>& stop);

private:
    const Clock& clock_;
    std::vector<Pollable*> pollables_;
    std::vector<Ticker> tickers_;
    std::vector<pollfd> fds_;
    std::vector<std::size_t> counts_;
};

} // namespace v32::dc
