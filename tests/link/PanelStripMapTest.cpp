#include "app/link/PanelStripMap.h"

#include "app/model/BankTable.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

ParamId faderOf(int kind, int index) {
    return paramId(kind, index, kNumberFader);
}

constexpr int kMainLeftStrip = 14;
constexpr int kMainRightStrip = 15;
constexpr int kBeyondBankTable = 5;

struct StripCase {
    int bank;
    int strip;
    int kind;
    int index;
};

TEST(PanelStripMapTest, StripsMoveTheCurrentBanksFadersThenMainLeftAndRight) {
    const StripCase cases[] = {
        {0, 0, KindInput, 0},
        {0, 13, KindInput, 13},
        {1, 0, KindInput, 14},
        {2, 1, KindInput, 30},
        {2, 2, KindEffect, 0},
        {2, 6, KindInput, 32},
        {3, 5, KindBus, 5},
        {4, 7, KindDca, 7},
        {0, kMainLeftStrip, KindBus, 16},
        {3, kMainRightStrip, KindBus, 17},
        {kBeyondBankTable, kMainLeftStrip, KindBus, 16},
    };
    PanelStripMap map;
    for (const StripCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "bank " << c.bank << " strip " << c.strip);
        map.setCurrentBank(c.bank);
        EXPECT_EQ(map.stripParameter(c.strip), faderOf(c.kind, c.index));
    }
}

struct BankStrip {
    int bank;
    int strip;
};

TEST(PanelStripMapTest, StripsWithoutAChannelMoveNothing) {
    const BankStrip cases[] = {
        {2, 7},                // "ST-FX" has seven strips
        {4, 8},                // "DCA1-8" has eight
        {0, 16},               // after MAIN R
        {0, 50},               // the panel's last strip
        {0, -1},               // not a strip
        {kBeyondBankTable, 0}, // no bank to take strips from
        {-1, 3},
    };
    PanelStripMap map;
    for (const BankStrip& c : cases) {
        SCOPED_TRACE(testing::Message() << "bank " << c.bank << " strip " << c.strip);
        map.setCurrentBank(c.bank);
        EXPECT_EQ(map.stripParameter(c.strip), kInvalidParam);
        EXPECT_EQ(map.channelOf(c.strip).kind, KindNone);
    }
}

struct FaderCase {
    int bank;
    ParamId id;
    int strip;
};

TEST(PanelStripMapTest, FaderIdentifiersFindTheirStrip) {
    const FaderCase cases[] = {
        {0, faderOf(KindInput, 3), 3},
        {1, faderOf(KindInput, 17), 3},
        {2, faderOf(KindEffect, 1), 3},
        {2, faderOf(KindInput, 32), 6},
        {4, faderOf(KindDca, 0), 0},
        {0, faderOf(KindBus, 16), kMainLeftStrip},
        {3, faderOf(KindBus, 17), kMainRightStrip},
        {kBeyondBankTable, faderOf(KindBus, 16), kMainLeftStrip},
        // Not in the current bank.
        {1, faderOf(KindInput, 3), PanelStripMap::kNoStrip},
        {0, faderOf(KindBus, 3), PanelStripMap::kNoStrip},
        // The right half of a stereo input has no strip of its own.
        {2, faderOf(KindInput, 29), PanelStripMap::kNoStrip},
        // Only fader levels have a strip.
        {0, paramId(KindInput, 3, kNumberOn), PanelStripMap::kNoStrip},
        {0, paramId(KindInput, 3, 13), PanelStripMap::kNoStrip},
        {kBeyondBankTable, faderOf(KindInput, 0), PanelStripMap::kNoStrip},
        {0, kInvalidParam, PanelStripMap::kNoStrip},
        {0, 0xFFFF, PanelStripMap::kNoStrip},
    };
    PanelStripMap map;
    for (const FaderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "bank " << c.bank << " identifier " << c.id);
        map.setCurrentBank(c.bank);
        EXPECT_EQ(map.stripOf(c.id), c.strip);
        EXPECT_EQ(map.panelEntryOf(c.id), c.strip);
    }
}

TEST(PanelStripMapTest, EveryStripIsTheStripOfItsOwnFader) {
    PanelStripMap map;
    for (int bank = 0; bank < BankTable::kBankCount; ++bank) {
        map.setCurrentBank(bank);
        int strips = 0;
        for (int strip = 0; strip < 51; ++strip) {
            const ParamId fader = map.stripParameter(strip);
            if (fader != kInvalidParam) {
                ++strips;
                EXPECT_EQ(map.stripOf(fader), strip) << "bank " << bank;
            }
        }
        EXPECT_EQ(strips, static_cast<int>(BankTable::bank(bank)->channels.size()) + 2);
    }
}

} // namespace
} // namespace v32
