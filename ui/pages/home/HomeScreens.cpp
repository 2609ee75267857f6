#include "ui/pages/home/HomeScreens.h"

#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/BriefContPage.h"
#include "ui/pages/home/BriefFaderPage.h"
#include "ui/pages/home/HomePage.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageRegistry.h"

namespace v32 {

namespace {

constexpr OpenArgument kOwnChoice = OpenArgument::ownChoice();
constexpr OpenArgument kFirstSettingsTab = OpenArgument::tab(0);

} // namespace

HomeScreens::HomeScreens(ScreenContext& screens, HomeNavigation& navigation)
    : m_screens(screens)
    , m_navigation(navigation) {}

void HomeScreens::install(PageRegistry& registry) {
    registry.install(PageId::Home, [this, &registry](QWidget* container, PageId) {
        return new HomePage(container, registry, m_navigation);
    });
    registry.install(PageId::BriefCont, [this, &registry](QWidget* container, PageId) {
        return new BriefContPage(container, registry, m_screens, m_navigation);
    });
    registry.install(PageId::BriefChannel, [this](QWidget* container, PageId) {
        return new BankOverviewPage(container, m_screens, m_navigation);
    });
    registry.install(PageId::BriefFader, [this](QWidget* container, PageId) {
        return createBriefFaderPage(container, m_screens, m_navigation);
    });
}

void HomeScreens::attachGlobalBar(GlobalBar& bar) {
    QObject::connect(&bar, &GlobalBar::tabClicked, &bar, [this](GlobalBarTab tab) {
        switch (tab) {
        case GlobalBarTab::Media:
            m_navigation.openPage(PageId::Player, kOwnChoice);
            break;
        case GlobalBarTab::System:
            m_navigation.openPage(PageId::Setting, kFirstSettingsTab);
            break;
        default:
            m_navigation.setCurrentBank(static_cast<int>(tab));
            m_navigation.openPage(PageId::BriefChannel, kOwnChoice);
            break;
        }
    });
}

} // namespace v32
