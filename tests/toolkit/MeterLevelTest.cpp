#include "ui/toolkit/widgets/MeterLevel.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(MeterLevel, PlacesLevelsOnTheScaleMarks) {
    struct Case {
        int decibels;
        double twelfths;
    };
    const Case cases[] = {
        {-128, 0.0}, {-41, 0.0}, {-40, 0.0}, {-35, 0.5}, {-10, 3.0}, {-1, 6.5},   {0, 7.0},
        {1, 7.5},    {10, 11.0}, {12, 11.5}, {14, 12.0}, {15, 12.0}, {127, 12.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decibels);
        EXPECT_DOUBLE_EQ(meterFraction(c.decibels), c.twelfths / 12.0);
    }
}

TEST(MeterLevel, ReadsTheLevelBackFromAFraction) {
    struct Case {
        double twelfths;
        int decibels;
    };
    const Case cases[] = {
        {-1.0, -40}, {0.0, -40}, {0.5, -35}, {6.5, -1},  {7.0, 0},
        {7.25, 0},   {11.0, 10}, {11.5, 12}, {12.0, 14}, {20.0, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.twelfths);
        EXPECT_EQ(meterDecibels(c.twelfths / 12.0), c.decibels);
    }
}

TEST(MeterLevel, FallsAtMostTheLimitPerUpdateAndRisesAtOnce) {
    int value = 1000;
    int updates = 0;
    while (value > 0) {
        value = meterTarget(-40, 10, value, 0, 1000);
        ++updates;
        ASSERT_LE(updates, 10);
    }
    EXPECT_EQ(updates, 10);
    EXPECT_EQ(meterTarget(14, 10, 0, 0, 1000), 1000);
    EXPECT_EQ(meterTarget(0, 10, 0, 0, 1000), 583);
    EXPECT_EQ(meterTarget(-40, 0, 1000, 0, 1000), 0);
}

TEST(MeterLevel, SilenceEmptiesTheMeterWhateverTheLimit) {
    for (int limit : {0, 5, 10}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(meterTarget(kMeterSilence, limit, 1000, 0, 1000), 0);
        EXPECT_EQ(meterTarget(kMeterSilence, limit, 90, 20, 120), 20);
    }
}

TEST(MeterLevel, KeepsTheTargetInsideAnOffsetRange) {
    EXPECT_EQ(meterTarget(14, 0, 0, 100, 220), 220);
    EXPECT_EQ(meterTarget(-40, 0, 200, 100, 220), 100);
    EXPECT_EQ(meterTarget(0, 0, 100, 100, 220), 170);
}

TEST(MeterLevel, CountsTheMarksALevelReaches) {
    struct Case {
        int decibels;
        int segments;
    };
    const Case cases[] = {
        {-128, 0}, {-31, 0}, {-30, 1}, {-21, 1}, {-20, 2}, {-11, 2}, {-10, 3}, {-8, 3},   {-7, 4},
        {-5, 4},   {-4, 5},  {-3, 5},  {-2, 6},  {-1, 6},  {0, 7},   {1, 7},   {2, 8},    {3, 8},
        {4, 9},    {6, 9},   {7, 10},  {9, 10},  {10, 11}, {13, 11}, {14, 12}, {127, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decibels);
        EXPECT_EQ(meterSegmentCount(static_cast<std::int8_t>(c.decibels)), c.segments);
    }
}

TEST(MeterLevel, AddsTheBusFaderToAPostFaderLevel) {
    struct Case {
        int decibels;
        std::uint16_t fader;
        int level;
    };
    const Case cases[] = {
        {0, 1200, 0},            // fader at 0 dB
        {-10, 1300, 0},          // +10 dB fader
        {-6, 1185, -7},          // -1.5 dB fader: whole dB towards zero
        {0, 1195, 0},            // -0.5 dB rounds to nothing
        {0, 0xC000 | 1100, -10}, // the flag bits are not part of the level
        {95, 1300, 100},         // capped at +100
        {-119, 1200, -119},      // the quietest level kept
        {-110, 1100, -120},      // anything quieter is silence
        {-128, 0, -120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.decibels << " " << c.fader);
        EXPECT_EQ(postFaderLevel(static_cast<std::int8_t>(c.decibels), c.fader), c.level);
    }
}

} // namespace
} // namespace v32
