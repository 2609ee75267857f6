#pragma once

#include "ui/pages/home/HomeNavigation.h"

namespace v32 {

class GlobalBar;
class PageRegistry;
struct ScreenContext;

// The home screen's pages and where the program stands on them: installs the builders of
// pages 1 to 4 into the registry and keeps the navigation state they share for the whole
// run. It must outlive the pages it installs.
class HomeScreens {
public:
    explicit HomeScreens(ScreenContext& screens);

    void install(PageRegistry& registry);
    // With the global bar on, its bank tabs lead to the bank overview of their bank, MEDIA
    // to the media player and SYSTEM to the system menu.
    void attachGlobalBar(GlobalBar& bar);

    HomeNavigation& navigation() { return m_navigation; }

private:
    ScreenContext& m_screens;
    HomeNavigation m_navigation;
};

} // namespace v32
