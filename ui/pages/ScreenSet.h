#pragma once

#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/ScreenModule.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"

#include <memory>
#include <vector>

namespace v32 {

class ControlPanel;
class HomeScreens;
class PageRegistry;
class ParamModel;
class RootScreen;
class RootScreenHooks;

// Every screen of the program around one parameter model, as the desktop shell, the tests
// and the gallery build them alike: the fonts and pictures, the screen context, the home
// navigation and one module per screen. A new screen is added in one place, the module list
// in ScreenSet.cpp.
class ScreenSet {
public:
    explicit ScreenSet(ParamModel& model, ControlPanel* panel = nullptr);
    ~ScreenSet();

    ScreenSet(const ScreenSet&) = delete;
    ScreenSet& operator=(const ScreenSet&) = delete;

    // Installs the pages of every screen; opened pages replay their bindings from the model.
    void install(PageRegistry& registry);
    // The pages live on this root screen from now on: values the model writes for the user
    // reach the page on screen, and the global bar's tabs lead to the screens.
    void attach(RootScreen& root);
    // Before the root screen goes; attach() may follow with another one.
    void detach();

    ScreenContext& screens() { return m_screens; }
    FontCache& fonts() { return m_fonts; }
    ImageCache& images() { return m_images; }
    HomeNavigation& navigation() { return m_navigation; }
    HomeScreens& home() const { return *m_home; }
    // Null while no root screen is attached.
    RootScreenHooks* hooks() const { return m_hooks.get(); }

private:
    ParamModel& m_model;
    ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    ImageCache m_images{m_disk};
    ScreenContext m_screens;
    HomeNavigation m_navigation;
    HomeScreens* m_home = nullptr;
    std::vector<std::unique_ptr<ScreenModule>> m_modules;
    std::unique_ptr<RootScreenHooks> m_hooks;
};

} // namespace v32
