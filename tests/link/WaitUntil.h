#pragma once

#include <chrono>
#include <thread>

namespace v32 {

// Polls condition until it holds or timeout passes; returns whether it held. Tests of
// threads and sockets wait this way instead of sleeping a fixed time.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(2)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace v32
