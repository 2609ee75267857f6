#include "tools/velmar32-dc/SceneTransferService.h"

#include "app/protocol/PayloadText.h"

#include <algorithm>
#include <array>

namespace v32::dc {

namespace {

// Every transfer request starts with the scene number; block requests then carry the value
// count and the start index, text-item requests the item index.
constexpr std::size_t kBlockHeaderSize = 4;
constexpr std::size_t kTextItemHeaderSize = 2;

bool isSceneRequest(std::span<const std::uint8_t> payload, std::size_t headerSize) {
    return payload.size() >= headerSize && SceneStore::isScene(payload[0]);
}

bool isTextItemRequest(std::span<const std::uint8_t> payload) {
    return isSceneRequest(payload, kTextItemHeaderSize) && payload[1] < kSceneTextCount;
}

} // namespace

SceneTransferService::SceneTransferService(SceneStore& scenes)
    : scenes_(scenes) {}

bool SceneTransferService::handles(MessageCode code) {
    switch (code) {
    case MSG_BLOCK_READ:
    case MSG_BLOCK_WRITE:
    case MSG_BLOCK_COMMIT:
    case MSG_BLOCK_NAME_READ:
    case MSG_BLOCK_NAME_WRITE:
    case MSG_BLOCK_TEXT_READ:
    case MSG_BLOCK_TEXT_WRITE:
        return true;
    default:
        return false;
    }
}

bool SceneTransferService::answer(MessageCode code, std::span<const std::uint8_t> payload,
                                  PayloadWriter& reply) {
    reply.clear();
    switch (code) {
    case MSG_BLOCK_READ:
        return readBlock(payload, reply);
    case MSG_BLOCK_WRITE:
        return writeBlock(payload, reply);
    case MSG_BLOCK_COMMIT:
        return commit(payload, reply);
    case MSG_BLOCK_NAME_READ:
        return readTextItem(payload, reply);
    case MSG_BLOCK_NAME_WRITE:
        return writeTextItem(payload, reply);
    case MSG_BLOCK_TEXT_READ:
        return readName(payload, reply);
    case MSG_BLOCK_TEXT_WRITE:
        return writeName(payload, reply);
    default:
        return false;
    }
}

bool SceneTransferService::readBlock(std::span<const std::uint8_t> payload,
                                     PayloadWriter& reply) const {
    if (!isSceneRequest(payload, kBlockHeaderSize)) {
        return false;
    }
    const SceneImage& image = scenes_.scene(payload[0]);
    // A count that cannot fit into one reply is served as far as it fits, and the reply
    // says how many values it carries.
    const auto count =
        static_cast<std::uint8_t>(std::min<std::size_t>(payload[1], kMaxBlockValues));
    const std::uint16_t start = readWord(payload, 2);
    reply.putByte(payload[0]);
    reply.putByte(count);
    reply.putWord(start);
    for (std::size_t index = start; index < std::size_t{start} + count; ++index) {
        reply.putWord(index < image.data.size() ? image.data[index] : 0);
    }
    return true;
}

bool SceneTransferService::writeBlock(std::span<const std::uint8_t> payload, PayloadWriter& reply) {
    if (!isSceneRequest(payload, kBlockHeaderSize)) {
        return false;
    }
    const std::size_t count = payload[1];
    if (payload.size() < kBlockHeaderSize + 2 * count) {
        return false;
    }
    std::array<std::uint16_t, 255> values{};
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = readWord(payload, kBlockHeaderSize + 2 * i);
    }
    const std::uint16_t start = readWord(payload, 2);
    scenes_.stageValues(payload[0], start, std::span(values).first(count));
    return reply.putBytes(payload.first(kBlockHeaderSize));
}

bool SceneTransferService::commit(std::span<const std::uint8_t> payload, PayloadWriter& reply) {
    if (!isSceneRequest(payload, 1)) {
        return false;
    }
    scenes_.commit(payload[0]);
    return reply.putByte(payload[0]);
}

bool SceneTransferService::readTextItem(std::span<const std::uint8_t> payload,
                                        PayloadWriter& reply) const {
    if (!isTextItemRequest(payload)) {
        return false;
    }
    const SceneImage& image = scenes_.scene(payload[0]);
    reply.putBytes(payload.first(kTextItemHeaderSize));
    return reply.putText(sceneText(image.text[payload[1]]));
}

bool SceneTransferService::writeTextItem(std::span<const std::uint8_t> payload,
                                         PayloadWriter& reply) {
    if (!isTextItemRequest(payload)) {
        return false;
    }
    scenes_.stageText(payload[0], payload[1], payloadText(payload.subspan(kTextItemHeaderSize)));
    return reply.putBytes(payload.first(kTextItemHeaderSize));
}

bool SceneTransferService::readName(std::span<const std::uint8_t> payload,
                                    PayloadWriter& reply) const {
    if (!isSceneRequest(payload, 1)) {
        return false;
    }
    reply.putByte(payload[0]);
    return reply.putText(scenes_.name(payload[0]));
}

bool SceneTransferService::writeName(std::span<const std::uint8_t> payload, PayloadWriter& reply) {
    if (!isSceneRequest(payload, 1)) {
        return false;
    }
    scenes_.stageName(payload[0], payloadText(payload.subspan(1)));
    return reply.putByte(payload[0]);
}

} // namespace v32::dc
