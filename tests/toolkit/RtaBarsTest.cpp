#include "ui/toolkit/graphs/RtaBars.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

TEST(RtaBars, ValuesAreHeldToPercentAndReportChanges) {
    RtaBars bars;
    const std::vector<int> first = {10, -5, 150, 100};
    EXPECT_TRUE(bars.setValues(first));
    EXPECT_EQ(bars.values()[0], 10);
    EXPECT_EQ(bars.values()[1], 0);
    EXPECT_EQ(bars.values()[2], 100);
    EXPECT_EQ(bars.values()[3], 100);
    EXPECT_FALSE(bars.setValues(first));
    EXPECT_FALSE(bars.setValues(std::vector<int>{10, 0, 100}));

    std::vector<int> tooMany(40, 50);
    EXPECT_TRUE(bars.setValues(tooMany));
    EXPECT_EQ(bars.values()[31], 50);

    bars.clear();
    EXPECT_EQ(bars.values()[31], 0);
}

TEST(RtaBars, BarsMeetHalfwayAndFillThePlotWidth) {
    RtaBars bars;
    std::vector<int> levels(32);
    for (int i = 0; i < 32; ++i) {
        levels[static_cast<std::size_t>(i)] = i * 3;
    }
    levels.back() = 100;
    bars.setValues(levels);
    const int width = 280;
    const int height = 117;
    const auto layout = bars.layout(width, height);
    for (std::size_t i = 0; i + 1 < layout.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout[i].right, layout[i + 1].left);
        EXPECT_LT(layout[i].left, layout[i].right);
        EXPECT_EQ(layout[i].height, static_cast<int>(i) * 3 * height / 100);
    }
    EXPECT_EQ(layout.back().right, width);
    EXPECT_EQ(layout.back().height, height);
    // The first bar reaches as far left of its centre at 20 Hz as it does right.
    const int firstCentre =
        static_cast<int>(std::lround(width * std::log(20.0 / 14.0) / std::log(24000.0 / 14.0)));
    EXPECT_EQ(layout[0].left + layout[0].right, 2 * firstCentre);
}

} // namespace
} // namespace v32
