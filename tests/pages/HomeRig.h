#pragma once

#include "app/model/OfflineModel.h"
#include "ui/pages/ScreenSet.h"
#include "ui/pages/home/HomeScreens.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace v32 {

class BankCell;
class BankOverviewPage;
class BriefContPage;

// The home screen as the program builds it: every screen's pages installed by the screen
// set on a root screen, the parameter model at its factory defaults with the values it
// writes for the user reaching the page on screen, and the channel editor (page 5) replaced
// by a page that records how it is opened.
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

    OfflineModel offline{1000};
    ParamModel& model = offline.model;
    ManualClock& clock = offline.clock;
    DebugSwitches& switches = offline.switches;
    ModelConditions& conditions = offline.conditions;
    TimerQueue& timers = offline.timers;
    const DefaultTable& defaults = offline.defaults;
    ScreenSet screenSet{model};
    FontCache& fonts = screenSet.fonts();
    ImageCache& images = screenSet.images();
    ScreenContext& screens = screenSet.screens();
    HomeScreens& home = screenSet.home();
    PinyinDictionary pinyin{"ni\t你\t100\n"};
    PageRegistry registry;
    QStringList editorOpenings;
    std::unique_ptr<RootScreen> root;
    RootScreenHooks* hooks = nullptr;
};

} // namespace v32
