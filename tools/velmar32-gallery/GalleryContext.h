#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "ui/pages/ScreenContext.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

namespace v32 {

// Everything a gallery picture is drawn from: the program's resources and a parameter model
// that holds the factory defaults and never talks to a device. The clock stands still, so
// that every picture comes out the same each time.
struct GalleryContext {
    ResourceDisk disk;
    FontCache fonts{disk};
    ImageCache images{disk};
    ManualClock clock{0};
    TimerQueue timers{clock};
    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ParamModel model{defaults, switches, conditions, timers};
    const PinyinDictionary& pinyin = PinyinDictionary::builtIn();
    // What the pages are built on; its root screen is the one being drawn.
    ScreenContext screens{.model = model,
                          .fonts = fonts,
                          .images = images,
                          .root = nullptr,
                          .panel = nullptr,
                          .openDeviceList = {}};
};

} // namespace v32
