#pragma once

namespace v32 {

// What the parameter model asks of the control-panel support.
class ControlPanelHooks {
public:
    virtual ~ControlPanelHooks() = default;
    // Recompute the panel's key lights from the stored values.
    virtual void refreshPanelLights() = 0;
    // Send every strip's fader position to the panel.
    virtual void pushFadersToPanel() = 0;
};

} // namespace v32
