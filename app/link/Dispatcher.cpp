#include "app/link/Dispatcher.h"

#include "app/core/Clock.h"
#include "app/core/DebugSwitches.h"
#include "app/core/ProductConstants.h"
#include "app/core/Translation.h"
#include "app/link/DispatcherLink.h"
#include "app/link/GlobalBarListener.h"
#include "app/link/LinkStateListener.h"
#include "app/link/LinkSupervisorState.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/LockListener.h"
#include "app/link/MediaListener.h"
#include "app/link/PageListener.h"
#include "app/link/PanelEvents.h"
#include "app/link/PanelIdentifiers.h"
#include "app/link/ReceiveQueue.h"
#include "app/link/SceneKeyListener.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"
#include "app/model/ModelConditions.h"
#include "app/model/PanelTable.h"
#include "app/model/ParamModel.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedFrames.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LiveData.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PayloadText.h"
#include "app/protocol/SceneTransferReplies.h"
#include "app/protocol/ValueKindId.h"

#include <algorithm>
#include <optional>

namespace v32 {

namespace {

constexpr int kFirstSceneName = 1;
constexpr int kLastSceneName = ParamModel::kSceneCount;
constexpr int kLastSceneNameWrite = ParamModel::kSceneWriteCount;

bool isPairCode(std::uint8_t code) {
    return code == MSG_PARAM_QUERY || code == MSG_PARAM_NOTIFY;
}

PairListView pairsOf(std::span<const std::uint8_t> frame) {
    return PairListView(framePayload(frame));
}

// The device reports every slot it knows; the screens show only the identifiers they
// draw and read live data straight from the store.
bool isHandedToPage(ParamId id) {
    return ParamStore::isValid(id) && !LiveData::contains(id);
}

} // namespace

Dispatcher::Dispatcher(const DispatcherContext& context)
    : m_context(context)
    , m_reader(context.queue)
    , m_texts(context.sender, context.listeners)
    , m_requests(context.model, context.sender)
    , m_paced(context.model, context.sender, context.names, context.log)
    , m_readFinished(context.model, context.sender, context.log) {}

void Dispatcher::runPass() {
    m_nowMs = m_context.clock.nowMs();
    if (m_context.link.poll(m_context.queue) > 0) {
        handleFrames(FrameReader::Mode::Normal);
        if (!m_context.queue.empty()) {
            handleFrames(FrameReader::Mode::Scan);
        }
    }
    m_readFinished.run();
    watchCopyWrites();
    m_requests.run();
    m_paced.runPacedSenders(m_nowMs);
    listeners().call(&MediaListener::mediaStep);
}

void Dispatcher::handleFrames(FrameReader::Mode mode) {
    for (std::span<const std::uint8_t> frame = m_reader.next(mode); !frame.empty();
         frame = m_reader.next(mode)) {
        handleFrame(frame);
    }
}

void Dispatcher::watchCopyWrites() {
    const bool empty = m_context.model.store().sendSet().isEmpty();
    if (empty && !m_sendSetWasEmpty) {
        m_copyInProgress = false;
    }
    m_sendSetWasEmpty = empty;
}

void Dispatcher::echo(std::span<const std::uint8_t> frame) {
    m_context.link.sendFrame(frame);
}

void Dispatcher::handleFrame(std::span<const std::uint8_t> frame) {
    const std::uint8_t code = frame[2];
    const std::span<const std::uint8_t> payload = framePayload(frame);
    // The lock screen follows changes of the lock state, so its value from before this
    // frame's values were stored is needed.
    const std::uint16_t lockBefore = m_context.model.value(FixedParam::kLockState);
    if (isPairCode(code) && frame.size() >= kMinPairFrame) {
        storeReported(pairsOf(frame));
    }
    switch (code) {
    case MSG_IDENTIFY:
        handleIdentify(frame);
        break;
    case MSG_SCENE_CALL:
        handleSceneCall(payload);
        break;
    case MSG_PARAM_SET:
        if (frame.size() >= kMinPairFrame) {
            for (const ParamPair pair : pairsOf(frame)) {
                m_context.model.acknowledge(pair.id, pair.value);
            }
        }
        break;
    case MSG_SCENE_NAME_GET:
        handleSceneName(frame);
        break;
    case MSG_PARAM_QUERY:
        handleReport(frame, lockBefore);
        break;
    case MSG_SCENE_NAME_SET:
        if (!payload.empty() && payload[0] >= kFirstSceneName &&
            payload[0] <= kLastSceneNameWrite) {
            m_context.model.sceneNameWritten(payload[0]);
        }
        break;
    case MSG_SCENE_SAVE:
        handleSceneSave();
        break;
    case MSG_PARAM_NOTIFY:
        handleNotify(frame, lockBefore);
        break;
    case MSG_NAME_GET:
        handleChannelName(frame);
        break;
    case MSG_NAME_SET:
        if (!payload.empty()) {
            m_context.model.channelNameWritten(payload[0]);
        }
        break;
    case MSG_STRING_LIST:
        m_texts.handleStringList(payload);
        break;
    case MSG_TEXT_QUERY:
        m_texts.handleSettingsReport(payloadText(payload));
        break;
    case MSG_TEXT_COMMAND:
        m_texts.handleCommandResult(payloadText(payload));
        break;
    case MSG_STATUS_GET:
        handleStatusBytes(payload);
        break;
    case MSG_BLOCK_READ:
    case MSG_BLOCK_WRITE:
    case MSG_BLOCK_COMMIT:
    case MSG_BLOCK_NAME_READ:
    case MSG_BLOCK_NAME_WRITE:
    case MSG_BLOCK_TEXT_READ:
    case MSG_BLOCK_TEXT_WRITE:
        handleSceneTransfer(frame);
        break;
    case MSG_PANEL_EVENT:
        echo(frame);
        for (const ParamPair event : pairsOf(frame)) {
            handlePanelEvent(event);
        }
        break;
    case MSG_PANEL_SET:
        handlePanelAcknowledge(pairsOf(frame));
        break;
    case MSG_MEDIA_EVENT:
        listeners().call(&MediaListener::mediaFrame, frame);
        break;
    default:
        break;
    }
}

void Dispatcher::handleIdentify(std::span<const std::uint8_t> frame) {
    if (frame.size() < kMinIdentifyFrame) {
        return;
    }
    const std::optional<IdentifyReply> reply = parseIdentifyReply(frame);
    if (reply && (reply->productId != m_context.product.productId ||
                  reply->modelCode != m_context.product.modelCode)) {
        switchLinkOffForGood();
    }
}

// Another product answered: talking to it could damage its settings, so the program stops
// talking and stops trying to reconnect.
void Dispatcher::switchLinkOffForGood() {
    DebugSwitches& switches = m_context.switches;
    switches.disable_reconnect = true;
    switches.disable_online_lock = true;
    switches.heartbeat = false;
    m_context.udpTarget.clear();
    m_context.link.switchOffForGood();
    listeners().call(&LinkStateListener::showConnectionIssue, translate(kConnectionIssueText));
}

void Dispatcher::handleSceneCall(std::span<const std::uint8_t> payload) {
    if (payload.empty()) {
        return;
    }
    const int scene = payload[0];
    if (m_context.model.acknowledgeSceneCall(scene)) {
        std::fprintf(m_context.log, "call scene %d success!\n", scene);
    }
}

void Dispatcher::handleSceneSave() {
    m_context.model.acknowledgeSceneSave();
    std::fprintf(m_context.log, "save scene success!\n");
}

void Dispatcher::handleSceneName(std::span<const std::uint8_t> frame) {
    const std::optional<NameReply> reply = parseNameReply(frame);
    if (!reply || reply->slot < kFirstSceneName || reply->slot > kLastSceneName) {
        return;
    }
    m_context.model.sceneNameArrived(reply->slot, reply->name);
    listeners().call(&PageListener::pageSceneName, reply->slot,
                     m_context.model.sceneName(reply->slot));
}

void Dispatcher::handleChannelName(std::span<const std::uint8_t> frame) {
    const std::optional<NameReply> reply = parseNameReply(frame);
    if (!reply || !ParamModel::ChannelNameTable::isSlot(reply->slot)) {
        return;
    }
    m_context.model.channelNameArrived(reply->slot, reply->name);
    listeners().call(&PageListener::pageChannelName, reply->slot,
                     m_context.model.channelName(reply->slot));
}

void Dispatcher::handleReport(std::span<const std::uint8_t> frame, std::uint16_t lockBefore) {
    m_context.linkState.online = true;
    m_context.linkState.lastHeardMs = m_nowMs;
    if (frame.size() == kKeepAliveProbe.size() && m_context.link.type() == LinkType::Serial) {
        if (std::ranges::equal(frame, kKeepAliveProbe)) {
            m_context.link.sendFrame(kKeepAliveReply);
        }
        return;
    }
    if (frame.size() >= kMinPairFrame) {
        handPairsToPage(pairsOf(frame), false, lockBefore);
    }
    // Nothing of ours is waiting to go out, so the next report (of a read) may be handled
    // at once instead of after the loop's wait.
    const ParamModel& model = m_context.model;
    if (model.store().sendSet().isEmpty() && !model.pendingCall().isPending() &&
        !model.pendingSave().isPending()) {
        m_context.wakeup.release();
    }
}

void Dispatcher::handleNotify(std::span<const std::uint8_t> frame, std::uint16_t lockBefore) {
    echo(frame);
    if (frame.size() < kMinPairFrame) {
        return;
    }
    handPairsToPage(pairsOf(frame), true, lockBefore);
    if (m_context.switches.take_over_panel) {
        mirrorNotifiedFaders(pairsOf(frame));
    }
}

void Dispatcher::mirrorNotifiedFaders(PairListView pairs) {
    for (const ParamPair pair : pairs) {
        m_context.model.mirrorToPanel(pair.id, pair.value);
    }
}

void Dispatcher::storeReported(PairListView pairs) {
    for (const ParamPair pair : pairs) {
        m_context.model.storeReported(pair.id, pair.value);
    }
}

void Dispatcher::handPairsToPage(PairListView pairs, bool fromNotify, std::uint16_t lockBefore) {
    std::uint16_t lockState = lockBefore;
    for (const ParamPair pair : pairs) {
        if (isHandedToPage(pair.id)) {
            handOnePair(pair, fromNotify, lockState);
        }
    }
}

void Dispatcher::handOnePair(ParamPair pair, bool fromNotify, std::uint16_t& lockState) {
    ParamModel& model = m_context.model;
    if (pair.id == kLastParam) {
        model.status().set(StatusBytes::kFullReadDone, 1);
    } else if (pair.id == FixedParam::kLockState) {
        changeLockState(lockState, pair.value);
        lockState = pair.value;
    } else if (pair.id == FixedParam::kLastCalledScene && fromNotify) {
        // A scene was called elsewhere: everything may have changed.
        model.dropAllPending();
        model.readAllParameters();
        model.requestSceneNames();
    }
    listeners().call(&PageListener::pageParameter, pair.id, pair.value, fromNotify);
    if (valueKindOf(pair.id) == ValueFaderLevel) {
        listeners().call(&GlobalBarListener::refreshGlobalBarFaders);
    }
}

void Dispatcher::changeLockState(std::uint16_t before, std::uint16_t after) {
    if (before == 0 && after != 0) {
        m_context.conditions.uiLocked = true;
        listeners().call(&LockListener::openLockPage);
        if (m_panel != nullptr) {
            m_panel->refreshPanelLights();
        }
    } else if (before != 0 && after == 0) {
        m_context.conditions.uiLocked = false;
        listeners().call(&LockListener::closeLockPage);
        if (m_panel != nullptr) {
            m_panel->refreshPanelLights();
            m_panel->pushFadersToPanel();
        }
    }
}

void Dispatcher::handleStatusBytes(std::span<const std::uint8_t> payload) {
    if (payload.size() < 2) {
        return;
    }
    const std::span<const std::uint8_t> data = payload.subspan(2);
    m_context.model.status().storeAnalyserBands(
        payload[0], data.first(std::min<std::size_t>(payload[1], data.size())));
}

void Dispatcher::handleSceneTransfer(std::span<const std::uint8_t> frame) {
    SceneTransferState& transfer = m_context.transfer;
    SceneImage& image = m_context.sceneImage;
    switch (frame[2]) {
    case MSG_BLOCK_READ:
        acceptBlockReadReply(frame, transfer, image);
        break;
    case MSG_BLOCK_WRITE:
        acceptBlockWriteReply(frame, transfer);
        break;
    case MSG_BLOCK_COMMIT:
        acceptBlockCommitReply(frame, transfer);
        break;
    case MSG_BLOCK_NAME_READ:
        acceptBlockNameReadReply(frame, transfer, image);
        break;
    case MSG_BLOCK_NAME_WRITE:
        acceptBlockNameWriteReply(frame, transfer);
        break;
    case MSG_BLOCK_TEXT_READ:
        acceptBlockTextReadReply(frame, transfer, image);
        break;
    case MSG_BLOCK_TEXT_WRITE:
        acceptBlockTextWriteReply(frame, transfer);
        break;
    default:
        break;
    }
}

void Dispatcher::handlePanelAcknowledge(PairListView pairs) {
    for (const ParamPair pair : pairs) {
        const int entry = pair.id - PanelTable::kFirstPanelId;
        if (PanelTable::isEntry(entry)) {
            m_context.model.panel().acknowledge(entry, pair.value);
        }
    }
}

void Dispatcher::handlePanelEvent(ParamPair event) {
    if (event.id == PanelIdentifiers::kKeyEvent) {
        if (m_panel != nullptr) {
            m_panel->panelKey(event.value);
        }
    } else if (event.id == PanelIdentifiers::kSceneKeyEvent) {
        listeners().call(&SceneKeyListener::sceneKeyEvent, event.value);
    } else if (const int strip = PanelIdentifiers::faderEventStrip(event.id); strip >= 0) {
        moveFader(strip, event.value);
    } else if (const int encoder = PanelIdentifiers::encoderOf(event.id); encoder >= 0) {
        turnEncoder(encoder, static_cast<std::int16_t>(event.value));
    }
}

void Dispatcher::moveFader(int strip, std::uint16_t position) {
    if (m_context.conditions.uiLocked || m_panel == nullptr) {
        return;
    }
    const ParamId id = m_panel->stripParameter(strip);
    if (id == kInvalidParam || !ParamStore::isValid(id)) {
        return;
    }
    // The two high bits of a fader word are switches of the channel, not the level.
    ParamModel& model = m_context.model;
    const std::uint16_t value = FaderLevel::withLevel(model.value(id), position);
    model.write(ParamWrite::control(id, value));
    if (valueKindOf(id) == ValueFaderLevel) {
        model.forgetPanelMirror(id);
    }
}

void Dispatcher::turnEncoder(int encoder, std::int16_t step) {
    if (m_context.conditions.uiLocked) {
        return;
    }
    if (encoder == kLampEncoder) {
        stepParameter(FixedParam::kLampLevel, step);
    } else if (encoder == kMediaEncoder) {
        stepParameter(FixedParam::kMediaLevel, step);
        listeners().call(&MediaListener::refreshMediaScreen);
    } else {
        listeners().call(&PageListener::pageEncoder, encoder, step);
    }
}

// One detent per event whatever the step's size; the level stops at the ends of its word
// rather than wrapping from silent to full.
void Dispatcher::stepParameter(ParamId id, std::int16_t step) {
    const int value = m_context.model.value(id) + (step > 0 ? 1 : -1);
    const int bounded = std::clamp(value, 0, 0xFFFF);
    m_context.model.write(ParamWrite::control(id, static_cast<std::uint16_t>(bounded)));
}

} // namespace v32
