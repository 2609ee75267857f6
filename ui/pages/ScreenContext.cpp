#include "ui/pages/ScreenContext.h"

#include "app/link/ControlPanel.h"
#include "app/model/ScreenModel.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/framework/RootScreen.h"

namespace v32 {

void ScreenContext::replay(const ParamBindings& bindings) const {
    bindings.publish(model);
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
