#include "tests/e2e/FrameBytes.h"

#include "app/protocol/Frame.h"

#include <array>

namespace v32::e2e {

Bytes frameOf(MessageCode code, std::span<const std::uint8_t> payload) {
    std::array<std::uint8_t, kFrameCapacity> buffer{};
    const std::size_t length = buildFrame(buffer, code, payload);
    return Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
}

std::vector<ParamPair> pairsOf(std::span<const std::uint8_t> frame) {
    const PairListView pairs(framePayload(frame));
    return {pairs.begin(), pairs.end()};
}

std::vector<ParamId> idsOf(std::span<const std::uint8_t> frame) {
    const std::span<const std::uint8_t> payload = framePayload(frame);
    std::vector<ParamId> ids;
    for (std::size_t at = 0; at + kIdSize <= payload.size(); at += kIdSize) {
        ids.push_back(readWord(payload, at));
    }
    return ids;
}

std::vector<Bytes> cutFrames(std::span<const std::uint8_t> stream) {
    std::vector<Bytes> frames;
    std::size_t at = 0;
    while (at < stream.size()) {
        const FrameCheck check = checkFrame(stream.subspan(at));
        if (check.status == FrameStatus::Incomplete) {
            break;
        }
        if (check.status != FrameStatus::Ok) {
            ++at;
            continue;
        }
        const auto begin = stream.begin() + static_cast<std::ptrdiff_t>(at);
        frames.emplace_back(begin, begin + static_cast<std::ptrdiff_t>(check.length));
        at += check.length;
    }
    return frames;
}

} // namespace v32::e2e
