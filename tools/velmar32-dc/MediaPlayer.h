#pragma once

#include "tools/velmar32-dc/MediaStatusMessage.h"
#include "tools/velmar32-dc/UsbDisk.h"

#include <cstdint>
#include <optional>

namespace v32::dc {

// The play devices as the state report numbers them.
enum class PlayDevice : std::uint8_t {
    None = 0,
    UsbDisk = 2,
    Recorder = 5,
    Bluetooth = 6,
    UsbAudio = 9,
    Spdif = 10,
};

enum class PlayState : std::uint8_t {
    Stopped = 1,
    Playing = 2,
    Paused = 3,
    Recording = 5,
};

// The media module's player, recorder and inputs, moved on by the time it is given. One
// source plays at a time; leaving the disk player stops it, leaving the recorder ends the
// recording. The player's commands act only while the disk player is the source, and it
// plays through the files of the current song's folder: at the end of a song it goes on
// with the next one, or plays the same again in repeat-one mode, and next and previous go
// round from the last file to the first. Recording needs the disk and the recorder source.
// The storage state has room for one device: it shows the disk while one is plugged in,
// else the USB audio. A phone is paired with the Bluetooth receiver from the start.
class MediaPlayer {
public:
    MediaPlayer();

    // A new disk, plugged in.
    void loadDisk(UsbDisk disk);
    void setDiskInserted(bool inserted);
    void setUsbAudioPlugged(bool plugged);
    void setBluetoothConnected(bool connected);

    void advance(std::uint32_t elapsedMs);

    void play();
    void pause();
    void bluetoothPlayPause();
    void previous();
    void next();
    void toggleRepeat();
    void selectSource(PlayDevice device);
    // 1 coaxial, 2, 3 optical; the state report gives the input as one less.
    void selectSpdifInput(std::uint32_t input);
    void toggleRecording();
    void playFile(std::uint32_t fileId);

    // The disk while it is plugged in, else nullptr.
    const UsbDisk* disk() const;
    // The song the player is at; nullptr without a disk or songs.
    const DiskFile* currentFile() const;
    PlayDevice playDevice() const { return device_; }
    PlayState playerState() const { return playerState_; }
    bool isRecording() const { return recording_; }
    bool isUsbAudioPlugged() const { return usbAudioPlugged_; }
    bool isBluetoothConnected() const { return bluetoothConnected_; }
    bool isBluetoothPlaying() const { return bluetoothPlaying_; }
    bool repeatsOne() const { return repeatOne_; }
    std::uint32_t elapsedMs() const { return elapsedMs_; }
    std::uint32_t recordingMs() const { return recordingMs_; }

    MediaStateReport stateReport() const;
    // Only while the disk player is the source and has a song.
    std::optional<MediaPositionReport> positionReport() const;

private:
    bool playerActive() const;
    void goTo(const DiskFile& file);
    void stopPlayer();
    void stopRecording();
    std::uint8_t storageState() const;
    std::uint8_t reportedPlayState() const;

    UsbDisk disk_;
    bool diskInserted_ = false;
    bool usbAudioPlugged_ = false;
    bool bluetoothConnected_ = true;
    bool bluetoothPlaying_ = false;
    PlayDevice device_ = PlayDevice::None;
    PlayState playerState_ = PlayState::Stopped;
    std::optional<std::uint32_t> currentFileId_;
    std::uint32_t elapsedMs_ = 0;
    bool repeatOne_ = false;
    bool recording_ = false;
    std::uint32_t recordingMs_ = 0;
    std::uint8_t spdifInput_ = 0;
};

} // namespace v32::dc
