#include "app/protocol/Crc16.h"

#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace v32 {
namespace {

struct CrcCase {
    std::string_view text;
    std::uint16_t crc;
};

// Check values of the Modbus CRC parameters, plus the scene file header text.
constexpr std::array<CrcCase, 4> kCrcCases{{
    {"", 0xFFFF},
    {"abc", 0x5749},
    {"123456789", 0x4B37},
    {"0xE0010x2F", 18917},
}};

TEST(Crc16Test, KnownTexts) {
    for (const CrcCase& c : kCrcCases) {
        EXPECT_EQ(Crc16::of(c.text), c.crc) << c.text;
    }
}

TEST(Crc16Test, IncrementalEqualsOneShot) {
    Crc16 crc;
    crc.add(std::string_view("0xE001"));
    crc.add(std::string_view("0x2F"));
    EXPECT_EQ(crc.value(), Crc16::of(std::string_view("0xE0010x2F")));
}

TEST(Crc16Test, BytesAndTextAgree) {
    constexpr std::array<std::uint8_t, 3> bytes{'a', 'b', 'c'};
    EXPECT_EQ(Crc16::of(bytes), Crc16::of(std::string_view("abc")));
}

} // namespace
} // namespace v32
