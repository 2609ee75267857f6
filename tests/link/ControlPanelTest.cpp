#include "app/link/ControlPanel.h"

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/link/KeyLightSender.h"
#include "app/link/KeyLightWords.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "app/model/ReadFinishedStep.h"
#include "app/protocol/Frame.h"
#include "app/protocol/FrameSink.h"
#include "app/protocol/MessageSender.h"
#include "app/protocol/PairList.h"
#include "tests/link/CapturedOutput.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

constexpr std::uint16_t kPressed = 0x4000;
constexpr std::uint32_t kLightDelayMs = 50;

// Keeps the pairs of every panel-set frame handed to it, one list per frame.
class PanelFrameRecorder : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t> frame) override {
        EXPECT_EQ(checkFrame(frame).status, FrameStatus::Ok);
        if (frame.size() > 2 && frame[2] == MSG_PANEL_SET) {
            const PairListView pairs(framePayload(frame));
            m_frames.emplace_back(pairs.begin(), pairs.end());
        }
        return true;
    }

    const std::vector<std::vector<ParamPair>>& frames() const { return m_frames; }
    void clear() { m_frames.clear(); }

private:
    std::vector<std::vector<ParamPair>> m_frames;
};

// Whether light b is on in the light words of a frame; false when the frame leaves its word
// out.
bool isLitIn(const std::vector<ParamPair>& frame, int light) {
    const auto id = static_cast<ParamId>(157 + light / 16);
    for (const ParamPair& pair : frame) {
        if (pair.id == id) {
            return (pair.value & (1U << (light % 16))) != 0;
        }
    }
    return false;
}

class ControlPanelTest : public ::testing::Test {
protected:
    ControlPanelTest() {
        conditions.localDevice = true;
        model.setControlPanelHooks(&panel);
        model.setPanelEntryMap(&panel.stripMap());
    }

    void advance(std::uint32_t ms) {
        for (std::uint32_t i = 0; i < ms; ++i) {
            clock.advance(1);
            timers.process();
        }
    }

    // Lets every pending light recompute and light frame go out.
    void settle() { advance(4 * kLightDelayMs); }

    void takeOverAfterRead() {
        switches.take_over_panel = true;
        model.status().set(StatusBytes::kFullReadDone, 1);
    }

    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock;
    TimerQueue timers{clock};
    ParamModel model{defaults, switches, conditions, timers};
    PanelFrameRecorder sink;
    ControlPanel panel{model, conditions, timers, sink};
};

struct KeyLight {
    int keyCode;
    int light;
};

TEST_F(ControlPanelTest, HeldKeysLightTheirOwnLight) {
    const KeyLight keys[] = {{60, 120}, {61, 121}, {64, 124}, {67, 1}, {68, 2}};
    for (const KeyLight& key : keys) {
        SCOPED_TRACE(testing::Message() << "key " << key.keyCode);
        panel.panelKey(static_cast<std::uint16_t>(key.keyCode | kPressed));
        EXPECT_TRUE(panel.isLightOn(key.light));
        panel.panelKey(static_cast<std::uint16_t>(key.keyCode));
        EXPECT_FALSE(panel.isLightOn(key.light));
    }
}

TEST_F(ControlPanelTest, OtherKeysLightNothing) {
    // 62 has no light; 60 + 0x1000 is key code 4156, not 60.
    for (const std::uint16_t event :
         {std::uint16_t{62 | kPressed}, std::uint16_t{0x1000 | 60 | kPressed}}) {
        panel.panelKey(event);
    }
    for (int light = 0; light <= 125; ++light) {
        EXPECT_FALSE(panel.isLightOn(light)) << "light " << light;
    }
    settle();
    EXPECT_TRUE(sink.frames().empty());
}

TEST_F(ControlPanelTest, KeyLightWordGoesOutOnce50msAfterThePress) {
    panel.panelKey(60 | kPressed);
    advance(kLightDelayMs - 1);
    EXPECT_TRUE(sink.frames().empty());
    advance(1);
    // Light 120 is bit 8 of word 7, identifier 164.
    const std::vector<std::vector<ParamPair>> expected{{{164, 0x0100}}};
    EXPECT_EQ(sink.frames(), expected);
    settle();
    EXPECT_EQ(sink.frames(), expected);
}

TEST_F(ControlPanelTest, PressAndReleaseWithinTheDelaySendTheReleasedWordOnce) {
    panel.panelKey(60 | kPressed);
    advance(10);
    panel.panelKey(60);
    settle();
    const std::vector<std::vector<ParamPair>> expected{{{164, 0x0000}}};
    EXPECT_EQ(sink.frames(), expected);
}

TEST_F(ControlPanelTest, KeysLightNothingWhileLockedOrWhileASceneKeyIsHandled) {
    struct Blocker {
        const char* name;
        bool locked;
        bool sceneKeyTimer;
    };
    const Blocker blockers[] = {{"lock screen", true, false}, {"scene key", false, true}};
    for (const Blocker& blocker : blockers) {
        SCOPED_TRACE(blocker.name);
        conditions.uiLocked = blocker.locked;
        panel.setSceneKeyTimerRunning(blocker.sceneKeyTimer);
        panel.panelKey(60 | kPressed);
        EXPECT_FALSE(panel.isLightOn(120));
        settle();
        EXPECT_TRUE(sink.frames().empty());
    }
}

TEST(KeyLightSenderTest, AFrameCarries62WordsAndTheRestWaitForTheirNextChange) {
    ManualClock clock;
    TimerQueue timers{clock};
    PanelFrameRecorder sink;
    ModelConditions conditions;
    conditions.localDevice = true;
    const DebugSwitches switches;
    KeyLightWords words;
    KeyLightSender sender{words, timers, sink, conditions, switches};

    for (int word = 0; word < 70; ++word) {
        words.set(word * 16, true);
    }
    sender.schedule();
    clock.advance(kLightDelayMs);
    timers.process();
    ASSERT_EQ(sink.frames().size(), 1U);
    const std::vector<ParamPair>& frame = sink.frames()[0];
    ASSERT_EQ(frame.size(), 62U);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        EXPECT_EQ(frame[i], (ParamPair{static_cast<ParamId>(157 + i), 0x0001}));
    }

    sink.clear();
    clock.advance(10 * kLightDelayMs);
    timers.process();
    EXPECT_TRUE(sink.frames().empty());

    // Word 65 still holds the light that never went out.
    words.set(65 * 16 + 1, true);
    sender.schedule();
    clock.advance(kLightDelayMs);
    timers.process();
    const std::vector<std::vector<ParamPair>> expected{{{157 + 65, 0x0003}}};
    EXPECT_EQ(sink.frames(), expected);
}

TEST_F(ControlPanelTest, LightsGoOutOnlyBesideALocalDeviceOrWhenThePanelIsTakenOver) {
    struct Case {
        bool localDevice;
        bool takeOver;
        std::size_t frames;
    };
    const Case cases[] = {{false, false, 0}, {true, false, 1}, {false, true, 1}, {true, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "local " << c.localDevice << " take over " << c.takeOver);
        sink.clear();
        conditions.localDevice = c.localDevice;
        switches.take_over_panel = c.takeOver;
        panel.refreshPanelLights();
        panel.panelKey(60 | kPressed);
        panel.setLight(93, true);
        settle();
        EXPECT_EQ(sink.frames().size(), c.frames);
    }
}

TEST_F(ControlPanelTest, FullRefreshSendsEveryLightWordWithThePanelState) {
    panel.panelKey(60 | kPressed);
    panel.setCurrentPage(PanelPage::FaderPage);
    panel.setMediaPlaying(true);
    conditions.uiLocked = true;
    model.storeWithoutSending(4979, 3);
    settle();
    sink.clear();

    panel.refreshPanelLights();
    settle();
    ASSERT_EQ(sink.frames().size(), 1U);
    const std::vector<ParamPair>& frame = sink.frames()[0];
    ASSERT_EQ(frame.size(), 8U);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        EXPECT_EQ(frame[i].id, 157 + i);
    }
    struct Light {
        int light;
        bool on;
    };
    const Light lights[] = {
        {3, true},    {0, false},  {4, false},  {5, false},  // the fader page's key
        {8, true},    {21, true},  {123, true},              // always on; locked
        {6, true},                                           // media playing
        {90, true},   {88, false}, {89, false}, {91, false}, // scene 3
        {120, false},                                        // a refresh forgets held keys
        {10, true},   {11, false},                           // bank 0
    };
    for (const Light& light : lights) {
        EXPECT_EQ(isLitIn(frame, light.light), light.on) << "light " << light.light;
    }
}

TEST_F(ControlPanelTest, StripKeysShowMuteAndSoloOfTheCurrentBanksChannels) {
    struct Case {
        const char* name;
        ParamId id;
        std::uint16_t value;
        int light;
        bool on;
    };
    const ParamId input16On = paramId(KindInput, 16, kNumberOn);
    const ParamId input16Solo = paramId(KindInput, 16, kNumberSolo);
    const Case cases[] = {
        {"strip 2 off", input16On, 0, 24 + 2, true},
        {"strip 2 on", input16On, 1, 24 + 2, false},
        {"input 2 is not shown", paramId(KindInput, 2, kNumberOn), 0, 24 + 2, false},
        {"strip 2 monitored", input16Solo, 1200, 40 + 2, true},
        {"strip 2 monitor held off", input16Solo, 0x4000 | 1200, 40 + 2, false},
        {"MAIN L off", paramId(KindBus, 16, kNumberOn), 0, 24 + 14, true},
        {"MAIN R monitored", 4756, 1200, 40 + 15, true},
        {"MAIN R's first send", 4755, 1200, 40 + 15, false},
    };
    panel.setCurrentBank(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::uint16_t before = model.value(c.id);
        model.storeWithoutSending(c.id, c.value);
        panel.refreshPanelLights();
        EXPECT_EQ(panel.isLightOn(c.light), c.on);
        model.storeWithoutSending(c.id, before);
    }
}

TEST_F(ControlPanelTest, AValueChangeSendsOnlyTheWordsItChanges) {
    panel.refreshPanelLights();
    settle();
    panel.panelKey(60 | kPressed);
    settle();
    sink.clear();

    // Input 3 is strip 3 of bank 0: its mute light 27 is bit 11 of word 1.
    model.setValue(paramId(KindInput, 3, kNumberOn), 0);
    settle();
    const std::vector<std::vector<ParamPair>> expected{{{158, 0x0800 | 0x0020}}};
    EXPECT_EQ(sink.frames(), expected);
    EXPECT_TRUE(panel.isLightOn(120));

    sink.clear();
    model.setValue(paramId(KindInput, 3, 11), 40);
    settle();
    EXPECT_TRUE(sink.frames().empty());
}

TEST_F(ControlPanelTest, ASceneKeyBeingHandledOwnsTheSceneLights) {
    panel.setSceneKeyTimerRunning(true);
    panel.setLight(92, true);
    model.storeWithoutSending(4979, 1);
    panel.updatePanelLights();
    EXPECT_TRUE(panel.isLightOn(92));
    EXPECT_FALSE(panel.isLightOn(88));

    panel.setSceneKeyTimerRunning(false);
    panel.updatePanelLights();
    EXPECT_FALSE(panel.isLightOn(92));
    EXPECT_TRUE(panel.isLightOn(88));
}

TEST_F(ControlPanelTest, FadersArePushedOnlyAfterACompletedReadWhileTakenOver) {
    struct Case {
        bool readDone;
        bool takeOver;
        bool pushed;
    };
    const Case cases[] = {{false, true, false}, {true, false, false}, {true, true, true}};
    model.storeWithoutSending(paramId(KindInput, 0, kNumberFader), 0xC123);
    model.storeWithoutSending(paramId(KindBus, 16, kNumberFader), 0x2ABC);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "read " << c.readDone << " take over " << c.takeOver);
        model.status().set(StatusBytes::kFullReadDone, c.readDone ? 1 : 0);
        switches.take_over_panel = c.takeOver;
        panel.pushFadersToPanel();
        for (int strip = 0; strip <= 15; ++strip) {
            EXPECT_EQ(model.panel().pending().isPending(strip), c.pushed) << "strip " << strip;
        }
        EXPECT_FALSE(model.panel().pending().isPending(16));
    }
    EXPECT_EQ(model.panel().position(0), 0x0123);
    EXPECT_EQ(model.panel().position(14), 0x2ABC);
}

TEST_F(ControlPanelTest, TheEndOfAFullReadBringsTheWholePanelUpToDate) {
    conditions.localDevice = false;
    switches.take_over_panel = true;
    panel.refreshPanelLights();
    settle();
    sink.clear();
    model.storeWithoutSending(paramId(KindInput, 5, kNumberFader), 0x0456);

    MessageSender sender{sink};
    CapturedOutput log;
    ReadFinishedStep readFinished{model, sender, log.file()};
    model.readAllParameters();
    readFinished.run();
    std::array<std::uint16_t, kParamCount> due{};
    while (model.store().requestSet().hasWork()) {
        model.store().requestSet().collectDue(due, kParamCount);
    }
    model.status().set(StatusBytes::kFullReadDone, 1);
    readFinished.run();
    settle();

    ASSERT_EQ(sink.frames().size(), 1U);
    EXPECT_EQ(sink.frames()[0].size(), 8U);
    EXPECT_TRUE(isLitIn(sink.frames()[0], 8));
    EXPECT_TRUE(model.panel().pending().isPending(5));
    EXPECT_EQ(model.panel().position(5), 0x0456);
}

TEST_F(ControlPanelTest, ANewBankMovesTheStripFadersToItsChannels) {
    takeOverAfterRead();
    model.storeWithoutSending(paramId(KindEffect, 0, kNumberFader), 0x0777);
    panel.setCurrentBank(2);
    EXPECT_EQ(panel.currentBank(), 2);
    for (int strip = 0; strip <= 15; ++strip) {
        // "ST-FX" fills strips 0..6; the MAIN strips follow at 14 and 15.
        EXPECT_EQ(model.panel().pending().isPending(strip), strip < 7 || strip >= 14)
            << "strip " << strip;
    }
    EXPECT_EQ(model.panel().position(2), 0x0777);
}

TEST_F(ControlPanelTest, OnlyFadersOfShownChannelsAreMirroredToThePanel) {
    switches.take_over_panel = true;
    panel.setCurrentBank(1);
    model.setValue(paramId(KindInput, 3, kNumberFader), 0x0300);
    EXPECT_FALSE(model.panel().pending().isPending(3));
    model.setValue(paramId(KindInput, 17, kNumberFader), 0x0311);
    EXPECT_TRUE(model.panel().pending().isPending(3));
    EXPECT_EQ(model.panel().position(3), 0x0311);
}

} // namespace
} // namespace v32
