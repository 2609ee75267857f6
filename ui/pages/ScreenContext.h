#pragma once

#include "app/protocol/ParamId.h"

#include <functional>

namespace v32 {

class ControlPanel;
class ParamBindings;
class FontCache;
class ImageCache;
class ListenerRegistry;
class ScreenModel;
class RootScreen;

// What every mixer screen works with: the parameter model it reads and writes through the
// screens' narrow view of it, the fonts
// and pictures it draws with, the root screen for toasts, text entry and the link state,
// and the control-panel support whose key lights follow the screens.
struct ScreenContext {
    ScreenModel& model;
    FontCache& fonts;
    ImageCache& images;
    // Set once the root screen is built; the pages are built later, inside it.
    RootScreen* root = nullptr;
    // Null where no control panel is driven (the gallery, tests).
    ControlPanel* panel = nullptr;
    // Where a screen registers the listeners of the replies it serves (lock, network, media,
    // scenes); null where no device link is attached (the gallery, most tests).
    ListenerRegistry* listeners = nullptr;
    // Covers the screens with the device list; empty where there is none.
    std::function<void()> openDeviceList;

    // Hands the stored values to what the bindings name: how a part of a page whose
    // bindings changed shows what it has not been told yet.
    void replay(const ParamBindings& bindings) const;
    bool isOnline() const;
    // Asks for every control-panel key light to be sent again after the screens changed
    // what the panel's keys mean (bank, selected channel, page).
    void refreshPanelLights() const;
};

} // namespace v32
