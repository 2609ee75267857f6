#include "ui/pages/home/MeterBridge.h"

#include "HomeRig.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {
namespace {

constexpr std::uint16_t kSilence = 0x8080;

class MeterBridgeTest : public HomeRig {
protected:
    MeterBridgeTest() { buildRoot(); }

    // The even channel's level in the high byte.
    void storeMeters(ParamId word, std::int8_t even, std::int8_t odd) {
        model.storeWithoutSending(word,
                                  static_cast<std::uint16_t>(static_cast<std::uint8_t>(even) << 8 |
                                                             static_cast<std::uint8_t>(odd)));
    }
};

TEST_F(MeterBridgeTest, EveryChannelHasABarUnderItsShortNameOnTwoStaggeredRows) {
    MeterBridge bridge(screens);
    const std::pair<int, const char*> names[] = {
        {0, "1"},   {27, "28"},  {28, "29/30"}, {30, "DIGI"}, {31, "FX1"},
        {35, "A1"}, {48, "A14"}, {49, "L"},     {50, "R"},
    };
    for (const auto& [bar, name] : names) {
        EXPECT_EQ(bridge.label(bar).text(), QString::fromLatin1(name)) << bar;
    }
    bridge.resize(1272, MeterBridge::kHeight);
    bridge.show();
    EXPECT_NE(bridge.label(0).y(), bridge.label(1).y());
    EXPECT_EQ(bridge.label(0).y(), bridge.label(2).y());
}

TEST_F(MeterBridgeTest, BarsRiseAtOnceFallSlowlyAndHoldWhileTheLinkIsDown) {
    MeterBridge bridge(screens);
    storeMeters(2, 0, -10);      // CH1 0 dB, CH2 -10 dB
    storeMeters(2 + 14, -20, 4); // CH29/30 shows its louder half
    root->showOnlineState(true);
    bridge.refresh();
    EXPECT_EQ(bridge.bar(0).value(), 70);
    EXPECT_EQ(bridge.bar(1).value(), 30);
    EXPECT_EQ(bridge.bar(28).value(), 90);

    model.storeWithoutSending(2, kSilence);
    root->showOnlineState(false);
    bridge.refresh();
    EXPECT_EQ(bridge.bar(0).value(), 70);
    EXPECT_EQ(bridge.bar(1).value(), 30);

    root->showOnlineState(true);
    bridge.refresh();
    EXPECT_EQ(bridge.bar(0).value(), 60);
    EXPECT_EQ(bridge.bar(1).value(), 20);
}

TEST_F(MeterBridgeTest, WhileOnlineTheMetersAreAskedForAgainUnlessTheAnalyserIsOff) {
    struct Case {
        const char* what;
        bool online;
        bool analyserOff;
        bool asked;
    };
    const Case cases[] = {
        {"online", true, false, true},
        {"offline", false, false, false},
        {"online, analyser switched off", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        switches.disable_spectrum = c.analyserOff;
        root->showOnlineState(c.online);
        model.dropAllPending();
        MeterBridge bridge(screens);
        bridge.refresh();
        for (const ParamId id : {2, 18, 2854, 2862, 2864, 2867}) {
            EXPECT_EQ(model.store().requestSet().isPending(id), c.asked) << id;
        }
    }
}

} // namespace
} // namespace v32
