#include "app/model/BankTable.h"
#include "app/model/ChannelLabel.h"
#include "app/model/ChannelSlot.h"

#include <gtest/gtest.h>
#include <set>
#include <string_view>

namespace v32 {
namespace {

struct SlotCase {
    Channel channel;
    int slot;
    std::string_view name;
    std::string_view shortName;
};

const SlotCase kSlotCases[] = {
    {{KindInput, 0}, 0, "CH1", "1"},           {{KindInput, 27}, 27, "CH28", "28"},
    {{KindInput, 28}, 28, "CH29/30", "29/30"}, {{KindInput, 29}, 29, "CH30", "30"},
    {{KindInput, 30}, 30, "CH31/32", "31/32"}, {{KindInput, 32}, 32, "DIGI", "DIGI"},
    {{KindInput, 33}, 33, "DIGI", "DIGI"},     {{KindEffect, 0}, 34, "FX1", "FX1"},
    {{KindEffect, 3}, 37, "FX4", "FX4"},       {{KindBus, 0}, 38, "AUX1", "A1"},
    {{KindBus, 13}, 51, "AUX14", "A14"},       {{KindBus, 16}, 54, "LEFT", "L"},
    {{KindBus, 17}, 55, "RIGHT", "R"},         {{KindDca, 0}, 56, "DCA1", "D1"},
    {{KindDca, 7}, 63, "DCA8", "D8"},
};

TEST(ChannelModelTest, SlotsNamesAndShortNames) {
    for (const SlotCase& c : kSlotCases) {
        EXPECT_EQ(ChannelSlot::of(c.channel), c.slot) << c.name;
        EXPECT_EQ(ChannelSlot::channelOf(c.slot), c.channel) << c.name;
        EXPECT_EQ(ChannelLabel::defaultName(c.slot).text(), c.name);
        EXPECT_EQ(ChannelLabel::shortName(c.slot).text(), c.shortName);
    }
}

TEST(ChannelModelTest, ChannelsWithoutSlotsAndEmptySlots) {
    const Channel noSlot[] = {{KindInput, 34}, {KindInput, -1},    {KindEffect, 4},
                              {KindBus, 14},   {KindBus, 15},      {KindBus, 18},
                              {KindDca, 8},    {KindMuteGroup, 0}, {KindPhantomGroup, 0}};
    for (const Channel& channel : noSlot) {
        EXPECT_EQ(ChannelSlot::of(channel), -1) << channel.kind << "/" << channel.index;
    }
    for (const int slot : {-1, 52, 53, 64}) {
        EXPECT_EQ(ChannelSlot::channelOf(slot).kind, KindNone) << slot;
        EXPECT_EQ(ChannelLabel::defaultName(slot).text(), "") << slot;
    }
}

TEST(ChannelModelTest, UserNameWinsWhenNotEmpty) {
    EXPECT_EQ(ChannelLabel::shown(5, "Kick").text(), "Kick");
    EXPECT_EQ(ChannelLabel::shown(5, "").text(), "CH6");
    EXPECT_EQ(
        ChannelLabel::shown(54, std::string_view("0123456789012345678901234567890123")).text(),
        "0123456789012345678901234567890");
}

TEST(ChannelModelTest, BanksInTheirOrder) {
    struct BankCase {
        std::string_view name;
        std::size_t size;
        Channel first;
        Channel last;
    };
    const BankCase expected[] = {
        {"CH1-14", 14, {KindInput, 0}, {KindInput, 13}},
        {"CH15-28", 14, {KindInput, 14}, {KindInput, 27}},
        {"ST-FX", 7, {KindInput, 28}, {KindInput, 32}},
        {"AUX1-14", 14, {KindBus, 0}, {KindBus, 13}},
        {"DCA1-8", 8, {KindDca, 0}, {KindDca, 7}},
    };
    ASSERT_EQ(BankTable::banks().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Bank& bank = BankTable::banks()[i];
        EXPECT_EQ(bank.name, expected[i].name);
        ASSERT_EQ(bank.channels.size(), expected[i].size) << bank.name;
        EXPECT_EQ(bank.channels.front(), expected[i].first) << bank.name;
        EXPECT_EQ(bank.channels.back(), expected[i].last) << bank.name;
    }
    const Bank* stereo = BankTable::bank(2);
    ASSERT_NE(stereo, nullptr);
    EXPECT_EQ(stereo->channels[1], (Channel{KindInput, 30}));
    EXPECT_EQ(stereo->channels[2], (Channel{KindEffect, 0}));
    EXPECT_EQ(BankTable::bank(5), nullptr);
    EXPECT_EQ(BankTable::bank(-1), nullptr);
}

TEST(ChannelModelTest, SlotToBankAndCellAgreeWithTheBanks) {
    std::set<int> banked;
    for (int bank = 0; bank < BankTable::kBankCount; ++bank) {
        const std::span<const Channel> channels = BankTable::bank(bank)->channels;
        for (std::size_t cell = 0; cell < channels.size(); ++cell) {
            const int slot = ChannelSlot::of(channels[cell]);
            banked.insert(slot);
            EXPECT_EQ(BankTable::bankOfSlot(slot), bank) << slot;
            EXPECT_EQ(BankTable::cellOfSlot(slot), static_cast<int>(cell)) << slot;
        }
    }
    for (int slot = -1; slot <= ChannelSlot::kCount; ++slot) {
        if (!banked.contains(slot)) {
            EXPECT_EQ(BankTable::bankOfSlot(slot), -1) << slot;
            EXPECT_EQ(BankTable::cellOfSlot(slot), -1) << slot;
        }
    }
    EXPECT_EQ(BankTable::bankOfSlot(37), 2);
    EXPECT_EQ(BankTable::cellOfSlot(37), 5);
    EXPECT_EQ(BankTable::bankOfSlot(ChannelSlot::kMainLeft), -1);
}

} // namespace
} // namespace v32
