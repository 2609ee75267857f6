#include "HomeRig.h"
#include "app/link/ControlPanel.h"
#include "app/protocol/FrameSink.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/BriefContPage.h"
#include "ui/pages/home/HomeTabBar.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/ImageView.h"

#include <QTest>

namespace v32 {
namespace {

class DroppedFrames : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t>) override { return true; }
};

class HomeTabsTest : public HomeRig {
protected:
    HomeTabsTest() {
        // A page of its own in place of the full fader page, which has tests of its own.
        registry.install(PageId::BriefFader,
                         [](QWidget* container, PageId) { return new Page(container); });
    }

    HomeTabBar& bar() const { return tabs().tabBar(); }
    void tap(int tab) const { QTest::mouseClick(&bar().tab(tab), Qt::LeftButton); }
    std::optional<PageId> shownUnderTheTabs() const { return tabs().container().currentPageId(); }
};

TEST_F(HomeTabsTest, EachTabLeadsToItsPageAndATabWithoutAPageLeavesTheLitOne) {
    openHome();
    EXPECT_EQ(bar().tab(2).text(), QStringLiteral("ST-FX"));
    EXPECT_EQ(bar().highlighted(), 0);
    tap(3);
    EXPECT_EQ(shownUnderTheTabs(), PageId::BriefChannel);
    EXPECT_EQ(overview().bank(), 3);
    EXPECT_EQ(bar().highlighted(), 3);
    tap(HomeTabBar::Fader);
    EXPECT_EQ(shownUnderTheTabs(), PageId::BriefFader);
    EXPECT_EQ(bar().highlighted(), HomeTabBar::Fader);
    // The media player is not part of this program yet.
    tap(HomeTabBar::Media);
    EXPECT_EQ(shownUnderTheTabs(), PageId::BriefFader);
    EXPECT_EQ(bar().highlighted(), HomeTabBar::Fader);
    // A slot brings its bank back with its tab.
    home.navigation().openPage(PageId::BriefChannel, OpenArgument::channelSlot(20));
    EXPECT_EQ(shownUnderTheTabs(), PageId::BriefChannel);
    EXPECT_EQ(overview().bank(), 1);
    EXPECT_EQ(bar().highlighted(), 1);
}

TEST_F(HomeTabsTest, TheLinkStatusFollowsTheRootScreenAndLeadsToTheDeviceList) {
    int deviceListOpenings = 0;
    screens.openDeviceList = [&deviceListOpenings] { ++deviceListOpenings; };
    openHome();
    const auto picture = [this](const char* path, std::uint16_t colour) {
        return images.recoloured(QString::fromLatin1(path), colour);
    };
    EXPECT_EQ(bar().statusIcon().image(),
              picture(HomeTabBar::kOfflinePicture, HomeTabBar::kOfflineColour));
    root->showOnlineState(true);
    EXPECT_EQ(bar().statusIcon().image(),
              picture(HomeTabBar::kOnlinePicture, HomeTabBar::kOnlineColour));
    root->showOnlineState(false);
    EXPECT_FALSE(bar().isOnline());
    QTest::mouseClick(&bar().statusIcon(), Qt::LeftButton);
    EXPECT_EQ(deviceListOpenings, 1);
}

TEST_F(HomeTabsTest, TheControlPanelFollowsTheBankAndThePage) {
    DroppedFrames frames;
    ControlPanel panel(model, conditions, timers, frames);
    screens.panel = &panel;
    constexpr int kFirstBankLight = 10;
    constexpr int kBankOverviewLight = 0;
    constexpr int kFaderPageLight = 3;
    openHome();
    tap(2);
    EXPECT_EQ(panel.currentBank(), 2);
    EXPECT_TRUE(panel.isLightOn(kFirstBankLight + 2));
    EXPECT_TRUE(panel.isLightOn(kBankOverviewLight));
    tap(HomeTabBar::Fader);
    EXPECT_TRUE(panel.isLightOn(kFaderPageLight));
    EXPECT_FALSE(panel.isLightOn(kBankOverviewLight));
    tap(0);
    EXPECT_EQ(panel.currentBank(), 0);
    EXPECT_TRUE(panel.isLightOn(kBankOverviewLight));
    screens.panel = nullptr;
}

TEST_F(HomeTabsTest, TheGlobalBarsTabsLeadToTheirBanks) {
    buildRoot(true);
    home.attachGlobalBar(*root->globalBar());
    openHome();
    QTest::mouseClick(&root->globalBar()->tab(GlobalBarTab::Aux1To8), Qt::LeftButton);
    EXPECT_EQ(overview().bank(), 3);
    EXPECT_EQ(bar().highlighted(), 3);
    QTest::mouseClick(&root->globalBar()->tab(GlobalBarTab::Inputs9To16), Qt::LeftButton);
    EXPECT_EQ(overview().bank(), 1);
    // The bar follows the tabs of the home screen too.
    tap(2);
    EXPECT_TRUE(root->globalBar()->tab(GlobalBarTab::StereoAndEffects).isChecked());
}

} // namespace
} // namespace v32
