#pragma once

#include "app/protocol/ParamId.h"

#include <functional>

namespace v32 {

class ControlPanel;
class FontCache;
class ImageCache;
class ParamModel;
class RootScreen;

// What every mixer screen works with: the parameter model it reads and writes, the fonts
// and pictures it draws with, the root screen for toasts, text entry and the link state,
// and the control-panel support whose key lights follow the screens.
struct ScreenContext {
    ParamModel& model;
    FontCache& fonts;
    ImageCache& images;
    // Set once the root screen is built; the pages are built later, inside it.
    RootScreen* root = nullptr;
    // Null where no control panel is driven (the gallery, tests).
    ControlPanel* panel = nullptr;
    // Covers the screens with the device list; empty where there is none.
    std::function<void()> openDeviceList;

    // Hands the cached value of the identifier to the page on screen, as if it had just
    // changed: how a page shows what it has not been told yet.
    void publish(ParamId id) const;
    void publishRange(ParamId first, ParamId last) const;
    bool isOnline() const;
    // Asks for every control-panel key light to be sent again after the screens changed
    // what the panel's keys mean (bank, selected channel, page).
    void refreshPanelLights() const;
};

} // namespace v32
