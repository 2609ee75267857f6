#include "app/protocol/DeviceReplies.h"

#include "tests/protocol/TestFrames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::bytesOf;
using test::concat;
using test::makeFrame;

const Bytes kIdentifyHeader{0x00, 0xE0, 0x01, 0x2F, 0x00};

struct IdentifyCase {
    std::string name;
    Bytes frame;
    bool parsed;
    std::string deviceName;
};

TEST(DeviceRepliesTest, IdentifyReply) {
    const std::vector<IdentifyCase> cases{
        {"10 bytes, no name", makeFrame(MSG_IDENTIFY, kIdentifyHeader), true, ""},
        {"NUL-ended name",
         makeFrame(MSG_IDENTIFY, concat(kIdentifyHeader, bytesOf(std::string_view("Stage\0x", 7)))),
         true, "Stage"},
        {"name without NUL ends before the CRC",
         makeFrame(MSG_IDENTIFY, concat(kIdentifyHeader, bytesOf("unnamed"))), true, "unnamed"},
        {"9 bytes", makeFrame(MSG_IDENTIFY, {0x00, 0xE0, 0x01, 0x2F}), false, ""},
        {"N beyond the bytes given",
         Bytes{0x80, 0x20, 0x00, 0x00, 0xE0, 0x01, 0x2F, 0x00, 0x41, 0x42}, false, ""},
        {"empty", {}, false, ""},
    };
    for (const IdentifyCase& c : cases) {
        const std::optional<IdentifyReply> reply = parseIdentifyReply(c.frame);
        ASSERT_EQ(reply.has_value(), c.parsed) << c.name;
        if (reply) {
            EXPECT_EQ(reply->productId, 0xE001) << c.name;
            EXPECT_EQ(reply->modelCode, 0x2F) << c.name;
            EXPECT_EQ(reply->deviceName, c.deviceName) << c.name;
        }
    }
}

struct NameCase {
    std::string name;
    Bytes frame;
    bool parsed;
    std::uint8_t slot;
    std::string text;
};

TEST(DeviceRepliesTest, NameReply) {
    const std::vector<NameCase> cases{
        {"scene name", makeFrame(MSG_SCENE_NAME_GET, concat({5}, bytesOf("Verse"))), true, 5,
         "Verse"},
        {"40 text bytes keep 31", makeFrame(MSG_SCENE_NAME_GET, concat({16}, Bytes(40, 'a'))), true,
         16, std::string(31, 'a')},
        {"NUL ends the name",
         makeFrame(MSG_NAME_GET, concat({63}, bytesOf(std::string_view("Kick\0\0", 6)))), true, 63,
         "Kick"},
        {"empty name", makeFrame(MSG_NAME_GET, {2}), true, 2, ""},
        {"no slot", makeFrame(MSG_NAME_GET, {}), false, 0, ""},
        {"truncated", Bytes{0x80, 0x09, MSG_NAME_GET, 0x01, 'a'}, false, 0, ""},
    };
    for (const NameCase& c : cases) {
        const std::optional<NameReply> reply = parseNameReply(c.frame);
        ASSERT_EQ(reply.has_value(), c.parsed) << c.name;
        if (reply) {
            EXPECT_EQ(reply->slot, c.slot) << c.name;
            EXPECT_EQ(reply->name, c.text) << c.name;
        }
    }
}

} // namespace
} // namespace v32
