#pragma once

#include <cstdint>

namespace v32 {

// The splash picture fades in over its first second, stays for two more and is gone.
class SplashTimeline {
public:
    static constexpr std::uint32_t kFrameMs = 16;
    static constexpr std::uint32_t kFadeInMs = 1000;
    static constexpr std::uint32_t kHoldMs = 2000;
    static constexpr std::uint32_t kDurationMs = kFadeInMs + kHoldMs;
    static constexpr int kOpaque = 255;

    // 0 (transparent) to kOpaque, growing evenly while the picture fades in.
    static int opacityAt(std::uint32_t elapsedMs);

    static bool isOver(std::uint32_t elapsedMs) { return elapsedMs >= kDurationMs; }
};

} // namespace v32
