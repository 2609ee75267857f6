#pragma once

#include "app/link/KeyLightSender.h"
#include "app/link/KeyLightWords.h"
#include "app/link/PanelEvents.h"
#include "app/link/PanelPage.h"
#include "app/link/PanelStripMap.h"

#include <cstdint>

namespace v32 {

class FrameSink;
class ParamModel;
class TimerQueue;
struct ModelConditions;

// The UI side of the mixer's hardware control panel: which fader each panel strip moves,
// the key lights and their sender, and the fader positions sent to the panel. The screens
// tell it the current bank, page and media player state; the dispatcher hands it the
// panel's key events and asks it which fader a panel strip moves; the parameter model asks
// it for the light recompute and the fader push.
class ControlPanel : public PanelEvents {
public:
    ControlPanel(ParamModel& model, const ModelConditions& conditions, TimerQueue& timers,
                 FrameSink& sink);

    // The model mirrors fader levels to the panel through this map.
    const PanelStripMap& stripMap() const { return m_strips; }
    ParamId stripParameter(int strip) const override { return m_strips.stripParameter(strip); }

    // A new bank moves the panel's strip faders to that bank's channels.
    void setCurrentBank(int bank);
    int currentBank() const { return m_strips.currentBank(); }
    void setCurrentPage(PanelPage page) { m_page = page; }
    // While a scene key is being handled, key presses light nothing and the scene-key
    // lights belong to that handling.
    void setSceneKeyTimerRunning(bool running) { m_sceneKeyTimerRunning = running; }
    void setMediaPlaying(bool playing);

    // Lights 0..125; other numbers are ignored.
    void setLight(int light, bool on);
    void setLightIfChanged(int light, bool on);
    bool isLightOn(int light) const;

    // A key press or release from the panel (the value of a key-event pair).
    void panelKey(std::uint16_t keyEvent) override;

    // Clears every light and computes them all again, sending every light word; for the
    // end of a full read, lock changes and the screens.
    void refreshPanelLights() override;
    // Computes the lights again and sends only the words that changed: what the model's
    // coalesced value changes need.
    void updatePanelLights() override;
    // After a completed read while the panel is taken over, sends every strip's fader
    // position.
    void pushFadersToPanel() override;

private:
    enum class LightWrite : std::uint8_t {
        Always,
        IfChanged,
    };

    void writeLight(int light, bool on, LightWrite write);
    void writeComputedLights(LightWrite write);
    void writePageLights(LightWrite write);
    void writeBankLights(LightWrite write);
    void writeStripLights(LightWrite write);
    void writeSceneLights(LightWrite write);
    bool isChannelOff(Channel channel) const;
    bool isMonitorSendOn(Channel channel) const;

    ParamModel& m_model;
    const ModelConditions& m_conditions;
    PanelStripMap m_strips;
    KeyLightWords m_lights;
    KeyLightSender m_sender;
    PanelPage m_page = PanelPage::Other;
    bool m_sceneKeyTimerRunning = false;
    bool m_mediaPlaying = false;
};

} // namespace v32
