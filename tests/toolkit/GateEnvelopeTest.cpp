#include "ui/toolkit/graphs/GateEnvelope.h"

#include <cmath>
#include <gtest/gtest.h>

namespace v32 {
namespace {

// 250 pixels for 5000 time units, 200 pixels for 80 dB.
EqPlotLayout plot() {
    EqPlotLayout layout;
    layout.x = 40;
    layout.y = 8;
    layout.width = 250;
    layout.height = 200;
    return layout;
}

int xOf(double time) {
    return 40 + static_cast<int>(std::lround(time / 20));
}

int yOf(double level) {
    return 208 - static_cast<int>(std::lround((level + 80) * 2.5));
}

class GateEnvelopeTest : public testing::Test {
protected:
    GateEnvelopeTest() { envelope.setPlot(plot()); }

    void drag(GateEnvelope::Corner corner, int x, int y) {
        const GateEnvelope::Point at = envelope.point(static_cast<int>(corner));
        ASSERT_EQ(envelope.press(at.x, at.y, 14), corner);
        envelope.dragTo(x, y);
        envelope.release();
    }

    GateEnvelope envelope;
};

TEST_F(GateEnvelopeTest, DefaultsRiseForTheAttackHoldAndFall) {
    EXPECT_EQ(envelope.threshold(), -40.0);
    EXPECT_EQ(envelope.attack(), 80);
    EXPECT_EQ(envelope.hold(), 1000);
    EXPECT_EQ(envelope.decay(), 1500);
    EXPECT_EQ(envelope.point(0), (GateEnvelope::Point{40, 208}));
    EXPECT_EQ(envelope.point(1), (GateEnvelope::Point{xOf(800), yOf(-40)}));
    EXPECT_EQ(envelope.point(2), (GateEnvelope::Point{xOf(1800), yOf(-40)}));
    EXPECT_EQ(envelope.point(3), (GateEnvelope::Point{xOf(3300), 208}));
}

TEST_F(GateEnvelopeTest, DefaultGridsCoverFiveThousandUnitsAndEightyDecibels) {
    ASSERT_EQ(envelope.timeGrid().size(), 9U);
    EXPECT_EQ(envelope.timeGrid()[1].value, 625.0);
    EXPECT_EQ(envelope.timeGrid()[3].value, 1875.0);
    EXPECT_TRUE(envelope.timeGrid()[3].label.empty());
    EXPECT_EQ(envelope.timeGrid().back().position, 290);
    ASSERT_EQ(envelope.levelGrid().size(), 9U);
    EXPECT_EQ(envelope.levelGrid().front().label, "-80");
    EXPECT_EQ(envelope.levelGrid().back().label, "0");
    EXPECT_EQ(envelope.levelGrid().back().position, 8);
}

TEST_F(GateEnvelopeTest, DraggingTheAttackEndSetsAttackAndThreshold) {
    drag(GateEnvelope::Corner::AttackEnd, xOf(1000), yOf(-20));
    EXPECT_EQ(envelope.attack(), 100);
    EXPECT_DOUBLE_EQ(envelope.threshold(), -20.0);
    EXPECT_EQ(envelope.point(2).x, xOf(2000));
    EXPECT_EQ(envelope.hold(), 1000);
}

TEST_F(GateEnvelopeTest, DragsAreClampedToThePlot) {
    drag(GateEnvelope::Corner::AttackEnd, 1000, -100);
    EXPECT_EQ(envelope.attack(), 498);
    EXPECT_DOUBLE_EQ(envelope.threshold(), 0.0);
    drag(GateEnvelope::Corner::AttackEnd, -100, 1000);
    EXPECT_EQ(envelope.attack(), 0);
    EXPECT_DOUBLE_EQ(envelope.threshold(), -80.0);
}

TEST_F(GateEnvelopeTest, HoldAndDecayNeverDragBelowTwo) {
    drag(GateEnvelope::Corner::HoldEnd, envelope.point(1).x - 30, yOf(-30));
    EXPECT_EQ(envelope.hold(), 2);
    EXPECT_DOUBLE_EQ(envelope.threshold(), -30.0);
    drag(GateEnvelope::Corner::DecayEnd, 0, 0);
    EXPECT_EQ(envelope.decay(), 2);
    EXPECT_EQ(envelope.point(3).y, 208);
}

TEST_F(GateEnvelopeTest, DecayIsMeasuredFromTheEndOfTheHold) {
    drag(GateEnvelope::Corner::DecayEnd, envelope.point(2).x + 50, 0);
    EXPECT_EQ(envelope.decay(), 1000);
    EXPECT_EQ(envelope.attack(), 80);
    EXPECT_EQ(envelope.hold(), 1000);
}

TEST_F(GateEnvelopeTest, PressesPickTheCornersInOrder) {
    envelope.setHold(0);
    EXPECT_EQ(envelope.press(envelope.point(1).x, envelope.point(1).y, 14),
              GateEnvelope::Corner::AttackEnd);
    EXPECT_EQ(envelope.press(envelope.point(3).x + 6, envelope.point(3).y - 7, 14),
              GateEnvelope::Corner::DecayEnd);
    EXPECT_EQ(envelope.press(envelope.point(3).x + 8, envelope.point(3).y, 14),
              GateEnvelope::Corner::None);
    EXPECT_FALSE(envelope.dragTo(100, 100));
}

TEST_F(GateEnvelopeTest, TimesAreReadRounded) {
    envelope.setAttack(80.6);
    envelope.setHold(999.4);
    envelope.setDecay(1500.5);
    EXPECT_EQ(envelope.attack(), 81);
    EXPECT_EQ(envelope.hold(), 999);
    EXPECT_EQ(envelope.decay(), 1501);
}

} // namespace
} // namespace v32
