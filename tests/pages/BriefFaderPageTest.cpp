#include "ui/pages/home/BriefFaderPage.h"

#include "BriefFaderRig.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelSlot.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/home/FaderPageColourBar.h"
#include "ui/pages/home/FaderPageMixTile.h"
#include "ui/pages/home/FaderPageSidePanel.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/CompactStrip.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/TitledPanel.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

constexpr int kFaderKind = 15;
constexpr int kFirstAuxCell = 7; // AUX1 on the second row of the stereo, FX and AUX tile

ParamId faderOf(Channel channel) {
    return paramId(channel.kind, channel.index, kNumberFader);
}

ParamId onOf(Channel channel) {
    return paramId(channel.kind, channel.index, kNumberOn);
}

class BriefFaderPageTest : public testing::Test {
protected:
    void SetUp() override {
        page = rig.openPage();
        ASSERT_NE(page, nullptr);
    }

    bool written(ParamId id) const { return rig.model.store().sendSet().isPending(id); }

    FaderPageMixTile& tile(BriefFaderPage::Tile which) const {
        return which == BriefFaderPage::Tile::Inputs ? page->inputTile()
                                                     : page->stereoEffectsAuxTile();
    }

    // The fader reports a move to this level, as a finger leaves it there.
    static void moveFader(CompactStrip& strip, double decibels) {
        strip.fader()->setValue(decibels);
        emit strip.fader()->valueChanged(decibels);
    }

    fadertest::BriefFaderRig rig;
    BriefFaderPage* page = nullptr;
};

TEST_F(BriefFaderPageTest, OpeningShowsTheStoredStateAndLightsThePageKey) {
    rig.model.storeWithoutSending(faderOf({KindInput, 3}), toRaw(kFaderKind, -10.0));
    rig.model.storeWithoutSending(onOf({KindInput, 4}), 0);
    rig.model.storeWithoutSending(paramId(KindEffect, 2, kNumberSolo), 1200);
    rig.model.channelNameArrived(ChannelSlot::of(KindBus, 5), "MONITOR");
    page = rig.openPage();

    EXPECT_DOUBLE_EQ(page->inputTile().strip(3)->faderLevel(), -10.0);
    EXPECT_TRUE(page->inputTile().strip(4)->muteButton()->isChecked());
    EXPECT_FALSE(page->inputTile().strip(3)->muteButton()->isChecked());
    EXPECT_TRUE(page->stereoEffectsAuxTile().strip(4)->soloButton()->isChecked()) << "FX3";
    EXPECT_EQ(page->stereoEffectsAuxTile().strip(kFirstAuxCell + 5)->name(), "MONITOR");
    EXPECT_EQ(page->inputTile().strip(0)->name(), "CH1");
    EXPECT_TRUE(rig.panel.isLightOn(3)) << "the fader page key";
}

TEST_F(BriefFaderPageTest, PageSelectionSwitchesBetweenTheTwoTilesAndNamesTheOneShown) {
    FaderPageSidePanel& side = page->sidePanel();
    EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::Inputs);
    EXPECT_EQ(side.pageLabel(), "CH1-CH28");
    side.pageSelection()->click();
    EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::StereoEffectsAux);
    EXPECT_EQ(side.pageLabel(), "STEREO-FX-AUX14");
    EXPECT_TRUE(page->stereoEffectsAuxTile().isVisible());
    side.pageSelection()->click();
    EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::Inputs);
    EXPECT_EQ(side.pageLabel(), "CH1-CH28");
}

TEST_F(BriefFaderPageTest, SecondTileHoldsTheStereoAndEffectRowOverTheAuxRow) {
    page->sidePanel().pageSelection()->click();
    QCoreApplication::sendPostedEvents();
    const FaderPageMixTile& second = page->stereoEffectsAuxTile();
    ASSERT_EQ(second.stripCount(), 21);
    const std::vector<Channel> expected = {{KindInput, 28}, {KindInput, 30}, {KindEffect, 0},
                                           {KindEffect, 1}, {KindEffect, 2}, {KindEffect, 3},
                                           {KindInput, 32}, {KindBus, 0}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(second.channelOf(static_cast<int>(i)), expected[i]) << "strip " << i;
    }
    EXPECT_EQ(second.channelOf(20), (Channel{KindBus, 13}));
    // The open end of the short row: AUX1 sits under CH29/30, not beside DIGI.
    EXPECT_EQ(second.strip(kFirstAuxCell)->x(), second.strip(0)->x());
    EXPECT_GT(second.strip(kFirstAuxCell)->y(), second.strip(0)->y());
}

struct ButtonCase {
    const char* what;
    BriefFaderPage::Tile tile;
    int strip;
    bool solo; // else M
    ParamId presetId;
    std::uint16_t preset;
    std::vector<std::pair<ParamId, std::uint16_t>> expected;
};

const ParamId kInput5Monitor = paramId(KindInput, 5, kNumberSolo);
const ParamId kAux4Monitor = paramId(KindBus, 3, kNumberSolo);

TEST_F(BriefFaderPageTest, MuteAndSoloButtonsSwitchTheChannel) {
    const std::vector<ButtonCase> cases = {
        {"M mutes",
         BriefFaderPage::Tile::Inputs,
         2,
         false,
         onOf({KindInput, 2}),
         1,
         {{onOf({KindInput, 2}), 0}}},
        {"M unmutes",
         BriefFaderPage::Tile::Inputs,
         2,
         false,
         onOf({KindInput, 2}),
         0,
         {{onOf({KindInput, 2}), 1}}},
        {"M of an FX return",
         BriefFaderPage::Tile::StereoEffectsAux,
         3,
         false,
         onOf({KindEffect, 1}),
         1,
         {{onOf({KindEffect, 1}), 0}}},
        {"S on",
         BriefFaderPage::Tile::Inputs,
         5,
         true,
         kInput5Monitor,
         0,
         {{kInput5Monitor, 1200}, {kInput5Monitor + 1, 1200}}},
        {"S off keeps the flag bits",
         BriefFaderPage::Tile::Inputs,
         5,
         true,
         kInput5Monitor,
         0x8000 | 1200,
         {{kInput5Monitor, 0x8000}, {kInput5Monitor + 1, 0x8000}}},
        {"S of an AUX",
         BriefFaderPage::Tile::StereoEffectsAux,
         kFirstAuxCell + 3,
         true,
         kAux4Monitor,
         0,
         {{kAux4Monitor, 1200}, {kAux4Monitor + 1, 1200}}},
    };
    for (const ButtonCase& c : cases) {
        rig.report(c.presetId, c.preset);
        CompactStrip* strip = tile(c.tile).strip(c.strip);
        (c.solo ? strip->soloButton() : strip->muteButton())->click();
        for (const auto& [id, value] : c.expected) {
            EXPECT_EQ(rig.model.value(id), value) << c.what << " identifier " << id;
            EXPECT_TRUE(written(id)) << c.what << " identifier " << id;
        }
        EXPECT_EQ((c.solo ? strip->soloButton() : strip->muteButton())->isChecked(),
                  c.solo ? c.expected.front().second == 1200 : c.expected.front().second == 0)
            << c.what << ": the button follows what was written";
    }
}

TEST_F(BriefFaderPageTest, NameOpensTheChannelEditorForTheSlot) {
    page->inputTile().strip(6)->nameButton()->click();
    page->stereoEffectsAuxTile().strip(kFirstAuxCell + 2)->nameButton()->click();
    const std::vector<std::pair<PageId, std::int32_t>> expected = {
        {PageId::EditCont, 6}, {PageId::EditCont, ChannelSlot::of(KindBus, 2)}};
    EXPECT_EQ(rig.openedPages, expected);
}

struct FaderCase {
    const char* what;
    std::uint16_t stored;
    double movedTo;
    std::uint16_t expected;
    bool writes;
};

TEST_F(BriefFaderPageTest, FaderWritesItsLevelOnlyWhenTheValueChanges) {
    const FaderCase cases[] = {
        {"a new level", 1200, -10.0, 1100, true},
        {"the flag bits stay", 0xC000 | 1200, -10.0, 0xC000 | 1100, true},
        {"down to nothing", 1200, -120.0, 0, true},
        {"the level it has", 1100, -10.0, 1100, false},
        {"a move within the same tenth", 1100, -10.04, 1100, false},
    };
    const Channel channel{KindInput, 6};
    for (const FaderCase& c : cases) {
        rig.model.store().sendSet().clearAll();
        rig.report(faderOf(channel), c.stored);
        moveFader(*page->inputTile().strip(6), c.movedTo);
        EXPECT_EQ(rig.model.value(faderOf(channel)), c.expected) << c.what;
        EXPECT_EQ(written(faderOf(channel)), c.writes) << c.what;
    }
}

struct StepCase {
    const char* what;
    std::uint16_t stored;
    int delta;
    std::uint16_t expected;
};

TEST_F(BriefFaderPageTest, EncoderMovesTheSelectedFaderThroughTheFaderDetents) {
    const StepCase cases[] = {
        {"up from 0 dB", 1200, 1, 1207},
        {"down from 0 dB", 1200, -1, 1194},
        {"three detents up", 1200, 3, 1221},
        {"from between detents", 1165, 1, 1172},
        {"stops at the top", 1300, 5, 1300},
        {"stops at the bottom", 0, -1, 0},
        {"the flag bits stay", 0x4000 | 1200, 1, 0x4000 | 1207},
    };
    CompactStrip* strip = page->stereoEffectsAuxTile().strip(kFirstAuxCell + 1);
    page->sidePanel().pageSelection()->click();
    strip->fader()->click();
    ASSERT_EQ(page->stereoEffectsAuxTile().selectedStrip(), kFirstAuxCell + 1);
    const ParamId id = faderOf({KindBus, 1});
    for (const StepCase& c : cases) {
        rig.report(id, c.stored);
        rig.hooks->pageEncoder(0, c.delta);
        EXPECT_EQ(rig.model.value(id), c.expected) << c.what;
        EXPECT_DOUBLE_EQ(strip->faderLevel(), toReal(kFaderKind, c.expected)) << c.what;
    }
    rig.hooks->pageEncoder(3, 1);
    EXPECT_EQ(rig.model.value(id), 0x4000 | 1207) << "another encoder leaves the fader alone";
}

TEST_F(BriefFaderPageTest, ReportedValuesReachTheStripsThatShowThem) {
    rig.report(faderOf({KindInput, 20}), toRaw(kFaderKind, -20.0));
    rig.report(onOf({KindBus, 13}), 0);
    rig.report(paramId(KindInput, 28, kNumberSolo), 1200);
    EXPECT_DOUBLE_EQ(page->inputTile().strip(20)->faderLevel(), -20.0);
    EXPECT_TRUE(page->stereoEffectsAuxTile().strip(20)->muteButton()->isChecked());
    EXPECT_TRUE(page->stereoEffectsAuxTile().strip(0)->soloButton()->isChecked());
    EXPECT_FALSE(page->inputTile().strip(19)->muteButton()->isChecked());
}

TEST_F(BriefFaderPageTest, SideAndColourChangesRebuildTheStripsOnce50msAfterTheLastWhileShown) {
    QSignalSpy rebuilt(page, &BriefFaderPage::stripsRebuilt);
    rig.model.channelNameArrived(0, "KICK");
    rig.report(5131, 3);
    rig.report(5195, 1);
    rig.report(5112, 0x40);
    EXPECT_EQ(rebuilt.count(), 0);
    EXPECT_EQ(page->inputTile().strip(0)->name(), "CH1") << "nothing is rebuilt at once";
    EXPECT_EQ(page->inputTile().colourBar(0)->colour(), ChannelColour::kNoColour);
    ASSERT_TRUE(rebuilt.wait(1000));
    EXPECT_EQ(page->inputTile().strip(0)->name(), "KICK");
    EXPECT_EQ(page->inputTile().colourBar(0)->colour(), ChannelColour::colourOf(3));
    EXPECT_FALSE(rebuilt.wait(200)) << "the burst is rebuilt once";
    EXPECT_EQ(rebuilt.count(), 1);

    rig.report(5116, 1);
    rig.report(5130, 1);
    EXPECT_FALSE(rebuilt.wait(200)) << "words beside the ranges rebuild nothing";

    rig.report(5110, 1);
    page->leave();
    EXPECT_FALSE(rebuilt.wait(200)) << "a page that has been left rebuilds nothing";
}

} // namespace
} // namespace v32
