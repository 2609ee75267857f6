#pragma once

#include "app/core/DebugSwitches.h"
#include "app/model/ModelConditions.h"
#include "app/model/NameTable.h"
#include "app/model/PanelRefreshTimer.h"
#include "app/model/PanelTable.h"
#include "app/model/ParamStore.h"
#include "app/model/SceneOperation.h"
#include "app/model/ScreenModel.h"
#include "app/model/StatusBytes.h"

#include <cstdint>
#include <string_view>

namespace v32 {

class ControlPanelHooks;
class DefaultTable;
class PanelEntryMap;
class ParamWriteListener;
class TimerQueue;

// The program's copy of the mixer state and everything waiting to go out: parameter values
// with their pending writes and reads, panel fader positions, scene and channel names,
// scene calls and saves, and the status bytes. Screens read and change the mixer only
// here; the senders turn what is pending into frames and the dispatcher feeds the replies
// back in.
class ParamModel : public ScreenModel {
public:
    static constexpr int kSceneCount = 16;
    // The device confirms name writes of scenes up to 32.
    static constexpr int kSceneWriteCount = 32;
    static constexpr int kChannelNameCount = 64;

    using SceneNameTable = NameTable<kSceneCount, kSceneWriteCount>;
    using ChannelNameTable = NameTable<kChannelNameCount>;

    ParamModel(const DefaultTable& defaults, const DebugSwitches& switches,
               const ModelConditions& conditions, TimerQueue& timers);

    void setPanelEntryMap(const PanelEntryMap* map) { m_panelEntries = map; }
    void setControlPanelHooks(ControlPanelHooks* hooks);
    void setWriteListener(ParamWriteListener* listener) { m_writeListener = listener; }

    // Values.
    std::uint16_t value(ParamId id) const override;
    std::uint16_t defaultOf(ParamId id) const;
    void setValue(ParamId id, std::uint16_t value);
    // For a value taken over from elsewhere: stored, never sent.
    void storeWithoutSending(ParamId id, std::uint16_t value);
    // What the screens write for the user, each write with its rules (see ParamWrite).
    void write(std::span<const ParamWrite> writes) override;
    using ScreenModel::write;

    // Reads.
    void request(ParamId id);
    void requestRange(ParamId first, ParamId last) override;
    bool isSpectrumDisabled() const override { return m_switches.disable_spectrum; }
    // Every parameter, dropping the writes not sent yet.
    void readAllParameters();
    void requestSceneNames();
    void requestChannelNames();
    // Every parameter, then every scene and channel name.
    void fullRead();
    // Forgets every pending write and read; the panel positions stay queued.
    void dropAllPending();

    // Names: scenes are numbered 1..16, channel names are indexed by channel slot.
    std::string_view sceneName(int scene) const override;
    void setSceneName(int scene, std::string_view text) override;
    std::string_view channelName(int slot) const override;
    void setChannelName(int slot, std::string_view text) override;

    // Scene operations.
    void callScene(int scene);
    // False while another save is pending.
    bool saveScene(int scene);
    const SceneOperation& pendingCall() const { return m_pendingCall; }
    const SceneOperation& pendingSave() const { return m_pendingSave; }

    // What the device sends back.
    // A reported value is taken even when a change of it is still waiting to be sent.
    void storeReported(ParamId id, std::uint16_t value);
    void acknowledge(ParamId id, std::uint16_t value);
    // True when the call was the pending one; then every parameter is read again.
    bool acknowledgeSceneCall(int scene);
    void acknowledgeSceneSave();
    void sceneNameArrived(int scene, std::string_view text);
    void sceneNameWritten(int scene);
    void channelNameArrived(int slot, std::string_view text);
    void channelNameWritten(int slot);
    // Mirrors a fader level to its control-panel fader while the panel is taken over.
    void mirrorToPanel(ParamId id, std::uint16_t value);
    // The panel moved this fader itself: its position must not be echoed back.
    void forgetPanelMirror(ParamId id);

    // State for the senders and the dispatcher.
    ParamStore& store() { return m_store; }
    const ParamStore& store() const { return m_store; }
    PanelTable& panel() { return m_panel; }
    const PanelTable& panel() const { return m_panel; }
    SceneNameTable& sceneNames() { return m_sceneNames; }
    ChannelNameTable& channelNames() { return m_channelNames; }
    SceneOperation& pendingCall() { return m_pendingCall; }
    SceneOperation& pendingSave() { return m_pendingSave; }
    StatusBytes& status() { return m_status; }
    const StatusBytes& status() const { return m_status; }
    const DebugSwitches& switches() const { return m_switches; }
    const ModelConditions& conditions() const { return m_conditions; }
    ControlPanelHooks* controlPanelHooks() const { return m_panelHooks; }
    bool isRefreshScheduled() const { return m_refreshTimer.isScheduled(); }

    // Set once the end of a full read has been handled, so that it is handled only once.
    bool isReadFinishedLatched() const { return m_readFinishedLatched; }
    void setReadFinishedLatched(bool latched) { m_readFinishedLatched = latched; }

private:
    bool holdsBackLiveData() const;
    void scheduleRefresh(ParamId id);
    int panelEntryOf(ParamId id) const;
    void reportWritten(ParamId id, std::uint16_t value);
    void writeWithRules(ParamId id, std::uint16_t value, bool refreshWritten);

    const DefaultTable& m_defaults;
    const DebugSwitches& m_switches;
    const ModelConditions& m_conditions;
    const PanelEntryMap* m_panelEntries = nullptr;
    ParamWriteListener* m_writeListener = nullptr;
    ControlPanelHooks* m_panelHooks = nullptr;
    PanelRefreshTimer m_refreshTimer;

    ParamStore m_store;
    PanelTable m_panel;
    SceneNameTable m_sceneNames;
    ChannelNameTable m_channelNames;
    SceneOperation m_pendingCall;
    SceneOperation m_pendingSave;
    StatusBytes m_status;
    bool m_readFinishedLatched = false;
};

} // namespace v32
