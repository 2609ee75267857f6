#include "app/core/ProductConstants.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace v32 {
namespace {

constexpr std::uint32_t k8Bits = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint32_t k16Bits = std::numeric_limits<std::uint16_t>::max();
constexpr std::uint32_t k32Bits = std::numeric_limits<std::uint32_t>::max();

struct NumberCase {
    const char* text;
    std::uint32_t maxValue;
    std::uint32_t value;
};

TEST(ProductConstantsTest, NumberReader) {
    const std::array<NumberCase, 22> cases{{
        {"0xE001", k16Bits, 57345},
        {"0x2F", k8Bits, 47},
        {"0x01", k8Bits, 1},
        {"1", k32Bits, 1},
        {"", k32Bits, 0},
        {"   ", k32Bits, 0},
        {"12x", k32Bits, 0},
        {" 42", k32Bits, 42},
        {"\t\n0x10", k32Bits, 16},
        {"42 ", k32Bits, 0},
        {"010", k32Bits, 10},
        {"E001", k16Bits, 57345},
        {"0Xe001", k16Bits, 57345},
        {"0x", k32Bits, 0},
        {"0x0x1", k32Bits, 0},
        {"-1", k32Bits, 0},
        {"65535", k16Bits, 65535},
        {"65536", k16Bits, 0},
        {"0xFF", k8Bits, 255},
        {"0x100", k8Bits, 0},
        {"4294967295", k32Bits, 4294967295u},
        {"99999999999999999999", k32Bits, 0},
    }};
    for (const NumberCase& c : cases) {
        EXPECT_EQ(readConstantNumber(c.text, c.maxValue), c.value) << '"' << c.text << '"';
    }
}

TEST(ProductConstantsTest, ConstantsReadAsTheIdentityTheDeviceMustMatch) {
    const ProductConstants constants = parseProductConstants();
    EXPECT_EQ(constants.productId, 0xE001);
    EXPECT_EQ(constants.modelCode, 0x2F);
    EXPECT_EQ(constants.thirdCode, 0x01);
    EXPECT_TRUE(splashEnabled());
}

} // namespace
} // namespace v32
