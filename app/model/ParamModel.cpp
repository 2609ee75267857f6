#include "app/model/ParamModel.h"

#include "app/model/DefaultTable.h"
#include "app/model/GroupSwitchRules.h"
#include "app/model/LinkedWrites.h"
#include "app/model/PanelEntryMap.h"
#include "app/model/ParamWriteListener.h"
#include "app/protocol/LiveData.h"
#include "app/protocol/ValueKindId.h"

#include <algorithm>
#include <cstdio>

namespace v32 {

namespace {

bool isMixerChannel(int kind) {
    return kind >= KindInput && kind <= KindDca;
}

// Scene n lives in name slot n - 1.
int sceneSlot(int scene) {
    return scene - 1;
}

} // namespace

ParamModel::ParamModel(const DefaultTable& defaults, const DebugSwitches& switches,
                       const ModelConditions& conditions, TimerQueue& timers)
    : m_defaults(defaults)
    , m_switches(switches)
    , m_conditions(conditions)
    , m_refreshTimer(timers)
    , m_store(defaults) {
    for (int scene = 1; scene <= kSceneCount; ++scene) {
        char name[SceneNameTable::kSlotSize];
        std::snprintf(name, sizeof name, "Scene%d", scene);
        m_sceneNames.store(sceneSlot(scene), name);
    }
}

void ParamModel::setControlPanelHooks(ControlPanelHooks* hooks) {
    m_panelHooks = hooks;
    m_refreshTimer.setHooks(hooks);
}

std::uint16_t ParamModel::value(ParamId id) const {
    return m_store.value(id);
}

std::uint16_t ParamModel::defaultOf(ParamId id) const {
    return ParamStore::isValid(id) ? m_defaults.of(id) : 0;
}

void ParamModel::setValue(ParamId id, std::uint16_t value) {
    if (!ParamStore::isValid(id)) {
        return;
    }
    m_store.storeAndSend(id, value);
    scheduleRefresh(id);
    mirrorToPanel(id, value);
}

void ParamModel::storeWithoutSending(ParamId id, std::uint16_t value) {
    if (!ParamStore::isValid(id)) {
        return;
    }
    m_store.store(id, value);
    scheduleRefresh(id);
}

void ParamModel::write(std::span<const ParamWrite> writes) {
    for (const ParamWrite& one : writes) {
        if (one.quiet) {
            setValue(one.pair.id, one.pair.value);
        } else {
            writeWithRules(one.pair.id, one.pair.value, !one.dragged);
        }
    }
}

// The stereo-pair rules may write the partner too, and a group switch its members; all of
// them are redrawn, the written control itself only when it is not under the finger.
void ParamModel::writeWithRules(ParamId id, std::uint16_t value, bool refreshWidgets) {
    const LinkedWrites linked(m_store, id, value);
    for (const ParamPair& pair : linked.pairs()) {
        setValue(pair.id, pair.value);
        if (pair.id != id || refreshWidgets) {
            reportWritten(pair.id, pair.value);
        }
    }
    const GroupSwitchRules groupRules(m_store, id, value);
    for (const ParamPair& pair : groupRules.pairs()) {
        setValue(pair.id, pair.value);
        reportWritten(pair.id, pair.value);
    }
}

bool ParamModel::holdsBackLiveData() const {
    return m_switches.disable_spectrum || m_conditions.uiLocked || m_pendingCall.isPending();
}

void ParamModel::request(ParamId id) {
    if (LiveData::contains(id) && holdsBackLiveData()) {
        m_store.requestSet().resetRetry(id);
    } else {
        m_store.requestSet().mark(id);
    }
}

void ParamModel::requestRange(ParamId first, ParamId last) {
    const int end = std::min<int>(last, kLastParam);
    for (int id = first; id <= end; ++id) {
        request(static_cast<ParamId>(id));
    }
}

void ParamModel::readAllParameters() {
    m_status.set(StatusBytes::kFullReadDone, 0);
    m_readFinishedLatched = false;
    m_store.sendSet().clearAll();
    requestRange(0, kLastParam);
}

void ParamModel::requestSceneNames() {
    for (int slot = 0; slot < kSceneCount; ++slot) {
        m_sceneNames.requests().mark(static_cast<std::size_t>(slot));
    }
}

void ParamModel::requestChannelNames() {
    for (int slot = 0; slot < kChannelNameCount; ++slot) {
        m_channelNames.requests().mark(static_cast<std::size_t>(slot));
    }
}

void ParamModel::fullRead() {
    readAllParameters();
    requestSceneNames();
    requestChannelNames();
}

void ParamModel::dropAllPending() {
    m_store.sendSet().clearAll();
    m_store.requestSet().clearAll();
    m_sceneNames.requests().clearAll();
    m_sceneNames.writes().clearAll();
    m_channelNames.requests().clearAll();
    m_channelNames.writes().clearAll();
}

std::string_view ParamModel::sceneName(int scene) const {
    return m_sceneNames.text(sceneSlot(scene));
}

void ParamModel::setSceneName(int scene, std::string_view text) {
    if (m_sceneNames.store(sceneSlot(scene), text)) {
        m_sceneNames.writes().mark(static_cast<std::size_t>(sceneSlot(scene)));
    }
}

std::string_view ParamModel::channelName(int slot) const {
    return m_channelNames.text(slot);
}

void ParamModel::setChannelName(int slot, std::string_view text) {
    if (m_channelNames.store(slot, text)) {
        m_channelNames.writes().mark(static_cast<std::size_t>(slot));
    }
}

void ParamModel::callScene(int scene) {
    m_status.set(StatusBytes::kSceneCallDone, 0);
    m_pendingCall.start(scene);
}

bool ParamModel::saveScene(int scene) {
    if (m_pendingSave.isPending()) {
        return false;
    }
    m_status.set(StatusBytes::kSceneSaveDone, 0);
    m_pendingSave.start(scene);
    return true;
}

void ParamModel::storeReported(ParamId id, std::uint16_t value) {
    if (!ParamStore::isValid(id)) {
        return;
    }
    storeWithoutSending(id, value);
    m_store.requestSet().clear(id);
}

void ParamModel::acknowledge(ParamId id, std::uint16_t value) {
    m_store.acknowledge(id, value);
}

bool ParamModel::acknowledgeSceneCall(int scene) {
    if (scene == 0 || scene != m_pendingCall.scene()) {
        return false;
    }
    m_pendingCall.clear();
    readAllParameters();
    m_status.set(StatusBytes::kSceneCallDone, 1);
    return true;
}

void ParamModel::acknowledgeSceneSave() {
    m_pendingSave.clear();
    m_status.set(StatusBytes::kSceneSaveDone, 1);
}

// A rename still on its way to the device wins over a reply that was sent before the device
// had it: the pending write sends the stored text, so taking the reply would lose the rename.
void ParamModel::sceneNameArrived(int scene, std::string_view text) {
    const int slot = sceneSlot(scene);
    if (!SceneNameTable::isSlot(slot)) {
        return;
    }
    const auto entry = static_cast<std::size_t>(slot);
    if (!m_sceneNames.writes().isPending(entry)) {
        m_sceneNames.store(slot, text);
    }
    m_sceneNames.requests().clear(entry);
}

void ParamModel::sceneNameWritten(int scene) {
    if (scene >= 1 && scene <= kSceneWriteCount) {
        m_sceneNames.writes().clear(static_cast<std::size_t>(sceneSlot(scene)));
    }
}

void ParamModel::channelNameArrived(int slot, std::string_view text) {
    if (!ChannelNameTable::isSlot(slot)) {
        return;
    }
    const auto entry = static_cast<std::size_t>(slot);
    if (!m_channelNames.writes().isPending(entry)) {
        m_channelNames.store(slot, text);
    }
    m_channelNames.requests().clear(entry);
}

void ParamModel::channelNameWritten(int slot) {
    if (ChannelNameTable::isSlot(slot)) {
        m_channelNames.writes().clear(static_cast<std::size_t>(slot));
    }
}

int ParamModel::panelEntryOf(ParamId id) const {
    if (m_panelEntries == nullptr || valueKindOf(id) != ValueFaderLevel) {
        return -1;
    }
    return m_panelEntries->panelEntryOf(id);
}

void ParamModel::mirrorToPanel(ParamId id, std::uint16_t value) {
    if (m_switches.take_over_panel) {
        m_panel.storeAndSend(panelEntryOf(id), value);
    }
}

void ParamModel::forgetPanelMirror(ParamId id) {
    m_panel.forget(panelEntryOf(id));
}

void ParamModel::scheduleRefresh(ParamId id) {
    if (isMixerChannel(channelKindOf(id)) &&
        (m_conditions.localDevice || m_switches.take_over_panel)) {
        m_refreshTimer.schedule();
    }
}

void ParamModel::reportWritten(ParamId id, std::uint16_t value) {
    if (m_writeListener != nullptr) {
        m_writeListener->parameterWritten(id, value);
    }
}

} // namespace v32
