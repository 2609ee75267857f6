#include "ui/pages/ScreenContext.h"

#include "app/link/ControlPanel.h"
#include "app/model/ParamModel.h"
#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/RootScreen.h"

namespace v32 {

void ScreenContext::publish(ParamId id) const {
    if (root == nullptr) {
        return;
    }
    if (Page* page = root->currentPage()) {
        page->parameter(id, model.value(id), false);
    }
}

void ScreenContext::publishRange(ParamId first, ParamId last) const {
    for (int id = first; id <= last; ++id) {
        publish(static_cast<ParamId>(id));
    }
}

bool ScreenContext::isOnline() const {
    return root != nullptr && root->isOnline();
}

void ScreenContext::refreshPanelLights() const {
    if (panel != nullptr) {
        panel->refreshPanelLights();
    }
}

} // namespace v32
