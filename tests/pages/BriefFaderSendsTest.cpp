#include "BriefFaderRig.h"
#include "app/model/SendOnFader.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/home/BriefFaderPage.h"
#include "ui/pages/home/FaderPageSendStrip.h"
#include "ui/pages/home/FaderPageSendTile.h"
#include "ui/pages/home/FaderPageSidePanel.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/ChannelStrip.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TextLabel.h"
#include "ui/toolkit/widgets/TitledPanel.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

constexpr int kSendKind = 16;
constexpr SendBus kAux3{SendBus::Type::Aux, 2};
constexpr SendBus kAux4{SendBus::Type::Aux, 3};
constexpr int kStereoStrip = 29; // CH31/32 after the 28 mono inputs and CH29/30

ParamId inputSend(int input, int number) {
    return paramId(KindInput, input, number);
}

class BriefFaderSendsTest : public testing::Test {
protected:
    void SetUp() override {
        page = rig.openPage();
        ASSERT_NE(page, nullptr);
    }

    void choose(SendBus bus) const { page->sidePanel().busButton(bus)->click(); }
    FaderPageSendStrip& strip(int index) const { return *page->sendTile().strip(index); }
    bool written(ParamId id) const { return rig.model.store().sendSet().isPending(id); }

    void moveSend(int index, double decibels) const {
        Fader* fader = strip(index).channelStrip()->fader();
        fader->setValue(decibels);
        emit fader->valueChanged(decibels);
    }

    // A finger on the strip's name, which selects the strip.
    void touchName(int index) const {
        const QWidget* name = strip(index).channelStrip()->nameLabel();
        QTest::mouseClick(rig.root->windowHandle(), Qt::LeftButton, {},
                          name->mapTo(rig.root.get(), name->rect().center()));
    }

    fadertest::BriefFaderRig rig;
    BriefFaderPage* page = nullptr;
};

struct SendersCase {
    const char* what;
    SendBus bus;
    int count;
    std::vector<std::pair<int, Channel>> strips;
};

TEST_F(BriefFaderSendsTest, TileHoldsEveryChannelThatCanSendToTheBus) {
    const SendersCase cases[] = {
        {"an AUX",
         {SendBus::Type::Aux, 0},
         35,
         {{0, {KindInput, 0}},
          {27, {KindInput, 27}},
          {28, {KindInput, 28}},
          {29, {KindInput, 30}},
          {30, {KindInput, 32}},
          {31, {KindEffect, 0}},
          {34, {KindEffect, 3}}}},
        {"an FX bus", {SendBus::Type::Effect, 1}, 31, {{30, {KindInput, 32}}, {31, {}}}},
    };
    for (const SendersCase& c : cases) {
        choose(c.bus);
        EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::Sends) << c.what;
        EXPECT_EQ(page->sendTile().boundCount(), c.count) << c.what;
        for (const auto& [index, channel] : c.strips) {
            EXPECT_EQ(page->sendTile().channelOf(index), channel) << c.what << " strip " << index;
        }
        EXPECT_TRUE(page->sidePanel().busButton(c.bus)->isChecked()) << c.what;
        EXPECT_FALSE(page->sidePanel().mainButton(0)->isChecked()) << c.what;
    }
}

TEST_F(BriefFaderSendsTest, MainAndPageSelectionLeadBackToTheFaders) {
    page->sidePanel().pageSelection()->click();
    choose(kAux3);
    page->sidePanel().mainButton(1)->click();
    EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::StereoEffectsAux) << "the tile left";
    EXPECT_TRUE(page->sidePanel().mainButton(0)->isChecked());
    EXPECT_FALSE(page->sidePanel().busButton(kAux3)->isChecked());
    choose(kAux3);
    page->sidePanel().pageSelection()->click();
    EXPECT_EQ(page->shownTile(), BriefFaderPage::Tile::StereoEffectsAux)
        << "the tile the button names";
}

struct SendWriteCase {
    const char* what;
    std::uint16_t stored;
    FaderPageSendStrip::Action action;
    double movedTo;
    std::uint16_t expected;
    bool writes;
};

TEST_F(BriefFaderSendsTest, FaderWritesTheLevelAndPreAndPosOnlyTheFlag) {
    const SendWriteCase cases[] = {
        {"level of a post-fader send", 500, FaderPageSendStrip::LevelMoved, -10.0, 1100, true},
        {"level of a pre-fader send", 0x8000 | 500, FaderPageSendStrip::LevelMoved, -10.0,
         0x8000 | 1100, true},
        {"the level it has", 0x8000 | 1100, FaderPageSendStrip::LevelMoved, -10.0, 0x8000 | 1100,
         false},
        {"PRE", 0x0480, FaderPageSendStrip::PreFader, 0, 0x8480, true},
        {"POS", 0x8480, FaderPageSendStrip::PostFader, 0, 0x0480, true},
        {"PRE on a pre-fader send", 0x8480, FaderPageSendStrip::PreFader, 0, 0x8480, false},
    };
    choose(kAux3);
    const ParamId send = inputSend(2, 15);
    for (const SendWriteCase& c : cases) {
        rig.model.store().sendSet().clearAll();
        rig.report(send, c.stored);
        if (c.action == FaderPageSendStrip::LevelMoved) {
            moveSend(2, c.movedTo);
        } else {
            (c.action == FaderPageSendStrip::PreFader ? strip(2).preButton()
                                                      : strip(2).postButton())
                ->click();
        }
        EXPECT_EQ(rig.model.value(send), c.expected) << c.what;
        EXPECT_EQ(written(send), c.writes) << c.what;
        EXPECT_EQ(strip(2).preButton()->isChecked(), SendOnFader::isPreFader(c.expected)) << c.what;
        EXPECT_NE(strip(2).postButton()->isChecked(), SendOnFader::isPreFader(c.expected))
            << c.what;
    }
}

TEST_F(BriefFaderSendsTest, StereoInputChoosesItsSidesAndRightOnlyUsesTheRightHalf) {
    choose({SendBus::Type::Effect, 0});
    EXPECT_FALSE(strip(kStereoStrip).rightButton()->isVisible()) << "FX sends have no sides";

    QSignalSpy rebuilt(page, &BriefFaderPage::stripsRebuilt);
    rig.model.storeWithoutSending(inputSend(31, 16), 0x8000 | toRaw(kSendKind, -6.4));
    rig.model.storeWithoutSending(inputSend(30, 16), toRaw(kSendKind, -30.0));
    choose(kAux4);
    ASSERT_TRUE(strip(kStereoStrip).rightButton()->isVisible());
    EXPECT_DOUBLE_EQ(strip(kStereoStrip).sendLevel(), -30.0) << "both sides: the left half";

    strip(kStereoStrip).rightButton()->click();
    EXPECT_EQ(rig.model.value(5112), 2 << 6) << "AUX4 is right only";
    ASSERT_TRUE(rebuilt.wait(1000));
    EXPECT_TRUE(strip(kStereoStrip).rightButton()->isChecked());
    EXPECT_FALSE(strip(kStereoStrip).leftButton()->isChecked());
    EXPECT_DOUBLE_EQ(strip(kStereoStrip).sendLevel(), -6.4);
    EXPECT_TRUE(strip(kStereoStrip).preButton()->isChecked());

    moveSend(kStereoStrip, -3.3);
    EXPECT_EQ(rig.model.value(inputSend(31, 16)), 0x8000 | toRaw(kSendKind, -3.3));
    EXPECT_EQ(rig.model.value(inputSend(30, 16)), 0) << "the left side sends nothing";
    rig.report(inputSend(30, 16), toRaw(kSendKind, -50.0));
    EXPECT_DOUBLE_EQ(strip(kStereoStrip).sendLevel(), -3.3) << "the left half is not shown";

    strip(kStereoStrip).leftButton()->click();
    EXPECT_EQ(rig.model.value(5112), 3 << 6) << "both sides";
}

TEST_F(BriefFaderSendsTest, EncoderStepsTheSelectedSendThroughTheSendDetents) {
    const struct {
        const char* what;
        std::uint16_t stored;
        int delta;
        std::uint16_t expected;
    } cases[] = {
        {"up, pre-fader", 0x8000 | 1150, 1, 0x8000 | 1156},
        {"down two", 1150, -2, 1136},
        {"0 dB is the top", 1200, 1, 1200},
        {"off is the bottom", 0x8000, -1, 0x8000},
    };
    choose(kAux3);
    touchName(4);
    ASSERT_EQ(page->sendTile().selectedStrip(), 4);
    const ParamId send = inputSend(4, 15);
    for (const auto& c : cases) {
        rig.report(send, c.stored);
        rig.hooks->pageEncoder(0, c.delta);
        EXPECT_EQ(rig.model.value(send), c.expected) << c.what;
        EXPECT_DOUBLE_EQ(strip(4).sendLevel(), toReal(kSendKind, c.expected)) << c.what;
    }
}

TEST_F(BriefFaderSendsTest, ReportedSendsOfTheChosenBusMoveTheirStrips) {
    choose(kAux3);
    rig.report(inputSend(2, 15), 0x8000 | 800);
    rig.report(paramId(KindEffect, 1, 185), 1000);
    rig.report(inputSend(2, 16), 1200);
    EXPECT_DOUBLE_EQ(strip(2).sendLevel(), -40.0);
    EXPECT_TRUE(strip(2).preButton()->isChecked());
    EXPECT_DOUBLE_EQ(strip(32).sendLevel(), -20.0) << "FX2 return";
    rig.report(paramId(KindInput, 2, kNumberOn), 0);
    EXPECT_TRUE(strip(2).channelStrip()->muteButton()->isChecked());
}

} // namespace
} // namespace v32
