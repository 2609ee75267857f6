#include "app/link/ControlPanel.h"

#include "app/link/PanelIdentifiers.h"
#include "app/link/PanelLights.h"
#include "app/model/BankTable.h"
#include "app/model/MonitorSend.h"
#include "app/model/ParamModel.h"
#include "app/protocol/FixedParams.h"

#include <array>

namespace v32 {

namespace {

struct KeyLight {
    int keyCode;
    int light;
};

// The panel keys whose own light shows while they are held.
constexpr std::array<KeyLight, 5> kHeldKeyLights{{
    {60, 120},
    {61, 121},
    {64, 124},
    {67, 1},
    {68, 2},
}};

struct PageLight {
    PanelPage page;
    int light;
};

constexpr std::array<PageLight, 4> kPageLights{{
    {PanelPage::BankOverview, 0},
    {PanelPage::FaderPage, 3},
    {PanelPage::ChannelEditor, 4},
    {PanelPage::Settings, 5},
}};

static_assert(PanelIdentifiers::kFirstFaderPosition == PanelTable::kFirstPanelId);
static_assert(PanelIdentifiers::kStripCount == PanelTable::kEntryCount);

} // namespace

ControlPanel::ControlPanel(ParamModel& model, const ModelConditions& conditions, TimerQueue& timers,
                           FrameSink& sink)
    : m_model(model)
    , m_conditions(conditions)
    , m_sender(m_lights, timers, sink, conditions, model.switches()) {}

void ControlPanel::setCurrentBank(int bank) {
    if (bank == m_strips.currentBank()) {
        return;
    }
    m_strips.setCurrentBank(bank);
    // The motor faders still stand where the old bank's channels were; moving one now would
    // set its new channel to that position.
    pushFadersToPanel();
}

void ControlPanel::setMediaPlaying(bool playing) {
    m_mediaPlaying = playing;
    setLightIfChanged(PanelLights::kMediaPlaying, playing);
}

void ControlPanel::setLight(int light, bool on) {
    writeLight(light, on, LightWrite::Always);
}

void ControlPanel::setLightIfChanged(int light, bool on) {
    writeLight(light, on, LightWrite::IfChanged);
}

bool ControlPanel::isLightOn(int light) const {
    return m_lights.isOn(light);
}

void ControlPanel::writeLight(int light, bool on, LightWrite write) {
    if (light < 0 || light > PanelLights::kLastLight) {
        return;
    }
    const bool written =
        write == LightWrite::Always ? m_lights.set(light, on) : m_lights.setIfChanged(light, on);
    if (written) {
        m_sender.schedule();
    }
}

void ControlPanel::panelKey(std::uint16_t keyEvent) {
    if (m_conditions.uiLocked || m_sceneKeyTimerRunning) {
        return;
    }
    const int keyCode = PanelIdentifiers::keyCodeOf(keyEvent);
    for (const KeyLight& key : kHeldKeyLights) {
        if (key.keyCode == keyCode) {
            setLightIfChanged(key.light, PanelIdentifiers::isKeyPressed(keyEvent));
        }
    }
}

void ControlPanel::refreshPanelLights() {
    for (int light = 0; light <= PanelLights::kLastLight; ++light) {
        setLight(light, false);
    }
    writeComputedLights(LightWrite::Always);
}

void ControlPanel::updatePanelLights() {
    writeComputedLights(LightWrite::IfChanged);
}

void ControlPanel::writeComputedLights(LightWrite write) {
    writePageLights(write);
    for (const int light : PanelLights::kAlwaysOn) {
        writeLight(light, true, write);
    }
    writeLight(PanelLights::kLocked, m_conditions.uiLocked, write);
    writeLight(PanelLights::kMediaPlaying, m_mediaPlaying, write);
    writeBankLights(write);
    writeStripLights(write);
    writeSceneLights(write);
}

void ControlPanel::writePageLights(LightWrite write) {
    for (const PageLight& page : kPageLights) {
        writeLight(page.light, page.page == m_page, write);
    }
}

void ControlPanel::writeBankLights(LightWrite write) {
    for (int bank = 0; bank < BankTable::kBankCount; ++bank) {
        writeLight(PanelLights::kFirstBankKey + bank, bank == m_strips.currentBank(), write);
    }
}

void ControlPanel::writeStripLights(LightWrite write) {
    for (int strip = 0; strip < PanelLights::kStripKeyCount; ++strip) {
        const Channel channel = m_strips.channelOf(strip);
        writeLight(PanelLights::kFirstMuteKey + strip, isChannelOff(channel), write);
        writeLight(PanelLights::kFirstSoloKey + strip, isMonitorSendOn(channel), write);
    }
}

void ControlPanel::writeSceneLights(LightWrite write) {
    if (m_sceneKeyTimerRunning) {
        return;
    }
    const int currentScene = m_model.value(FixedParam::kLastCalledScene);
    for (int key = 0; key < PanelLights::kSceneKeyCount; ++key) {
        writeLight(PanelLights::kFirstSceneKey + key, currentScene == key + 1, write);
    }
}

bool ControlPanel::isChannelOff(Channel channel) const {
    const ParamId on = paramId(channel.kind, channel.index, kNumberOn);
    return on != kInvalidParam && m_model.value(on) == 0;
}

bool ControlPanel::isMonitorSendOn(Channel channel) const {
    // A solo key shows what the screens' solo indicator shows.
    const ParamId send = MonitorSend::shownId(channel);
    return send != kInvalidParam && MonitorSend::isLit(m_model.value(send));
}

void ControlPanel::pushFadersToPanel() {
    if (!m_model.status().isSet(StatusBytes::kFullReadDone) ||
        !m_model.switches().take_over_panel) {
        return;
    }
    for (int strip = 0; strip <= PanelStripMap::mainRightStrip(); ++strip) {
        const ParamId fader = m_strips.stripParameter(strip);
        if (fader != kInvalidParam) {
            m_model.panel().storeAndSend(strip, m_model.value(fader));
        }
    }
}

} // namespace v32
