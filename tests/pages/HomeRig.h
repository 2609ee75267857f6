#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/HomeScreens.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace v32 {

class BankCell;
class BankOverviewPage;
class BriefContPage;

// The home screen as the program builds it: the pages installed by HomeScreens on a root
// screen, the parameter model at its factory defaults with the values it writes for the
// user reaching the page on screen, and the channel editor (page 5) replaced by a page that
// records how it is opened.
class HomeRig : public testing::Test {
protected:
    HomeRig();
    ~HomeRig() override;

    // The root screen is built on first use, without the global bar unless asked before.
    void buildRoot(bool globalBar = false);
    // Opens the home screen; the bank overview comes up with the current bank.
    void openHome();
    BankOverviewPage& overview() const;
    BriefContPage& tabs() const;
    BankCell& cell(int index) const;
    // The bank overview opened with a slot (or -1), as the mixer screens open it.
    void openOverview(int slot);

    bool isPending(ParamId id) const { return model.store().sendSet().isPending(id); }
    int pendingCount() const;

    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock{1000};
    TimerQueue timers{clock};
    DefaultTable defaults;
    ParamModel model{defaults, switches, conditions, timers};
    ResourceDisk disk;
    FontCache fonts{disk};
    ImageCache images{disk};
    PinyinDictionary pinyin{"ni\t你\t100\n"};
    PageRegistry registry;
    ScreenContext screens{.model = model,
                          .fonts = fonts,
                          .images = images,
                          .root = nullptr,
                          .panel = nullptr,
                          .openDeviceList = {}};
    HomeScreens home{screens};
    QStringList editorOpenings;
    std::unique_ptr<RootScreen> root;
    std::unique_ptr<RootScreenHooks> hooks;
};

} // namespace v32
