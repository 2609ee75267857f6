#include "app/core/ManualClock.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/SceneTransferReplies.h"
#include "app/protocol/SceneTransferState.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace v32::dc {
namespace {

using test::Bytes;
using test::ReceivedFrame;
using test::TestClient;

constexpr ParamId kInputFader = 75;

struct Chunk {
    std::uint16_t start;
    std::uint8_t count;
};

// The transfer asks for chunks of 60 from 0 until a chunk starts beyond the last identifier;
// that last one starts at 5863 and is 43 long.
std::vector<Chunk> transferChunks() {
    std::vector<Chunk> chunks;
    for (std::uint16_t start = 0; start < kParamCount; start += 60) {
        chunks.push_back({start, 60});
    }
    chunks.push_back({kParamCount, 43});
    return chunks;
}

class SceneTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    TestClient surface{dataCentre};
    TestClient other{dataCentre};
    SceneTransferState transfer;

    void SetUp() override {
        surface.join();
        other.join();
    }

    // Sends one transfer request and hands the single reply to the control surface's own
    // reply check; false when no reply came or it did not match.
    bool exchange(const std::function<bool()>& request,
                  const std::function<bool(std::span<const std::uint8_t>)>& accept) {
        surface.clear();
        if (!request() || surface.frames().size() != 1) {
            return false;
        }
        return accept(surface.frames()[0].bytes);
    }

    // The export's request sequence: chunks of 60 from 0 to past the last identifier, the
    // 64 text items, then the name.
    std::unique_ptr<SceneImage> exportScene(std::uint8_t scene) {
        auto image = std::make_unique<SceneImage>();
        MessageSender& ui = surface.ui();
        for (const Chunk& chunk : transferChunks()) {
            EXPECT_TRUE(exchange(
                [&] { return ui.sendBlockRead(transfer, scene, chunk.start, chunk.count); },
                [&](auto frame) { return acceptBlockReadReply(frame, transfer, *image); }))
                << "chunk at " << chunk.start;
        }
        for (std::uint8_t index = 0; index < kSceneTextCount; ++index) {
            EXPECT_TRUE(exchange(
                [&] { return ui.sendBlockNameRead(transfer, scene, index); },
                [&](auto frame) { return acceptBlockNameReadReply(frame, transfer, *image); }))
                << "text item " << int{index};
        }
        EXPECT_TRUE(exchange(
            [&] { return ui.sendBlockTextRead(transfer, scene); },
            [&](auto frame) { return acceptBlockTextReadReply(frame, transfer, *image); }));
        return image;
    }

    // The import's writes in the same order, without the commit.
    void writeScene(std::uint8_t scene, const SceneImage& image) {
        MessageSender& ui = surface.ui();
        for (const Chunk& chunk : transferChunks()) {
            EXPECT_TRUE(exchange(
                [&] { return ui.sendBlockWrite(transfer, image, scene, chunk.start, chunk.count); },
                [&](auto frame) { return acceptBlockWriteReply(frame, transfer); }))
                << "chunk at " << chunk.start;
        }
        for (std::uint8_t index = 0; index < kSceneTextCount; ++index) {
            EXPECT_TRUE(
                exchange([&] { return ui.sendBlockNameWrite(transfer, image, scene, index); },
                         [&](auto frame) { return acceptBlockNameWriteReply(frame, transfer); }));
        }
        EXPECT_TRUE(
            exchange([&] { return ui.sendBlockTextWrite(transfer, image, scene); },
                     [&](auto frame) { return acceptBlockTextWriteReply(frame, transfer); }));
    }

    bool commit(std::uint8_t scene) {
        return exchange([&] { return surface.ui().sendBlockCommit(transfer, scene); },
                        [&](auto frame) { return acceptBlockCommitReply(frame, transfer); });
    }

    std::string sceneName(std::uint8_t scene) {
        surface.clear();
        surface.ui().requestSceneName(scene);
        const std::vector<ReceivedFrame> replies = surface.framesWith(MSG_SCENE_NAME_GET);
        if (replies.size() != 1 || replies[0].payload().empty() ||
            replies[0].payload()[0] != scene) {
            return "<no reply>";
        }
        return replies[0].text().substr(1);
    }
};

TEST_F(SceneTest, SaveThenCallBringsBackValuesAndChannelNames) {
    surface.ui().sendSinglePair(kInputFader, 1000);
    surface.ui().sendChannelName(4, "Kick");
    surface.clear();
    surface.ui().sendSceneSave(3);
    ASSERT_EQ(surface.framesWith(MSG_SCENE_SAVE).size(), 1U);
    EXPECT_EQ(surface.framesWith(MSG_SCENE_SAVE)[0].payload()[0], 3);

    surface.ui().sendSinglePair(kInputFader, 200);
    surface.ui().sendChannelName(4, "Snare");
    surface.clear();
    other.clear();
    surface.ui().sendSceneCall(3);

    const std::vector<ReceivedFrame> acks = surface.framesWith(MSG_SCENE_CALL);
    ASSERT_EQ(acks.size(), 1U);
    EXPECT_EQ(acks[0].payload()[0], 3);
    EXPECT_EQ(dataCentre.parameters().value(kInputFader), 1000);
    EXPECT_EQ(dataCentre.channelName(4), "Kick");
    EXPECT_EQ(dataCentre.parameters().value(FixedParam::kLastCalledScene), 3);
    // The caller reads everything after the acknowledgement; the others are told to.
    EXPECT_TRUE(surface.framesWith(MSG_PARAM_NOTIFY).empty());
    EXPECT_EQ(other.pairsOf(MSG_PARAM_NOTIFY),
              (std::vector<ParamPair>{{FixedParam::kLastCalledScene, 3}}));
}

TEST_F(SceneTest, ScenesThatDoNotExistGetNoReply) {
    for (const std::uint8_t scene : {0, 17, 255}) {
        SCOPED_TRACE(int{scene});
        surface.clear();
        surface.ui().sendSceneCall(scene);
        surface.ui().sendSceneSave(scene);
        surface.ui().requestSceneName(scene);
        surface.ui().sendSceneName(scene, "x");
        surface.ui().sendBlockCommit(transfer, scene);
        surface.ui().sendBlockTextRead(transfer, scene);
        EXPECT_TRUE(surface.frames().empty());
    }
}

TEST_F(SceneTest, SceneAndChannelNamesAreReadAndWritten) {
    EXPECT_EQ(sceneName(1), "Scene1");
    EXPECT_EQ(sceneName(16), "Scene16");

    surface.clear();
    surface.ui().sendSceneName(2, "Matinee");
    ASSERT_EQ(surface.framesWith(MSG_SCENE_NAME_SET).size(), 1U);
    EXPECT_EQ(surface.framesWith(MSG_SCENE_NAME_SET)[0].payload()[0], 2);
    EXPECT_EQ(sceneName(2), "Matinee");

    surface.clear();
    surface.ui().sendChannelName(63, "DCA 8");
    surface.ui().requestChannelName(63);
    ASSERT_EQ(surface.framesWith(MSG_NAME_SET).size(), 1U);
    const std::vector<ReceivedFrame> names = surface.framesWith(MSG_NAME_GET);
    ASSERT_EQ(names.size(), 1U);
    EXPECT_EQ(names[0].text().substr(1), "DCA 8");

    surface.clear();
    surface.ui().requestChannelName(64);
    surface.ui().sendChannelName(64, "nothing");
    EXPECT_TRUE(surface.frames().empty());
}

TEST_F(SceneTest, ExportReadsTheStoredSceneAsTheControlSurfaceAsksForIt) {
    surface.ui().sendSinglePair(kInputFader, 777);
    surface.ui().sendChannelName(10, "Bass");
    surface.ui().sendSceneName(5, "Rehearsal");
    surface.ui().sendSceneSave(5);

    const std::unique_ptr<SceneImage> exported = exportScene(5);

    const SceneImage& stored = dataCentre.scenes().scene(5);
    EXPECT_EQ(exported->data, stored.data);
    EXPECT_EQ(exported->data[kInputFader], 777);
    EXPECT_EQ(sceneText(exported->text[10]), "Bass");
    EXPECT_EQ(sceneText(exported->name), "Rehearsal");
}

TEST_F(SceneTest, ImportReplacesTheSceneOnlyWhenCommitted) {
    auto image = std::make_unique<SceneImage>(dataCentre.scenes().scene(1));
    for (std::size_t i = 0; i < image->data.size(); ++i) {
        image->data[i] = static_cast<std::uint16_t>(i * 7);
    }
    setSceneText(image->text[0], "Vocal");
    setSceneText(image->text[63], "Main");
    setSceneText(image->name, "Imported");

    writeScene(4, *image);
    EXPECT_NE(dataCentre.scenes().scene(4).data, image->data);
    EXPECT_EQ(sceneName(4), "Scene4");

    ASSERT_TRUE(commit(4));
    const SceneImage& stored = dataCentre.scenes().scene(4);
    EXPECT_EQ(stored.data, image->data);
    EXPECT_EQ(sceneText(stored.text[0]), "Vocal");
    EXPECT_EQ(sceneText(stored.text[63]), "Main");
    EXPECT_EQ(sceneName(4), "Imported");
    // A commit sent again because its acknowledgement was lost is acknowledged again.
    EXPECT_TRUE(commit(4));
    EXPECT_EQ(dataCentre.scenes().scene(4).data, image->data);
}

TEST_F(SceneTest, MalformedTransferRequestsGetNoReply) {
    struct Case {
        const char* what;
        MessageCode code;
        Bytes payload;
    };
    const Case cases[] = {
        {"block write carrying fewer values than announced",
         MSG_BLOCK_WRITE,
         {1, 3, 0, 0, 0x12, 0x34, 0x56, 0x78}},
        {"block read without its start", MSG_BLOCK_READ, {1, 60}},
        {"text item beyond 63", MSG_BLOCK_NAME_READ, {1, 64}},
        {"text item write beyond 63", MSG_BLOCK_NAME_WRITE, {1, 64, 'x'}},
        {"empty commit", MSG_BLOCK_COMMIT, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.clear();
        surface.send(c.code, c.payload);
        EXPECT_TRUE(surface.frames().empty());
    }
    EXPECT_FALSE(dataCentre.scenes().hasStaged(1));
}

TEST_F(SceneTest, BlockReadsPastTheLastIdentifierCarryZeros) {
    surface.send(MSG_BLOCK_READ, Bytes{2, 4, 0x16, 0xE5});

    ASSERT_EQ(surface.frames().size(), 1U);
    const Bytes expected{2, 4, 0x16, 0xE5, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::span<const std::uint8_t> payload = surface.frames()[0].payload();
    ASSERT_EQ(payload.size(), expected.size());
    const std::uint16_t last = dataCentre.scenes().scene(2).data[kLastParam];
    EXPECT_EQ(payload[8], last >> 8);
    EXPECT_EQ(payload[9], last & 0xFF);
    EXPECT_EQ(payload[10], 0);
    EXPECT_EQ(payload[11], 0);
}

} // namespace
} // namespace v32::dc
