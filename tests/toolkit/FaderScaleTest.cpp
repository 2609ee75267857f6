#include "ui/toolkit/widgets/FaderScale.h"

#include "app/values/DetentTables.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

TEST(FaderScale, PlacesLevelsOnTheMainAndSendTables) {
    struct Case {
        FaderScale::Mode mode;
        double decibels;
        double position;
    };
    const Case cases[] = {
        {FaderScale::Mode::Main, -120.0, 0.0},      {FaderScale::Mode::Main, -130.0, 0.0},
        {FaderScale::Mode::Main, 0.0, 800.0},       {FaderScale::Mode::Main, 10.0, 1000.0},
        {FaderScale::Mode::Main, 12.0, 1000.0},     {FaderScale::Mode::Main, -50.0, 7000.0 / 60},
        {FaderScale::Mode::Main, -115.0, 25.0 / 3}, {FaderScale::Mode::Send, 0.0, 1000.0},
        {FaderScale::Mode::Send, -120.0, 0.0},      {FaderScale::Mode::Send, -10.0, 32000.0 / 48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decibels);
        FaderScale scale;
        if (c.mode == FaderScale::Mode::Send) {
            scale.useSendTable();
        }
        EXPECT_DOUBLE_EQ(scale.positionOf(c.decibels), c.position);
    }
}

TEST(FaderScale, ValueOfAPositionUndoesThePositionOfEveryPoint) {
    FaderScale scale;
    for (double point : detentTable(15)) {
        SCOPED_TRACE(point);
        EXPECT_NEAR(scale.valueAt(scale.positionOf(point)), point, 1e-9);
    }
    EXPECT_DOUBLE_EQ(scale.valueAt(-50.0), -120.0);
    EXPECT_DOUBLE_EQ(scale.valueAt(1500.0), 10.0);
    scale.useSendTable();
    EXPECT_DOUBLE_EQ(scale.valueAt(1000.0), 0.0);
}

TEST(FaderScale, OnlyTheLevelTablesHaveTicks) {
    FaderScale scale;
    ASSERT_EQ(scale.ticks().size(), 10u);
    EXPECT_DOUBLE_EQ(scale.ticks().front().decibels, -120.0);
    EXPECT_DOUBLE_EQ(scale.ticks().front().position, 0.0);
    EXPECT_DOUBLE_EQ(scale.ticks()[7].decibels, 0.0);
    EXPECT_DOUBLE_EQ(scale.ticks()[7].position, 800.0);

    scale.useSendTable();
    ASSERT_EQ(scale.ticks().size(), 8u);
    EXPECT_DOUBLE_EQ(scale.ticks().back().position, 1000.0);

    const std::vector<double> own = {0.0, 1.0, 4.0};
    ASSERT_TRUE(scale.useTable(own));
    EXPECT_EQ(scale.mode(), FaderScale::Mode::Table);
    EXPECT_TRUE(scale.ticks().empty());
    EXPECT_DOUBLE_EQ(scale.positionOf(2.5), 750.0);

    ASSERT_TRUE(scale.useLinearRange(0, 10));
    EXPECT_TRUE(scale.ticks().empty());
}

TEST(FaderScale, RecognisesTheLevelTablesWhenGivenAsPoints) {
    FaderScale scale;
    ASSERT_TRUE(scale.useTable(detentTable(16)));
    EXPECT_EQ(scale.mode(), FaderScale::Mode::Send);
    ASSERT_TRUE(scale.useTable(detentTable(15)));
    EXPECT_EQ(scale.mode(), FaderScale::Mode::Main);

    const std::vector<double> single = {1.0};
    EXPECT_FALSE(scale.useTable(single));
    EXPECT_EQ(scale.mode(), FaderScale::Mode::Main);
}

TEST(FaderScale, LinearRangeMapsIntegersAndRefusesAnEmptyRange) {
    FaderScale scale;
    EXPECT_FALSE(scale.useLinearRange(5, 5));
    EXPECT_FALSE(scale.useLinearRange(6, 5));
    EXPECT_EQ(scale.mode(), FaderScale::Mode::Main);

    ASSERT_TRUE(scale.useLinearRange(-10, 30));
    EXPECT_DOUBLE_EQ(scale.positionOf(10.0), 500.0);
    EXPECT_DOUBLE_EQ(scale.fit(45.0), 30.0);
    EXPECT_DOUBLE_EQ(scale.fit(-11.0), -10.0);
    EXPECT_DOUBLE_EQ(scale.valueAt(1000.0), 30.0);
    EXPECT_DOUBLE_EQ(scale.valueAt(0.0), -10.0);
    EXPECT_DOUBLE_EQ(scale.valueAt(510.0), 10.0);
}

} // namespace
} // namespace v32
