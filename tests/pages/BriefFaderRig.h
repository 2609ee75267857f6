#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/link/ControlPanel.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "app/protocol/FrameSink.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/HomeNavigation.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

#include <memory>
#include <utility>
#include <vector>

namespace v32 {

class BriefFaderPage;

namespace fadertest {

// Takes the panel's frames and forgets them.
class IgnoredFrames : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t>) override { return true; }
};

// The fader page on a root screen of its own, as the home page would hold it: a model at
// the factory defaults whose writes for the user come back to the page, a control panel,
// and a navigation that records the pages it is asked to open.
struct BriefFaderRig {
    ResourceDisk disk;
    FontCache fonts{disk};
    ImageCache images{disk};
    ManualClock clock{1000};
    TimerQueue timers{clock};
    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ParamModel model{defaults, switches, conditions, timers};
    IgnoredFrames frames;
    ControlPanel panel{model, conditions, timers, frames};
    PinyinDictionary pinyin{"ni\t你\t100\n"};
    PageRegistry registry;
    HomeNavigation navigation;
    std::vector<std::pair<PageId, std::int32_t>> openedPages;
    ScreenContext screens{.model = model,
                          .fonts = fonts,
                          .images = images,
                          .root = nullptr,
                          .panel = &panel,
                          .openDeviceList = {}};
    std::unique_ptr<RootScreen> root;
    std::unique_ptr<RootScreenHooks> hooks;

    BriefFaderRig();
    ~BriefFaderRig();

    // Builds and opens the page; null if it could not be built.
    BriefFaderPage* openPage();
    // A value as the mixer reports it: stored, then handed to the page on screen.
    void report(ParamId id, std::uint16_t value);
};

} // namespace fadertest
} // namespace v32
