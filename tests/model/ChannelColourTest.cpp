#include "app/model/ChannelColour.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(ChannelColourTest, IndexesBeyondTheTableShowNoColour) {
    EXPECT_EQ(ChannelColour::colourOf(0), ChannelColour::kNoColour);
    EXPECT_EQ(ChannelColour::colourOf(1), 0x43B8);
    EXPECT_EQ(ChannelColour::colourOf(12), 0xC305);
    EXPECT_EQ(ChannelColour::colourOf(13), ChannelColour::kNoColour);
    EXPECT_EQ(ChannelColour::colourOf(0xFFFF), ChannelColour::kNoColour);
}

TEST(ChannelColourTest, EachSlotHasItsOwnColourParameter) {
    EXPECT_EQ(ChannelColour::slotOf(ChannelColour::paramOf(0)), 0);
    EXPECT_EQ(ChannelColour::slotOf(ChannelColour::paramOf(63)), 63);
    EXPECT_EQ(ChannelColour::slotOf(5130), -1);
    EXPECT_EQ(ChannelColour::slotOf(5195), -1);
}

} // namespace
} // namespace v32
