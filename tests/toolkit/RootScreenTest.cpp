#include "RecordingPage.h"
#include "ScreenRig.h"
#include "Touch.h"
#include "ui/toolkit/framework/ConnectionIssueOverlay.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageHost.h"
#include "ui/toolkit/framework/ProgressOverlay.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
#include "ui/toolkit/framework/Spinner.h"
#include "ui/toolkit/framework/Toast.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/ImageView.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr std::uint16_t kGreen = 0x07E0;
constexpr std::uint16_t kRed = 0xF800;

class RootScreenTest : public testing::Test {
protected:
    // The colour of the icon's most opaque pixel.
    static QColor iconColour(const ImageView& icon) {
        const QImage image = icon.image().convertToFormat(QImage::Format_ARGB32);
        QColor strongest;
        int alpha = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > alpha) {
                    alpha = pixel.alpha();
                    strongest = pixel;
                }
            }
        }
        strongest.setAlpha(255);
        return strongest;
    }

    QStringList journal;
    ScreenRig rig;
};

TEST_F(RootScreenTest, LaysOutThePagesUnderTheGlobalBarWhenItIsWanted) {
    const auto withBar = rig.makeRoot(TextEntryMode::NativeBox, true);
    ASSERT_NE(withBar->globalBar(), nullptr);
    EXPECT_EQ(withBar->size(), QSize(1280, 800));
    EXPECT_EQ(withBar->pageHost().geometry(), QRect(0, 0, 1280, 800));
    const QRect bar = withBar->globalBar()->geometry();
    const QRect pages = withBar->topContainer().geometry();
    EXPECT_EQ(bar, QRect(4, 4, 1272, 64));
    EXPECT_EQ(pages, QRect(4, 68, 1272, 728)) << "the pages take the rest, inside the padding";

    const auto withoutBar = rig.makeRoot();
    EXPECT_EQ(withoutBar->globalBar(), nullptr);
    EXPECT_EQ(withoutBar->topContainer().geometry(), QRect(4, 4, 1272, 792));
    EXPECT_EQ(withoutBar->pageHost().containerCount(), 1);
    EXPECT_EQ(withoutBar->pageHost().container(0), &withoutBar->topContainer());
}

TEST_F(RootScreenTest, ThePageCallsReachThePageOnScreenOnly) {
    const auto root = rig.makeRoot();
    RootScreenHooks hooks(*root);
    hooks.pageParameter(100, 5, true);
    EXPECT_TRUE(journal.isEmpty()) << "no page is on screen yet";

    rig.registry.install(PageId::Home, recordingFactory(journal));
    root->openPage(PageId::Home, OpenArgument::tab(2));
    journal.clear();
    hooks.pageParameter(100, 5, true);
    hooks.pageChannelName(3, "Kick");
    hooks.pageSceneName(16, "Show");
    hooks.pageEncoder(0, -2);
    hooks.pageCommand(4, 9);
    EXPECT_EQ(journal, QStringList({"1:parameter(100,5,1)", "1:channelName(3,Kick)",
                                    "1:sceneName(16,Show)", "1:encoder(0,-2)", "1:command(4,9)"}));
}

TEST_F(RootScreenTest, TheConnectionIssueCoversEverythingWithTheTextInWhite) {
    const auto root = rig.makeRoot();
    auto* button = new QPushButton(QStringLiteral("under"), &root->screenLayer());
    button->setGeometry(10, 10, 100, 40);
    button->show();
    QSignalSpy clicks(button, &QPushButton::clicked);
    RootScreenHooks hooks(*root);
    hooks.showToast("over the screen", kGreen, 1500);

    hooks.showConnectionIssue("Your device is experiencing connection issues.\nTry again.");

    const ConnectionIssueOverlay& overlay = root->connectionIssue();
    ASSERT_TRUE(overlay.isVisible());
    EXPECT_EQ(overlay.geometry(), root->rect());
    EXPECT_EQ(overlay.label().text(),
              QStringLiteral("Your device is experiencing connection issues.\nTry again."));
    EXPECT_EQ(overlay.label().geometry().center(), overlay.rect().center());
    EXPECT_EQ(overlay.boxStyle().backgroundOpacity, 204);
    EXPECT_EQ(overlay.boxStyle().background, 0);
    EXPECT_EQ(root->childAt(QPoint(640, 5)), &overlay) << "above the toast as well";
    touch(*root, QPoint(60, 30));
    EXPECT_EQ(clicks.count(), 0);

    // Black at 204 of 255 over the page background leaves a fifth of it.
    const QColor background = rgb565ToColor(RootScreen::kBackground);
    const QColor corner = root->grab().toImage().pixelColor(1270, 790);
    EXPECT_NEAR(corner.red(), background.red() / 5, 2);
    EXPECT_NEAR(corner.green(), background.green() / 5, 2);
    EXPECT_NEAR(corner.blue(), background.blue() / 5, 2);
}

TEST_F(RootScreenTest, TheLinkStateShowsInTheGlobalBarIcon) {
    const auto root = rig.makeRoot(TextEntryMode::NativeBox, true);
    RootScreenHooks hooks(*root);
    QSignalSpy changes(root.get(), &RootScreen::onlineStateChanged);
    ImageView& icon = root->globalBar()->statusIcon();
    EXPECT_EQ(icon.accessibleName(), QStringLiteral("offline"));
    EXPECT_EQ(iconColour(icon), rgb565ToColor(kRed));

    hooks.showOnlineState(true);
    EXPECT_TRUE(root->isOnline());
    EXPECT_EQ(icon.accessibleName(), QStringLiteral("online"));
    EXPECT_EQ(iconColour(icon), rgb565ToColor(kGreen));
    EXPECT_EQ(icon.image(),
              rig.images.recoloured(QStringLiteral("res/common/img_online.png"), kGreen));

    hooks.showOnlineState(false);
    EXPECT_EQ(iconColour(icon), rgb565ToColor(kRed));
    EXPECT_EQ(icon.image(),
              rig.images.recoloured(QStringLiteral("res/common/img_offline.png"), kRed));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(RootScreenTest, CommandResultsBecomeToasts) {
    const auto root = rig.makeRoot();
    RootScreenHooks hooks(*root);
    hooks.showToast("CHANGE PASSWORD FAIL!", kRed, 1500);
    const Toast& toast = root->toast();
    EXPECT_TRUE(toast.isVisible());
    EXPECT_EQ(toast.label().text(), QStringLiteral("CHANGE PASSWORD FAIL!"));
    EXPECT_FALSE(toast.takesTouches());
}

TEST_F(RootScreenTest, TheProgressOverlayDimsTheScreenAndTakesTouches) {
    const auto root = rig.makeRoot();
    ProgressOverlay& progress = root->progress();
    EXPECT_FALSE(progress.isVisible());
    progress.showProgress(QStringLiteral("COPYING..."));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.takesTouches());
    EXPECT_EQ(progress.boxStyle().backgroundOpacity, 178);
    EXPECT_EQ(progress.label().accessibleName(), QStringLiteral("COPYING..."));
    EXPECT_LT(progress.spinner().geometry().bottom(), progress.label().geometry().top());
}

TEST_F(RootScreenTest, GlobalBarTabsAreOneOfManyAndReportTheirClicks) {
    const auto root = rig.makeRoot(TextEntryMode::NativeBox, true);
    GlobalBar& bar = *root->globalBar();
    QSignalSpy tabs(&bar, &GlobalBar::tabClicked);
    QSignalSpy icon(&bar, &GlobalBar::statusIconClicked);

    touch(*root, bar.tab(GlobalBarTab::Aux1To8));
    touch(*root, bar.tab(GlobalBarTab::System));
    touch(*root, bar.statusIcon());

    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.at(0).at(0).value<GlobalBarTab>(), GlobalBarTab::Aux1To8);
    EXPECT_EQ(tabs.at(1).at(0).value<GlobalBarTab>(), GlobalBarTab::System);
    EXPECT_FALSE(bar.tab(GlobalBarTab::Aux1To8).isChecked());
    EXPECT_TRUE(bar.tab(GlobalBarTab::System).isChecked());
    EXPECT_EQ(icon.count(), 1);
    EXPECT_EQ(bar.tab(GlobalBarTab::Inputs9To16).accessibleName(), QStringLiteral("IN9-16"));
    const int bars[] = {8, 8, 5, 8, 2};
    for (int bank = 0; bank <= GlobalBar::kBankCount; ++bank) {
        EXPECT_NE(bar.meter(bank, bars[bank] - 1), nullptr) << bank;
        EXPECT_EQ(bar.meter(bank, bars[bank]), nullptr) << bank;
    }
}

TEST_F(RootScreenTest, AutomationFindsTheControlsByWhatTheyShow) {
    const auto root = rig.makeRoot(TextEntryMode::NativeBox, true);
    GlobalBar& bar = *root->globalBar();
    QSignalSpy tabs(&bar, &GlobalBar::tabClicked);
    QAccessibleInterface* tab =
        QAccessible::queryAccessibleInterface(&bar.tab(GlobalBarTab::Media));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->role(), QAccessible::Button);
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("MEDIA"));
    ASSERT_NE(tab->actionInterface(), nullptr);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(tabs.count(), 1);
    EXPECT_EQ(tabs.at(0).at(0).value<GlobalBarTab>(), GlobalBarTab::Media);
    EXPECT_TRUE(tab->state().checked);

    QAccessibleInterface* icon = QAccessible::queryAccessibleInterface(&bar.statusIcon());
    EXPECT_EQ(icon->role(), QAccessible::Button) << "the icon can be touched";
    EXPECT_EQ(icon->text(QAccessible::Name), QStringLiteral("offline"));
}

} // namespace
} // namespace v32
