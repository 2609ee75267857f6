#pragma once

#include "app/protocol/MessageCode.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace v32 {

// A frame: 0x80, N, code, payload, CRC-16 of bytes 0..N-1 high byte first, where
// N = payload length + 3 and the whole frame is N + 2 bytes. Both ends hold a frame in
// a buffer of kFrameCapacity bytes, which caps the payload at kMaxPayload.
inline constexpr std::uint8_t kFrameStart = 0x80;
inline constexpr std::size_t kFrameCapacity = 256;
inline constexpr std::size_t kFrameHeaderSize = 3;
inline constexpr std::size_t kFrameCrcSize = 2;
inline constexpr std::size_t kFrameOverhead = kFrameHeaderSize + kFrameCrcSize;
inline constexpr std::size_t kMinFrameSize = kFrameOverhead;
inline constexpr std::size_t kMaxPayload = kFrameCapacity - kFrameOverhead;

// Writes a frame into buffer; returns its length, or 0 (buffer untouched) when
// payload length + 5 exceeds the buffer's size.
std::size_t buildFrame(std::span<std::uint8_t> buffer, MessageCode code,
                       std::span<const std::uint8_t> payload);

enum class FrameStatus : std::uint8_t {
    Ok,         // a whole frame of `length` bytes with a matching CRC
    Incomplete, // the frame may still become whole: wait for more bytes
    BadStart,   // the first byte is not 0x80
    BadLength,  // N is below 3, so no code byte: never a frame
    Oversized,  // N + 2 (`length`) exceeds kFrameCapacity: no buffer can hold it
    BadCrc,     // the frame is whole but its CRC does not match
};

struct FrameCheck {
    FrameStatus status = FrameStatus::Incomplete;
    std::size_t length = 0; // frame length for Ok and Oversized, else 0
};

// Checks the frame that starts at the first byte of the buffered bytes. Reads nothing
// beyond them, so a stream reader can call it on whatever it has received so far.
FrameCheck checkFrame(std::span<const std::uint8_t> buffered);

// Big-endian 16-bit word at bytes.data() + offset; the caller guarantees both bytes exist.
inline std::uint16_t readWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

inline void writeWord(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t word) {
    bytes[offset] = static_cast<std::uint8_t>(word >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(word & 0xFFU);
}

// Payload of a whole frame (bytes 3..N-1); empty when the bytes given do not hold the
// whole frame that N announces.
std::span<const std::uint8_t> framePayload(std::span<const std::uint8_t> frame);

} // namespace v32
