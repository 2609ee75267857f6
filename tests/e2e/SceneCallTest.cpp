#include "app/model/StatusBytes.h"
#include "app/protocol/FixedParams.h"
#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/MixerCopy.h"
#include "tests/e2e/StandInThread.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace v32::e2e {
namespace {

using ::testing::IsEmpty;

constexpr int kScene = 7;

std::vector<ParamPair> sceneValues() {
    return {
        {paramId(KindInput, 2, kNumberFader), 0x2222},
        {paramId(KindBus, 0, kNumberFader), 0x0333},
        {paramId(KindDca, 1, kNumberFader), 0x1444},
        {paramId(KindEffect, 3, kNumberSolo), 1},
    };
}

void write(ControlSurface& surface, const std::vector<ParamPair>& pairs) {
    for (const ParamPair pair : pairs) {
        surface.model.write(ParamWrite::control(pair.id, pair.value));
    }
}

std::set<ParamId> idsAskedFor(const RecordingLink& link, std::size_t from) {
    std::set<ParamId> asked;
    for (const RecordingLink::SentFrame& frame : link.sentWithCode(MSG_PARAM_QUERY, from)) {
        const std::vector<ParamId> ids = idsOf(frame.bytes);
        asked.insert(ids.begin(), ids.end());
    }
    return asked;
}

// The value the page was last shown for the identifier, or nothing.
std::optional<std::uint16_t> lastShown(const RecordingScreens& screens, ParamId id) {
    const auto& shown = screens.pageParameters();
    const auto last = std::ranges::find_if(shown.rbegin(), shown.rend(),
                                           [id](const auto& p) { return p.id == id; });
    return last == shown.rend() ? std::nullopt : std::optional(last->value);
}

TEST(SceneCallTest, ACalledSceneIsAcknowledgedReadBackAndShown) {
    StandInThread standIn;
    ASSERT_TRUE(standIn.isServing()) << standIn.startError();
    ControlSurface surface(Transport::Udp, standIn.udpPort());
    ASSERT_TRUE(surface.comeOnline());
    ASSERT_TRUE(surface.settle());
    std::vector<ParamPair> originals;
    for (const ParamPair pair : sceneValues()) {
        originals.push_back({pair.id, surface.model.value(pair.id)});
        ASSERT_NE(originals.back().value, pair.value);
    }

    write(surface, sceneValues());
    ASSERT_TRUE(surface.settleWrites());
    ASSERT_TRUE(surface.model.saveScene(kScene));
    surface.step();
    ASSERT_TRUE(surface.passUntil(
        [&] { return surface.model.status().isSet(StatusBytes::kSceneSaveDone); }));
    write(surface, originals);
    ASSERT_TRUE(surface.settleWrites());

    surface.model.callScene(kScene);
    const std::size_t sentBeforeCall = surface.recording.sent().size();
    surface.step();
    ASSERT_TRUE(surface.passUntil(
        [&] { return surface.model.status().isSet(StatusBytes::kSceneCallDone); }));
    EXPECT_NE(surface.logText().find("call scene 7 success!\n"), std::string::npos);
    EXPECT_FALSE(surface.model.pendingCall().isPending());
    EXPECT_EQ(surface.recording.sentWithCode(MSG_SCENE_CALL, sentBeforeCall).size(), 1U);

    ASSERT_TRUE(surface.passUntil([&] { return surface.isSettled(); }));
    EXPECT_EQ(idsAskedFor(surface.recording, sentBeforeCall).size(),
              static_cast<std::size_t>(kParamCount))
        << "the acknowledgement starts a read of every parameter";
    for (const ParamPair pair : sceneValues()) {
        SCOPED_TRACE("identifier " + std::to_string(pair.id));
        EXPECT_EQ(surface.model.value(pair.id), pair.value);
        EXPECT_EQ(lastShown(surface.screens, pair.id), pair.value);
    }
    EXPECT_EQ(surface.model.value(FixedParam::kLastCalledScene), kScene);
    const dc::MixerParameters mixer =
        standIn.call([](dc::StandIn& s) { return s.dataCentre().parameters(); });
    EXPECT_THAT(valuesDiffering(surface.model, mixer), IsEmpty());
}

} // namespace
} // namespace v32::e2e
