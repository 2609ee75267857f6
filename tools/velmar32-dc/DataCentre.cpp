#include "tools/velmar32-dc/DataCentre.h"

#include "app/protocol/FixedFrames.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"
#include "tools/velmar32-dc/DemoMix.h"
#include "tools/velmar32-dc/MediaModule.h"
#include "tools/velmar32-dc/NetworkSettings.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace v32::dc {

namespace {

// Stored in the identify reply after the model code; the control surface does not read it.
constexpr std::uint8_t kThirdCode = 0x01;
constexpr std::uint16_t kLocked = 1;
constexpr std::uint16_t kUnlocked = 0;

bool isChannelSlot(std::size_t slot) {
    return slot < DataCentre::kChannelNameCount;
}

} // namespace

DataCentre::DataCentre(const Clock& clock, DataCentreConfig config)
    : clock_(clock)
    , config_(std::move(config))
    , settings_(config_.deviceName, config_.firmwareVersion)
    , meters_(config_.seed) {
    if (config_.demoMix) {
        applyDemoMix(parameters_);
    }
    meters_.advance(clock_.nowMs(), parameters_);
}

ClientId DataCentre::connectClient(FrameSink& sink, ClientOptions options) {
    return clients_.add(sink, options);
}

void DataCentre::disconnectClient(ClientId client) {
    clients_.remove(client);
}

void DataCentre::handleFrame(ClientId client, std::span<const std::uint8_t> frame) {
    const FrameCheck check = checkFrame(frame);
    if (check.status != FrameStatus::Ok || check.length != frame.size() ||
        !clients_.contains(client)) {
        ++rejectedFrames_;
        return;
    }
    if (isSessionFrame(frame)) {
        clients_.subscribe(client);
    }
    dispatch(client, static_cast<MessageCode>(frame[2]), frame);
}

void DataCentre::tick() {
    const std::uint32_t nowMs = clock_.nowMs();
    meters_.advance(nowMs, parameters_);
    probeKeepAliveClients(nowMs);
    if (media_ != nullptr) {
        media_->tick(nowMs);
    }
}

void DataCentre::changeParameter(ParamId id, std::uint16_t value) {
    if (parameters_.store(id, value)) {
        const ParamPair change{id, value};
        clients_.broadcastPairs(MSG_PARAM_NOTIFY, std::span(&change, 1));
    }
}

void DataCentre::sendPanelEvents(std::span<const ParamPair> events) {
    clients_.broadcastPairs(MSG_PANEL_EVENT, events);
}

std::string_view DataCentre::channelName(std::size_t slot) const {
    return isChannelSlot(slot) ? sceneText(channelNames_[slot]) : std::string_view{};
}

bool DataCentre::isLocked() const {
    return parameters_.value(FixedParam::kLockState) != kUnlocked;
}

void DataCentre::dispatch(ClientId client, MessageCode code, std::span<const std::uint8_t> frame) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    switch (code) {
    case MSG_IDENTIFY:
        return answerIdentify(client);
    case MSG_SCENE_CALL:
        return callScene(client, payload);
    case MSG_SCENE_SAVE:
        return saveScene(client, payload);
    case MSG_PARAM_SET:
        return setParameters(client, payload);
    case MSG_PARAM_QUERY:
        return reportParameters(client, payload);
    case MSG_SCENE_NAME_GET:
        return sendSceneName(client, payload);
    case MSG_SCENE_NAME_SET:
        return renameScene(client, payload);
    case MSG_NAME_GET:
        return sendChannelName(client, payload);
    case MSG_NAME_SET:
        return renameChannel(client, payload);
    case MSG_STRING_LIST:
        return sendWifiList(client);
    case MSG_TEXT_QUERY:
        return answerTextQuery(client, payload);
    case MSG_TEXT_COMMAND:
        return runTextCommand(client, payload);
    case MSG_STATUS_GET:
        return sendStatusBytes(client, payload);
    case MSG_PANEL_SET:
        return mirrorPanel(client, payload);
    case MSG_MEDIA_COMMAND:
        if (media_ != nullptr) {
            media_->handleCommand(client, frame);
        }
        return;
    default:
        // Echoed notifications and panel events end here, as does anything unknown.
        if (SceneTransferService::handles(code)) {
            transferScene(client, code, payload);
        }
        return;
    }
}

void DataCentre::answerIdentify(ClientId client) {
    reply_.clear();
    reply_.putByte(0x00);
    reply_.putWord(config_.productId);
    reply_.putByte(config_.modelCode);
    reply_.putByte(kThirdCode);
    reply_.putText(settings_.deviceName());
    reply_.putByte(0x00);
    clients_.send(client, MSG_IDENTIFY, reply_.bytes());
}

void DataCentre::callScene(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !SceneStore::isScene(payload[0])) {
        return;
    }
    const std::uint8_t scene = payload[0];
    const SceneImage& image = scenes_.scene(scene);
    parameters_.loadScene(image.data);
    channelNames_ = image.text;
    parameters_.store(FixedParam::kLastCalledScene, scene);
    clients_.send(client, MSG_SCENE_CALL, payload.first(1));
    // The caller reads everything again after the acknowledgement; this change makes the
    // other clients do the same.
    const ParamPair called{FixedParam::kLastCalledScene, scene};
    clients_.broadcastPairs(MSG_PARAM_NOTIFY, std::span(&called, 1), client);
}

void DataCentre::saveScene(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !SceneStore::isScene(payload[0])) {
        return;
    }
    scenes_.save(payload[0], parameters_.values(), channelNames_);
    clients_.send(client, MSG_SCENE_SAVE, payload.first(1));
}

void DataCentre::setParameters(ClientId client, std::span<const std::uint8_t> payload) {
    const PairListView pairs(payload);
    std::vector<ParamPair> changes;
    bool resetAsked = false;
    for (const ParamPair pair : pairs) {
        if (pair.id == FixedParam::kFactoryReset) {
            // The reset word is a trigger, never stored.
            resetAsked = resetAsked || pair.value == FixedParam::kFactoryResetCode;
        } else if (MixerParameters::isClientWritable(pair.id) &&
                   parameters_.store(pair.id, pair.value)) {
            changes.push_back(pair);
        }
    }
    std::vector<ParamPair> acknowledged;
    for (const ParamPair pair : pairs) {
        if (MixerParameters::exists(pair.id)) {
            acknowledged.push_back({pair.id, parameters_.value(pair.id)});
        }
    }
    clients_.sendPairs(client, MSG_PARAM_SET, acknowledged);
    clients_.broadcastPairs(MSG_PARAM_NOTIFY, changes, client);
    if (resetAsked) {
        factoryReset();
    }
}

void DataCentre::reportParameters(ClientId client, std::span<const std::uint8_t> payload) {
    if (std::ranges::equal(framePayload(kKeepAliveReply), payload)) {
        // A client answering the serial keep-alive probe, not asking anything.
        return;
    }
    std::vector<ParamPair> report;
    for (std::size_t offset = 0; offset + kIdSize <= payload.size(); offset += kIdSize) {
        const ParamId id = readWord(payload, offset);
        report.push_back({id, parameters_.value(id)});
    }
    clients_.sendPairs(client, MSG_PARAM_QUERY, report);
}

void DataCentre::sendSceneName(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !SceneStore::isScene(payload[0])) {
        return;
    }
    reply_.clear();
    reply_.putByte(payload[0]);
    reply_.putText(scenes_.name(payload[0]));
    clients_.send(client, MSG_SCENE_NAME_GET, reply_.bytes());
}

void DataCentre::renameScene(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !SceneStore::isScene(payload[0])) {
        return;
    }
    scenes_.rename(payload[0], payloadText(payload.subspan(1)));
    clients_.send(client, MSG_SCENE_NAME_SET, payload.first(1));
}

void DataCentre::sendChannelName(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !isChannelSlot(payload[0])) {
        return;
    }
    reply_.clear();
    reply_.putByte(payload[0]);
    reply_.putText(channelName(payload[0]));
    clients_.send(client, MSG_NAME_GET, reply_.bytes());
}

void DataCentre::renameChannel(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.empty() || !isChannelSlot(payload[0])) {
        return;
    }
    setSceneText(channelNames_[payload[0]], payloadText(payload.subspan(1)));
    clients_.send(client, MSG_NAME_SET, payload.first(1));
}

void DataCentre::sendWifiList(ClientId client) {
    reply_.clear();
    reply_.putByte(static_cast<std::uint8_t>(NetworkSettings::kScannedNetworks.size()));
    for (const std::string_view network : NetworkSettings::kScannedNetworks) {
        reply_.putText(network);
        reply_.putByte(0x00);
    }
    clients_.send(client, MSG_STRING_LIST, reply_.bytes());
}

void DataCentre::answerTextQuery(ClientId client, std::span<const std::uint8_t> payload) {
    const std::string reply = settings_.answerQuery(payloadText(payload));
    clients_.sendText(client, MSG_TEXT_QUERY, reply);
}

void DataCentre::runTextCommand(ClientId client, std::span<const std::uint8_t> payload) {
    const TextCommandOutcome outcome = settings_.execute(payloadText(payload));
    clients_.sendText(client, MSG_TEXT_COMMAND, outcome.reply);
    clients_.broadcastText(MSG_TEXT_COMMAND, outcome.announcement, client);
    if (outcome.lock) {
        setLock(*outcome.lock);
    }
    if (outcome.factoryReset) {
        factoryReset();
    }
}

void DataCentre::sendStatusBytes(ClientId client, std::span<const std::uint8_t> payload) {
    if (payload.size() < 2) {
        return;
    }
    const std::span<const std::uint8_t> status = meters_.analyserBytes();
    const std::size_t first = std::min<std::size_t>(payload[0], status.size());
    const std::size_t count = std::min<std::size_t>(payload[1], status.size() - first);
    reply_.clear();
    reply_.putByte(payload[0]);
    reply_.putByte(static_cast<std::uint8_t>(count));
    reply_.putBytes(status.subspan(first, count));
    clients_.send(client, MSG_STATUS_GET, reply_.bytes());
}

void DataCentre::mirrorPanel(ClientId client, std::span<const std::uint8_t> payload) {
    std::array<ParamPair, PanelMirror::kMaxPairs> acknowledged{};
    const std::size_t count = panel_.apply(PairListView(payload), acknowledged);
    if (count == 0) {
        return;
    }
    std::array<std::uint8_t, PanelMirror::kMaxPairs * kPairSize> reply{};
    encodePairs(std::span(acknowledged).first(count), reply, PanelMirror::kMaxPairs);
    clients_.send(client, MSG_PANEL_SET, std::span(reply).first(count * kPairSize));
}

void DataCentre::transferScene(ClientId client, MessageCode code,
                               std::span<const std::uint8_t> payload) {
    if (sceneTransfer_.answer(code, payload, reply_)) {
        clients_.send(client, code, reply_.bytes());
    }
}

void DataCentre::setLock(bool locked) {
    changeParameter(FixedParam::kLockState, locked ? kLocked : kUnlocked);
}

void DataCentre::factoryReset() {
    parameters_.resetToDefaults();
    channelNames_ = {};
    settings_.resetToDefaults();
    clients_.broadcastText(MSG_TEXT_COMMAND, TextCommands::kResetReply);
    // A change of the scene number makes every client read the whole mixer again.
    const ParamPair reload{FixedParam::kLastCalledScene,
                           parameters_.value(FixedParam::kLastCalledScene)};
    clients_.broadcastPairs(MSG_PARAM_NOTIFY, std::span(&reload, 1));
}

void DataCentre::probeKeepAliveClients(std::uint32_t nowMs) {
    if (lastKeepAliveMs_ && nowMs - *lastKeepAliveMs_ < kKeepAliveIntervalMs) {
        return;
    }
    lastKeepAliveMs_ = nowMs;
    clients_.forEachClient([this](ClientId client) {
        if (clients_.wantsKeepAliveProbes(client)) {
            clients_.sendFrame(client, kKeepAliveProbe);
        }
    });
}

bool DataCentre::isSessionFrame(std::span<const std::uint8_t> frame) {
    return frame[2] != MSG_IDENTIFY && !std::ranges::equal(frame, kKeepAliveProbe) &&
           !std::ranges::equal(frame, kKeepAliveReply);
}

} // namespace v32::dc
