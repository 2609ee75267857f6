#include "app/model/ControlPanelHooks.h"
#include "app/model/PanelEntryMap.h"
#include "tests/model/ModelBench.h"

#include <string>

namespace v32::test {
namespace {

const ParamId kInput3Fader = paramId(KindInput, 3, kNumberFader);
const ParamId kInput3Pan = paramId(KindInput, 3, 11);

// Input faders 0..13 sit on panel faders 0..13.
class InputFaderMap : public PanelEntryMap {
public:
    int panelEntryOf(ParamId id) const override {
        return channelKindOf(id) == KindInput && channelIndexOf(id) < 14 ? channelIndexOf(id) : -1;
    }
};

class CountingPanelHooks : public ControlPanelHooks {
public:
    void updatePanelLights() override { ++lightUpdates; }
    void refreshPanelLights() override { ++lightRefreshes; }
    void pushFadersToPanel() override { ++faderPushes; }
    int lightUpdates = 0;
    int lightRefreshes = 0;
    int faderPushes = 0;
};

class PanelAndFinishTest : public ModelBench {
protected:
    void SetUp() override {
        model.setPanelEntryMap(&map);
        model.setControlPanelHooks(&hooks);
    }

    // One dispatch pass as far as this model is concerned: the device answers the last
    // queries, identifier 5862 arriving marks the end of a read, then the read-finished
    // step and the request sender run.
    void dispatchPass() {
        const std::vector<SentFrame>& frames = sink.frames();
        for (; answered < frames.size(); ++answered) {
            if (frames[answered].code != MSG_PARAM_QUERY) {
                continue;
            }
            for (const ParamId id : frames[answered].ids()) {
                model.storeReported(id, model.value(id));
                if (id == kLastParam) {
                    model.status().set(StatusBytes::kFullReadDone, 1);
                }
            }
        }
        readFinished.run();
        requests.run();
    }

    int countOf(const std::string& text, const std::string& part) const {
        int count = 0;
        for (std::size_t at = text.find(part); at != std::string::npos;
             at = text.find(part, at + part.size())) {
            ++count;
        }
        return count;
    }

    void clearSink() {
        sink.clear();
        answered = 0;
    }

    InputFaderMap map;
    CountingPanelHooks hooks;
    std::size_t answered = 0;
};

TEST_F(PanelAndFinishTest, PacedSendersRunInTheirOrderOneFrameEach) {
    switches.take_over_panel = true;
    model.setValue(kInput3Fader, 0xC123);
    model.callScene(2);
    model.saveScene(3);
    model.requestSceneNames();
    model.setSceneName(4, "A");
    model.requestChannelNames();
    model.setChannelName(5, "B");
    pacedTick();
    EXPECT_EQ(sink.codes(),
              (std::vector<std::uint8_t>{MSG_PARAM_SET, MSG_PANEL_SET, MSG_SCENE_CALL,
                                         MSG_SCENE_SAVE, MSG_SCENE_NAME_GET, MSG_SCENE_NAME_SET,
                                         MSG_NAME_GET, MSG_NAME_SET}));
    const std::vector<SentFrame> panel = sink.framesWith(MSG_PANEL_SET);
    ASSERT_EQ(panel.size(), 1U);
    EXPECT_EQ(panel[0].pairs(), (std::vector<ParamPair>{{104 + 3, 0x0123}}));
}

TEST_F(PanelAndFinishTest, PanelPositionsLeaveOnlyForALocalDeviceOrATakenOverPanel) {
    struct Case {
        bool localDevice;
        bool takeOver;
        bool sent;
    };
    const Case cases[] = {{false, false, false}, {true, false, true}, {false, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "local " << c.localDevice << " take over " << c.takeOver);
        conditions.localDevice = c.localDevice;
        switches.take_over_panel = c.takeOver;
        sink.clear();
        model.panel().storeAndSend(3, 0x0123);
        pacedTick();
        EXPECT_EQ(sink.framesWith(MSG_PANEL_SET).size(), c.sent ? 1U : 0U);
    }
}

TEST_F(PanelAndFinishTest, FaderLevelsAreMirroredOnlyWhileThePanelIsTakenOver) {
    struct Case {
        bool takeOver;
        ParamId id;
        bool mirrored;
    };
    const Case cases[] = {
        {false, kInput3Fader, false},
        {true, kInput3Fader, true},
        {true, kInput3Pan, false},
        {true, paramId(KindInput, 20, kNumberFader), false},
    };
    for (const Case& c : cases) {
        model.panel().pending().clearAll();
        switches.take_over_panel = c.takeOver;
        model.setValue(c.id, 0xFFFF);
        EXPECT_EQ(model.panel().pending().isEmpty(), !c.mirrored) << c.id;
    }
    EXPECT_EQ(model.panel().position(3), 0x3FFF);
}

TEST_F(PanelAndFinishTest, PanelConfirmationAndPanelMovesStopTheRepeats) {
    switches.take_over_panel = true;
    model.setValue(kInput3Fader, 500);
    model.panel().acknowledge(3, 499);
    EXPECT_TRUE(model.panel().pending().isPending(3));
    model.panel().acknowledge(3, 500);
    EXPECT_FALSE(model.panel().pending().isPending(3));

    model.setValue(kInput3Fader, 600);
    model.forgetPanelMirror(kInput3Fader);
    EXPECT_FALSE(model.panel().pending().isPending(3));
}

TEST_F(PanelAndFinishTest, RefreshTimerIsArmedOnlyForChannelsWhenAPanelIsDriven) {
    struct Case {
        ParamId id;
        bool localDevice;
        bool takeOver;
        bool armed;
    };
    const Case cases[] = {
        {kInput3Pan, false, false, false},
        {kInput3Pan, true, false, true},
        {kInput3Pan, false, true, true},
        {paramId(KindEffect, 1, kNumberOn), true, false, true},
        {paramId(KindBus, 16, kNumberFader), true, false, true},
        {paramId(KindDca, 7, kNumberFader), true, false, true},
        {paramId(KindMuteGroup, 0, 245), true, true, false},
        {paramId(KindPhantomGroup, 0, 249), true, true, false},
        {5213, true, true, false},
    };
    for (const Case& c : cases) {
        conditions.localDevice = c.localDevice;
        switches.take_over_panel = c.takeOver;
        model.storeWithoutSending(c.id, 1);
        EXPECT_EQ(model.isRefreshScheduled(), c.armed) << c.id;
        clock.advance(PanelRefreshTimer::kDelayMs);
        timers.process();
        EXPECT_FALSE(model.isRefreshScheduled());
    }
}

TEST_F(PanelAndFinishTest, BurstOfChangesRefreshesTheLightsOnce50MsAfterTheFirst) {
    conditions.localDevice = true;
    model.setValue(kInput3Fader, 1);
    clock.advance(30);
    model.storeReported(kInput3Pan, 2);
    model.write(ParamWrite::control(kInput3Fader, 3));
    EXPECT_EQ(timers.count(), 1U);
    timers.process();
    EXPECT_EQ(hooks.lightUpdates, 0);
    clock.advance(20);
    timers.process();
    EXPECT_EQ(hooks.lightUpdates, 1);
    EXPECT_EQ(timers.count(), 0U);
    clock.advance(100);
    timers.process();
    EXPECT_EQ(hooks.lightUpdates, 1);
}

TEST_F(PanelAndFinishTest, ReadFinishedStepRunsOncePerCompletedRead) {
    for (int read = 1; read <= 2; ++read) {
        SCOPED_TRACE(read);
        model.fullRead();
        for (int pass = 0; pass < 200; ++pass) {
            dispatchPass();
        }
        // Later reads of a few parameters do not finish the read again.
        model.requestRange(5201, 5214);
        for (int pass = 0; pass < 5; ++pass) {
            dispatchPass();
        }
        EXPECT_EQ(countOf(log.text(), "read finished!"), read);
        EXPECT_EQ(hooks.lightRefreshes, read);
        EXPECT_EQ(hooks.faderPushes, read);
        const std::vector<SentFrame> texts = sink.framesWith(MSG_TEXT_QUERY);
        ASSERT_EQ(texts.size(), 2U);
        EXPECT_EQ(texts[0].text(), "DEVNAME=");
        EXPECT_EQ(texts[1].text(), "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=\n");
        EXPECT_TRUE(model.isReadFinishedLatched());
        for (std::size_t slot = 0; slot < 64; ++slot) {
            EXPECT_TRUE(model.channelNames().requests().isPending(slot));
        }
        clearSink();
        model.channelNames().requests().clearAll();
    }
}

TEST_F(PanelAndFinishTest, ReadsThatEndWithoutTheLastIdentifierClearTheLatch) {
    model.setReadFinishedLatched(true);
    model.requestRange(5201, 5214);
    for (int pass = 0; pass < 5; ++pass) {
        dispatchPass();
    }
    EXPECT_FALSE(model.isReadFinishedLatched());
    EXPECT_EQ(log.text(), "");
    EXPECT_TRUE(sink.framesWith(MSG_TEXT_QUERY).empty());
}

} // namespace
} // namespace v32::test
