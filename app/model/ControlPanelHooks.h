#pragma once

namespace v32 {

// What the parameter model asks of the control-panel support.
class ControlPanelHooks {
public:
    virtual ~ControlPanelHooks() = default;
    // Recompute the panel's key lights from the stored values and send only the light words
    // that changed: what a burst of value changes needs.
    virtual void updatePanelLights() = 0;
    // Clear and recompute every key light and send every word, since the panel may have
    // lost them: after a full read and when the lock changes.
    virtual void refreshPanelLights() = 0;
    // Send every strip's fader position to the panel.
    virtual void pushFadersToPanel() = 0;
};

} // namespace v32
