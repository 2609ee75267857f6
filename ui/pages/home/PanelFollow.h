#pragma once

#include "app/link/PanelPage.h"

namespace v32 {

struct ScreenContext;

// The control panel's keys mean what the home screen shows: its faders move the current
// bank, and its page keys light for the page on screen. Each change is told to the panel,
// which then sends all of its lights again. Without a panel nothing happens.
namespace panel_follow {

void showBank(const ScreenContext& screens, int bank);
void showPage(const ScreenContext& screens, PanelPage page);

} // namespace panel_follow

} // namespace v32
