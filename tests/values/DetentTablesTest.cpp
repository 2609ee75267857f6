#include "app/values/DetentTables.h"

#include "app/values/ValueConversion.h"
#include "app/values/ValuePosition.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace v32 {
namespace {

constexpr int kDetentKinds[] = {3, 10, 12, 15, 16, 19, 20, 21, 22, 23, 24, 25, 26};

TEST(DetentTables, CountsAndEnds) {
    struct Case {
        int kind;
        int count;
        double first;
        double last;
    };
    const Case cases[] = {
        {3, 64, 0, 63},         {10, 161, -80, 0},      {12, 41, 1, 60},
        {15, 61, -120, 10},     {16, 49, -120, 0},      {19, 237, 19.6, 20000},
        {20, 237, 19.7, 20600}, {21, 236, 19.7, 20000}, {24, 236, 19.7, 20000},
        {22, 241, -12, 12},     {25, 241, -12, 12},     {23, 67, 0.6, 28.076},
        {26, 67, 0.6, 28.076},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto points = detentTable(c.kind);
        ASSERT_EQ(detentCount(c.kind), c.count);
        ASSERT_EQ(points.size(), static_cast<std::size_t>(c.count));
        EXPECT_EQ(points.front(), c.first);
        EXPECT_EQ(points.back(), c.last);
    }
}

TEST(DetentTables, KindsWithoutATableHaveNone) {
    for (int kind : {0, 2, 5, 11, 14, 17, 27, 28, 44, 45, -1}) {
        SCOPED_TRACE(kind);
        EXPECT_TRUE(detentTable(kind).empty());
        EXPECT_EQ(detentCount(kind), 0);
    }
}

TEST(DetentTables, EveryTableStrictlyAscends) {
    for (int kind : kDetentKinds) {
        SCOPED_TRACE(kind);
        const auto points = detentTable(kind);
        EXPECT_TRUE(std::adjacent_find(points.begin(), points.end(), std::greater_equal<>()) ==
                    points.end());
    }
}

// The hand-set points must sit exactly where they belong among the generated ones.
TEST(DetentTables, ListedPointsAreKeptExactly) {
    struct Case {
        int kind;
        int firstIndex;
        std::vector<double> points;
    };
    const Case cases[] = {
        {19, 0, {19.6, 19.7, 20.0, 20.6, 21.2, 21.9, 22.5, 23.2, 23.9, 24.6, 25.3, 26.1}},
        {19, 231, {17408, 17930, 18468, 19022, 19593, 20000}},
        {23, 0, {0.6, 0.636, 0.674, 0.714, 0.757, 0.802, 0.851, 0.902, 0.956, 1.0, 1.074, 1.138}},
        {23, 61, {20.98, 22.239, 23.573, 24.988, 26.487, 28.076}},
        {12, 0, {1, 1.03, 1.05, 1.07, 1.1, 1.15, 1.2, 1.25, 1.3, 1.35, 1.4, 1.5}},
        {12, 35, {10, 12, 16, 20, 40, 60}},
        {15, 7, {-50, -48.3, -46.7, -45}},
        {15, 47, {-0.6, 0, 0.7}},
        {10, 159, {-0.5, 0}},
        {22, 119, {-0.1, 0, 0.1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " from " << c.firstIndex);
        const auto points = detentTable(c.kind);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(points[static_cast<std::size_t>(c.firstIndex) + i], c.points[i]) << i;
        }
    }
}

TEST(DetentTables, SharedTablesAgree) {
    const auto main = detentTable(15);
    const auto send = detentTable(16);
    EXPECT_TRUE(std::equal(send.begin(), send.end(), main.begin()));

    const auto highPass = detentTable(19);
    const auto band = detentTable(21);
    const auto lowPass = detentTable(20);
    EXPECT_TRUE(std::equal(band.begin(), band.end(), highPass.begin() + 1));
    EXPECT_TRUE(std::equal(band.begin(), band.end(), lowPass.begin()));
    EXPECT_EQ(lowPass.back(), 20600);
}

TEST(DetentTables, GeneratedPointsFollowTheirSpacing) {
    struct Case {
        int kind;
        std::size_t from;
        std::size_t to;
        double lowestRatio;
        double highestRatio;
    };
    // The frequency points are about 1/24 octave (3 %) apart past the 19.6 and 19.7 Hz
    // points; the Q points about 6 %.
    const Case cases[] = {{19, 2, 236, 1.02, 1.04}, {23, 0, 66, 1.04, 1.075}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto points = detentTable(c.kind);
        for (std::size_t i = c.from; i < c.to; ++i) {
            const double ratio = points[i + 1] / points[i];
            EXPECT_GE(ratio, c.lowestRatio) << i;
            EXPECT_LE(ratio, c.highestRatio) << i;
        }
    }
}

TEST(NearestDetent, TiesGoUpAndEndsClamp) {
    struct Case {
        int kind;
        double real;
        int index;
    };
    const Case cases[] = {
        {3, 2.5, 3},    {3, 2.4, 2},      {3, -5, 0},      {3, 100, 63},     {11, 7.0, 7},
        {11, 1000, 63}, {10, -0.25, 160}, {10, -0.3, 159}, {10, -100, 0},    {10, 5, 160},
        {15, -115, 1},  {15, -116, 0},    {15, -120, 0},   {15, 11, 60},     {16, 5, 48},
        {12, 50, 40},   {12, 0.5, 0},     {19, 0, 0},      {19, 25000, 236}, {20, 20600, 236},
        {26, 29, 66},   {25, 0.0, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " real " << c.real);
        EXPECT_EQ(nearestDetent(c.kind, c.real), c.index);
    }
}

TEST(NearestDetent, OtherKindsAndNotANumber) {
    for (int kind : {0, 2, 5, 14, 17, 27, 28, 45}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(nearestDetent(kind, 1.0), -1);
    }
    EXPECT_EQ(nearestDetent(15, std::numeric_limits<double>::quiet_NaN()), 0);
}

// Storing a detent and reading it back must land on the same detent, so a knob never
// drifts when the mixer echoes its value.
TEST(NearestDetent, EveryDetentSurvivesARoundTripThroughItsRaw) {
    for (int kind : kDetentKinds) {
        SCOPED_TRACE(kind);
        const auto points = detentTable(kind);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double stored = toReal(kind, toRaw(kind, points[i]));
            EXPECT_EQ(nearestDetent(kind, stored), static_cast<int>(i)) << points[i];
        }
    }
}

TEST(ValuePosition, PercentPosition) {
    struct Case {
        int kind;
        std::uint16_t raw;
        int percent;
    };
    const Case cases[] = {
        {15, 0, 0},     // -120 dB
        {15, 1200, 80}, // 0 dB is detent 48 of 60
        {15, 0x8000 | 1200, 80},
        {15, 1300, 100},
        {16, 1200, 100},
        {16, 1300, 100}, // beyond the send table's top
        {22, 500, 50},
        {23, 100, 13}, // Q 1.0 is detent 9 of 66
        {19, 0x8000 | 196, 0},
        {10, 0x8000 | 800, 0},
        {3, 30, 50}, // by step index over 0..60
        {8, 8, 60},  // step index 3 of 0..5
        {2, 150, 75},
        {5, 40, 50},
        {1, 1, 100},
        {14, 1300, 50},
        {28, 32768, 50}, // no record: kind 0's range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " raw " << c.raw);
        EXPECT_EQ(percentPosition(c.kind, c.raw), c.percent);
    }
}

TEST(ValuePosition, RawOfPosition) {
    struct Case {
        int kind;
        double position;
        std::uint16_t raw;
    };
    const Case cases[] = {
        {15, 0.0, 0},
        {15, 0.5, 1067}, // detent 30, -13.3 dB
        {15, 0.8, 1200},
        {15, 1.0, 1300},
        {15, -1.0, 0},
        {15, 2.0, 1300},
        {15, std::numeric_limits<double>::quiet_NaN(), 0},
        {16, 1.0, 1200},
        {19, 0.0, 0x8000 | 196},
        {21, 0.0, 0x8000 | 197},
        {20, 1.0, 20600},
        {22, 0.5, 500},
        {10, 0.0, 0x8000 | 800},
        {12, 1.0, 6000},
        {3, 0.5, 0}, // has detents but positions by step index
        {0, 0.5, 0},
        {28, 1.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " position " << c.position);
        EXPECT_EQ(rawOfPosition(c.kind, c.position), c.raw);
    }
}

} // namespace
} // namespace v32
