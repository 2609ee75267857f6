#pragma once

#include "ui/toolkit/textentry/TextEntryMode.h"

#include <functional>

class QWidget;

namespace v32 {

struct GalleryContext;
class PageRegistry;
class RootScreen;

// What a scene is given: the root screen drawn for it, built fresh with the scene's options
// and with the pages it installed, and the shared context.
struct GalleryStage {
    RootScreen& root;
    GalleryContext& context;
};

struct GalleryOptions {
    bool globalBar = true;
    TextEntryMode textEntry = TextEntryMode::NativeBox;
};

// One picture. install puts pages into the registry before the root screen is built;
// stage then sets the screen up, and returns null to have the whole screen drawn, or a
// widget of its own to have that drawn instead.
struct GalleryScene {
    const char* name;
    GalleryOptions options;
    std::function<void(PageRegistry& registry, GalleryContext& context)> install;
    std::function<QWidget*(GalleryStage& stage)> stage;
};

} // namespace v32
