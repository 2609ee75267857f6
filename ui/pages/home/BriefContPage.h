#pragma once

#include "ui/toolkit/framework/ContainerPage.h"
#include "ui/toolkit/framework/PageId.h"

namespace v32 {

class HomeNavigation;
class HomeTabBar;
class PageContainer;
class PageRegistry;
struct ScreenContext;

// Page 2, `brief_cont`: the home screen's tab bar over the page its tabs lead to, the bank
// overview (3), the full fader page (4), the media player (14) or the system menu (15). The
// page hooks go on to the page shown.
class BriefContPage : public ContainerPage {
    Q_OBJECT

public:
    BriefContPage(QWidget* parent, PageRegistry& registry, ScreenContext& screens,
                  HomeNavigation& navigation);

    void enter() override;
    // A tab argument names the tab to light: 0-4 the banks, 5 FADER, 6 MEDIA, 7 SYSTEM. The
    // last three light their own tab, anything else the current bank's.
    void open(const OpenArgument& argument) override;

    // Shows one of the pages under the tabs and lights the tab that leads there.
    void showPage(PageId id, const OpenArgument& argument);

    HomeTabBar& tabBar() const { return *m_tabs; }

private:
    void onTab(int tab);
    void lightTabOfShownPage();

    ScreenContext& m_screens;
    HomeNavigation& m_navigation;
    HomeTabBar* m_tabs;
};

} // namespace v32
