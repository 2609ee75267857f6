#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LinkBits.h"
#include "app/protocol/LiveData.h"
#include "app/protocol/MemberBits.h"
#include "app/protocol/SendLevel.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

struct WithLevelCase {
    std::uint16_t fader;
    std::uint16_t level;
    std::uint16_t expected;
};

TEST(FaderLevelTest, NewLevelKeepsTheTwoSwitchBits) {
    constexpr WithLevelCase kCases[] = {
        {0x0000, 1200, 1200},
        {0x8000, 1200, 0x8000 | 1200},
        {0xC3FF, 0, 0xC000},
        {0x4000 | 500, 1300, 0x4000 | 1300},
        // A level wider than 14 bits loses its top bits instead of flipping a switch.
        {0x0000, 0xFFFF, 0x3FFF},
    };
    for (const WithLevelCase& c : kCases) {
        EXPECT_EQ(FaderLevel::withLevel(c.fader, c.level), c.expected)
            << "fader " << c.fader << " level " << c.level;
    }
    EXPECT_EQ(FaderLevel::levelOf(0xC000 | 1200), 1200);
}

TEST(SendLevelTest, PreFaderIsBitFifteenAlone) {
    EXPECT_TRUE(SendLevel::isPreFader(0x8000));
    EXPECT_FALSE(SendLevel::isPreFader(0x7FFF));
    EXPECT_EQ(SendLevel::withPreFader(0x4000 | 1200, true), 0xC000 | 1200);
    EXPECT_EQ(SendLevel::withPreFader(0xC000 | 1200, false), 0x4000 | 1200);
}

TEST(MemberBitsTest, SixteenSlotsToAWordLowBitFirst) {
    EXPECT_EQ(MemberBits::wordOf(0), 0);
    EXPECT_EQ(MemberBits::wordOf(15), 0);
    EXPECT_EQ(MemberBits::wordOf(16), 1);
    EXPECT_EQ(MemberBits::wordOf(63), 3);
    EXPECT_EQ(MemberBits::bitOf(0), 0x0001);
    EXPECT_EQ(MemberBits::bitOf(17), 0x0002);
    EXPECT_EQ(MemberBits::bitOf(63), 0x8000);
    EXPECT_TRUE(MemberBits::contains(0x0004, 18));
    EXPECT_FALSE(MemberBits::contains(0x0004, 17));
}

TEST(LinkBitsTest, BothChannelsOfAPairReadTheSameBit) {
    EXPECT_TRUE(LinkBits::isLinked(0x0001, 0));
    EXPECT_TRUE(LinkBits::isLinked(0x0001, 1));
    EXPECT_FALSE(LinkBits::isLinked(0x0001, 2));
    EXPECT_TRUE(LinkBits::isLinked(0x8000, 31));
    // Channels past the sixteenth pair have no bit, whatever the word holds.
    EXPECT_FALSE(LinkBits::isLinked(0xFFFF, 32));
}

TEST(LiveDataTest, MetersAndSpectrumOnlyAtTheRangeEnds) {
    struct Case {
        ParamId id;
        bool live;
    };
    constexpr Case kCases[] = {{1, false},   {2, true},     {52, true},
                               {53, false},  {2853, false}, {2854, true},
                               {2879, true}, {2880, false}, {FixedParam::kLastCalledScene, false}};
    for (const Case& c : kCases) {
        EXPECT_EQ(LiveData::contains(c.id), c.live) << c.id;
    }
}

} // namespace
} // namespace v32
