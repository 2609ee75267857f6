#include "ui/toolkit/graphs/EqCurve.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr int kWidth = 280;
constexpr int kHeight = 117;

int expectedX(double frequency) {
    return static_cast<int>(
        std::lround(kWidth * std::log(frequency / 14.0) / std::log(24000.0 / 14.0)));
}

bool isFlat(const EqBand& band) {
    const auto response = band.response();
    return std::all_of(response.begin(), response.end(), [](std::int16_t v) { return v == 0; });
}

class EqCurveTest : public testing::Test {
protected:
    EqCurveTest() {
        curve.setChangeHandler([this] { ++changes; });
        curve.setPlotSize(kWidth, kHeight);
    }

    EqCurve curve;
    int changes = 0;
};

TEST_F(EqCurveTest, DefaultGridsFrameThePlotFromJustOutside) {
    const auto& frequencies = curve.frequencyGrid();
    const auto& gains = curve.gainGrid();
    ASSERT_EQ(frequencies.size(), 30U);
    ASSERT_EQ(gains.size(), 9U);
    EXPECT_EQ(curve.gainMinimum(), -12.0);
    EXPECT_EQ(curve.gainMaximum(), 12.0);
    EXPECT_EQ(frequencies.front().position, -1);
    EXPECT_EQ(frequencies.back().position, kWidth);
    EXPECT_EQ(frequencies[18].label, "1K");
    EXPECT_EQ(frequencies[18].position, expectedX(1000.0));
    EXPECT_EQ(gains.front().position, -1);
    EXPECT_EQ(gains.back().position, kHeight);
    EXPECT_EQ(gains[4].position, std::lround(kHeight / 2.0));
}

TEST_F(EqCurveTest, PixelColumnsSpanTheAxisLogarithmically) {
    EXPECT_DOUBLE_EQ(curve.frequencyAt(0), 14.0);
    EXPECT_NEAR(curve.frequencyAt(kWidth / 2), std::sqrt(14.0 * 24000.0), 3.0);
    EXPECT_LT(curve.frequencyAt(kWidth - 1), 24000.0);
    EXPECT_GT(curve.frequencyAt(kWidth - 1), 23000.0);
    for (const double frequency : {20.0, 100.0, 1000.0, 20000.0}) {
        EXPECT_EQ(curve.xOfFrequency(frequency), expectedX(frequency)) << frequency;
    }
}

TEST_F(EqCurveTest, WithoutBandsTheCurveLiesOnTheZeroLine) {
    ASSERT_EQ(curve.curve().size(), static_cast<std::size_t>(kWidth));
    for (const std::int16_t offset : curve.curve()) {
        ASSERT_EQ(offset, curve.yOffsetOfGain(0.0));
    }
}

TEST_F(EqCurveTest, SummedCurveAddsTheBandsInDecibels) {
    curve.addBand(1000.0, 6.0, 1.0);
    curve.addBand(1000.0, 3.0, 1.0);
    curve.recomputeChanged();
    const int x = curve.xOfFrequency(1000.0);
    const double gainAtX = (curve.band(0)->response()[x] + curve.band(1)->response()[x]) / 100.0;
    EXPECT_NEAR(gainAtX, 9.0, 0.05);
    EXPECT_EQ(curve.curve()[x], std::lround((gainAtX + 12.0) * kHeight / 24.0));
}

TEST_F(EqCurveTest, ButterworthHighPassCurveIsHalfPowerAtItsCorner) {
    curve.addHighPass(curve.frequencyAt(100), 8);
    curve.recomputeChanged();
    EXPECT_EQ(curve.highPass()->response()[100], -301);
    EXPECT_EQ(curve.curve()[100], std::lround((-3.01 + 12.0) * kHeight / 24.0));
}

TEST_F(EqCurveTest, FiltersAreOffAtTheirOuterPositions) {
    struct Case {
        bool highPass;
        double frequency;
        bool off;
    };
    const Case cases[] = {
        {true, 19.6, true},     {true, 19.0, true},     {true, 19.7, false},
        {false, 20001.0, true}, {false, 22000.0, true}, {false, 20000.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.highPass ? "high-pass at " : "low-pass at ") << c.frequency);
        EqCurve filters;
        filters.setPlotSize(kWidth, kHeight);
        if (c.highPass) {
            filters.addHighPass(c.frequency, 26);
        } else {
            filters.addLowPass(c.frequency, 27);
        }
        filters.recomputeChanged();
        const EqBand& band = c.highPass ? *filters.highPass() : *filters.lowPass();
        EXPECT_EQ(band.isOff(), c.off);
        EXPECT_EQ(isFlat(band), c.off);
    }
}

TEST_F(EqCurveTest, FlatCodesClearTheFilterAndUnknownCodesKeepIt) {
    curve.addHighPass(500.0, 20);
    curve.recomputeChanged();
    const std::vector<std::int16_t> before(curve.highPass()->response().begin(),
                                           curve.highPass()->response().end());
    ASSERT_FALSE(isFlat(*curve.highPass()));

    curve.highPass()->setCode(0);
    curve.recomputeChanged();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), curve.highPass()->response().begin(),
                           curve.highPass()->response().end()));

    curve.highPass()->setCode(64);
    curve.recomputeChanged();
    EXPECT_TRUE(isFlat(*curve.highPass()));
}

TEST_F(EqCurveTest, SettersIgnoreChangesBelowAHundredth) {
    curve.addBand(1000.0, 3.0, 1.0);
    curve.recomputeChanged();
    changes = 0;
    EqBand& band = *curve.band(0);
    EXPECT_FALSE(band.setFrequency(1000.004));
    EXPECT_FALSE(band.setGain(2.996));
    EXPECT_FALSE(band.setQ(1.0));
    EXPECT_FALSE(band.isDirty());
    EXPECT_EQ(changes, 0);

    EXPECT_TRUE(band.setGain(3.01));
    EXPECT_TRUE(band.isDirty());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(curve.recomputeChanged());
    EXPECT_FALSE(curve.recomputeChanged());
}

TEST_F(EqCurveTest, OnlyOneOfEachFilter) {
    EXPECT_EQ(curve.addHighPass(80.0, 8), EqBand::kHighPassNumber);
    EXPECT_EQ(curve.addHighPass(200.0, 20), -1);
    EXPECT_EQ(curve.highPass()->frequency(), 80.0);
    EXPECT_EQ(curve.highPass()->code(), 8);
    EXPECT_EQ(curve.addLowPass(12000.0, 9), EqBand::kLowPassNumber);
    EXPECT_EQ(curve.addLowPass(8000.0, 9), -1);
    EXPECT_EQ(curve.addBand(100.0, 0.0, 1.0), 1);
    EXPECT_EQ(curve.addBand(200.0, 0.0, 1.0), 2);
}

TEST_F(EqCurveTest, PopulateSpreadsBandsFromFiftyHertzWithRandomGains) {
    const unsigned randoms[] = {0, 120, 240, 241, 150, 1, 239};
    int next = 0;
    curve.populate(7, [&] { return randoms[next++]; });
    ASSERT_EQ(curve.bandCount(), 7);
    const double gains[] = {-12.0, 0.0, 12.0, -12.0, 3.0, -11.9, 11.9};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(curve.band(i)->number(), i + 1);
        const double spread = 50.0 * std::pow(400.0, i / 7.0);
        EXPECT_NEAR(curve.band(i)->frequency(), spread, spread * 1e-5);
        EXPECT_DOUBLE_EQ(curve.band(i)->gain(), gains[i]);
        EXPECT_EQ(curve.band(i)->q(), 1.0);
    }

    curve.replacePopulate(2, [] { return 120U; });
    ASSERT_EQ(curve.bandCount(), 2);
    EXPECT_EQ(curve.band(1)->number(), 2);
    EXPECT_NEAR(curve.band(1)->frequency(), 1000.0, 0.01);
}

TEST_F(EqCurveTest, RemovingBandsFlattensTheCurve) {
    curve.addBand(1000.0, 12.0, 1.0);
    curve.recomputeChanged();
    changes = 0;
    curve.replacePopulate(0, [] { return 0U; });
    EXPECT_EQ(changes, 1);
    curve.recomputeChanged();
    EXPECT_EQ(curve.curve()[curve.xOfFrequency(1000.0)], curve.yOffsetOfGain(0.0));
}

TEST_F(EqCurveTest, RawParametersReachTheirBands) {
    curve.addHighPass(100.0, 8);
    curve.addLowPass(10000.0, 9);
    curve.addBand(1000.0, 0.0, 1.0);
    EXPECT_TRUE(curve.setParam(EqCurve::Param::HighPassFrequency, 0, 0x8000 + 196));
    EXPECT_TRUE(curve.highPass()->isOff());
    EXPECT_TRUE(curve.setParam(EqCurve::Param::HighPassCode, 0, 26));
    EXPECT_EQ(curve.highPass()->code(), 26);
    EXPECT_TRUE(curve.setParam(EqCurve::Param::LowPassFrequency, 0, 20600));
    EXPECT_TRUE(curve.lowPass()->isOff());
    EXPECT_TRUE(curve.setParam(EqCurve::Param::BandFrequency, 0, 2500));
    EXPECT_EQ(curve.band(0)->frequency(), 2500.0);
    EXPECT_TRUE(curve.setParam(EqCurve::Param::BandGain, 0, 530));
    EXPECT_DOUBLE_EQ(curve.band(0)->gain(), 3.0);
    EXPECT_TRUE(curve.setParam(EqCurve::Param::BandQ, 0, 140));
    EXPECT_DOUBLE_EQ(curve.band(0)->q(), 1.4);
    EXPECT_FALSE(curve.setParam(EqCurve::Param::BandQ, 0, 140));
    EXPECT_FALSE(curve.setParam(EqCurve::Param::BandGain, 1, 530));
    EXPECT_FALSE(curve.setParam(EqCurve::Param::BandGain, -1, 530));
}

TEST_F(EqCurveTest, HandlesAreHitInFilterThenBandOrder) {
    curve.addBand(1000.0, 0.0, 1.0);
    curve.addHighPass(1000.0, 8);
    const int x = curve.xOfFrequency(1000.0);
    const int y = curve.rowOfOffset(curve.yOffsetOfGain(0.0));
    const int size = 15;
    EXPECT_EQ(curve.handleAt(x, y, size), curve.highPass());
    EXPECT_EQ(curve.handleAt(x - 7, y + 7, size), curve.highPass());
    EXPECT_EQ(curve.handleAt(x + 8, y, size), nullptr);
    EXPECT_EQ(curve.handleAt(x, y, 0), nullptr);

    curve.band(0)->setGain(12.0);
    EXPECT_EQ(curve.handleAt(x, curve.handleY(*curve.band(0)), size), curve.band(0));
}

TEST_F(EqCurveTest, DraggingClampsToTheHandleRangeOfEachKind) {
    curve.addHighPass(100.0, 8);
    curve.addLowPass(10000.0, 9);
    curve.addBand(1000.0, 0.0, 1.0);
    struct Case {
        const char* name;
        const EqBand* band;
        int x;
        int y;
        double frequency;
        double gain;
    };
    const Case cases[] = {
        {"band above and left", curve.band(0), -50, -50, 19.7, 12.0},
        {"band below and right", curve.band(0), kWidth + 50, kHeight + 50, 20000.0,
         -12.0 + 24.0 / kHeight},
        {"high-pass left", curve.highPass(), -50, -50, 19.6, 0.0},
        {"high-pass right", curve.highPass(), kWidth + 50, kHeight + 50, 20000.0, 0.0},
        {"low-pass left", curve.lowPass(), -50, 0, 19.7, 0.0},
        {"low-pass right", curve.lowPass(), kWidth + 50, 0, 20001.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(curve.press(curve.handleX(*c.band), curve.handleY(*c.band), 15));
        ASSERT_EQ(curve.draggedBand(), c.band);
        EXPECT_TRUE(curve.dragTo(c.x, c.y));
        EXPECT_DOUBLE_EQ(c.band->frequency(), c.frequency);
        EXPECT_NEAR(c.band->gain(), c.gain, 1e-9);
        EXPECT_FALSE(curve.dragTo(c.x, c.y));
        curve.release();
        EXPECT_EQ(curve.draggedBand(), nullptr);
    }
}

TEST_F(EqCurveTest, DraggingToAColumnTakesItsFrequency) {
    curve.addBand(1000.0, 0.0, 1.0);
    ASSERT_TRUE(curve.press(curve.xOfFrequency(1000.0), curve.handleY(*curve.band(0)), 15));
    EXPECT_TRUE(curve.dragTo(150, kHeight / 4));
    EXPECT_DOUBLE_EQ(curve.band(0)->frequency(), curve.frequencyAt(150));
    EXPECT_NEAR(curve.band(0)->gain(), -12.0 + 24.0 * (kHeight - kHeight / 4) / kHeight, 1e-9);
    EXPECT_FALSE(curve.press(0, 0, 15));
    EXPECT_FALSE(curve.dragTo(10, 10));
}

TEST_F(EqCurveTest, ResizingRecomputesEveryBandAtOnce) {
    curve.addBand(1000.0, 6.0, 2.0);
    curve.setPlotSize(140, 40);
    EXPECT_FALSE(curve.band(0)->isDirty());
    EXPECT_EQ(curve.band(0)->response().size(), 140U);
    EXPECT_EQ(curve.curve().size(), 140U);
    EXPECT_EQ(curve.frequencyGrid().back().position, 140);
}

TEST(EqCurveGrids, TooShortGridsFallBackToTheDefaults) {
    const EqCurve curve({{100, "100"}}, {{0, "0"}, {0, "0"}});
    EXPECT_EQ(curve.frequencyGrid().size(), 30U);
    EXPECT_EQ(curve.gainGrid().size(), 9U);
}

TEST(EqCurveGrids, TheGainRangeFollowsTheGainGrid) {
    EqCurve curve({}, {{-18, "-18"}, {0, "0"}, {18, "+18"}});
    curve.setPlotSize(200, 90);
    EXPECT_EQ(curve.gainMinimum(), -18.0);
    EXPECT_EQ(curve.gainMaximum(), 18.0);
    EXPECT_EQ(curve.yOffsetOfGain(9.0), std::lround(27.0 * 90 / 36));
}

} // namespace
} // namespace v32
