#include "app/protocol/DeviceReplies.h"

#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"
#include "app/protocol/SceneImage.h"

#include <algorithm>

namespace v32 {

namespace {

// Frame offsets of the identify reply.
constexpr std::size_t kMinIdentifyFrame = 10;
constexpr std::size_t kProductIdOffset = 4;
constexpr std::size_t kModelCodeOffset = 6;
constexpr std::size_t kDeviceNameOffset = 8;
constexpr std::size_t kNameReplyHeaderSize = 1;

} // namespace

std::optional<IdentifyReply> parseIdentifyReply(std::span<const std::uint8_t> frame) {
    // Measured by N, not by the bytes given, so that neither the ids nor the name can
    // reach into the CRC or past the frame.
    const std::size_t payloadEnd = kFrameHeaderSize + framePayload(frame).size();
    if (payloadEnd + kFrameCrcSize < kMinIdentifyFrame) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> nameBytes =
        frame.subspan(kDeviceNameOffset, payloadEnd - kDeviceNameOffset);
    return IdentifyReply{readWord(frame, kProductIdOffset), frame[kModelCodeOffset],
                         payloadText(nameBytes)};
}

std::optional<NameReply> parseNameReply(std::span<const std::uint8_t> frame) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    if (payload.size() < kNameReplyHeaderSize) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> text = payload.subspan(kNameReplyHeaderSize);
    return NameReply{payload[0],
                     payloadText(text.first(std::min(text.size(), kSceneTextMaxLength)))};
}

} // namespace v32
