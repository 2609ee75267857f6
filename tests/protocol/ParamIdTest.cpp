#include "app/protocol/ParamId.h"

#include <bitset>
#include <gtest/gtest.h>

namespace v32 {
namespace {

struct IdentifierCase {
    int kind;
    int index;
    int number;
    int expected;
};

constexpr IdentifierCase kIdentifierCases[] = {
    {KindInput, 0, kNumberFader, 75},
    {KindBus, 16, kNumberOn, 4636},
    {KindEffect, 3, 234, 5119},
    {7, 0, 0, kInvalidParam},
    // First and last identifier of every formula.
    {KindInput, 0, 0, 63},
    {KindInput, 33, 71, 2510},
    {KindEffect, 0, 181, 4873},
    {KindEffect, 3, 202, 4960},
    {KindEffect, 0, 203, 2727},
    {KindEffect, 3, 233, 2850},
    {KindEffect, 0, 234, 5116},
    {KindBus, 0, 72, 2890},
    {KindBus, 17, 180, 4851},
    {KindDca, 0, 235, 4991},
    {KindDca, 7, 243, 5062},
    {KindMuteGroup, 0, 244, 5064},
    {KindMuteGroup, 5, 248, 5093},
    {KindPhantomGroup, 0, 249, 5095},
    {KindPhantomGroup, 3, 251, 5106},
    // The monitor sends of MAIN L and MAIN R that the screens address directly.
    {KindBus, 16, 84, 4646},
    {KindBus, 16, 85, 4647},
    {KindBus, 17, 84, 4755},
    {KindBus, 17, 85, 4756},
    // Generic numbers of every kind that has them.
    {KindInput, 2, kNumberFader, 63 + 144 + 12},
    {KindInput, 2, kNumberOn, 63 + 144 + 10},
    {KindInput, 2, kNumberSolo, 63 + 144 + 31},
    {KindEffect, 2, kNumberFader, 4873 + 44},
    {KindEffect, 2, kNumberOn, 4874 + 44},
    {KindEffect, 2, kNumberSolo, 4893 + 44},
    {KindBus, 1, kNumberFader, 2818 + 109 + 72},
    {KindBus, 1, kNumberSolo, 2818 + 109 + 84},
    {KindDca, 3, kNumberFader, 4992 + 27},
    {KindDca, 3, kNumberOn, 4993 + 27},
    {KindDca, 3, kNumberSolo, 4994 + 27},
    // Kinds, indexes and numbers outside the channel model.
    {KindNone, 0, 0, kInvalidParam},
    {-1, 0, 0, kInvalidParam},
    {KindInput, -1, 0, kInvalidParam},
    {KindInput, 34, 0, kInvalidParam},
    {KindInput, 0, 72, kInvalidParam},
    {KindInput, 0, -1, kInvalidParam},
    {KindEffect, 4, 181, kInvalidParam},
    {KindEffect, 0, 180, kInvalidParam},
    {KindEffect, 0, 235, kInvalidParam},
    {KindBus, 18, 72, kInvalidParam},
    {KindBus, 0, 71, kInvalidParam},
    {KindBus, 0, 181, kInvalidParam},
    {KindDca, 8, 235, kInvalidParam},
    {KindDca, 0, 244, kInvalidParam},
    {KindMuteGroup, 6, 244, kInvalidParam},
    {KindPhantomGroup, 4, 249, kInvalidParam},
    {KindPhantomGroup, 0, 248, kInvalidParam},
    // Groups have no fader, on or solo; the plain formula would name another group's switch.
    {KindMuteGroup, 0, kNumberFader, kInvalidParam},
    {KindMuteGroup, 5, kNumberOn, kInvalidParam},
    {KindPhantomGroup, 0, kNumberFader, kInvalidParam},
    {KindPhantomGroup, 2, kNumberSolo, kInvalidParam},
};

TEST(ParamIdTest, IdentifierOfKindIndexAndNumber) {
    for (const IdentifierCase& c : kIdentifierCases) {
        EXPECT_EQ(paramId(c.kind, c.index, c.number), c.expected)
            << "kind " << c.kind << " index " << c.index << " number " << c.number;
    }
}

struct LayoutCase {
    int kind;
    int channelCount;
    int firstNumber;
    int lastNumber;
};

constexpr LayoutCase kLayoutCases[] = {
    {KindInput, 34, 0, 71},       {KindEffect, 4, 181, 234},
    {KindBus, 18, 72, 180},       {KindDca, 8, 235, 243},
    {KindMuteGroup, 6, 244, 248}, {KindPhantomGroup, 4, 249, 251},
    {KindNone, 0, 0, 0},          {7, 0, 0, 0},
};

TEST(ParamIdTest, ChannelLayoutOfEveryKind) {
    for (const LayoutCase& c : kLayoutCases) {
        const ChannelLayout layout = channelLayoutOf(c.kind);
        EXPECT_EQ(layout.channelCount, c.channelCount) << "kind " << c.kind;
        EXPECT_EQ(layout.firstNumber, c.firstNumber) << "kind " << c.kind;
        EXPECT_EQ(layout.lastNumber, c.lastNumber) << "kind " << c.kind;
    }
}

TEST(ParamIdTest, EveryChannelParameterRoundTripsThroughItsDescriptor) {
    std::bitset<kParamCount> seen;
    for (int kind = KindInput; kind <= KindPhantomGroup; ++kind) {
        const ChannelLayout layout = channelLayoutOf(kind);
        for (int index = 0; index < layout.channelCount; ++index) {
            for (int number = layout.firstNumber; number <= layout.lastNumber; ++number) {
                const ParamId id = paramId(kind, index, number);
                ASSERT_NE(id, kInvalidParam) << kind << "/" << index << "/" << number;
                ASSERT_LT(id, kParamCount);
                EXPECT_FALSE(seen.test(id)) << "identifier " << id << " named twice";
                seen.set(id);
                EXPECT_EQ(channelKindOf(id), kind) << id;
                EXPECT_EQ(channelIndexOf(id), index) << id;
                EXPECT_EQ(paramNumberOf(id), number) << id;
                EXPECT_EQ(paramId(channelKindOf(id), channelIndexOf(id), paramNumberOf(id)), id);
            }
        }
    }
    EXPECT_EQ(seen.count(), 34u * 72 + 4 * 54 + 18 * 109 + 8 * 9 + 6 * 5 + 4 * 3);

    // Every other row stays free of channel data.
    for (int id = 0; id < kParamCount; ++id) {
        if (!seen.test(static_cast<std::size_t>(id))) {
            EXPECT_EQ(channelKindOf(static_cast<ParamId>(id)), 0) << id;
        }
    }
}

TEST(ParamIdTest, GenericNumbersDecodeToTheKindsOwnNumbers) {
    struct GenericCase {
        int kind;
        int fader;
        int on;
        int solo;
    };
    constexpr GenericCase cases[] = {
        {KindInput, 12, 10, 31},
        {KindEffect, 181, 182, 201},
        {KindBus, 72, 74, 84},
        {KindDca, 236, 237, 238},
    };
    for (const GenericCase& c : cases) {
        for (int index = 0; index < channelLayoutOf(c.kind).channelCount; ++index) {
            EXPECT_EQ(paramNumberOf(paramId(c.kind, index, kNumberFader)), c.fader);
            EXPECT_EQ(paramNumberOf(paramId(c.kind, index, kNumberOn)), c.on);
            EXPECT_EQ(paramNumberOf(paramId(c.kind, index, kNumberSolo)), c.solo);
            EXPECT_EQ(channelIndexOf(paramId(c.kind, index, kNumberSolo)), index);
        }
    }
}

TEST(ParamIdTest, IdentifiersOutsideTheChannelsHaveEmptyRows) {
    constexpr ParamId ids[] = {
        0, 1, 2, 52, 55, 2511, 2854, 4979, 4989, 5108, 5213, kInvalidParam, kLastParam};
    for (ParamId id : ids) {
        EXPECT_EQ(channelKindOf(id), 0) << id;
        EXPECT_EQ(channelIndexOf(id), 0) << id;
        EXPECT_EQ(paramNumberOf(id), 0) << id;
        EXPECT_EQ(valueKindOf(id), 0) << id;
    }
    constexpr ParamId beyond[] = {kParamCount, 0xFFFF};
    for (ParamId id : beyond) {
        const ParamDescriptor row = descriptorOf(id);
        EXPECT_EQ(row.kind + row.index + row.number + row.valueKind, 0) << id;
    }
}

struct ValueKindCase {
    int kind;
    int number;
    int valueKind;
};

constexpr ValueKindCase kValueKindCases[] = {
    {KindInput, 0, 1},       {KindInput, 1, 1},          {KindInput, 3, 5},
    {KindInput, 4, 0},       {KindInput, 5, 6},          {KindInput, 6, 8},
    {KindInput, 7, 7},       {KindInput, 8, 3},          {KindInput, 9, 39},
    {KindInput, 10, 1},      {KindInput, 11, 2},         {KindInput, 12, 15},
    {KindInput, 13, 16},     {KindInput, 26, 16},        {KindInput, 29, 16},
    {KindInput, 32, 16},     {KindInput, 36, 16},        {KindInput, 37, 0},
    {KindInput, 38, 4},      {KindInput, 40, 12},        {KindInput, 41, 11},
    {KindInput, 42, 13},     {KindInput, 43, 10},        {KindInput, 45, 14},
    {KindInput, 48, 17},     {KindInput, 49, 19},        {KindInput, 50, 18},
    {KindInput, 51, 20},     {KindInput, 52, 0},         {KindInput, 53, 21},
    {KindInput, 54, 22},     {KindInput, 55, 23},        {KindInput, 65, 21},
    {KindInput, 67, 23},     {KindInput, 71, 23},        {KindEffect, 181, 15},
    {KindEffect, 182, 1},    {KindEffect, 183, 16},      {KindEffect, 200, 16},
    {KindEffect, 202, 16},   {KindEffect, 205, 17},      {KindEffect, 206, 19},
    {KindEffect, 207, 18},   {KindEffect, 208, 20},      {KindEffect, 209, 0},
    {KindEffect, 210, 21},   {KindEffect, 227, 22},      {KindEffect, 228, 23},
    {KindEffect, 229, 27},   {KindEffect, 230, 28},      {KindEffect, 231, 29},
    {KindEffect, 234, 0},    {KindBus, 72, 15},          {KindBus, 73, 39},
    {KindBus, 74, 1},        {KindBus, 77, 4},           {KindBus, 79, 12},
    {KindBus, 80, 11},       {KindBus, 81, 13},          {KindBus, 82, 10},
    {KindBus, 83, 14},       {KindBus, 84, 16},          {KindBus, 85, 16},
    {KindBus, 86, 1},        {KindBus, 89, 17},          {KindBus, 90, 19},
    {KindBus, 91, 18},       {KindBus, 92, 20},          {KindBus, 93, 0},
    {KindBus, 94, 21},       {KindBus, 119, 22},         {KindBus, 120, 23},
    {KindBus, 121, 0},       {KindBus, 122, 24},         {KindBus, 123, 25},
    {KindBus, 124, 26},      {KindBus, 178, 24},         {KindBus, 179, 25},
    {KindBus, 180, 26},      {KindDca, 235, 1},          {KindDca, 236, 15},
    {KindDca, 238, 16},      {KindDca, 239, 0},          {KindMuteGroup, 244, 1},
    {KindMuteGroup, 245, 0}, {KindPhantomGroup, 249, 1}, {KindPhantomGroup, 250, 0},
};

TEST(ParamIdTest, ValueKindOfChannelParametersIsTheSameOnEveryChannel) {
    for (const ValueKindCase& c : kValueKindCases) {
        for (int index = 0; index < channelLayoutOf(c.kind).channelCount; ++index) {
            EXPECT_EQ(valueKindOf(paramId(c.kind, index, c.number)), c.valueKind)
                << "kind " << c.kind << " index " << index << " number " << c.number;
        }
    }
}

TEST(ParamIdTest, OnlyChannelFadersHoldFaderLevels) {
    // The panel strips find their fader by this kind, so no other parameter may carry it.
    int faders = 0;
    for (int id = 0; id < kParamCount; ++id) {
        if (valueKindOf(static_cast<ParamId>(id)) == 15) {
            EXPECT_EQ(paramId(channelKindOf(static_cast<ParamId>(id)),
                              channelIndexOf(static_cast<ParamId>(id)), kNumberFader),
                      id);
            ++faders;
        }
    }
    EXPECT_EQ(faders, 34 + 4 + 18 + 8);
}

TEST(ParamIdTest, RecorderLevelsAndLampLevelHaveValueKinds) {
    EXPECT_EQ(valueKindOf(2596), 0);
    EXPECT_EQ(valueKindOf(2597), 43);
    EXPECT_EQ(valueKindOf(2660), 43);
    EXPECT_EQ(valueKindOf(2661), 0);
    EXPECT_EQ(valueKindOf(5199), 44);
}

} // namespace
} // namespace v32
