#include "platform/SplashTimeline.h"

namespace v32 {

int SplashTimeline::opacityAt(std::uint32_t elapsedMs) {
    if (elapsedMs >= kFadeInMs) {
        return kOpaque;
    }
    return static_cast<int>(elapsedMs * kOpaque / kFadeInMs);
}

} // namespace v32
