#include "tools/velmar32-dc/MediaPlayer.h"

#include <utility>

namespace v32::dc {

namespace {

constexpr std::uint8_t kDiskPresent = 2;
constexpr std::uint8_t kUsbAudioPresent = 4;
constexpr std::uint8_t kNothingPresent = 0;
constexpr std::uint32_t kFirstSpdifInput = 1;
constexpr std::uint32_t kLastSpdifInput = 3;
constexpr std::uint32_t kMsPerSecond = 1000;

} // namespace

MediaPlayer::MediaPlayer() = default;

void MediaPlayer::loadDisk(UsbDisk disk) {
    setDiskInserted(false);
    disk_ = std::move(disk);
    setDiskInserted(true);
}

void MediaPlayer::setDiskInserted(bool inserted) {
    if (inserted == diskInserted_) {
        return;
    }
    diskInserted_ = inserted;
    stopPlayer();
    stopRecording();
    currentFileId_.reset();
    if (const DiskFile* first = disk_.song(1); inserted && first != nullptr) {
        currentFileId_ = first->id;
    }
}

void MediaPlayer::setUsbAudioPlugged(bool plugged) {
    usbAudioPlugged_ = plugged;
}

void MediaPlayer::setBluetoothConnected(bool connected) {
    bluetoothConnected_ = connected;
    bluetoothPlaying_ = bluetoothPlaying_ && connected;
}

void MediaPlayer::advance(std::uint32_t elapsedMs) {
    if (recording_) {
        recordingMs_ += elapsedMs;
    }
    const DiskFile* file = currentFile();
    if (playerState_ != PlayState::Playing || file == nullptr) {
        return;
    }
    elapsedMs_ += elapsedMs;
    while (elapsedMs_ >= file->durationS * kMsPerSecond) {
        elapsedMs_ -= file->durationS * kMsPerSecond;
        if (!repeatOne_) {
            file = &disk_.neighbour(*file, 1);
            currentFileId_ = file->id;
        }
    }
}

void MediaPlayer::play() {
    if (playerActive()) {
        playerState_ = PlayState::Playing;
    }
}

void MediaPlayer::pause() {
    if (playerActive() && playerState_ == PlayState::Playing) {
        playerState_ = PlayState::Paused;
    }
}

void MediaPlayer::bluetoothPlayPause() {
    if (device_ == PlayDevice::Bluetooth && bluetoothConnected_) {
        bluetoothPlaying_ = !bluetoothPlaying_;
    }
}

void MediaPlayer::previous() {
    if (playerActive()) {
        goTo(disk_.neighbour(*currentFile(), -1));
    }
}

void MediaPlayer::next() {
    if (playerActive()) {
        goTo(disk_.neighbour(*currentFile(), 1));
    }
}

void MediaPlayer::toggleRepeat() {
    repeatOne_ = !repeatOne_;
}

void MediaPlayer::selectSource(PlayDevice device) {
    if (device == device_) {
        return;
    }
    switch (device_) {
    case PlayDevice::UsbDisk:
        stopPlayer();
        break;
    case PlayDevice::Recorder:
        stopRecording();
        break;
    case PlayDevice::Bluetooth:
        bluetoothPlaying_ = false;
        break;
    default:
        break;
    }
    device_ = device;
}

void MediaPlayer::selectSpdifInput(std::uint32_t input) {
    if (input < kFirstSpdifInput || input > kLastSpdifInput) {
        return;
    }
    selectSource(PlayDevice::Spdif);
    spdifInput_ = static_cast<std::uint8_t>(input - kFirstSpdifInput);
}

void MediaPlayer::toggleRecording() {
    if (device_ != PlayDevice::Recorder || !diskInserted_) {
        return;
    }
    if (recording_) {
        stopRecording();
    } else {
        recording_ = true;
    }
}

void MediaPlayer::playFile(std::uint32_t fileId) {
    const DiskFile* file = disk_.file(fileId);
    if (playerActive() && file != nullptr) {
        goTo(*file);
        playerState_ = PlayState::Playing;
    }
}

const UsbDisk* MediaPlayer::disk() const {
    return diskInserted_ ? &disk_ : nullptr;
}

const DiskFile* MediaPlayer::currentFile() const {
    return diskInserted_ && currentFileId_ ? disk_.file(*currentFileId_) : nullptr;
}

MediaStateReport MediaPlayer::stateReport() const {
    MediaStateReport report;
    report.storageState = storageState();
    report.playDevice = static_cast<std::uint8_t>(device_);
    report.playState = reportedPlayState();
    report.songCount = diskInserted_ ? static_cast<std::uint16_t>(disk_.songCount()) : 0;
    report.repeatOne = repeatOne_;
    report.bluetoothConnected = bluetoothConnected_;
    report.bluetoothPlaying = bluetoothPlaying_;
    if (const DiskFile* file = currentFile()) {
        report.currentSong = file->songNumber;
        report.format = file->format;
    }
    if (device_ == PlayDevice::UsbDisk) {
        report.elapsedS = elapsedMs_ / kMsPerSecond;
    } else if (device_ == PlayDevice::Recorder) {
        report.elapsedS = recordingMs_ / kMsPerSecond;
    }
    return report;
}

std::optional<MediaPositionReport> MediaPlayer::positionReport() const {
    const DiskFile* file = currentFile();
    if (device_ != PlayDevice::UsbDisk || file == nullptr) {
        return std::nullopt;
    }
    return MediaPositionReport{elapsedMs_ / kMsPerSecond, file->durationS, file->id};
}

bool MediaPlayer::playerActive() const {
    return device_ == PlayDevice::UsbDisk && currentFile() != nullptr;
}

void MediaPlayer::goTo(const DiskFile& file) {
    currentFileId_ = file.id;
    elapsedMs_ = 0;
}

void MediaPlayer::stopPlayer() {
    playerState_ = PlayState::Stopped;
    elapsedMs_ = 0;
}

void MediaPlayer::stopRecording() {
    recording_ = false;
    recordingMs_ = 0;
}

std::uint8_t MediaPlayer::storageState() const {
    if (diskInserted_) {
        return kDiskPresent;
    }
    return usbAudioPlugged_ ? kUsbAudioPresent : kNothingPresent;
}

std::uint8_t MediaPlayer::reportedPlayState() const {
    switch (device_) {
    case PlayDevice::UsbDisk:
        return static_cast<std::uint8_t>(playerState_);
    case PlayDevice::Recorder:
        return static_cast<std::uint8_t>(recording_ ? PlayState::Recording : PlayState::Stopped);
    case PlayDevice::Bluetooth:
        return static_cast<std::uint8_t>(bluetoothPlaying_ ? PlayState::Playing
                                                           : PlayState::Stopped);
    case PlayDevice::Spdif:
        return spdifInput_;
    default:
        return static_cast<std::uint8_t>(PlayState::Stopped);
    }
}

} // namespace v32::dc
