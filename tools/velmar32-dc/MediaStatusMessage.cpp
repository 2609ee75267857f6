#include "tools/velmar32-dc/MediaStatusMessage.h"

#include <algorithm>

namespace v32::dc {

namespace {

// Payload offsets: the control surface counts from the frame start, 3 bytes before them.
constexpr std::size_t kStorageState = 0;
constexpr std::size_t kPlayDevice = 1;
constexpr std::size_t kPlayState = 2;
constexpr std::size_t kSongCount = 5;
constexpr std::size_t kCurrentSong = 7;
constexpr std::size_t kElapsedMinutes = 9;
constexpr std::size_t kElapsedSeconds = 10;
constexpr std::size_t kFormatAndRepeat = 11;
constexpr std::uint8_t kRepeatOne = 0x08;

constexpr std::size_t kPositionSeconds = 1;
constexpr std::size_t kTotalMinutes = 2;
constexpr std::size_t kTotalSeconds = 3;
constexpr std::size_t kFileId = 4;

constexpr std::size_t kChunkLength = 1;
constexpr std::size_t kChunkBytes = 2;

constexpr std::uint32_t kMaxMinutes = 0xFF;

void putLittleEndian(MediaStatusMessage::Payload& payload, std::size_t offset, std::uint16_t word) {
    payload[offset] = static_cast<std::uint8_t>(word & 0xFFU);
    payload[offset + 1] = static_cast<std::uint8_t>(word >> 8);
}

std::uint8_t minutesOf(std::uint32_t seconds) {
    return static_cast<std::uint8_t>(std::min(seconds / 60, kMaxMinutes));
}

std::uint8_t secondsOf(std::uint32_t seconds) {
    return static_cast<std::uint8_t>(seconds % 60);
}

} // namespace

MediaStatusMessage::Payload MediaStatusMessage::stateReport(const MediaStateReport& report) {
    Payload payload{};
    payload[kStorageState] = report.storageState;
    payload[kPlayDevice] = report.playDevice;
    payload[kPlayState] = report.playState;
    putLittleEndian(payload, kSongCount, report.songCount);
    putLittleEndian(payload, kCurrentSong, report.currentSong);
    payload[kElapsedMinutes] = minutesOf(report.elapsedS);
    if (report.playDevice == kBluetoothDevice) {
        payload[kElapsedSeconds] = report.bluetoothConnected ? 0 : 1;
        payload[kFormatAndRepeat] = report.bluetoothPlaying ? 0 : 1;
        return payload;
    }
    payload[kElapsedSeconds] = secondsOf(report.elapsedS);
    payload[kFormatAndRepeat] = static_cast<std::uint8_t>(
        static_cast<unsigned>(report.format) << 4 | (report.repeatOne ? kRepeatOne : 0));
    return payload;
}

MediaStatusMessage::Payload MediaStatusMessage::positionReport(const MediaPositionReport& report) {
    Payload payload{};
    payload[0] = kPositionMark;
    payload[kPositionSeconds] = secondsOf(report.elapsedS);
    payload[kTotalMinutes] = minutesOf(report.durationS);
    payload[kTotalSeconds] = secondsOf(report.durationS);
    for (std::size_t i = 0; i < 4; ++i) {
        payload[kFileId + i] = static_cast<std::uint8_t>(report.fileId >> (24 - 8 * i));
    }
    return payload;
}

MediaStatusMessage::Payload MediaStatusMessage::dataChunk(std::span<const std::uint8_t> bytes) {
    Payload payload{};
    const std::size_t count = std::min(bytes.size(), kMaxChunkBytes);
    payload[0] = kDataChunkMark;
    payload[kChunkLength] = static_cast<std::uint8_t>(count);
    std::copy_n(bytes.begin(), count, payload.begin() + kChunkBytes);
    return payload;
}

} // namespace v32::dc
