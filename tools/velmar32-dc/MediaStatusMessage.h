#pragma once

#include "tools/velmar32-dc/UsbDisk.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace v32::dc {

// What a state report tells. For the Bluetooth device the bytes of the elapsed seconds and
// the format carry the receiver's state instead: 0 for connected and for playing.
struct MediaStateReport {
    std::uint8_t storageState = 0;
    std::uint8_t playDevice = 0;
    std::uint8_t playState = 0;
    std::uint16_t songCount = 0;
    std::uint16_t currentSong = 0;
    std::uint32_t elapsedS = 0;
    AudioFormat format = AudioFormat::None;
    bool repeatOne = false;
    bool bluetoothConnected = false;
    bool bluetoothPlaying = false;
};

struct MediaPositionReport {
    std::uint32_t elapsedS = 0;
    std::uint32_t durationS = 0;
    std::uint32_t fileId = 0;
};

// The payloads of media status messages. The control surface takes only status frames of
// 17 bytes, so every payload is 12 bytes, and a data chunk carries at most 10 bytes of the
// item records.
class MediaStatusMessage {
public:
    static constexpr std::size_t kPayloadSize = 12;
    static constexpr std::size_t kMaxChunkBytes = 10;
    static constexpr std::uint8_t kPositionMark = 0x80;
    static constexpr std::uint8_t kDataChunkMark = 0x82;
    static constexpr std::uint8_t kBluetoothDevice = 6;

    using Payload = std::array<std::uint8_t, kPayloadSize>;

    static Payload stateReport(const MediaStateReport& report);
    static Payload positionReport(const MediaPositionReport& report);
    // At most kMaxChunkBytes of bytes go in; the rest is left for the next chunk.
    static Payload dataChunk(std::span<const std::uint8_t> bytes);
};

} // namespace v32::dc
