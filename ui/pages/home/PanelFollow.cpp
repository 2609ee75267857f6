#include "ui/pages/home/PanelFollow.h"

#include "app/link/ControlPanel.h"
#include "ui/pages/ScreenContext.h"

namespace v32::panel_follow {

void showBank(const ScreenContext& screens, int bank) {
    if (screens.panel != nullptr) {
        screens.panel->setCurrentBank(bank);
        screens.refreshPanelLights();
    }
}

void showPage(const ScreenContext& screens, PanelPage page) {
    if (screens.panel != nullptr) {
        screens.panel->setCurrentPage(page);
        screens.refreshPanelLights();
    }
}

} // namespace v32::panel_follow
