#pragma once

#include "ui/pages/ScreenModule.h"

namespace v32 {

class GlobalBar;
class HomeNavigation;
class PageRegistry;
struct ScreenContext;

// The home screen's pages: installs the builders of pages 1 to 4 into the registry, whose
// home page becomes where every screen opens its pages. It must outlive the pages it
// installs.
class HomeScreens : public ScreenModule {
public:
    HomeScreens(ScreenContext& screens, HomeNavigation& navigation);

    void install(PageRegistry& registry) override;
    // With the global bar on, its bank tabs lead to the bank overview of their bank, MEDIA
    // to the media player and SYSTEM to the system menu.
    void attachGlobalBar(GlobalBar& bar) override;

    HomeNavigation& navigation() { return m_navigation; }

private:
    ScreenContext& m_screens;
    HomeNavigation& m_navigation;
};

} // namespace v32
