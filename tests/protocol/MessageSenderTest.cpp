#include "app/protocol/MessageSender.h"

#include "app/protocol/FixedFrames.h"
#include "tests/protocol/TestFrames.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::bytesOf;
using test::concat;

class MessageSenderTest : public ::testing::Test {
protected:
    // The code and payload of the one frame sent, after checking that it is a sound frame.
    std::pair<std::uint8_t, Bytes> onlyFrame() const {
        EXPECT_EQ(sink.frames.size(), 1U);
        if (sink.frames.size() != 1) {
            return {};
        }
        const Bytes& frame = sink.frames.front();
        EXPECT_EQ(checkFrame(frame).status, FrameStatus::Ok);
        const std::span<const std::uint8_t> payload = framePayload(frame);
        return {frame[2], Bytes(payload.begin(), payload.end())};
    }

    test::RecordingFrameSink sink;
    MessageSender sender{sink};
};

TEST_F(MessageSenderTest, IdentifyIsTheFixedRequest) {
    ASSERT_TRUE(sender.sendIdentify());
    ASSERT_EQ(sink.frames.size(), 1U);
    EXPECT_EQ(sink.frames[0], Bytes(kIdentifyRequest.begin(), kIdentifyRequest.end()));
}

struct SingleFrameCase {
    std::string name;
    std::function<bool(MessageSender&)> send;
    MessageCode code;
    Bytes payload;
};

std::vector<SingleFrameCase> singleFrameCases() {
    return {
        {"single pair",
         [](MessageSender& s) { return s.sendSinglePair(55, 0x55AA); },
         MSG_PARAM_SET,
         {0x00, 0x37, 0x55, 0xAA}},
        {"status bytes",
         [](MessageSender& s) { return s.requestStatusBytes(); },
         MSG_STATUS_GET,
         {0x00, 0x1F}},
        {"scene name get",
         [](MessageSender& s) { return s.requestSceneName(16); },
         MSG_SCENE_NAME_GET,
         {0x10}},
        {"scene name set", [](MessageSender& s) { return s.sendSceneName(2, "Live"); },
         MSG_SCENE_NAME_SET, concat({0x02}, bytesOf(std::string_view("Live\0", 5)))},
        {"scene name cut to 31",
         [](MessageSender& s) { return s.sendSceneName(1, std::string(40, 'n')); },
         MSG_SCENE_NAME_SET, concat(concat({0x01}, Bytes(31, 'n')), {0x00})},
        {"channel name get",
         [](MessageSender& s) { return s.requestChannelName(63); },
         MSG_NAME_GET,
         {0x3F}},
        {"channel name set", [](MessageSender& s) { return s.sendChannelName(5, "Kick"); },
         MSG_NAME_SET, concat({0x05}, bytesOf(std::string_view("Kick\0", 5)))},
        {"empty channel name",
         [](MessageSender& s) { return s.sendChannelName(0, ""); },
         MSG_NAME_SET,
         {0x00, 0x00}},
        {"scene call", [](MessageSender& s) { return s.sendSceneCall(7); }, MSG_SCENE_CALL, {0x07}},
        {"scene save", [](MessageSender& s) { return s.sendSceneSave(9); }, MSG_SCENE_SAVE, {0x09}},
        {"text query", [](MessageSender& s) { return s.sendTextQuery("LAYER="); }, MSG_TEXT_QUERY,
         bytesOf("LAYER=")},
        {"text command", [](MessageSender& s) { return s.sendTextCommand("DEVNAME=Desk"); },
         MSG_TEXT_COMMAND, bytesOf("DEVNAME=Desk")},
        {"media command",
         [](MessageSender& s) {
             return s.send(MSG_MEDIA_COMMAND, Bytes{1, 2, 3});
         },
         MSG_MEDIA_COMMAND,
         {0x01, 0x02, 0x03}},
    };
}

TEST_F(MessageSenderTest, EachOperationSendsItsFrame) {
    for (const SingleFrameCase& c : singleFrameCases()) {
        sink.frames.clear();
        EXPECT_TRUE(c.send(sender)) << c.name;
        const auto [code, payload] = onlyFrame();
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(payload, c.payload) << c.name;
    }
}

struct TextLengthCase {
    bool command;
    std::size_t length;
    bool sent;
};

TEST_F(MessageSenderTest, LongTextsAreNotSent) {
    constexpr std::array<TextLengthCase, 4> cases{{
        {true, 249, true},
        {true, 250, false},
        {false, 251, true},
        {false, 252, false},
    }};
    for (const TextLengthCase& c : cases) {
        sink.frames.clear();
        const std::string text(c.length, 'x');
        const bool sent = c.command ? sender.sendTextCommand(text) : sender.sendTextQuery(text);
        EXPECT_EQ(sent, c.sent) << (c.command ? "command " : "query ") << c.length;
        EXPECT_EQ(sink.frames.size(), c.sent ? 1U : 0U);
    }
}

TEST_F(MessageSenderTest, NetworkQueriesAreThreeFramesInOrder) {
    ASSERT_TRUE(sender.sendNetworkQueries());
    const std::vector<std::string> expected{
        "ETH_DHCP=\nETH_IP=\nETH_NETMASK=\nETH_GATEWAY=\nETH_DNS=\n",
        "AP_SSID=\nAP_KEY=\nSTA_SSID=\nSTA_KEY=\nAPIP=\nDOMAIN=\n",
        "WIFI_MODE=\nWIFI_DHCP=\nWIFI_IP=\nWIFI_NETMASK=\nWIFI_GATEWAY=\nWIFI_DNS=\nWIFI_STATE=\n",
    };
    ASSERT_EQ(sink.frames.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(sink.frames[i][2], MSG_TEXT_QUERY);
        const std::span<const std::uint8_t> payload = framePayload(sink.frames[i]);
        EXPECT_EQ(std::string(payload.begin(), payload.end()), expected[i]);
    }
}

struct ListCase {
    std::string name;
    std::function<std::size_t(MessageSender&, std::size_t)> send;
    std::size_t offered;
    MessageCode code;
    std::size_t carried;
    std::size_t itemSize;
};

TEST_F(MessageSenderTest, ListsAreCutAtTheFrameLimit) {
    const auto pairs = [](std::size_t count) {
        std::vector<ParamPair> list(count);
        for (std::size_t i = 0; i < count; ++i) {
            list[i] = {static_cast<ParamId>(104 + i), static_cast<std::uint16_t>(i)};
        }
        return list;
    };
    const std::vector<ListCase> cases{
        {"param set", [&](MessageSender& s, std::size_t n) { return s.sendParamSet(pairs(n)); }, 61,
         MSG_PARAM_SET, 60, kPairSize},
        {"param set, few",
         [&](MessageSender& s, std::size_t n) { return s.sendParamSet(pairs(n)); }, 3,
         MSG_PARAM_SET, 3, kPairSize},
        {"panel set", [&](MessageSender& s, std::size_t n) { return s.sendPanelSet(pairs(n)); },
         101, MSG_PANEL_SET, 62, kPairSize},
        {"param query",
         [](MessageSender& s, std::size_t n) {
             const std::vector<ParamId> ids(n, 7);
             return s.sendParamQuery(ids);
         },
         61, MSG_PARAM_QUERY, 60, kIdSize},
    };
    for (const ListCase& c : cases) {
        sink.frames.clear();
        EXPECT_EQ(c.send(sender, c.offered), c.carried) << c.name;
        const auto [code, payload] = onlyFrame();
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(payload.size(), c.carried * c.itemSize) << c.name;
    }
}

TEST_F(MessageSenderTest, EmptyListsSendNothing) {
    EXPECT_EQ(sender.sendParamSet({}), 0U);
    EXPECT_EQ(sender.sendParamQuery({}), 0U);
    EXPECT_EQ(sender.sendPanelSet({}), 0U);
    EXPECT_TRUE(sink.frames.empty());
}

TEST_F(MessageSenderTest, RefusedFramesAreReportedAsNotSent) {
    sink.refuse = true;
    const std::array<ParamPair, 1> pair{{{1, 2}}};
    EXPECT_FALSE(sender.sendIdentify());
    EXPECT_FALSE(sender.sendSinglePair(55, 1));
    EXPECT_FALSE(sender.sendNetworkQueries());
    EXPECT_EQ(sender.sendParamSet(pair), 0U);
}

} // namespace
} // namespace v32
