#include "tests/e2e/SceneExport.h"

#include "app/model/StatusBytes.h"
#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/MixerCopy.h"
#include "tests/e2e/StandInThread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace v32::e2e {
namespace {

using ::testing::IsEmpty;

constexpr int kScene = 3;
constexpr const char* kSceneName = "Matinee";
constexpr ParamId kInLastChunk = 5821;

// Values spread over the chunks, the last chunk included.
std::vector<ParamPair> sceneValues() {
    return {
        {paramId(KindInput, 0, kNumberFader), 0x2F01},
        {paramId(KindBus, 17, kNumberFader), 0x1002},
        {kInLastChunk, 0x0003},
        {kLastParam, 0x0BAD},
    };
}

struct NamedSlot {
    int slot;
    const char* name;
};

constexpr NamedSlot kChannelNames[] = {{0, "Kick"}, {33, "Playback R"}, {63, "Talkback"}};

SceneExport::Chunk chunkOf(const Bytes& request) {
    const std::span<const std::uint8_t> payload = framePayload(request);
    return {readWord(payload, 2), payload[1]};
}

class SceneExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(standIn.isServing()) << standIn.startError();
        ASSERT_TRUE(surface.comeOnline());
        ASSERT_TRUE(surface.settle());
    }

    // Leaves the scene in the mixer with values and names the factory scene does not have.
    void storeTheScene() {
        for (const ParamPair pair : sceneValues()) {
            surface.model.write(ParamWrite::control(pair.id, pair.value));
        }
        for (const NamedSlot& named : kChannelNames) {
            surface.model.setChannelName(named.slot, named.name);
        }
        surface.model.setSceneName(kScene, kSceneName);
        ASSERT_TRUE(surface.settleWrites());
        ASSERT_TRUE(surface.stepUntil([this] { return surface.areNamesSettled(); }));
        ASSERT_TRUE(surface.model.saveScene(kScene));
        ASSERT_TRUE(surface.stepUntil(
            [this] { return surface.model.status().isSet(StatusBytes::kSceneSaveDone); }));
    }

    StandInThread standIn;
    ControlSurface surface{Transport::Udp, standIn.udpPort()};
};

TEST_F(SceneExportTest, BlockReadsInChunksOfSixtyCopyTheStoredSceneWhole) {
    ASSERT_NO_FATAL_FAILURE(storeTheScene());
    const std::size_t sentBefore = surface.recording.sent().size();

    SceneExport exporter(surface);
    ASSERT_TRUE(exporter.read(kScene));

    const auto stored = standIn.call([](dc::StandIn& s) {
        return std::make_unique<SceneImage>(s.dataCentre().scenes().scene(kScene));
    });
    const SceneImage& copy = surface.sceneImage;
    EXPECT_THAT(sceneDataDiffering(copy, *stored), IsEmpty());
    EXPECT_THAT(sceneTextsDiffering(copy, *stored), IsEmpty());
    EXPECT_EQ(sceneText(copy.name), kSceneName);
    for (const ParamPair pair : sceneValues()) {
        EXPECT_EQ(copy.data[pair.id], pair.value) << "identifier " << pair.id;
    }
    for (const NamedSlot& named : kChannelNames) {
        EXPECT_EQ(sceneText(copy.text[static_cast<std::size_t>(named.slot)]), named.name);
    }

    std::vector<SceneExport::Chunk> asked;
    for (const RecordingLink::SentFrame& request :
         surface.recording.sentWithCode(MSG_BLOCK_READ, sentBefore)) {
        EXPECT_EQ(framePayload(request.bytes)[0], kScene);
        asked.push_back(chunkOf(request.bytes));
    }
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), (SceneExport::Chunk{5820, 43}))
        << "the rest after 97 whole chunks, not a chunk beyond the last identifier";
    int next = 0;
    for (const SceneExport::Chunk& chunk : asked) {
        EXPECT_EQ(chunk.start, next) << "each identifier asked for once, in order";
        next = chunk.start + chunk.count;
    }
    EXPECT_EQ(next, kParamCount);
}

} // namespace
} // namespace v32::e2e
