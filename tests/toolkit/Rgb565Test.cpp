#include "ui/toolkit/style/Rgb565.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(Rgb565, ExpandsEachChannelToItsFullRange) {
    struct Case {
        std::uint16_t colour;
        QColor expected;
    };
    const Case cases[] = {
        {0x0000, QColor(0, 0, 0)},       {0xFFFF, QColor(255, 255, 255)},
        {0xF800, QColor(255, 0, 0)},     {0x07E0, QColor(0, 255, 0)},
        {0x001F, QColor(0, 0, 255)},     {0x52CB, QColor(82, 89, 90)},
        {0x8410, QColor(132, 130, 132)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(rgb565ToColor(c.colour), c.expected);
    }
}

TEST(Rgb565, KeepsTheRequestedAlpha) {
    EXPECT_EQ(rgb565ToColor(0x0000, 204).alpha(), 204);
}

} // namespace
} // namespace v32
