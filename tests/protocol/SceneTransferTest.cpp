#include "app/protocol/MessageSender.h"
#include "app/protocol/SceneTransferReplies.h"
#include "tests/protocol/TestFrames.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::bytesOf;
using test::concat;
using test::makeFrame;

class SceneTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < image->data.size(); ++i) {
            image->data[i] = static_cast<std::uint16_t>(0x1000 + i);
        }
        for (SceneText& text : image->text) {
            setSceneText(text, "untouched");
        }
        setSceneText(image->name, "untouched");
        state.done.set();
    }

    // The SceneImage is too large to keep on the stack comfortably.
    std::unique_ptr<SceneImage> image = std::make_unique<SceneImage>();
    SceneTransferState state;
    test::RecordingFrameSink sink;
    MessageSender sender{sink};
};

struct RequestCase {
    std::string name;
    std::function<bool(MessageSender&, SceneTransferState&, const SceneImage&)> send;
    TransferRequest request;
    MessageCode code;
    Bytes payload;
};

std::vector<RequestCase> requestCases() {
    return {
        {"block read",
         [](MessageSender& m, SceneTransferState& s, const SceneImage&) {
             return m.sendBlockRead(s, 3, 5820, 43);
         },
         TransferRequest::BlockRead,
         MSG_BLOCK_READ,
         {0x03, 0x2B, 0x16, 0xBC}},
        {"block write past the last identifier",
         [](MessageSender& m, SceneTransferState& s, const SceneImage& i) {
             return m.sendBlockWrite(s, i, 3, 5861, 3);
         },
         TransferRequest::BlockWrite,
         MSG_BLOCK_WRITE,
         {0x03, 0x03, 0x16, 0xE5, 0x26, 0xE5, 0x26, 0xE6, 0x00, 0x00}},
        {"commit",
         [](MessageSender& m, SceneTransferState& s, const SceneImage&) {
             return m.sendBlockCommit(s, 3);
         },
         TransferRequest::BlockCommit,
         MSG_BLOCK_COMMIT,
         {0x03}},
        {"text item read",
         [](MessageSender& m, SceneTransferState& s, const SceneImage&) {
             return m.sendBlockNameRead(s, 3, 63);
         },
         TransferRequest::BlockNameRead,
         MSG_BLOCK_NAME_READ,
         {0x03, 0x3F}},
        {"text item write without NUL",
         [](MessageSender& m, SceneTransferState& s, const SceneImage& i) {
             return m.sendBlockNameWrite(s, i, 3, 5);
         },
         TransferRequest::BlockNameWrite, MSG_BLOCK_NAME_WRITE,
         concat({0x03, 0x05}, bytesOf("untouched"))},
        {"scene name read",
         [](MessageSender& m, SceneTransferState& s, const SceneImage&) {
             return m.sendBlockTextRead(s, 3);
         },
         TransferRequest::BlockTextRead,
         MSG_BLOCK_TEXT_READ,
         {0x03}},
        {"scene name write without NUL",
         [](MessageSender& m, SceneTransferState& s, const SceneImage& i) {
             return m.sendBlockTextWrite(s, i, 3);
         },
         TransferRequest::BlockTextWrite, MSG_BLOCK_TEXT_WRITE,
         concat({0x03}, bytesOf("untouched"))},
    };
}

TEST_F(SceneTransferTest, RequestClearsOnlyItsOwnDoneFlagAndSends) {
    for (const RequestCase& c : requestCases()) {
        sink.frames.clear();
        state = SceneTransferState{};
        state.done.set();
        ASSERT_TRUE(c.send(sender, state, *image)) << c.name;
        EXPECT_EQ(state.scene, 3) << c.name;
        for (std::size_t bit = 0; bit < kTransferRequestCount; ++bit) {
            EXPECT_EQ(state.done.test(bit), bit != static_cast<std::size_t>(c.request))
                << c.name << ", flag " << bit;
        }
        ASSERT_EQ(sink.frames.size(), 1U) << c.name;
        EXPECT_EQ(sink.frames[0], makeFrame(c.code, c.payload)) << c.name;
    }
}

TEST_F(SceneTransferTest, RequestsRecordWhatTheReplyMustMatch) {
    ASSERT_TRUE(sender.sendBlockRead(state, 4, 5863, 43));
    EXPECT_EQ(state.start, 5863);
    EXPECT_EQ(state.count, 43);
    ASSERT_TRUE(sender.sendBlockNameWrite(state, *image, 5, 17));
    EXPECT_EQ(state.scene, 5);
    EXPECT_EQ(state.textIndex, 17);
}

TEST_F(SceneTransferTest, RequestsThatCannotBeMetAreRefused) {
    const SceneTransferState before = state;
    EXPECT_FALSE(sender.sendBlockNameRead(state, 3, 64));
    EXPECT_FALSE(sender.sendBlockNameWrite(state, *image, 3, 64));
    EXPECT_FALSE(sender.sendBlockWrite(state, *image, 3, 0, MessageSender::kMaxBlockValues + 1));
    EXPECT_TRUE(sink.frames.empty());
    EXPECT_EQ(state.done, before.done);
    EXPECT_TRUE(sender.sendBlockWrite(state, *image, 3, 0, MessageSender::kMaxBlockValues));
}

using ReplyCheck = std::function<bool(const Bytes&, SceneTransferState&, SceneImage&)>;

struct ReplyCase {
    std::string name;
    ReplyCheck accept;
    TransferRequest request;
    Bytes frame;
    bool accepted;
};

ReplyCheck withoutImage(bool (*accept)(std::span<const std::uint8_t>, SceneTransferState&)) {
    return [accept](const Bytes& frame, SceneTransferState& s, SceneImage&) {
        return accept(frame, s);
    };
}

std::vector<ReplyCase> replyCases() {
    const ReplyCheck blockRead = acceptBlockReadReply;
    const ReplyCheck nameRead = acceptBlockNameReadReply;
    const ReplyCheck textRead = acceptBlockTextReadReply;
    const ReplyCheck blockWrite = withoutImage(acceptBlockWriteReply);
    const ReplyCheck commit = withoutImage(acceptBlockCommitReply);
    const ReplyCheck nameWrite = withoutImage(acceptBlockNameWriteReply);
    const ReplyCheck textWrite = withoutImage(acceptBlockTextWriteReply);
    // Pending: scene 3, start 60, text item 9.
    return {
        {"block read", blockRead, TransferRequest::BlockRead,
         makeFrame(MSG_BLOCK_READ, {3, 1, 0, 60, 0xAB, 0xCD}), true},
        {"block read, other scene", blockRead, TransferRequest::BlockRead,
         makeFrame(MSG_BLOCK_READ, {4, 1, 0, 60, 0xAB, 0xCD}), false},
        {"block read, other start", blockRead, TransferRequest::BlockRead,
         makeFrame(MSG_BLOCK_READ, {3, 1, 0, 61, 0xAB, 0xCD}), false},
        {"block read, header cut short", blockRead, TransferRequest::BlockRead,
         makeFrame(MSG_BLOCK_READ, {3, 1, 0}), false},
        {"block read, frame not whole", blockRead, TransferRequest::BlockRead,
         Bytes{0x80, 0x0A, MSG_BLOCK_READ, 3, 1, 0, 60}, false},
        {"block write", blockWrite, TransferRequest::BlockWrite,
         makeFrame(MSG_BLOCK_WRITE, {3, 60, 0, 60}), true},
        {"block write, other start", blockWrite, TransferRequest::BlockWrite,
         makeFrame(MSG_BLOCK_WRITE, {3, 60, 1, 60}), false},
        {"block write, start cut short", blockWrite, TransferRequest::BlockWrite,
         makeFrame(MSG_BLOCK_WRITE, {3, 60, 0}), false},
        {"commit", commit, TransferRequest::BlockCommit, makeFrame(MSG_BLOCK_COMMIT, {3}), true},
        {"commit, other scene", commit, TransferRequest::BlockCommit,
         makeFrame(MSG_BLOCK_COMMIT, {2}), false},
        {"commit, no scene", commit, TransferRequest::BlockCommit, makeFrame(MSG_BLOCK_COMMIT, {}),
         false},
        {"text item", nameRead, TransferRequest::BlockNameRead,
         makeFrame(MSG_BLOCK_NAME_READ, concat({3, 9}, bytesOf("Vox"))), true},
        {"text item, empty text in 7 bytes", nameRead, TransferRequest::BlockNameRead,
         makeFrame(MSG_BLOCK_NAME_READ, {3, 9}), true},
        {"text item, 6 bytes", nameRead, TransferRequest::BlockNameRead,
         makeFrame(MSG_BLOCK_NAME_READ, {3}), false},
        {"text item, other index", nameRead, TransferRequest::BlockNameRead,
         makeFrame(MSG_BLOCK_NAME_READ, concat({3, 10}, bytesOf("Vox"))), false},
        {"text item, other scene", nameRead, TransferRequest::BlockNameRead,
         makeFrame(MSG_BLOCK_NAME_READ, concat({1, 9}, bytesOf("Vox"))), false},
        {"text item write", nameWrite, TransferRequest::BlockNameWrite,
         makeFrame(MSG_BLOCK_NAME_WRITE, {3, 9}), true},
        {"text item write, other index", nameWrite, TransferRequest::BlockNameWrite,
         makeFrame(MSG_BLOCK_NAME_WRITE, {3, 8}), false},
        {"scene name", textRead, TransferRequest::BlockTextRead,
         makeFrame(MSG_BLOCK_TEXT_READ, concat({3}, bytesOf("Show"))), true},
        {"scene name, empty in 6 bytes", textRead, TransferRequest::BlockTextRead,
         makeFrame(MSG_BLOCK_TEXT_READ, {3}), true},
        {"scene name, 5 bytes", textRead, TransferRequest::BlockTextRead,
         makeFrame(MSG_BLOCK_TEXT_READ, {}), false},
        {"scene name, other scene", textRead, TransferRequest::BlockTextRead,
         makeFrame(MSG_BLOCK_TEXT_READ, concat({2}, bytesOf("Show"))), false},
        {"scene name write", textWrite, TransferRequest::BlockTextWrite,
         makeFrame(MSG_BLOCK_TEXT_WRITE, {3}), true},
        {"scene name write, other scene", textWrite, TransferRequest::BlockTextWrite,
         makeFrame(MSG_BLOCK_TEXT_WRITE, {4}), false},
    };
}

TEST_F(SceneTransferTest, RepliesMatchThePendingRequest) {
    for (const ReplyCase& c : replyCases()) {
        state = SceneTransferState{3, 60, 1, 9, {}};
        EXPECT_EQ(c.accept(c.frame, state, *image), c.accepted) << c.name;
        EXPECT_EQ(state.isDone(c.request), c.accepted) << c.name;
        EXPECT_EQ(state.done.count(), c.accepted ? 1U : 0U) << c.name;
    }
}

TEST_F(SceneTransferTest, AcceptedRepliesFillTheImage) {
    state = SceneTransferState{3, 60, 2, 9, {}};
    ASSERT_TRUE(acceptBlockReadReply(
        makeFrame(MSG_BLOCK_READ, {3, 2, 0, 60, 0xAB, 0xCD, 0x00, 0x01}), state, *image));
    EXPECT_EQ(image->data[59], 0x1000 + 59);
    EXPECT_EQ(image->data[60], 0xABCD);
    EXPECT_EQ(image->data[61], 0x0001);
    EXPECT_EQ(image->data[62], 0x1000 + 62);

    ASSERT_TRUE(acceptBlockNameReadReply(
        makeFrame(MSG_BLOCK_NAME_READ, concat({3, 9}, bytesOf("Vox"))), state, *image));
    EXPECT_EQ(sceneText(image->text[9]), "Vox");
    EXPECT_EQ(sceneText(image->text[8]), "untouched");

    ASSERT_TRUE(acceptBlockTextReadReply(
        makeFrame(MSG_BLOCK_TEXT_READ, concat({3}, bytesOf("Show"))), state, *image));
    EXPECT_EQ(sceneText(image->name), "Show");
}

TEST_F(SceneTransferTest, TextsKeepAtMost31Characters) {
    const Bytes forty = bytesOf(std::string(40, 't'));
    state = SceneTransferState{3, 0, 0, 63, {}};
    ASSERT_TRUE(acceptBlockNameReadReply(makeFrame(MSG_BLOCK_NAME_READ, concat({3, 63}, forty)),
                                         state, *image));
    EXPECT_EQ(sceneText(image->text[63]), std::string(31, 't'));
    ASSERT_TRUE(acceptBlockTextReadReply(makeFrame(MSG_BLOCK_TEXT_READ, concat({3}, forty)), state,
                                         *image));
    EXPECT_EQ(sceneText(image->name), std::string(31, 't'));
    EXPECT_EQ(image->name.back(), '\0');
}

struct BlockBoundsCase {
    std::string name;
    std::uint16_t start;
    std::uint8_t claimed;
    std::size_t carried;
    std::size_t firstKept;
    std::size_t kept;
};

TEST_F(SceneTransferTest, BlockReadNeverWritesOutsideTheImageOrReadsOutsideTheFrame) {
    const std::vector<BlockBoundsCase> cases{
        {"last chunk past the end", 5863, 43, 43, 0, 0},
        {"chunk across the end", 5860, 10, 10, 5860, 3},
        {"start far beyond", 0xFFFF, 60, 60, 0, 0},
        {"fewer values than claimed", 100, 60, 2, 100, 2},
        {"more values than claimed", 200, 1, 5, 200, 1},
    };
    for (const BlockBoundsCase& c : cases) {
        SetUp();
        Bytes payload{3, c.claimed, static_cast<std::uint8_t>(c.start >> 8),
                      static_cast<std::uint8_t>(c.start & 0xFF)};
        payload.resize(payload.size() + 2 * c.carried, 0x77);
        state = SceneTransferState{3, c.start, c.claimed, 0, {}};
        ASSERT_TRUE(acceptBlockReadReply(makeFrame(MSG_BLOCK_READ, payload), state, *image))
            << c.name;
        std::size_t changed = 0;
        for (std::size_t i = 0; i < image->data.size(); ++i) {
            if (image->data[i] != 0x1000 + i) {
                EXPECT_GE(i, c.firstKept) << c.name;
                EXPECT_EQ(image->data[i], 0x7777) << c.name;
                ++changed;
            }
        }
        EXPECT_EQ(changed, c.kept) << c.name;
        EXPECT_EQ(sceneText(image->text[0]), "untouched") << c.name;
    }
}

} // namespace
} // namespace v32
