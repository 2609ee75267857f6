#include "HomeRig.h"
#include "app/model/ChannelSlot.h"
#include "app/model/LinkedWrites.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValuePosition.h"
#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankGrid.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/ChannelRename.h"
#include "ui/pages/home/LinkMarker.h"
#include "ui/pages/home/LongPress.h"
#include "ui/pages/home/PhantomConfirmation.h"
#include "ui/pages/home/RoutePanel.h"
#include "ui/toolkit/textentry/NativeTextBox.h"
#include "ui/toolkit/textentry/TextEntryPopup.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/RouteMatrix.h"
#include "ui/toolkit/widgets/RouteMatrixSlider.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QTest>
#include <optional>

namespace v32 {
namespace {

constexpr int kFaderKind = 15;
constexpr int kSendLevelKind = 16;
constexpr std::uint16_t kPreFader = 0x8000;

ParamId inputParam(int index, int number) {
    return paramId(KindInput, index, number);
}

class BankOverviewTest : public HomeRig {};

TEST_F(BankOverviewTest, AStereoInputIsOneCellWhoseMainRightSendLivesOnItsRightHalf) {
    model.storeWithoutSending(inputParam(29, 30), kPreFader | 1100);
    openOverview(ChannelSlot::of(KindInput, 28));
    ASSERT_EQ(overview().bank(), 2);
    EXPECT_EQ(cell(0).strip().name(), QStringLiteral("CH29/30"));
    EXPECT_EQ(overview().selectedChannel(), (Channel{KindInput, 28}));

    RouteMatrixSlider& mainRight =
        *overview().routePanel().matrix().slider(RouteMatrix::SectionMain, 1);
    EXPECT_EQ(mainRight.value(), percentPosition(kSendLevelKind, 1100));
    EXPECT_EQ(mainRight.colour(), RouteMatrixSlider::kPreFaderColour);
    // The left half's own MAIN R send is always empty and does not move the cell.
    hooks->pageParameter(inputParam(28, 30), 0, true);
    EXPECT_EQ(mainRight.value(), percentPosition(kSendLevelKind, 1100));

    // Moved to the top, the cell writes 0 dB through the left half, which hands it to the
    // right half with the pre-fader flag kept.
    const QPoint top(mainRight.width() - 1, mainRight.height() / 2);
    QTest::mousePress(&mainRight, Qt::LeftButton, {}, top);
    QTest::mouseRelease(&mainRight, Qt::LeftButton, {}, top);
    EXPECT_EQ(model.value(inputParam(29, 30)), kPreFader | 1200);
    EXPECT_EQ(model.value(inputParam(28, 30)), 0);
    EXPECT_TRUE(isPending(inputParam(29, 30)));
}

struct PhantomCase {
    const char* what;
    std::uint16_t before;
    // The answer given when asked.
    std::optional<bool> yes;
    bool asked;
    std::uint16_t after;
    bool written;
};

TEST_F(BankOverviewTest, PhantomPowerIsAskedForBeforeItGoesOnButNotBeforeItGoesOff) {
    const PhantomCase cases[] = {
        {"on, answered NO", 0, false, true, 0, false},
        {"on, answered YES", 0, true, true, 1, true},
        {"off", 1, std::nullopt, false, 0, true},
    };
    openOverview(-1);
    const ParamId phantom = inputParam(4, 1);
    Button& button = *cell(4).strip().phantomButton();
    PhantomConfirmation& confirmation = overview().phantomConfirmation();
    for (const PhantomCase& c : cases) {
        SCOPED_TRACE(c.what);
        model.storeWithoutSending(phantom, c.before);
        hooks->pageParameter(phantom, c.before, true);
        model.dropAllPending();
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(confirmation.isAsking(), c.asked);
        if (c.yes.has_value()) {
            QTest::mouseClick(*c.yes ? &confirmation.yesButton() : &confirmation.noButton(),
                              Qt::LeftButton);
        }
        EXPECT_FALSE(confirmation.isAsking());
        EXPECT_EQ(model.value(phantom), c.after);
        EXPECT_EQ(isPending(phantom), c.written);
        EXPECT_EQ(button.isChecked(), c.after != 0);
    }
}

TEST_F(BankOverviewTest, AFaderDragWritesTheLevelAndKeepsTheFlagsAboveIt) {
    const ParamId fader = inputParam(6, 12);
    model.storeWithoutSending(fader, 0xC000 | 1200);
    openOverview(-1);
    Fader& knob = *cell(6).strip().fader();
    const QPoint grip = knob.knobRect().center();
    QTest::mousePress(&knob, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&knob, grip + QPoint(0, 12));
    QTest::mouseRelease(&knob, Qt::LeftButton, {}, grip + QPoint(0, 12));

    const double shown = knob.value();
    ASSERT_LT(shown, 0.0);
    EXPECT_EQ(model.value(fader), 0xC000 | toRaw(kFaderKind, shown));
    EXPECT_TRUE(isPending(fader));
}

TEST_F(BankOverviewTest, OnlyTheCellsOfTheChannelsOnThePageFollowTheirParameters) {
    openOverview(-1);
    std::vector<double> before;
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        before.push_back(cell(index).strip().faderLevel());
    }
    const std::uint16_t minusTen = toRaw(kFaderKind, -10.0);
    for (const ParamId other : {inputParam(20, 12), paramId(KindEffect, 3, kNumberFader),
                                paramId(KindBus, 3, kNumberFader)}) {
        hooks->pageParameter(other, minusTen, true);
    }
    hooks->pageParameter(inputParam(3, 10), 0, true);
    hooks->pageParameter(inputParam(3, 12), minusTen, true);
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        EXPECT_EQ(cell(index).strip().faderLevel(), index == 3 ? -10.0 : before[index]) << index;
        EXPECT_EQ(cell(index).strip().muteButton()->isChecked(), index == 3) << index;
    }
}

TEST_F(BankOverviewTest, ALinkedPairIsSelectedAsOneAndNamedByBothHalves) {
    model.storeWithoutSending(LinkedWrites::kInputLinks, 1U << 1);
    openOverview(ChannelSlot::of(KindInput, 3));
    EXPECT_EQ(overview().selectedChannel(), (Channel{KindInput, 2}));
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        const bool pair = index == 2 || index == 3;
        EXPECT_EQ(cell(index).isSelected(), pair) << index;
        EXPECT_EQ(cell(index).isLinked(), pair) << index;
    }
    QStringList texts;
    for (const TextLabel* label : overview().routePanel().findChildren<TextLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("CH3/CH4"))) << texts.join(u',').toStdString();

    // Unlinked, each half is a channel of its own again.
    hooks->pageParameter(LinkedWrites::kInputLinks, 0, true);
    model.storeWithoutSending(LinkedWrites::kInputLinks, 0);
    hooks->pageParameter(LinkedWrites::kInputLinks, 0, true);
    EXPECT_FALSE(cell(2).isLinked());
    EXPECT_TRUE(cell(3).isSelected());
    EXPECT_FALSE(cell(2).isSelected());
}

TEST_F(BankOverviewTest, EachBankRemembersItsSelectedCellAndASlotOpensItsBank) {
    openOverview(-1);
    EXPECT_EQ(overview().selectedCell(), 0);
    QTest::mouseClick(cell(5).strip().gainLabel(), Qt::LeftButton);
    EXPECT_EQ(overview().selectedCell(), 5);

    openOverview(ChannelSlot::of(KindInput, 20));
    EXPECT_EQ(overview().bank(), 1);
    EXPECT_EQ(overview().selectedCell(), 6);
    // A slot in no bank keeps the current bank and its cell.
    openOverview(ChannelSlot::kMainLeft);
    EXPECT_EQ(overview().bank(), 1);
    EXPECT_EQ(overview().selectedCell(), 6);

    home.navigation().setCurrentBank(0);
    openOverview(-1);
    EXPECT_EQ(overview().bank(), 0);
    EXPECT_EQ(overview().selectedCell(), 5);
}

TEST_F(BankOverviewTest, ATapOnTheNameOpensTheEditorAndALongPressRenames) {
    model.channelNames().store(0, "KICK");
    openOverview(-1);
    BriefStrip& strip = cell(0).strip();
    EXPECT_EQ(strip.name(), QStringLiteral("KICK"));
    QTest::mouseClick(strip.nameButton(), Qt::LeftButton);
    EXPECT_EQ(editorOpenings, QStringList{QStringLiteral("0")});

    home.navigation().openPage(PageId::BriefChannel, OpenArgument::channelSlot(0));
    editorOpenings.clear();
    QTest::mousePress(strip.nameButton(), Qt::LeftButton);
    QTest::qWait(LongPress::kDelayMs * 2);
    QTest::mouseRelease(strip.nameButton(), Qt::LeftButton);
    EXPECT_TRUE(editorOpenings.isEmpty());
    TextEntryPopup& entry = root->textEntry();
    ASSERT_TRUE(entry.isOpen());
    EXPECT_EQ(entry.nativeBox()->text(), QStringLiteral("KICK"));

    // An empty name gives the default one back.
    entry.nativeBox()->setText(QString());
    entry.commit();
    EXPECT_EQ(model.channelName(0), "");
    EXPECT_TRUE(model.channelNames().writes().isPending(0));
    EXPECT_EQ(strip.name(), QStringLiteral("CH1"));
}

TEST_F(BankOverviewTest, NamesAreCutToTheirSlotWithoutSplittingACharacter) {
    EXPECT_EQ(ChannelRename::storedName(QString(40, u'A')), std::string(31, 'A'));
    // Eleven characters of three bytes each do not fit 31 bytes; ten do.
    const std::string drum = QStringLiteral("鼓").toStdString();
    std::string ten;
    for (int i = 0; i < 10; ++i) {
        ten += drum;
    }
    EXPECT_EQ(ChannelRename::storedName(QString(11, QChar(0x9F13))), ten);
    EXPECT_EQ(ChannelRename::storedName(QStringLiteral("  VOX ")), "VOX");
}

TEST_F(BankOverviewTest, ReselectingRunsTheSelectionAgain) {
    openOverview(-1);
    RouteMatrixSlider& aux1 = *overview().routePanel().matrix().slider(RouteMatrix::SectionAux, 0);
    model.storeWithoutSending(inputParam(0, 13), 1200);
    EXPECT_NE(aux1.value(), RouteMatrixSlider::kMaximum);
    hooks->pageCommand(76, 0);
    EXPECT_NE(aux1.value(), RouteMatrixSlider::kMaximum);
    overview().open(OpenArgument::reselect());
    EXPECT_EQ(aux1.value(), RouteMatrixSlider::kMaximum);
}

TEST_F(BankOverviewTest, TheCellMetersRunOnlyWhileThePageIsShown) {
    registry.install(PageId::BriefFader,
                     [](QWidget* container, PageId) { return new Page(container); });
    openOverview(-1);
    ASSERT_NE(overview().cellMeterTimer(), nullptr);
    EXPECT_TRUE(overview().cellMeterTimer()->isActive());
    home.navigation().openPage(PageId::BriefFader);
    EXPECT_EQ(overview().cellMeterTimer(), nullptr);
}

} // namespace
} // namespace v32
