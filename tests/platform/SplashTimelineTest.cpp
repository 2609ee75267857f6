#include "platform/SplashTimeline.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace v32 {
namespace {

struct OpacityCase {
    std::uint32_t elapsedMs;
    int opacity;
};

TEST(SplashTimelineTest, FadesInEvenlyOverOneSecondThenStaysOpaque) {
    const OpacityCase cases[] = {
        {0, 0},      {16, 4},     {250, 63},   {500, 127},   {999, 254},
        {1000, 255}, {1001, 255}, {2999, 255}, {60000, 255},
    };
    for (const OpacityCase& c : cases) {
        EXPECT_EQ(SplashTimeline::opacityAt(c.elapsedMs), c.opacity) << c.elapsedMs << " ms";
    }
}

TEST(SplashTimelineTest, OpacityNeverFallsWhileFading) {
    int previous = 0;
    for (std::uint32_t ms = 0; ms <= SplashTimeline::kFadeInMs; ms += SplashTimeline::kFrameMs) {
        const int opacity = SplashTimeline::opacityAt(ms);
        EXPECT_GE(opacity, previous) << ms << " ms";
        previous = opacity;
    }
}

TEST(SplashTimelineTest, EndsTwoSecondsAfterTheFadeIn) {
    EXPECT_FALSE(SplashTimeline::isOver(0));
    EXPECT_FALSE(SplashTimeline::isOver(2999));
    EXPECT_TRUE(SplashTimeline::isOver(3000));
    EXPECT_TRUE(SplashTimeline::isOver(3016));
}

} // namespace
} // namespace v32
