#include "app/link/DiscoveryReply.h"

#include "app/link/FoundDeviceTable.h"
#include "app/protocol/Frame.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace v32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr ProductConstants kProduct{.productId = 0xE001, .modelCode = 0x2F, .thirdCode = 0x01};

Bytes frameOf(MessageCode code, const Bytes& payload) {
    Bytes frame(kFrameCapacity);
    frame.resize(buildFrame(frame, code, payload));
    return frame;
}

// What a mixer answers: a byte, product id, model code, a byte, the name and its NUL.
Bytes identifyPayload(std::uint16_t productId, std::uint8_t model, const std::string& name,
                      bool withNul = true) {
    Bytes payload{0x00, static_cast<std::uint8_t>(productId >> 8),
                  static_cast<std::uint8_t>(productId), model, 0x01};
    payload.insert(payload.end(), name.begin(), name.end());
    if (withNul) {
        payload.push_back(0x00);
    }
    return payload;
}

Bytes identifyReply(const std::string& name, std::uint16_t productId = 0xE001,
                    std::uint8_t model = 0x2F) {
    return frameOf(MSG_IDENTIFY, identifyPayload(productId, model, name));
}

struct ReplyCase {
    const char* what;
    Bytes datagram;
    std::optional<std::string> name;
};

Bytes withCrcBroken(Bytes frame) {
    frame.back() ^= 0x01;
    return frame;
}

Bytes withTrailingBytes(Bytes frame) {
    frame.insert(frame.end(), {0xAA, 0xBB, 0xCC});
    return frame;
}

Bytes longFormMark() {
    Bytes datagram = identifyReply("FOH");
    datagram[1] = 0xFF;
    datagram[2] = 0xFF;
    return datagram;
}

TEST(DiscoveryReplyTest, OnlyIdentifyRepliesOfThisProductListTheirSender) {
    const std::vector<ReplyCase> cases{
        {"named", identifyReply("FOH Left"), "FOH Left"},
        {"never named", identifyReply("unnamed"), "VELMAR32"},
        {"a name that only starts like it", identifyReply("unnamed 2"), "unnamed 2"},
        {"no name", identifyReply(""), ""},
        {"bytes after the frame", withTrailingBytes(identifyReply("FOH")), "FOH"},
        {"a name without its NUL ends with the frame",
         frameOf(MSG_IDENTIFY, identifyPayload(0xE001, 0x2F, "Monitor", false)), "Monitor"},
        {"bad CRC", withCrcBroken(identifyReply("FOH")), std::nullopt},
        {"foreign product id", identifyReply("FOH", 0xE002), std::nullopt},
        {"foreign model code", identifyReply("FOH", 0xE001, 0x30), std::nullopt},
        {"another code", frameOf(MSG_PARAM_QUERY, identifyPayload(0xE001, 0x2F, "FOH")),
         std::nullopt},
        {"too short for the ids", frameOf(MSG_IDENTIFY, {0x00, 0xE0, 0x01}), std::nullopt},
        {"not a frame", Bytes{0x81, 0x04, 0x00, 0x00, 0x25, 0x68}, std::nullopt},
        {"long form in a short datagram", longFormMark(), std::nullopt},
        {"empty", Bytes{}, std::nullopt},
    };
    for (const ReplyCase& c : cases) {
        const std::optional<std::string_view> name = discoveryReplyName(c.datagram, kProduct);
        EXPECT_EQ(name.has_value(), c.name.has_value()) << c.what;
        if (name && c.name) {
            EXPECT_EQ(*name, *c.name) << c.what;
        }
    }
}

TEST(DiscoveryReplyTest, TheTableListsEachAddressOnceWithNamesOfAtMost31Characters) {
    FoundDeviceTable table;
    EXPECT_TRUE(table.add(0x7F000002, "FOH Left"));
    EXPECT_FALSE(table.add(0x7F000002, "Other name"));
    EXPECT_TRUE(table.add(0x7F000003, std::string(40, 'n')));
    ASSERT_EQ(table.devices().size(), 2U);
    EXPECT_EQ(table.devices()[0].nameView(), "FOH Left");
    EXPECT_EQ(table.devices()[1].nameView(), std::string(31, 'n'));
    EXPECT_EQ(table.devices()[1].address, 0x7F000003U);
}

TEST(DiscoveryReplyTest, TheTableIgnoresDevicesBeyond256) {
    FoundDeviceTable table;
    for (std::uint32_t device = 0; device < FoundDeviceTable::kCapacity; ++device) {
        ASSERT_TRUE(table.add(0x0A000000 + device, "mixer"));
    }
    EXPECT_TRUE(table.isFull());
    EXPECT_FALSE(table.add(0x0B000000, "one too many"));
    EXPECT_FALSE(table.contains(0x0B000000));
    EXPECT_EQ(table.devices().size(), FoundDeviceTable::kCapacity);
}

} // namespace
} // namespace v32
