#include "app/protocol/MessageSender.h"

#include "app/protocol/PayloadText.h"

#include <algorithm>
#include <array>

namespace v32 {

namespace {

constexpr std::array<std::string_view, 3> kNetworkQueries{
    "ETH_DHCP=\nETH_IP=\nETH_NETMASK=\nETH_GATEWAY=\nETH_DNS=\n",
    "AP_SSID=\nAP_KEY=\nSTA_SSID=\nSTA_KEY=\nAPIP=\nDOMAIN=\n",
    "WIFI_MODE=\nWIFI_DHCP=\nWIFI_IP=\nWIFI_NETMASK=\nWIFI_GATEWAY=\nWIFI_DNS=\nWIFI_STATE=\n",
};

constexpr std::uint8_t kIdentifyPayload = 0x00;
constexpr std::uint8_t kFirstAnalyserBand = 0;
constexpr std::uint8_t kAnalyserBandCount = 31;

using Payload = std::array<std::uint8_t, kMaxPayload>;

std::array<std::uint8_t, 4> blockHeader(std::uint8_t scene, std::uint8_t count,
                                        std::uint16_t start) {
    return {scene, count, static_cast<std::uint8_t>(start >> 8),
            static_cast<std::uint8_t>(start & 0xFFU)};
}

void awaitReply(SceneTransferState& state, TransferRequest request, std::uint8_t scene) {
    state.scene = scene;
    state.setDone(request, false);
}

} // namespace

MessageSender::MessageSender(FrameSink& sink)
    : m_sink(sink) {}

bool MessageSender::send(MessageCode code, std::span<const std::uint8_t> payload) {
    const std::size_t length = buildFrame(m_transmitBuffer, code, payload);
    return length != 0 && m_sink.sendFrame(std::span(m_transmitBuffer).first(length));
}

bool MessageSender::sendByte(MessageCode code, std::uint8_t byte) {
    const std::array<std::uint8_t, 1> payload{byte};
    return send(code, payload);
}

bool MessageSender::sendText(MessageCode code, std::string_view text) {
    return send(code, textBytes(text));
}

bool MessageSender::sendIdentify() {
    return sendByte(MSG_IDENTIFY, kIdentifyPayload);
}

bool MessageSender::sendSinglePair(ParamId id, std::uint16_t value) {
    const ParamPair pair{id, value};
    return sendParamSet(std::span(&pair, 1)) == 1;
}

bool MessageSender::sendTextQuery(std::string_view text) {
    return sendText(MSG_TEXT_QUERY, text);
}

bool MessageSender::sendTextCommand(std::string_view text) {
    return text.size() <= kMaxTextCommandLength && sendText(MSG_TEXT_COMMAND, text);
}

bool MessageSender::sendNetworkQueries() {
    bool allSent = true;
    for (const std::string_view query : kNetworkQueries) {
        allSent = sendTextQuery(query) && allSent;
    }
    return allSent;
}

bool MessageSender::requestStatusBytes() {
    const std::array<std::uint8_t, 2> payload{kFirstAnalyserBand, kAnalyserBandCount};
    return send(MSG_STATUS_GET, payload);
}

bool MessageSender::sendSlotName(MessageCode code, std::uint8_t slot, std::string_view name) {
    // Slot, the name, then its NUL: the device keeps names as C strings.
    const std::string_view kept = name.substr(0, kSceneTextMaxLength);
    Payload payload{};
    payload[0] = slot;
    std::copy(kept.begin(), kept.end(), payload.begin() + 1);
    return send(code, std::span(payload).first(kept.size() + 2));
}

bool MessageSender::requestSceneName(std::uint8_t scene) {
    return sendByte(MSG_SCENE_NAME_GET, scene);
}

bool MessageSender::sendSceneName(std::uint8_t scene, std::string_view name) {
    return sendSlotName(MSG_SCENE_NAME_SET, scene, name);
}

bool MessageSender::requestChannelName(std::uint8_t slot) {
    return sendByte(MSG_NAME_GET, slot);
}

bool MessageSender::sendChannelName(std::uint8_t slot, std::string_view name) {
    return sendSlotName(MSG_NAME_SET, slot, name);
}

bool MessageSender::sendSceneCall(std::uint8_t scene) {
    return sendByte(MSG_SCENE_CALL, scene);
}

bool MessageSender::sendSceneSave(std::uint8_t scene) {
    return sendByte(MSG_SCENE_SAVE, scene);
}

std::size_t MessageSender::sendPairs(MessageCode code, std::span<const ParamPair> pairs,
                                     std::size_t maxPairs) {
    Payload payload{};
    const std::size_t count = encodePairs(pairs, payload, maxPairs);
    if (count == 0 || !send(code, std::span(payload).first(count * kPairSize))) {
        return 0;
    }
    return count;
}

std::size_t MessageSender::sendParamSet(std::span<const ParamPair> pairs) {
    return sendPairs(MSG_PARAM_SET, pairs, kMaxPairsPerFrame);
}

std::size_t MessageSender::sendPanelSet(std::span<const ParamPair> pairs) {
    return sendPairs(MSG_PANEL_SET, pairs, kMaxPanelPairsPerFrame);
}

std::size_t MessageSender::sendParamQuery(std::span<const ParamId> ids) {
    Payload payload{};
    const std::size_t count = encodeIds(ids, payload);
    if (count == 0 || !send(MSG_PARAM_QUERY, std::span(payload).first(count * kIdSize))) {
        return 0;
    }
    return count;
}

bool MessageSender::sendBlockRead(SceneTransferState& state, std::uint8_t scene,
                                  std::uint16_t start, std::uint8_t count) {
    awaitReply(state, TransferRequest::BlockRead, scene);
    state.start = start;
    state.count = count;
    return send(MSG_BLOCK_READ, blockHeader(scene, count, start));
}

bool MessageSender::sendBlockWrite(SceneTransferState& state, const SceneImage& image,
                                   std::uint8_t scene, std::uint16_t start, std::uint8_t count) {
    if (count > kMaxBlockValues) {
        return false;
    }
    awaitReply(state, TransferRequest::BlockWrite, scene);
    state.start = start;
    state.count = count;
    Payload payload{};
    const std::array<std::uint8_t, 4> header = blockHeader(scene, count, start);
    std::copy(header.begin(), header.end(), payload.begin());
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t index = start + k;
        const std::uint16_t value = index < image.data.size() ? image.data[index] : 0;
        writeWord(payload, header.size() + 2 * k, value);
    }
    return send(MSG_BLOCK_WRITE, std::span(payload).first(header.size() + 2 * count));
}

bool MessageSender::sendBlockCommit(SceneTransferState& state, std::uint8_t scene) {
    awaitReply(state, TransferRequest::BlockCommit, scene);
    return sendByte(MSG_BLOCK_COMMIT, scene);
}

bool MessageSender::sendBlockNameRead(SceneTransferState& state, std::uint8_t scene,
                                      std::uint8_t index) {
    if (index >= kSceneTextCount) {
        return false;
    }
    awaitReply(state, TransferRequest::BlockNameRead, scene);
    state.textIndex = index;
    const std::array<std::uint8_t, 2> payload{scene, index};
    return send(MSG_BLOCK_NAME_READ, payload);
}

bool MessageSender::sendSceneText(MessageCode code, std::span<const std::uint8_t> header,
                                  const SceneText& text) {
    // The text goes without its NUL: the frame length ends it.
    const std::string_view kept = sceneText(text);
    Payload payload{};
    const auto textBegin = std::copy(header.begin(), header.end(), payload.begin());
    std::copy(kept.begin(), kept.end(), textBegin);
    return send(code, std::span(payload).first(header.size() + kept.size()));
}

bool MessageSender::sendBlockNameWrite(SceneTransferState& state, const SceneImage& image,
                                       std::uint8_t scene, std::uint8_t index) {
    if (index >= kSceneTextCount) {
        return false;
    }
    awaitReply(state, TransferRequest::BlockNameWrite, scene);
    state.textIndex = index;
    const std::array<std::uint8_t, 2> header{scene, index};
    return sendSceneText(MSG_BLOCK_NAME_WRITE, header, image.text[index]);
}

bool MessageSender::sendBlockTextRead(SceneTransferState& state, std::uint8_t scene) {
    awaitReply(state, TransferRequest::BlockTextRead, scene);
    return sendByte(MSG_BLOCK_TEXT_READ, scene);
}

bool MessageSender::sendBlockTextWrite(SceneTransferState& state, const SceneImage& image,
                                       std::uint8_t scene) {
    awaitReply(state, TransferRequest::BlockTextWrite, scene);
    const std::array<std::uint8_t, 1> header{scene};
    return sendSceneText(MSG_BLOCK_TEXT_WRITE, header, image.name);
}

} // namespace v32
