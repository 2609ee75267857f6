#include "app/model/BankLayout.h"

#include "app/model/ChannelSlot.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

std::vector<Channel> cellsOf(const BankLayout& layout) {
    std::vector<Channel> cells;
    for (int cell = 0; cell < BankLayout::kCellCount; ++cell) {
        cells.push_back(layout.channelAt(cell));
    }
    return cells;
}

std::vector<Channel> counting(int kind, int first, int count) {
    std::vector<Channel> channels;
    for (int i = 0; i < count; ++i) {
        channels.push_back({kind, first + i});
    }
    return channels;
}

std::vector<Channel> padded(std::vector<Channel> channels) {
    channels.resize(BankLayout::kCellCount);
    return channels;
}

TEST(BankLayoutTest, StereoInputsFillTheFirstRowAndEffectReturnsStartTheSecond) {
    const BankLayout layout(2);
    const Channel none{};
    const std::vector<Channel> expected{
        {KindInput, 28}, {KindInput, 30}, {KindInput, 32}, none, none, none, none, {KindEffect, 0},
        {KindEffect, 1}, {KindEffect, 2}, {KindEffect, 3}, none, none, none};
    EXPECT_EQ(cellsOf(layout), expected);
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::of(KindInput, 32)), 2);
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::of(KindEffect, 0)), 7);
    // The right half of a stereo input has no cell of its own.
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::of(KindInput, 29)), -1);
}

TEST(BankLayoutTest, BanksOfOneKindFillTheCellsInTheirOrder) {
    struct Case {
        int bank;
        std::vector<Channel> cells;
    };
    const Case cases[] = {
        {0, counting(KindInput, 0, 14)},
        {1, counting(KindInput, 14, 14)},
        {3, counting(KindBus, 0, 14)},
        {4, padded(counting(KindDca, 0, 8))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bank);
        const BankLayout layout(c.bank);
        EXPECT_EQ(layout.bank(), c.bank);
        EXPECT_EQ(cellsOf(layout), c.cells);
        EXPECT_EQ(layout.cellOfSlot(ChannelSlot::of(c.cells[5])), 5);
    }
}

TEST(BankLayoutTest, ABankOutsideTheTableLaysOutNothing) {
    for (const int bank : {-1, 5}) {
        const BankLayout layout(bank);
        EXPECT_EQ(layout.bank(), -1);
        EXPECT_EQ(cellsOf(layout), std::vector<Channel>(BankLayout::kCellCount));
        EXPECT_EQ(layout.cellOfSlot(0), -1);
    }
}

TEST(BankLayoutTest, SlotsOfOtherBanksHaveNoCell) {
    const BankLayout layout(0);
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::of(KindInput, 14)), -1);
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::kMainLeft), -1);
    EXPECT_EQ(layout.cellOfSlot(-1), -1);
    EXPECT_EQ(layout.cellOfSlot(ChannelSlot::kCount), -1);
}

} // namespace
} // namespace v32
