#include "ui/pages/home/MeterReading.h"

#include "app/protocol/FixedParams.h"
#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

class StoredValues : public test::StoredValues {
public:
    void setMeters(ParamId word, std::int8_t even, std::int8_t odd) {
        set(word, static_cast<std::uint16_t>(static_cast<std::uint8_t>(even) << 8 |
                                             static_cast<std::uint8_t>(odd)));
    }
};

using meters::channelMeters;
using meters::MeterPair;

void expectMeters(const MeterPair& shown, int left, int right) {
    EXPECT_EQ(shown.left, left);
    EXPECT_EQ(shown.right, right);
}

TEST(MeterReadingTest, EachChannelReadsItsOwnByteAndAStereoInputItsRightHalf) {
    StoredValues values;
    values.setMeters(2 + 3, -6, -20);  // inputs 6 and 7
    values.setMeters(2 + 14, -3, -9);  // CH29/30: inputs 28 and 29
    values.setMeters(2864 + 2, 4, -1); // FX3
    expectMeters(channelMeters(values, {KindInput, 6}), -6, -6);
    expectMeters(channelMeters(values, {KindInput, 7}), -20, -20);
    expectMeters(channelMeters(values, {KindInput, 28}), -3, -9);
    expectMeters(channelMeters(values, {KindEffect, 2}), 4, -1);
}

TEST(MeterReadingTest, BusesAreShownAfterTheirFader) {
    struct Case {
        const char* what;
        std::uint16_t fader;
        int shown;
    };
    const Case cases[] = {
        {"0 dB", 1200, -10},     {"-6.5 dB loses whole dB only", 1135, -16},
        {"+10 dB", 1300, 0},     {"flags above the level are not part of it", 0xC000 | 1150, -15},
        {"fader down", 0, -120},
    };
    StoredValues values;
    values.setMeters(2854 + 2, -128, -10); // AUX6 is the odd bus of the third word
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        values.set(paramId(KindBus, 5, kNumberFader), c.fader);
        expectMeters(channelMeters(values, {KindBus, 5}), c.shown, c.shown);
    }
}

TEST(MeterReadingTest, TheMainFadersAreScaledByTheirPercentageFirst) {
    struct Case {
        const char* what;
        std::uint16_t fader;
        int percent;
        std::uint16_t scaled;
    };
    const Case cases[] = {
        {"100 % leaves the fader", 1150, 100, 1150},
        {"50 % takes 6 dB, rounded to 0.1 dB", 1200, 50, 1140},
        {"10 % takes 20 dB", 1100, 10, 900},
        {"at most +10 dB", 1300, 200, 1300},
        {"0 % is silence", 1200, 0, 0},
        {"a fader down stays down", 0, 100, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(meters::scaledMainFader(c.fader, c.percent), c.scaled) << c.what;
    }

    StoredValues values;
    values.setMeters(2862, -4, -4);
    values.set(FixedParam::kMainOutputScaling, 50 | (10 << 8)); // MAIN L 50 %, MAIN R 10 %
    values.set(paramId(KindBus, 16, kNumberFader), 1200);
    values.set(paramId(KindBus, 17, kNumberFader), 1200);
    expectMeters(channelMeters(values, {KindBus, 16}), -10, -10);
    expectMeters(channelMeters(values, {KindBus, 17}), -24, -24);
}

TEST(MeterReadingTest, BridgeBarsCountSegmentsRiseAtOnceAndFallSlowlyOnlyWhileOnline) {
    EXPECT_EQ(meters::bridgeValue(-128), 0);
    EXPECT_EQ(meters::bridgeValue(0), 70);
    EXPECT_EQ(meters::bridgeValue(14), 120);
    struct Case {
        const char* what;
        int shown;
        int target;
        bool online;
        int next;
    };
    const Case cases[] = {
        {"rises at once", 10, 120, true, 120},
        {"falls by at most 10", 120, 0, true, 110},
        {"falls by less", 80, 75, true, 75},
        {"keeps its height while offline", 120, 0, false, 120},
        {"does not rise while offline either", 0, 120, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(meters::nextBridgeValue(c.shown, c.target, c.online), c.next) << c.what;
    }
}

} // namespace
} // namespace v32
