#include "app/link/Dispatcher.h"

#include "app/core/Translation.h"
#include "app/link/PanelEvents.h"
#include "app/model/PanelEntryMap.h"
#include "app/protocol/FixedFrames.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/MessageCode.h"
#include "tests/link/DispatcherBench.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::concat;
using test::DispatcherBench;
using test::frameOf;
using test::Journal;
using test::pairFrame;
using test::sentEntry;
using test::textFrame;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ParamId kInput0Fader = 75; // input 0, parameter number 12
constexpr ParamId kPlainParam = 100;
constexpr ParamId kOtherParam = 200;

Bytes identifyReply(std::uint16_t productId, std::uint8_t modelCode) {
    return frameOf(MSG_IDENTIFY, {0x00, static_cast<std::uint8_t>(productId >> 8),
                                  static_cast<std::uint8_t>(productId & 0xFF), modelCode, 0x00, 'd',
                                  'e', 's', 'k', 0x00});
}

// A control panel whose strip 0 moves the fader of input 0 and whose other strips move
// nothing.
class FakePanel final : public PanelEvents, public PanelEntryMap {
public:
    explicit FakePanel(Journal& journal)
        : m_journal(journal) {}

    void panelKey(std::uint16_t event) override {
        m_journal.push_back("panel key " + std::to_string(event));
    }
    ParamId stripParameter(int strip) const override {
        return strip == 0 ? kInput0Fader : kInvalidParam;
    }
    void updatePanelLights() override { m_journal.push_back("panel lights updated"); }
    void refreshPanelLights() override { m_journal.push_back("panel lights refreshed"); }
    void pushFadersToPanel() override { m_journal.push_back("panel faders pushed"); }
    int panelEntryOf(ParamId id) const override { return id == kInput0Fader ? 0 : -1; }

private:
    Journal& m_journal;
};

class DispatcherTest : public ::testing::Test, public DispatcherBench {
protected:
    DispatcherTest() {
        rig.dispatcher.setPanelEvents(&panel);
        rig.model.setPanelEntryMap(&panel);
    }

    FakePanel panel{journal};
};

struct DeliveryCase {
    const char* name;
    std::vector<Bytes> reads;
    // Parameter hook calls made once each read has been dispatched.
    std::vector<std::size_t> handledAfterRead;
};

TEST_F(DispatcherTest, HandlesEveryFrameInThePassInWhichItsLastByteArrives) {
    const Bytes report = pairFrame(MSG_PARAM_QUERY, {{kPlainParam, 7}});
    const Bytes notify = pairFrame(MSG_PARAM_NOTIFY, {{kOtherParam, 9}});
    Bytes oversized(257, 0x00);
    oversized[0] = 0x80;
    oversized[1] = 0xFF;
    const std::vector<DeliveryCase> cases{
        {"two frames in one datagram", {concat({report, notify})}, {2}},
        {"a frame split over two reads",
         {Bytes(report.begin(), report.begin() + 4), Bytes(report.begin() + 4, report.end())},
         {0, 1}},
        {"garbage before a frame", {concat({{0x13, 0x80, 0x02, 0x55}, report})}, {1}},
        {"a frame behind an unfinished candidate", {concat({{0x80, 0x40, 0x06}, report})}, {1}},
        {"a frame behind one too large to hold", {concat({oversized, report})}, {1}},
    };
    for (const DeliveryCase& c : cases) {
        journal.clear();
        rig.queue.clear();
        for (std::size_t read = 0; read < c.reads.size(); ++read) {
            deliver(c.reads[read]);
            EXPECT_EQ(entries("parameter").size(), c.handledAfterRead[read])
                << c.name << ", read " << read;
        }
    }
}

TEST_F(DispatcherTest, ReportsStoreLiveDataWithoutTellingThePage) {
    deliver(pairFrame(MSG_PARAM_QUERY, {{30, 77}, {2860, 5}, {6000, 1}, {kPlainParam, 3}}));

    EXPECT_EQ(rig.model.value(30), 77);
    EXPECT_EQ(rig.model.value(2860), 5);
    EXPECT_EQ(rig.model.value(kPlainParam), 3);
    EXPECT_THAT(entries("parameter"), ElementsAre("parameter 100=3 report"));
}

TEST_F(DispatcherTest, ReportTakesTheValueEvenWhileAChangeWaitsAndEndsTheRead) {
    rig.model.setValue(kPlainParam, 5);
    rig.model.request(kOtherParam);

    deliver(pairFrame(MSG_PARAM_QUERY, {{kPlainParam, 9}, {kOtherParam, 4}}));

    EXPECT_EQ(rig.model.value(kPlainParam), 9);
    EXPECT_FALSE(rig.model.store().requestSet().isPending(kOtherParam));
    EXPECT_TRUE(rig.linkState.online);
}

TEST_F(DispatcherTest, NotifyIsEchoedByteForByteBeforeItReachesThePage) {
    const Bytes notify = pairFrame(MSG_PARAM_NOTIFY, {{kOtherParam, 9}, {kPlainParam, 1}});

    deliver(notify);

    EXPECT_THAT(journal,
                ElementsAre(sentEntry(notify), "parameter 200=9 notify", "parameter 100=1 notify"));
    EXPECT_EQ(rig.model.value(kOtherParam), 9);
}

TEST_F(DispatcherTest, SetAcknowledgementStopsOnlyTheRepeatsOfEqualValues) {
    rig.model.setValue(kPlainParam, 5);
    rig.model.setValue(kOtherParam, 6);

    deliver(pairFrame(MSG_PARAM_SET, {{kPlainParam, 5}, {kOtherParam, 7}}));

    EXPECT_FALSE(rig.model.store().sendSet().isPending(kPlainParam));
    EXPECT_TRUE(rig.model.store().sendSet().isPending(kOtherParam));
}

struct IdentifyCase {
    const char* name;
    Bytes reply;
    bool switchedOff;
};

TEST(DispatcherIdentifyTest, ForeignIdentifyReplySwitchesTheLinkOffForGood) {
    const Bytes tooShort = frameOf(MSG_IDENTIFY, {0x00, 0xE0, 0x02, 0x2F});
    const std::vector<IdentifyCase> cases{
        {"our product", identifyReply(0xE001, 0x2F), false},
        {"too short to judge", tooShort, false},
        {"foreign model code", identifyReply(0xE001, 0x30), true},
        {"foreign product id", identifyReply(0xE002, 0x2F), true},
    };
    for (const IdentifyCase& c : cases) {
        DispatcherBench bench;
        test::DispatcherRig& rig = bench.rig;
        rig.udpTarget.set(0x7F000001);
        bench.deliver(c.reply);

        EXPECT_EQ(rig.link.type() == LinkType::Disabled, c.switchedOff) << c.name;
        EXPECT_EQ(rig.udpTarget.isSet(), !c.switchedOff) << c.name;
        EXPECT_EQ(rig.switches.heartbeat, !c.switchedOff) << c.name;
        EXPECT_EQ(rig.switches.disable_reconnect, c.switchedOff) << c.name;
        EXPECT_EQ(rig.switches.disable_online_lock, c.switchedOff) << c.name;
        const Journal overlay{std::string("connection issue ") + Dispatcher::kConnectionIssueText};
        EXPECT_EQ(bench.journal, c.switchedOff ? overlay : Journal{}) << c.name;
        if (!c.switchedOff) {
            continue;
        }
        EXPECT_EQ(bench.transport.closes(), 1) << c.name;
        bench.transport.clearSent();
        rig.sender.sendIdentify();
        bench.deliver(pairFrame(MSG_PARAM_QUERY, {{kPlainParam, 1}}));
        EXPECT_THAT(bench.transport.sent(), IsEmpty()) << c.name << ": nothing leaves";
        EXPECT_EQ(rig.model.value(kPlainParam), rig.model.defaultOf(kPlainParam))
            << c.name << ": nothing arrives";
        EXPECT_FALSE(rig.link.open()) << c.name;
    }
}

struct TextCase {
    const char* text;
    Journal expected;
};

TEST_F(DispatcherTest, CommandResultsShowTheirToasts) {
    const std::vector<TextCase> cases{
        {"CMD=CHGPWD\nRESULT=OK\n",
         {"toast CHANGE PASSWORD SUCCESS! 07E0 1500", "password dialog closed"}},
        {"CMD=CHGPWD\nRESULT=WRONG\n", {"toast CHANGE PASSWORD FAIL! F800 1500"}},
        {"CMD=CHGLOCK\nRESULT=OK\n", {}},
        {"CMD=CHGLOCK\nRESULT=WRONG\n", {"toast fail! F800 1500"}},
        {"CMD=CHGLOCK\n", {"toast fail! F800 1500"}},
        {"CMD=RESET\nRESULT=OK\n",
         {"toast Factory settings restored successfully!\nThe device will restart "
          "automatically. 07E0 5000",
          "factory reset finished"}},
        {"CMD=RESET\nRESULT=BUSY\n", {}},
        {"CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON\n", {"scene keys locked"}},
        {"CMD=SCENEKEYLOCK\nSCENEKEYLOCK=OFF\n", {"scene keys unlocked"}},
        {"ETH_IP=10.0.0.2\n",
         {"configuration saved Configuration saved!\nTake effect after reboot!"}},
        {"DEVNAME=desk\n", {}},
    };
    for (const TextCase& c : cases) {
        journal.clear();
        deliver(textFrame(MSG_TEXT_COMMAND, c.text));
        EXPECT_EQ(journal, c.expected) << c.text;
    }
}

TEST_F(DispatcherTest, ToastTextsGoThroughTheLanguageTable) {
    installLanguages();
    ASSERT_TRUE(selectLanguage("zh-cn"));

    deliver(textFrame(MSG_TEXT_COMMAND, "CMD=CHGPWD\nRESULT=OK\n"));
    const std::string translated = translate("CHANGE PASSWORD SUCCESS!");
    selectLanguage("en");

    ASSERT_NE(translated, "CHANGE PASSWORD SUCCESS!");
    EXPECT_THAT(journal, Contains("toast " + translated + " 07E0 1500"));
}

TEST_F(DispatcherTest, SettingsReportsReachTheirScreens) {
    const std::vector<TextCase> cases{
        {"DEVNAME=unnamed\n",
         {sentEntry(textFrame(MSG_TEXT_COMMAND, "DEVNAME=VELMAR32")), "device name VELMAR32"}},
        {"DEVNAME= Desk A \n", {"device name Desk A"}},
        {"FW_VER=1.2.3\nFW_BUILD=77\nLAYER=2\n", {"firmware 1.2.3"}},
        {"SCENEKEYLOCK=ON\n", {"scene keys locked"}},
        {"SCENEKEYLOCK=on\n", {"scene keys unlocked"}},
        {"ETH_IP=10.0.0.2\nETH_DHCP=1", {"network ETH_IP 10.0.0.2", "network ETH_DHCP 1"}},
    };
    for (const TextCase& c : cases) {
        journal.clear();
        deliver(textFrame(MSG_TEXT_QUERY, c.text));
        EXPECT_EQ(journal, c.expected) << c.text;
    }
}

TEST_F(DispatcherTest, StringListItemsStopAtTheFrameEnd) {
    deliver(frameOf(MSG_STRING_LIST, {3, 'a', 0, 'b', 'c', 0}));
    deliver(frameOf(MSG_STRING_LIST, {1, 'x', 0, 'y', 0}));
    deliver(frameOf(MSG_STRING_LIST, {2, 'n', 'o', 'n', 'u', 'l'}));

    EXPECT_THAT(journal, ElementsAre("network item a", "network item bc", "network item x",
                                     "network item nonul"));
}

TEST_F(DispatcherTest, LockStateOpensAndClosesTheLockPage) {
    deliver(pairFrame(MSG_PARAM_QUERY, {{FixedParam::kLockState, 1}}));
    EXPECT_TRUE(rig.conditions.uiLocked);
    deliver(pairFrame(MSG_PARAM_QUERY, {{FixedParam::kLockState, 2}}));
    deliver(pairFrame(MSG_PANEL_EVENT, {{2, 0x1000}, {55, 1}}));
    EXPECT_EQ(rig.model.value(kInput0Fader), rig.model.defaultOf(kInput0Fader))
        << "panel faders move nothing while locked";
    deliver(pairFrame(MSG_PARAM_NOTIFY, {{FixedParam::kLockState, 0}}));
    deliver(pairFrame(MSG_PARAM_QUERY, {{FixedParam::kLockState, 0}}));

    EXPECT_FALSE(rig.conditions.uiLocked);
    EXPECT_THAT(entries("lock page"), ElementsAre("lock page open", "lock page closed"));
    EXPECT_THAT(entries("panel "), ElementsAre("panel lights refreshed", "panel lights refreshed",
                                               "panel faders pushed"))
        << "locking lights the lock key; unlocking refreshes everything and moves the faders";
    EXPECT_THAT(entries("encoder"), IsEmpty());
}

TEST_F(DispatcherTest, SceneCalledElsewhereDropsPendingTrafficAndReadsAgain) {
    rig.model.setValue(kPlainParam, 5);
    deliver(pairFrame(MSG_PARAM_QUERY, {{FixedParam::kLastCalledScene, 2}}));
    EXPECT_TRUE(rig.model.store().sendSet().isPending(kPlainParam)) << "a report changes nothing";

    deliver(pairFrame(MSG_PARAM_NOTIFY, {{FixedParam::kLastCalledScene, 3}}));

    EXPECT_FALSE(rig.model.store().sendSet().isPending(kPlainParam));
    EXPECT_TRUE(rig.model.store().requestSet().isPending(kLastParam));
    EXPECT_TRUE(rig.model.sceneNames().requests().isPending(15));
    EXPECT_FALSE(rig.model.channelNames().requests().isPending(0));
}

TEST_F(DispatcherTest, LastIdentifierMarksTheFullReadDone) {
    deliver(pairFrame(MSG_PARAM_QUERY, {{kLastParam, 0}}));

    EXPECT_TRUE(rig.model.status().isSet(StatusBytes::kFullReadDone));
}

struct EncoderCase {
    const char* name;
    std::uint16_t panelId;
    std::uint16_t step;
    ParamId stepped;
    std::uint16_t before;
    std::uint16_t after;
    Journal screenCalls;
};

TEST_F(DispatcherTest, PanelEncodersStepTheirParameterOrReachThePage) {
    const std::vector<EncoderCase> cases{
        {"lamp up", 55, 5, FixedParam::kLampLevel, 10, 11, {}},
        {"lamp down", 55, 0xFFFD, FixedParam::kLampLevel, 10, 9, {}},
        {"a zero step counts as down", 55, 0, FixedParam::kLampLevel, 10, 9, {}},
        {"the lamp stops at zero", 55, 0xFFFF, FixedParam::kLampLevel, 0, 0, {}},
        {"media level", 54, 1, FixedParam::kMediaLevel, 7, 8, {"media screen refreshed"}},
        {"any other encoder", 58, 0xFFFE, kPlainParam, 7, 7, {"encoder 5 -2"}},
    };
    for (const EncoderCase& c : cases) {
        journal.clear();
        rig.model.storeWithoutSending(c.stepped, c.before);
        const Bytes event = pairFrame(MSG_PANEL_EVENT, {{c.panelId, c.step}});

        deliver(event);

        EXPECT_EQ(rig.model.value(c.stepped), c.after) << c.name;
        ASSERT_FALSE(journal.empty()) << c.name;
        EXPECT_EQ(journal.front(), sentEntry(event)) << c.name << ": echoed first";
        EXPECT_EQ(screenCalls(), c.screenCalls) << c.name;
    }
}

TEST_F(DispatcherTest, PanelFaderSetsTheLevelAndKeepsTheSwitchBits) {
    rig.switches.take_over_panel = true;
    rig.model.storeWithoutSending(kInput0Fader, 0xC123);

    deliver(pairFrame(MSG_PANEL_EVENT, {{2, 0x5234}, {9, 0x0100}}));

    EXPECT_EQ(rig.model.value(kInput0Fader), 0xD234);
    EXPECT_TRUE(rig.model.store().sendSet().isPending(kInput0Fader));
    EXPECT_FALSE(rig.model.panel().pending().isPending(0)) << "not sent back to the panel";
    EXPECT_EQ(rig.model.store().sendSet().isEmpty(), false);
}

TEST_F(DispatcherTest, PanelKeysGoToThePanelAndSceneKeysToTheScenes) {
    deliver(pairFrame(MSG_PANEL_EVENT, {{0, 0x403C}, {1, 0x8036}}));

    EXPECT_THAT(screenCalls(), ElementsAre("panel key 16444", "scene key 32822"));
}

TEST_F(DispatcherTest, PanelAcknowledgementStopsEqualPositionsOnly) {
    rig.model.panel().storeAndSend(3, 0x1000);
    rig.model.panel().storeAndSend(4, 0x2000);

    deliver(pairFrame(MSG_PANEL_SET, {{107, 0x1000}, {108, 0x1FFF}, {155, 0}}));

    EXPECT_FALSE(rig.model.panel().pending().isPending(3));
    EXPECT_TRUE(rig.model.panel().pending().isPending(4));
}

TEST_F(DispatcherTest, NotifiedFaderLevelsAreMirroredWhileThePanelIsTakenOver) {
    for (const bool takenOver : {false, true}) {
        rig.switches.take_over_panel = takenOver;
        deliver(pairFrame(MSG_PARAM_NOTIFY, {{kInput0Fader, 0xC100}}));

        EXPECT_EQ(rig.model.panel().pending().isPending(0), takenOver);
        EXPECT_EQ(rig.model.panel().position(0), takenOver ? 0x0100 : 0);
    }
    EXPECT_THAT(entries("global bar"), ElementsAre("global bar faders", "global bar faders"));
}

struct SceneAckCase {
    const char* name;
    int pending;
    Bytes reply;
    bool accepted;
};

TEST(DispatcherSceneCallTest, SceneCallIsAcceptedOnlyForThePendingScene) {
    const std::vector<SceneAckCase> cases{
        {"the pending scene", 3, frameOf(MSG_SCENE_CALL, {3}), true},
        {"another scene", 3, frameOf(MSG_SCENE_CALL, {4}), false},
        {"scene 0", 0, frameOf(MSG_SCENE_CALL, {0}), false},
        {"no scene number", 3, frameOf(MSG_SCENE_CALL), false},
    };
    for (const SceneAckCase& c : cases) {
        DispatcherBench bench;
        test::DispatcherRig& fresh = bench.rig;
        fresh.model.callScene(c.pending);

        bench.deliver(c.reply);

        EXPECT_EQ(fresh.model.pendingCall().isPending(), !c.accepted && c.pending != 0) << c.name;
        EXPECT_EQ(fresh.model.status().isSet(StatusBytes::kSceneCallDone), c.accepted) << c.name;
        EXPECT_EQ(fresh.model.store().requestSet().isPending(kLastParam), c.accepted) << c.name;
        EXPECT_EQ(fresh.logText(), c.accepted ? "call scene 3 success!\n" : "") << c.name;
    }
}

TEST_F(DispatcherTest, SceneSaveAcknowledgementEndsThePendingSave) {
    ASSERT_TRUE(rig.model.saveScene(2));

    deliver(frameOf(MSG_SCENE_SAVE, {2}));

    EXPECT_FALSE(rig.model.pendingSave().isPending());
    EXPECT_TRUE(rig.model.status().isSet(StatusBytes::kSceneSaveDone));
    EXPECT_EQ(rig.logText(), "save scene success!\n");
}

struct KeepAliveCase {
    const char* name;
    LinkType type;
    Bytes frame;
    bool answered;
};

TEST_F(DispatcherTest, SerialKeepAliveProbeIsAnsweredAndMarksTheLinkOnline) {
    const Bytes probe(kKeepAliveProbe.begin(), kKeepAliveProbe.end());
    const std::vector<KeepAliveCase> cases{
        {"probe on the serial link", LinkType::Serial, probe, true},
        {"probe on UDP", LinkType::Udp, probe, false},
        {"other query on the serial link", LinkType::Serial, frameOf(MSG_PARAM_QUERY, {0, 5}),
         false},
    };
    for (const KeepAliveCase& c : cases) {
        transport.setType(c.type);
        transport.clearSent();
        rig.linkState.online = false;
        rig.clock.advance(100);

        deliver(c.frame);

        const Bytes reply(kKeepAliveReply.begin(), kKeepAliveReply.end());
        EXPECT_EQ(transport.sent(), c.answered ? std::vector<Bytes>{reply} : std::vector<Bytes>{})
            << c.name;
        EXPECT_TRUE(rig.linkState.online) << c.name;
        EXPECT_EQ(rig.linkState.lastHeardMs, rig.clock.nowMs()) << c.name;
    }
}

TEST_F(DispatcherTest, ReportWakesTheLoopOnlyWhileNothingWaitsToBeSent) {
    deliver(pairFrame(MSG_PARAM_QUERY, {{kPlainParam, 1}}));
    EXPECT_TRUE(rig.wakeup.waitAtMost(0));

    rig.model.setValue(kOtherParam, 1);
    deliver(pairFrame(MSG_PARAM_QUERY, {{kPlainParam, 2}}));
    EXPECT_FALSE(rig.wakeup.waitAtMost(0));
}

TEST_F(DispatcherTest, CopyFlagClearsOnceEveryWriteIsConfirmed) {
    rig.dispatcher.setCopyInProgress();
    rig.model.setValue(kPlainParam, 1);
    rig.dispatcher.runPass();
    EXPECT_TRUE(rig.dispatcher.isCopyInProgress());

    deliver(pairFrame(MSG_PARAM_SET, {{kPlainParam, 1}}));

    EXPECT_FALSE(rig.dispatcher.isCopyInProgress());
}

TEST_F(DispatcherTest, NamesReachTheStoreAndThePage) {
    rig.model.requestSceneNames();
    deliver(frameOf(MSG_SCENE_NAME_GET, {5, 'M', 'a', 'i', 'n'}));
    deliver(frameOf(MSG_SCENE_NAME_GET, {17, 'X'}));
    deliver(frameOf(MSG_NAME_GET, {12, 'V', 'o', 'x'}));
    deliver(frameOf(MSG_NAME_GET, {64, 'Y'}));

    EXPECT_EQ(rig.model.sceneName(5), "Main");
    EXPECT_FALSE(rig.model.sceneNames().requests().isPending(4));
    EXPECT_EQ(rig.model.channelName(12), "Vox");
    EXPECT_THAT(screenCalls(), ElementsAre("scene name 5 Main", "channel name 12 Vox"));
}

TEST_F(DispatcherTest, NameWriteAcknowledgementsStopTheirRepeats) {
    rig.model.setSceneName(16, "Live");
    rig.model.setChannelName(63, "Talk");

    deliver(concat({frameOf(MSG_SCENE_NAME_SET, {16}), frameOf(MSG_NAME_SET, {63}),
                    frameOf(MSG_NAME_SET, {95}), frameOf(MSG_SCENE_NAME_SET)}));

    EXPECT_FALSE(rig.model.sceneNames().writes().isPending(15));
    EXPECT_FALSE(rig.model.channelNames().writes().isPending(63));
}

TEST_F(DispatcherTest, StatusBytesStoreOnlyTheAnalyserBands) {
    deliver(frameOf(MSG_STATUS_GET, {29, 4, 1, 2, 3, 4}));
    deliver(frameOf(MSG_STATUS_GET, {0, 10, 7}));

    EXPECT_EQ(rig.model.status().at(0), 7);
    EXPECT_EQ(rig.model.status().at(1), 0) << "the count reaches beyond the frame";
    EXPECT_EQ(rig.model.status().at(29), 1);
    EXPECT_EQ(rig.model.status().at(30), 2);
    EXPECT_FALSE(rig.model.status().isSet(StatusBytes::kSceneCallDone));
}

TEST_F(DispatcherTest, MediaEventsAreHandedOverWhole) {
    const Bytes event = frameOf(MSG_MEDIA_EVENT, {0x01, 0x02, 0x05});

    deliver(event);

    EXPECT_THAT(journal, ElementsAre("media " + sentEntry(event).substr(5)));
    EXPECT_EQ(ui.mediaSteps(), 1);
}

struct TransferCase {
    const char* name;
    std::function<void(MessageSender&, SceneTransferState&, const SceneImage&)> request;
    Bytes matching;
    Bytes mismatching;
    TransferRequest done;
};

TEST_F(DispatcherTest, SceneTransferRepliesSetTheirDoneFlagOnlyWhenTheyMatch) {
    const std::vector<TransferCase> cases{
        {"block read",
         [](MessageSender& s, SceneTransferState& t, const SceneImage&) {
             s.sendBlockRead(t, 4, 100, 1);
         },
         frameOf(MSG_BLOCK_READ, {4, 1, 0, 100, 0x12, 0x34}),
         frameOf(MSG_BLOCK_READ, {4, 1, 0, 101, 0x12, 0x34}), TransferRequest::BlockRead},
        {"block write",
         [](MessageSender& s, SceneTransferState& t, const SceneImage& i) {
             s.sendBlockWrite(t, i, 4, 100, 1);
         },
         frameOf(MSG_BLOCK_WRITE, {4, 1, 0, 100}), frameOf(MSG_BLOCK_WRITE, {5, 1, 0, 100}),
         TransferRequest::BlockWrite},
        {"commit",
         [](MessageSender& s, SceneTransferState& t, const SceneImage&) {
             s.sendBlockCommit(t, 4);
         },
         frameOf(MSG_BLOCK_COMMIT, {4}), frameOf(MSG_BLOCK_COMMIT, {3}),
         TransferRequest::BlockCommit},
        {"name read",
         [](MessageSender& s, SceneTransferState& t, const SceneImage&) {
             s.sendBlockNameRead(t, 4, 7);
         },
         frameOf(MSG_BLOCK_NAME_READ, {4, 7, 'K', 'i', 'c', 'k'}),
         frameOf(MSG_BLOCK_NAME_READ, {4, 8, 'K', 'i', 'c', 'k'}), TransferRequest::BlockNameRead},
        {"name write",
         [](MessageSender& s, SceneTransferState& t, const SceneImage& i) {
             s.sendBlockNameWrite(t, i, 4, 7);
         },
         frameOf(MSG_BLOCK_NAME_WRITE, {4, 7}), frameOf(MSG_BLOCK_NAME_WRITE, {4, 6}),
         TransferRequest::BlockNameWrite},
        {"text read",
         [](MessageSender& s, SceneTransferState& t, const SceneImage&) {
             s.sendBlockTextRead(t, 4);
         },
         frameOf(MSG_BLOCK_TEXT_READ, {4, 'S', 'h', 'o', 'w'}),
         frameOf(MSG_BLOCK_TEXT_READ, {2, 'S', 'h', 'o', 'w'}), TransferRequest::BlockTextRead},
        {"text write",
         [](MessageSender& s, SceneTransferState& t, const SceneImage& i) {
             s.sendBlockTextWrite(t, i, 4);
         },
         frameOf(MSG_BLOCK_TEXT_WRITE, {4}), frameOf(MSG_BLOCK_TEXT_WRITE, {1}),
         TransferRequest::BlockTextWrite},
    };
    for (const TransferCase& c : cases) {
        c.request(rig.sender, rig.transfer, rig.sceneImage);
        deliver(c.mismatching);
        EXPECT_FALSE(rig.transfer.isDone(c.done)) << c.name;
        deliver(c.matching);
        EXPECT_TRUE(rig.transfer.isDone(c.done)) << c.name;
    }
    EXPECT_EQ(rig.sceneImage.data[100], 0x1234);
    EXPECT_EQ(sceneText(rig.sceneImage.text[7]), "Kick");
    EXPECT_EQ(sceneText(rig.sceneImage.name), "Show");
}

} // namespace
} // namespace v32
