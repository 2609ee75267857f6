#include "app/protocol/Frame.h"

#include "app/protocol/Crc16.h"

#include <algorithm>

namespace v32 {

std::size_t buildFrame(std::span<std::uint8_t> buffer, MessageCode code,
                       std::span<const std::uint8_t> payload) {
    if (payload.size() + kFrameOverhead > buffer.size()) {
        return 0;
    }
    const std::size_t covered = payload.size() + kFrameHeaderSize;
    buffer[0] = kFrameStart;
    buffer[1] = static_cast<std::uint8_t>(covered);
    buffer[2] = code;
    std::copy(payload.begin(), payload.end(), buffer.begin() + kFrameHeaderSize);
    writeWord(buffer, covered, Crc16::of(buffer.first(covered)));
    return covered + kFrameCrcSize;
}

FrameCheck checkFrame(std::span<const std::uint8_t> buffered) {
    if (buffered.empty()) {
        return {FrameStatus::Incomplete, 0};
    }
    if (buffered[0] != kFrameStart) {
        return {FrameStatus::BadStart, 0};
    }
    if (buffered.size() < kMinFrameSize) {
        return {FrameStatus::Incomplete, 0};
    }
    const std::size_t covered = buffered[1];
    if (covered < kFrameHeaderSize) {
        return {FrameStatus::BadLength, 0};
    }
    const std::size_t length = covered + kFrameCrcSize;
    if (buffered.size() < length) {
        return {FrameStatus::Incomplete, 0};
    }
    if (length > kFrameCapacity) {
        return {FrameStatus::Oversized, length};
    }
    if (Crc16::of(buffered.first(covered)) != readWord(buffered, covered)) {
        return {FrameStatus::BadCrc, 0};
    }
    return {FrameStatus::Ok, length};
}

std::span<const std::uint8_t> framePayload(std::span<const std::uint8_t> frame) {
    if (frame.size() < kMinFrameSize) {
        return {};
    }
    const std::size_t covered = frame[1];
    if (covered < kFrameHeaderSize || covered + kFrameCrcSize > frame.size()) {
        return {};
    }
    return frame.subspan(kFrameHeaderSize, covered - kFrameHeaderSize);
}

} // namespace v32
