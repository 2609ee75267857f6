#include "ui/pages/home/HomePage.h"

#include "app/model/BankTable.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/home/BriefContPage.h"
#include "ui/pages/home/HomeTabBar.h"
#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageHost.h"

#include <QVBoxLayout>

namespace v32 {

namespace {

bool isUnderTheTabs(PageId id) {
    return id == PageId::BriefChannel || id == PageId::BriefFader || id == PageId::Player ||
           id == PageId::Setting;
}

} // namespace

HomePage::HomePage(QWidget* parent, PageRegistry& registry, HomeNavigation& navigation)
    : ContainerPage(parent, registry, {PageId::BriefCont, PageId::EditCont})
    , m_navigation(navigation) {
    setAccessibleName(QStringLiteral("home"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(&host());
    m_navigation.setPageOpener(
        [this](PageId id, const OpenArgument& argument) { openInside(id, argument); });
}

HomePage::~HomePage() {
    m_navigation.setPageOpener({});
}

// The home tabs are shown once the home page is on screen, so that what they publish on
// opening reaches them.
void HomePage::enter() {
    if (container().currentPage() == nullptr) {
        container().open(PageId::BriefCont, OpenArgument::tab(m_navigation.currentBank()));
    }
}

void HomePage::open(const OpenArgument& argument) {
    if (Page* page = shownPage()) {
        page->open(argument);
    }
}

void HomePage::openInside(PageId id, const OpenArgument& argument) {
    if (!isUnderTheTabs(id)) {
        container().open(id, argument);
        return;
    }
    container().open(PageId::BriefCont, tabArgumentOf(id, argument));
    if (BriefContPage* tabs = tabsPage()) {
        tabs->showPage(id, argument);
    }
}

// Page 2 is told the tab to light: the bank that holds the slot for the bank overview
// (the current bank for a slot in no bank), the page's own tab for the others.
OpenArgument HomePage::tabArgumentOf(PageId id, const OpenArgument& argument) const {
    const int bank = id == PageId::BriefChannel && argument.slot() >= 0
                         ? BankTable::bankOfSlot(argument.slot())
                         : -1;
    return OpenArgument::tab(
        HomeTabBar::tabOfPage(id, bank >= 0 ? bank : m_navigation.currentBank()));
}

BriefContPage* HomePage::tabsPage() const {
    return qobject_cast<BriefContPage*>(container().page(PageId::BriefCont));
}

} // namespace v32
