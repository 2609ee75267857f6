#include "tests/model/ModelBench.h"

#include <string>

namespace v32::test {
namespace {

using SceneAndNameTest = ModelBench;

TEST_F(SceneAndNameTest, ScenesStartNumberedAndChannelNamesEmpty) {
    for (int scene = 1; scene <= 16; ++scene) {
        EXPECT_EQ(model.sceneName(scene), "Scene" + std::to_string(scene));
    }
    for (int slot = 0; slot < 64; ++slot) {
        EXPECT_EQ(model.channelName(slot), "");
    }
}

TEST_F(SceneAndNameTest, NamesOutsideTheTablesReadEmptyAndCannotBeSet) {
    for (const int scene : {-1, 0, 17, 32}) {
        model.setSceneName(scene, "X");
        EXPECT_EQ(model.sceneName(scene), "") << scene;
    }
    for (const int slot : {-1, 64, 95}) {
        model.setChannelName(slot, "X");
        EXPECT_EQ(model.channelName(slot), "") << slot;
    }
    EXPECT_TRUE(model.sceneNames().writes().isEmpty());
    EXPECT_TRUE(model.channelNames().writes().isEmpty());
}

TEST_F(SceneAndNameTest, NamesKeepThirtyOneCharacters) {
    const std::string longName(40, 'n');
    model.setSceneName(16, longName);
    model.setChannelName(63, longName);
    model.sceneNameArrived(1, longName);
    model.channelNameArrived(0, longName);
    EXPECT_EQ(model.sceneName(16), longName.substr(0, 31));
    EXPECT_EQ(model.channelName(63), longName.substr(0, 31));
    EXPECT_EQ(model.sceneName(1), longName.substr(0, 31));
    EXPECT_EQ(model.channelName(0), longName.substr(0, 31));
}

TEST_F(SceneAndNameTest, RenameGoesOutWithItsNulUntilConfirmed) {
    model.setSceneName(3, "Live");
    model.setChannelName(7, "Kick");
    pacedTick();
    const std::vector<SentFrame> scene = sink.framesWith(MSG_SCENE_NAME_SET);
    const std::vector<SentFrame> channel = sink.framesWith(MSG_NAME_SET);
    ASSERT_EQ(scene.size(), 1U);
    ASSERT_EQ(channel.size(), 1U);
    EXPECT_EQ(scene[0].payload, (std::vector<std::uint8_t>{3, 'L', 'i', 'v', 'e', 0}));
    EXPECT_EQ(channel[0].payload, (std::vector<std::uint8_t>{7, 'K', 'i', 'c', 'k', 0}));

    model.sceneNameWritten(3);
    model.channelNameWritten(7);
    sink.clear();
    for (int tick = 0; tick < 20; ++tick) {
        pacedTick();
    }
    EXPECT_TRUE(sink.frames().empty());
}

// A name read answered late, after the user renamed the slot, must not put the old name back:
// the rename that is still waiting goes out as typed, and names arriving once the device has
// confirmed it are taken again.
TEST_F(SceneAndNameTest, ALateNameReplyDoesNotUndoARenameThatIsStillGoingOut) {
    model.requestSceneNames();
    model.requestChannelNames();
    model.setSceneName(3, "Live");
    model.setChannelName(7, "Kick");
    model.sceneNameArrived(3, "Scene 3");
    model.channelNameArrived(7, "CH8");
    EXPECT_EQ(model.sceneName(3), "Live");
    EXPECT_EQ(model.channelName(7), "Kick");
    EXPECT_FALSE(model.sceneNames().requests().isPending(2));
    EXPECT_FALSE(model.channelNames().requests().isPending(7));

    pacedTick();
    const std::vector<SentFrame> scene = sink.framesWith(MSG_SCENE_NAME_SET);
    const std::vector<SentFrame> channel = sink.framesWith(MSG_NAME_SET);
    ASSERT_EQ(scene.size(), 1U);
    ASSERT_EQ(channel.size(), 1U);
    EXPECT_EQ(scene[0].payload, (std::vector<std::uint8_t>{3, 'L', 'i', 'v', 'e', 0}));
    EXPECT_EQ(channel[0].payload, (std::vector<std::uint8_t>{7, 'K', 'i', 'c', 'k', 0}));

    model.sceneNameWritten(3);
    model.channelNameWritten(7);
    model.sceneNameArrived(3, "Encore");
    model.channelNameArrived(7, "Snare");
    EXPECT_EQ(model.sceneName(3), "Encore");
    EXPECT_EQ(model.channelName(7), "Snare");
}

TEST_F(SceneAndNameTest, NameReadsGoOutOneScenePerRunAndStopOnArrival) {
    model.requestSceneNames();
    model.requestChannelNames();
    std::vector<int> scenesAsked;
    std::vector<int> slotsAsked;
    for (int tick = 0; tick < 100; ++tick) {
        sink.clear();
        pacedTick();
        for (const SentFrame& frame : sink.framesWith(MSG_SCENE_NAME_GET)) {
            scenesAsked.push_back(frame.payload.at(0));
            model.sceneNameArrived(frame.payload.at(0), "S");
        }
        for (const SentFrame& frame : sink.framesWith(MSG_NAME_GET)) {
            slotsAsked.push_back(frame.payload.at(0));
            model.channelNameArrived(frame.payload.at(0), "C");
        }
    }
    ASSERT_EQ(scenesAsked.size(), 16U);
    ASSERT_EQ(slotsAsked.size(), 64U);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(scenesAsked[static_cast<std::size_t>(i)], i + 1);
    }
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(slotsAsked[static_cast<std::size_t>(i)], i);
    }
    EXPECT_EQ(model.sceneName(16), "S");
    EXPECT_EQ(model.channelName(63), "C");
}

TEST_F(SceneAndNameTest, SaveIsRefusedWhileAnotherSaveIsPending) {
    model.status().set(StatusBytes::kSceneSaveDone, 1);
    EXPECT_TRUE(model.saveScene(4));
    EXPECT_FALSE(model.status().isSet(StatusBytes::kSceneSaveDone));
    EXPECT_FALSE(model.saveScene(5));
    EXPECT_EQ(model.pendingSave().scene(), 4);
    model.acknowledgeSceneSave();
    EXPECT_TRUE(model.status().isSet(StatusBytes::kSceneSaveDone));
    EXPECT_TRUE(model.saveScene(5));
}

TEST_F(SceneAndNameTest, NewCallReplacesThePendingOne) {
    model.callScene(2);
    model.callScene(9);
    EXPECT_EQ(model.pendingCall().scene(), 9);
    EXPECT_EQ(model.pendingCall().triesLeft(), 3);
}

TEST_F(SceneAndNameTest, UnconfirmedCallAndSaveAreSentThreeTimesAHundredRunsApart) {
    model.callScene(6);
    model.saveScene(7);
    std::vector<int> callRuns;
    std::vector<int> saveRuns;
    for (int run = 1; run <= 400; ++run) {
        sink.clear();
        pacedTick();
        for (const SentFrame& frame : sink.framesWith(MSG_SCENE_CALL)) {
            EXPECT_EQ(frame.payload, (std::vector<std::uint8_t>{6}));
            callRuns.push_back(run);
        }
        for (const SentFrame& frame : sink.framesWith(MSG_SCENE_SAVE)) {
            EXPECT_EQ(frame.payload, (std::vector<std::uint8_t>{7}));
            saveRuns.push_back(run);
        }
    }
    EXPECT_EQ(callRuns, (std::vector<int>{1, 102, 203}));
    EXPECT_EQ(saveRuns, (std::vector<int>{1, 102, 203}));
    EXPECT_FALSE(model.pendingCall().isPending());
    EXPECT_FALSE(model.pendingSave().isPending());
}

TEST_F(SceneAndNameTest, CallConfirmationReadsEveryParameterAgain) {
    model.status().set(StatusBytes::kSceneCallDone, 1);
    model.callScene(5);
    EXPECT_FALSE(model.status().isSet(StatusBytes::kSceneCallDone));
    EXPECT_FALSE(model.acknowledgeSceneCall(0));
    EXPECT_FALSE(model.acknowledgeSceneCall(4));
    EXPECT_TRUE(model.store().requestSet().isEmpty());

    ASSERT_TRUE(model.acknowledgeSceneCall(5));
    EXPECT_FALSE(model.pendingCall().isPending());
    EXPECT_TRUE(model.status().isSet(StatusBytes::kSceneCallDone));
    // The call is no longer pending, so live data is asked for again.
    EXPECT_TRUE(model.store().requestSet().isPending(2));
    EXPECT_TRUE(model.store().requestSet().isPending(kLastParam));
    EXPECT_TRUE(model.sceneNames().requests().isEmpty());
}

TEST_F(SceneAndNameTest, AnalyserBandsNeverReachTheDoneFlags) {
    const std::uint8_t bands[] = {1, 2, 3, 4, 5};
    model.status().storeAnalyserBands(28, bands);
    EXPECT_EQ(model.status().at(28), 1);
    EXPECT_EQ(model.status().at(30), 3);
    EXPECT_EQ(model.status().at(StatusBytes::kSceneCallDone), 0);
    EXPECT_EQ(model.status().at(StatusBytes::kSceneSaveDone), 0);
}

} // namespace
} // namespace v32::test
