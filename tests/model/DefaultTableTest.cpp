#include "app/model/DefaultTable.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

// The default of one parameter number on channels firstIndex..lastIndex of a kind (all of
// them when lastIndex is -1).
struct ChannelDefaultCase {
    int kind;
    int number;
    int expected;
    int firstIndex = 0;
    int lastIndex = -1;
};

constexpr ChannelDefaultCase kChannelDefaultCases[] = {
    {KindInput, 0, 0},
    {KindInput, 1, 0},
    {KindInput, 2, 1},
    {KindInput, 3, 80},
    {KindInput, 4, 128},
    {KindInput, 5, 3},
    {KindInput, 6, 2},
    {KindInput, 7, 0},
    {KindInput, 8, 0},
    {KindInput, 9, 1},
    {KindInput, 10, 1},
    {KindInput, 11, 100},
    {KindInput, 12, 0},
    {KindInput, 13, 0},
    {KindInput, 26, 0},
    {KindInput, 27, 1200},
    {KindInput, 28, 1200},
    {KindInput, 29, 1200, 0, 27},
    {KindInput, 30, 1200, 0, 27},
    {KindInput, 31, 0},
    {KindInput, 32, 0},
    {KindInput, 33, 0},
    {KindInput, 36, 0},
    {KindInput, 37, 1},
    {KindInput, 38, 0},
    {KindInput, 39, 1},
    {KindInput, 40, 100},
    {KindInput, 41, 100},
    {KindInput, 42, 5000},
    {KindInput, 43, 0},
    {KindInput, 44, 0},
    {KindInput, 45, 1200},
    {KindInput, 46, 1},
    {KindInput, 47, 1},
    {KindInput, 48, 20},
    {KindInput, 49, 0x80C4},
    {KindInput, 50, 21},
    {KindInput, 51, 20600},
    {KindInput, 52, 7},
    {KindInput, 53, 33568},
    {KindInput, 54, 500},
    {KindInput, 55, 100},
    {KindInput, 57, 400},
    {KindInput, 61, 2500},
    {KindInput, 65, 12000},
    {KindInput, 68, 7},
    {KindInput, 69, 20000},
    {KindInput, 71, 100},
    {KindEffect, 181, 0},
    {KindEffect, 182, 1},
    {KindEffect, 183, 0},
    {KindEffect, 196, 0},
    {KindEffect, 197, 1200},
    {KindEffect, 200, 1200},
    {KindEffect, 201, 0},
    {KindEffect, 202, 0},
    {KindEffect, 203, 1},
    {KindEffect, 204, 1},
    {KindEffect, 205, 20},
    {KindEffect, 206, 0x80C4},
    {KindEffect, 207, 21},
    {KindEffect, 208, 20600},
    {KindEffect, 209, 7},
    {KindEffect, 210, 33568},
    {KindEffect, 211, 500},
    {KindEffect, 212, 100},
    {KindEffect, 214, 400},
    {KindEffect, 226, 20000},
    {KindEffect, 228, 100},
    {KindEffect, 229, 1, 0, 0},
    {KindEffect, 229, 17, 1, 1},
    {KindEffect, 229, 1, 2, 2},
    {KindEffect, 229, 17, 3, 3},
    {KindEffect, 230, 0},
    {KindEffect, 231, 78},
    {KindEffect, 232, 0},
    {KindEffect, 233, 0},
    {KindEffect, 234, 1},
    {KindBus, 72, 0, 0, 13},
    {KindBus, 72, 1200, 14, 17},
    {KindBus, 73, 1},
    {KindBus, 74, 1},
    {KindBus, 75, 0},
    {KindBus, 76, 1},
    {KindBus, 77, 0},
    {KindBus, 78, 1},
    {KindBus, 79, 100},
    {KindBus, 80, 100},
    {KindBus, 81, 5000},
    {KindBus, 82, 0},
    {KindBus, 83, 1200},
    {KindBus, 84, 0},
    {KindBus, 85, 0},
    {KindBus, 86, 1},
    {KindBus, 88, 1},
    {KindBus, 89, 20},
    {KindBus, 90, 0x80C4},
    {KindBus, 91, 21},
    {KindBus, 92, 20600},
    {KindBus, 93, 7},
    {KindBus, 94, 33398},
    {KindBus, 95, 500},
    {KindBus, 96, 100},
    {KindBus, 98, 150},
    {KindBus, 118, 16000},
    {KindBus, 121, 7},
    {KindBus, 122, 33018},
    {KindBus, 123, 500},
    {KindBus, 124, 100},
    {KindBus, 134, 100},
    {KindBus, 174, 10000},
    {KindBus, 178, 12000},
    {KindBus, 180, 100},
    {KindDca, 235, 0},
    {KindDca, 236, 0},
    {KindDca, 239, 0},
    {KindMuteGroup, 244, 0},
    {KindPhantomGroup, 249, 0},
};

TEST(DefaultTableTest, ChannelParametersStartAtTheirFactoryValues) {
    const DefaultTable defaults;
    for (const ChannelDefaultCase& c : kChannelDefaultCases) {
        const int last = c.lastIndex < 0 ? channelLayoutOf(c.kind).channelCount - 1 : c.lastIndex;
        for (int index = c.firstIndex; index <= last; ++index) {
            EXPECT_EQ(defaults.of(paramId(c.kind, index, c.number)), c.expected)
                << "kind " << c.kind << " index " << index << " number " << c.number;
        }
    }
}

TEST(DefaultTableTest, StereoInputsSendEachHalfToItsOwnMainSide) {
    const DefaultTable defaults;
    for (int left : {28, 30, 32}) {
        EXPECT_EQ(defaults.of(paramId(KindInput, left, 29)), 1200) << left;
        EXPECT_EQ(defaults.of(paramId(KindInput, left, 30)), 0) << left;
        EXPECT_EQ(defaults.of(paramId(KindInput, left + 1, 29)), 0) << left + 1;
        EXPECT_EQ(defaults.of(paramId(KindInput, left + 1, 30)), 1200) << left + 1;
    }
}

struct IdentifierDefaultCase {
    int id;
    int expected;
};

constexpr IdentifierDefaultCase kIdentifierDefaultCases[] = {
    {2511, 0},   {2512, 0},     {2513, 1000}, {2514, 800}, {2515, 1200}, {2532, 1200}, {2533, 1},
    {2562, 30},  {2563, 0},     {2564, 0},    {2565, 1},   {2592, 28},   {2593, 0},    {2596, 0},
    {2597, 50},  {2660, 50},    {2661, 1},    {2692, 1},   {4852, 100},  {4853, 0},    {4962, 360},
    {4963, 480}, {4968, 360},   {4969, 480},  {4970, 0},   {4971, 1},    {4973, 1},    {4974, 0},
    {4976, 18},  {4977, 13398}, {4978, 0},    {4979, 1},   {4980, 1},    {4981, 0},    {4982, 1000},
    {4983, 6},   {4984, 1},     {4985, 128},  {4986, 1},   {4987, 40},   {4988, 0},    {4989, 0},
};

TEST(DefaultTableTest, SettingsOutsideTheChannelsStartAtTheirFactoryValues) {
    const DefaultTable defaults;
    for (const IdentifierDefaultCase& c : kIdentifierDefaultCases) {
        EXPECT_EQ(defaults.of(static_cast<ParamId>(c.id)), c.expected) << "identifier " << c.id;
    }
}

TEST(DefaultTableTest, EveryChannelStartsOnTheHardwareChannelOfItsNumber) {
    const DefaultTable defaults;
    for (int input = 0; input < 34; ++input) {
        EXPECT_EQ(defaults.of(static_cast<ParamId>(2693 + input)), input + 1) << input;
    }
    for (int bus = 0; bus < 18; ++bus) {
        EXPECT_EQ(defaults.of(static_cast<ParamId>(4855 + bus)), bus + 1) << bus;
    }
}

TEST(DefaultTableTest, EverythingElseStartsAtZero) {
    struct Range {
        int first;
        int last;
    };
    // Settings outside the channels that have factory values of their own.
    constexpr Range nonZero[] = {{2513, 2726}, {4852, 4852}, {4855, 4872}, {4962, 4987}};
    const DefaultTable defaults;
    for (int id = 0; id < kParamCount; ++id) {
        bool listed = channelKindOf(static_cast<ParamId>(id)) != KindNone;
        for (const Range& range : nonZero) {
            listed = listed || (id >= range.first && id <= range.last);
        }
        if (!listed) {
            EXPECT_EQ(defaults.of(static_cast<ParamId>(id)), 0) << "identifier " << id;
        }
    }
    EXPECT_EQ(defaults.of(kInvalidParam), 0);
}

TEST(DefaultTableTest, IdentifiersBeyondTheLastReadAsZero) {
    const DefaultTable defaults;
    EXPECT_EQ(defaults.of(kParamCount), 0);
    EXPECT_EQ(defaults.of(0xFFFF), 0);
}

TEST(DefaultTableTest, TablesOfAnyLengthGetTheSameDefaults) {
    const DefaultTable defaults;
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{2700}, std::size_t{4860},
                               std::size_t{kParamCount}, std::size_t{6000}}) {
        // Stale content must not survive the fill.
        std::vector<std::uint16_t> table(length, 0xAAAA);
        fillDefaults(table);
        for (std::size_t id = 0; id < length; ++id) {
            const std::uint16_t expected =
                id < kParamCount ? defaults.values()[id] : std::uint16_t{0};
            ASSERT_EQ(table[id], expected) << "length " << length << " identifier " << id;
        }
    }
}

} // namespace
} // namespace v32
