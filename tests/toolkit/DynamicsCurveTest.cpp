#include "ui/toolkit/graphs/DynamicsCurve.h"

#include <cmath>
#include <gtest/gtest.h>

namespace v32 {
namespace {

// Both axes span 100 dB over 200 pixels, so the unity line climbs one pixel per pixel.
EqPlotLayout squarePlot() {
    EqPlotLayout plot;
    plot.x = 30;
    plot.y = 8;
    plot.width = 200;
    plot.height = 200;
    return plot;
}

class DynamicsCurveTest : public testing::Test {
protected:
    DynamicsCurveTest() { curve.setPlot(squarePlot()); }

    // Pixels per dB: 2 on both axes.
    static int xOf(double input) { return 30 + static_cast<int>(std::lround((input + 80) * 2)); }
    static int yOf(double output) { return 208 - static_cast<int>(std::lround((output + 80) * 2)); }

    DynamicsCurve curve;
};

TEST_F(DynamicsCurveTest, DefaultsPutTheThresholdOnTheUnityLineAndHalveTheRiseAboveIt) {
    EXPECT_EQ(curve.threshold(), -20.0);
    EXPECT_EQ(curve.ratio(), 2.0);
    EXPECT_EQ(curve.gain(), 0.0);
    EXPECT_EQ(curve.start(), (DynamicsCurve::Point{xOf(-80), yOf(-80)}));
    EXPECT_EQ(curve.thresholdPoint(), (DynamicsCurve::Point{xOf(-20), yOf(-20)}));
    const DynamicsCurve::Point end = curve.end();
    EXPECT_EQ(end.x, xOf(20));
    EXPECT_EQ(curve.thresholdPoint().y - end.y, (end.x - curve.thresholdPoint().x) / 2);
}

TEST_F(DynamicsCurveTest, GainLiftsTheLineBelowTheThreshold) {
    curve.setGain(10.0);
    EXPECT_EQ(curve.start(), (DynamicsCurve::Point{xOf(-80), yOf(-70)}));
    EXPECT_EQ(curve.thresholdPoint(), (DynamicsCurve::Point{xOf(-20), yOf(-10)}));
}

TEST_F(DynamicsCurveTest, GridRowsSitAtTheirLevels) {
    ASSERT_EQ(curve.inputGrid().size(), 6U);
    ASSERT_EQ(curve.outputGrid().size(), 6U);
    EXPECT_EQ(curve.inputGrid().front().position, 30);
    EXPECT_EQ(curve.inputGrid().back().position, 230);
    EXPECT_EQ(curve.outputGrid().front().position, 208);
    EXPECT_EQ(curve.outputGrid()[4].label, "0");
    EXPECT_EQ(curve.outputGrid()[4].position, yOf(0));
}

TEST(DynamicsCurveScales, RatioOneContinuesTheUnityLineOnAnyPlot) {
    DynamicsCurve curve;
    EqPlotLayout wide;
    wide.x = 30;
    wide.y = 8;
    wide.width = 280;
    wide.height = 140;
    curve.setPlot(wide);
    curve.setRatio(1.0);
    // Input 20 dB comes out at 20 dB, the top of the plot.
    EXPECT_EQ(curve.end().y, wide.y);
    curve.setRatio(0.5);
    EXPECT_EQ(curve.ratio(), 1.0);
}

TEST_F(DynamicsCurveTest, PressesPickTheThresholdBeforeTheRatio) {
    const DynamicsCurve::Point threshold = curve.thresholdPoint();
    const DynamicsCurve::Point end = curve.end();
    EXPECT_EQ(curve.press(threshold.x + 5, threshold.y - 5, 14), DynamicsCurve::Handle::Threshold);
    EXPECT_EQ(curve.press(end.x, end.y, 14), DynamicsCurve::Handle::Ratio);
    EXPECT_EQ(curve.press(end.x, end.y + 20, 14), DynamicsCurve::Handle::None);
    curve.setThreshold(20.0);
    EXPECT_EQ(curve.press(curve.end().x, curve.end().y, 14), DynamicsCurve::Handle::Threshold);
}

TEST_F(DynamicsCurveTest, ThresholdDragsFollowTheInputAxisWithinThePlot) {
    struct Case {
        int x;
        double threshold;
    };
    const Case cases[] = {{xOf(-30), -30.0}, {0, -80.0}, {500, 20.0}, {xOf(-50) + 1, -49.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        ASSERT_EQ(curve.press(curve.thresholdPoint().x, curve.thresholdPoint().y, 14),
                  DynamicsCurve::Handle::Threshold);
        EXPECT_TRUE(curve.dragTo(c.x, 100));
        EXPECT_DOUBLE_EQ(curve.threshold(), c.threshold);
        EXPECT_EQ(curve.thresholdPoint().x, xOf(c.threshold));
        EXPECT_FALSE(curve.dragTo(c.x, 50));
        curve.release();
    }
}

TEST_F(DynamicsCurveTest, RatioDragsTruncateAndSnapToTheirEnds) {
    struct Case {
        const char* name;
        double gain;
        int riseAboveThreshold;
        double ratio;
    };
    // With the defaults the segment above the threshold is 80 pixels long.
    const Case cases[] = {
        {"a third", 0.0, 30, 2.66},
        {"level with the threshold", 0.0, 0, 60.0},
        {"below the threshold", 0.0, -40, 60.0},
        {"two pixels", 0.0, 2, 40.0},
        {"steeper than unity", -20.0, 100, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        curve.setGain(c.gain);
        curve.setRatio(3.0);
        ASSERT_EQ(curve.press(curve.end().x, curve.end().y, 14), DynamicsCurve::Handle::Ratio);
        EXPECT_TRUE(curve.dragTo(curve.end().x, curve.thresholdPoint().y - c.riseAboveThreshold));
        EXPECT_DOUBLE_EQ(curve.ratio(), c.ratio);
        curve.release();
    }
}

TEST(DynamicsCurveGrids, CallerGridsSetTheRanges) {
    DynamicsCurve curve({{-60, "-60"}, {0, "0"}}, {{-40, "-40"}, {0, "0"}});
    curve.setPlot(squarePlot());
    curve.setThreshold(-30.0);
    EXPECT_EQ(curve.thresholdPoint().x, 130);
    EXPECT_EQ(curve.inputGrid().back().position, 230);
    const DynamicsCurve fallback({{0, "0"}});
    EXPECT_EQ(fallback.inputGrid().size(), 6U);
}

} // namespace
} // namespace v32
