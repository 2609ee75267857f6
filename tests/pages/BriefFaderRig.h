#pragma once

#include "app/link/ControlPanel.h"
#include "app/model/OfflineModel.h"
#include "app/protocol/FrameSink.h"
#include "ui/pages/ScreenSet.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
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
    OfflineModel offline{1000};
    ParamModel& model = offline.model;
    ManualClock& clock = offline.clock;
    IgnoredFrames frames;
    ControlPanel panel{model, offline.conditions, offline.timers, frames};
    ScreenSet screenSet{model, &panel};
    FontCache& fonts = screenSet.fonts();
    ImageCache& images = screenSet.images();
    ScreenContext& screens = screenSet.screens();
    HomeNavigation& navigation = screenSet.navigation();
    PinyinDictionary pinyin{"ni\t你\t100\n"};
    PageRegistry registry;
    std::vector<std::pair<PageId, std::int32_t>> openedPages;
    std::unique_ptr<RootScreen> root;
    RootScreenHooks* hooks = nullptr;

    BriefFaderRig();
    ~BriefFaderRig();

    // Builds and opens the page; null if it could not be built.
    BriefFaderPage* openPage();
    // A value as the mixer reports it: stored, then handed to the page on screen.
    void report(ParamId id, std::uint16_t value);
};

} // namespace fadertest
} // namespace v32
