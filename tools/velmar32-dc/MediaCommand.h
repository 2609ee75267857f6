#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace v32::dc {

// One command of a media command frame. The payload is a row of 3-byte units: a 16-bit
// value, low byte first, and a tag. Most commands are one unit; the file and folder
// commands carry their arguments in units tagged 0xD1 and 0xD2 before the unit tagged 0xD0
// that names them.
struct MediaCommand {
    enum class Kind : std::uint8_t {
        Play,
        Pause,
        BluetoothPlayPause,
        Previous,
        Next,
        Repeat,
        SourcePlayer,
        SourceRecorder,
        SourceBluetooth,
        SourceUsbAudio,
        // argument: the input asked for, 1 coaxial, 3 optical.
        SourceSpdif,
        Record,
        ReportPlayingFile,
        // argument: the file identifier.
        PlayFile,
        // argument: the folder identifier.
        EnterFolder,
        // argument: the index of the item before the one wanted.
        QueryItem,
    };

    Kind kind = Kind::Play;
    std::uint32_t argument = 0;

    bool operator==(const MediaCommand&) const = default;

    // Every command in the payload, in order. Units with an unknown tag or command number
    // are passed over, and so are the bytes of an unfinished unit at the end.
    static std::vector<MediaCommand> readAll(std::span<const std::uint8_t> payload);
};

} // namespace v32::dc
