#include "app/protocol/SceneTransferReplies.h"

#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"

#include <algorithm>

namespace v32 {

namespace {

// Payload offsets shared by the transfer messages.
constexpr std::size_t kSceneOffset = 0;
constexpr std::size_t kCountOffset = 1;
constexpr std::size_t kIndexOffset = 1;
constexpr std::size_t kStartOffset = 2;
constexpr std::size_t kBlockHeaderSize = 4;
constexpr std::size_t kNameItemHeaderSize = 2;
constexpr std::size_t kSceneNameHeaderSize = 1;

bool sceneMatches(std::span<const std::uint8_t> payload, const SceneTransferState& state) {
    return payload.size() > kSceneOffset && payload[kSceneOffset] == state.scene;
}

bool blockMatches(std::span<const std::uint8_t> payload, const SceneTransferState& state) {
    return payload.size() >= kBlockHeaderSize && sceneMatches(payload, state) &&
           readWord(payload, kStartOffset) == state.start;
}

bool nameItemMatches(std::span<const std::uint8_t> payload, const SceneTransferState& state) {
    return payload.size() >= kNameItemHeaderSize && sceneMatches(payload, state) &&
           payload[kIndexOffset] < kSceneTextCount && payload[kIndexOffset] == state.textIndex;
}

bool markDone(SceneTransferState& state, TransferRequest request) {
    state.setDone(request, true);
    return true;
}

} // namespace

bool acceptBlockReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                          SceneImage& image) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    if (!blockMatches(payload, state)) {
        return false;
    }
    // Trust neither n nor the start: only values present in the frame that land inside
    // the image are stored.
    const std::size_t present = (payload.size() - kBlockHeaderSize) / 2;
    const std::size_t count = std::min<std::size_t>(payload[kCountOffset], present);
    const std::size_t start = state.start;
    const std::size_t fitting = start < image.data.size() ? image.data.size() - start : 0;
    for (std::size_t k = 0; k < std::min(count, fitting); ++k) {
        image.data[start + k] = readWord(payload, kBlockHeaderSize + 2 * k);
    }
    return markDone(state, TransferRequest::BlockRead);
}

bool acceptBlockWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state) {
    return blockMatches(framePayload(frame), state) && markDone(state, TransferRequest::BlockWrite);
}

bool acceptBlockCommitReply(std::span<const std::uint8_t> frame, SceneTransferState& state) {
    return sceneMatches(framePayload(frame), state) &&
           markDone(state, TransferRequest::BlockCommit);
}

bool acceptBlockNameReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                              SceneImage& image) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    if (!nameItemMatches(payload, state)) {
        return false;
    }
    setSceneText(image.text[payload[kIndexOffset]],
                 payloadText(payload.subspan(kNameItemHeaderSize)));
    return markDone(state, TransferRequest::BlockNameRead);
}

bool acceptBlockNameWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state) {
    return nameItemMatches(framePayload(frame), state) &&
           markDone(state, TransferRequest::BlockNameWrite);
}

bool acceptBlockTextReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                              SceneImage& image) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    if (!sceneMatches(payload, state)) {
        return false;
    }
    setSceneText(image.name, payloadText(payload.subspan(kSceneNameHeaderSize)));
    return markDone(state, TransferRequest::BlockTextRead);
}

bool acceptBlockTextWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state) {
    return sceneMatches(framePayload(frame), state) &&
           markDone(state, TransferRequest::BlockTextWrite);
}

} // namespace v32
