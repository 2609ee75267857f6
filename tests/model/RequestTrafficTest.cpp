#include "app/protocol/LiveData.h"
#include "tests/model/ModelBench.h"

#include <algorithm>
#include <set>

namespace v32::test {
namespace {

constexpr ParamId kLockState = 5213;

using RequestTrafficTest = ModelBench;

TEST_F(RequestTrafficTest, LockStateGoesFirstAndAFrameAsksForAtMostSixty) {
    model.requestRange(0, 99);
    model.request(kLockState);
    requests.run();
    const std::vector<SentFrame> first = sink.framesWith(MSG_PARAM_QUERY);
    ASSERT_EQ(first.size(), 1U);
    std::vector<ParamId> expected{kLockState};
    for (ParamId id = 0; id < 59; ++id) {
        expected.push_back(id);
    }
    EXPECT_EQ(first[0].ids(), expected);

    // Unanswered, the 59 that went out now wait; advancing them and one more ends the walk.
    sink.clear();
    requests.run();
    const std::vector<SentFrame> second = sink.framesWith(MSG_PARAM_QUERY);
    ASSERT_EQ(second.size(), 1U);
    EXPECT_EQ(second[0].ids(), (std::vector<ParamId>{59}));
    EXPECT_EQ(model.store().requestSet().retry(kLockState).sendsLeft(), 3);
}

TEST_F(RequestTrafficTest, LockStateIsPacedLikeAnyOtherRead) {
    model.requestRange(5210, 5214);
    std::vector<int> lockSentOn;
    for (int pass = 1; pass <= 8; ++pass) {
        sink.clear();
        requests.run();
        for (const SentFrame& frame : sink.framesWith(MSG_PARAM_QUERY)) {
            const std::vector<ParamId> ids = frame.ids();
            EXPECT_EQ(std::count(ids.begin(), ids.end(), kLockState), ids.front() == kLockState);
            if (ids.front() == kLockState) {
                lockSentOn.push_back(pass);
                EXPECT_EQ(ids, (std::vector<ParamId>{kLockState, 5210, 5211, 5212, 5214}));
            }
        }
    }
    EXPECT_EQ(lockSentOn, (std::vector<int>{1, 7}));
}

TEST_F(RequestTrafficTest, ReportClearsTheReadAndNothingIsAskedTwice) {
    model.requestRange(5200, 5214);
    const std::vector<ParamId> asked = readUntilQuiet();
    EXPECT_EQ(asked.front(), kLockState);
    EXPECT_EQ(std::set<ParamId>(asked.begin(), asked.end()).size(), asked.size());
    EXPECT_EQ(asked.size(), 15U);
    EXPECT_TRUE(model.store().requestSet().isEmpty());
    EXPECT_FALSE(model.store().requestSet().hasWork());
}

TEST_F(RequestTrafficTest, RangeEndsAtTheLastIdentifier) {
    model.requestRange(5860, 0xFFFF);
    EXPECT_EQ(readUntilQuiet(), (std::vector<ParamId>{5860, 5861, 5862}));
}

TEST_F(RequestTrafficTest, LiveDataIsHeldBackBySpectrumSwitchLockAndPendingCall) {
    struct Case {
        bool disableSpectrum;
        bool uiLocked;
        bool callPending;
        bool liveDataAsked;
    };
    const Case cases[] = {
        {false, false, false, true},
        {true, false, false, false},
        {false, true, false, false},
        {false, false, true, false},
    };
    for (const Case& c : cases) {
        model.dropAllPending();
        model.pendingCall().clear();
        switches.disable_spectrum = c.disableSpectrum;
        conditions.uiLocked = c.uiLocked;
        if (c.callPending) {
            model.callScene(3);
        }
        model.requestRange(0, 60);
        model.requestRange(2850, 2885);
        const ParamStore::ParamSet& set = model.store().requestSet();
        for (const ParamId id : {2, 30, 52, 2854, 2870, 2879}) {
            EXPECT_EQ(set.isPending(id), c.liveDataAsked) << id;
            // Held back or not, the entry starts from fresh repeats.
            EXPECT_EQ(set.retry(id).sendsLeft(), 4) << id;
        }
        for (const ParamId id : {0, 1, 53, 2853, 2880}) {
            EXPECT_TRUE(set.isPending(id)) << id;
        }
    }
}

TEST_F(RequestTrafficTest, FullReadWithSpectrumDisabledNeverAsksForLiveData) {
    switches.disable_spectrum = true;
    model.fullRead();
    const std::vector<ParamId> asked = readUntilQuiet();
    const std::set<ParamId> unique(asked.begin(), asked.end());
    EXPECT_EQ(unique.size(), asked.size());
    EXPECT_EQ(unique.size(), static_cast<std::size_t>(kParamCount - 51 - 26));
    for (const ParamId id : unique) {
        ASSERT_FALSE(LiveData::contains(id)) << id;
    }
    EXPECT_TRUE(unique.contains(kLastParam));
}

TEST_F(RequestTrafficTest, FullReadDropsUnsentWritesAndMarksEveryName) {
    model.setValue(100, 5);
    model.status().set(StatusBytes::kFullReadDone, 1);
    model.setReadFinishedLatched(true);
    model.fullRead();
    EXPECT_TRUE(model.store().sendSet().isEmpty());
    EXPECT_EQ(model.value(100), 5);
    EXPECT_FALSE(model.status().isSet(StatusBytes::kFullReadDone));
    EXPECT_FALSE(model.isReadFinishedLatched());
    for (std::size_t slot = 0; slot < 16; ++slot) {
        EXPECT_TRUE(model.sceneNames().requests().isPending(slot));
    }
    for (std::size_t slot = 0; slot < 64; ++slot) {
        EXPECT_TRUE(model.channelNames().requests().isPending(slot));
    }
    EXPECT_TRUE(model.store().requestSet().isPending(0));
    EXPECT_TRUE(model.store().requestSet().isPending(kLastParam));
}

TEST_F(RequestTrafficTest, ReportIsStoredEvenWhileAChangeWaitsToBeSent) {
    model.setValue(200, 1);
    model.request(200);
    model.storeReported(200, 9);
    EXPECT_EQ(model.value(200), 9);
    EXPECT_FALSE(model.store().requestSet().isPending(200));
    EXPECT_TRUE(model.store().sendSet().isPending(200));
    model.storeReported(kParamCount, 9);
    EXPECT_EQ(model.value(kParamCount), 0);
}

TEST_F(RequestTrafficTest, DropAllPendingKeepsPanelPositionsAndSceneOperations) {
    model.setValue(100, 1);
    model.request(100);
    model.setSceneName(2, "Live");
    model.setChannelName(5, "Kick");
    model.requestSceneNames();
    model.requestChannelNames();
    model.panel().storeAndSend(3, 100);
    model.callScene(4);
    model.saveScene(5);

    model.dropAllPending();
    EXPECT_TRUE(model.store().sendSet().isEmpty());
    EXPECT_FALSE(model.store().sendSet().hasWork());
    EXPECT_TRUE(model.store().requestSet().isEmpty());
    EXPECT_FALSE(model.store().requestSet().hasWork());
    EXPECT_TRUE(model.sceneNames().requests().isEmpty());
    EXPECT_TRUE(model.sceneNames().writes().isEmpty());
    EXPECT_TRUE(model.channelNames().requests().isEmpty());
    EXPECT_TRUE(model.channelNames().writes().isEmpty());
    EXPECT_TRUE(model.panel().pending().isPending(3));
    EXPECT_EQ(model.pendingCall().scene(), 4);
    EXPECT_EQ(model.pendingSave().scene(), 5);
}

} // namespace
} // namespace v32::test
