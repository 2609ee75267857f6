#include "ui/pages/home/BriefContPage.h"

#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/HomeTabBar.h"
#include "ui/pages/home/PanelFollow.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageHost.h"
#include "ui/toolkit/framework/RootScreen.h"

#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr int kSpacing = 4;
// The system menu opens on its first tab; the other pages make their own choice.
constexpr OpenArgument kFirstSettingsTab = OpenArgument::tab(0);
constexpr OpenArgument kOwnChoice = OpenArgument::ownChoice();

} // namespace

BriefContPage::BriefContPage(QWidget* parent, PageRegistry& registry, ScreenContext& screens,
                             HomeNavigation& navigation)
    : ContainerPage(parent, registry,
                    {PageId::BriefChannel, PageId::BriefFader, PageId::Player, PageId::Setting})
    , m_screens(screens)
    , m_navigation(navigation)
    , m_tabs(new HomeTabBar(screens.fonts, screens.images, this)) {
    setAccessibleName(QStringLiteral("brief_cont"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_tabs);
    column->addWidget(&host(), 1);

    m_tabs->setTabHandler([this](int tab) { onTab(tab); });
    m_tabs->setStatusHandler([this] {
        if (m_screens.openDeviceList) {
            m_screens.openDeviceList();
        }
    });
    m_tabs->setOnline(screens.isOnline());
    m_tabs->setCompact(screens.root != nullptr && screens.root->globalBar() != nullptr);
    if (screens.root != nullptr) {
        connect(screens.root, &RootScreen::onlineStateChanged, m_tabs, &HomeTabBar::setOnline);
    }
}

void BriefContPage::enter() {
    if (container().currentPage() == nullptr) {
        showPage(PageId::BriefChannel, kOwnChoice);
    }
}

void BriefContPage::open(const OpenArgument& argument) {
    const int tab = argument.kind() == OpenArgument::Kind::Tab ? argument.number() : -1;
    if (tab >= HomeTabBar::Fader && tab <= HomeTabBar::System) {
        m_tabs->highlight(tab);
    } else {
        m_tabs->highlight(m_navigation.currentBank());
    }
}

void BriefContPage::onTab(int tab) {
    switch (tab) {
    case HomeTabBar::Fader:
        showPage(PageId::BriefFader, kOwnChoice);
        break;
    case HomeTabBar::Media:
        showPage(PageId::Player, kOwnChoice);
        break;
    case HomeTabBar::System:
        showPage(PageId::Setting, kFirstSettingsTab);
        break;
    default:
        m_navigation.setCurrentBank(tab);
        showPage(PageId::BriefChannel, kOwnChoice);
        break;
    }
}

void BriefContPage::showPage(PageId id, const OpenArgument& argument) {
    container().open(id, argument);
    // A page that cannot be shown yet leaves the tab of the page still shown lit.
    lightTabOfShownPage();
    switch (container().currentPageId().value_or(PageId::BriefChannel)) {
    case PageId::BriefFader:
        panel_follow::showPage(m_screens, PanelPage::FaderPage);
        break;
    case PageId::Player:
        panel_follow::showPage(m_screens, PanelPage::Other);
        break;
    case PageId::Setting:
        panel_follow::showPage(m_screens, PanelPage::Settings);
        break;
    default:
        break;
    }
}

// The global bar, where there is one, follows the tab bar.
void BriefContPage::lightTabOfShownPage() {
    const int tab = HomeTabBar::tabOfPage(
        container().currentPageId().value_or(PageId::BriefChannel), m_navigation.currentBank());
    m_tabs->highlight(tab);
    GlobalBar* bar = m_screens.root != nullptr ? m_screens.root->globalBar() : nullptr;
    if (bar == nullptr) {
        return;
    }
    if (tab < GlobalBar::kBankCount) {
        bar->selectTab(static_cast<GlobalBarTab>(tab));
    } else if (tab == HomeTabBar::Media) {
        bar->selectTab(GlobalBarTab::Media);
    } else if (tab == HomeTabBar::System) {
        bar->selectTab(GlobalBarTab::System);
    }
}

} // namespace v32
