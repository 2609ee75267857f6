#include "tools/velmar32-dc/MediaLineCommands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace v32::dc {

namespace {

constexpr std::string_view kOk = "ok";

constexpr std::string_view kHelp =
    "media commands:\n"
    "  media                      the state of the media module\n"
    "  media disk in|out          plug in or pull the USB disk\n"
    "  media usbaudio in|out      plug in or pull the USB audio\n"
    "  media bluetooth on|off     a phone connects to the Bluetooth receiver or leaves\n"
    "  media owner other|none     another client takes the player, or lets it go\n";

// The other client's identity: any words that no control surface reads as its own.
constexpr std::array<std::uint16_t, 4> kOtherOwner{0x0A01, 0x0B02, 0x0C03, 0x0D04};

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

std::string error(std::string_view usage) {
    return "error: " + std::string(usage);
}

std::string_view deviceName(PlayDevice device) {
    switch (device) {
    case PlayDevice::None:
        return "none";
    case PlayDevice::UsbDisk:
        return "u-disk";
    case PlayDevice::Recorder:
        return "recorder";
    case PlayDevice::Bluetooth:
        return "bluetooth";
    case PlayDevice::UsbAudio:
        return "usb audio";
    case PlayDevice::Spdif:
        return "spdif";
    }
    return "unknown";
}

std::string_view playerStateName(PlayState state) {
    switch (state) {
    case PlayState::Playing:
        return "playing";
    case PlayState::Paused:
        return "paused";
    default:
        return "stopped";
    }
}

std::string clockText(std::uint32_t seconds) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02u:%02u", seconds / 60, seconds % 60);
    return text.data();
}

std::string inOut(bool in) {
    return in ? "in" : "out";
}

} // namespace

MediaLineCommands::MediaLineCommands(MediaSimulator& media, DataCentre& dataCentre)
    : media_(media)
    , dataCentre_(dataCentre) {}

std::string MediaLineCommands::run(std::string_view arguments) {
    const std::vector<std::string_view> words = wordsOf(arguments);
    if (words.empty()) {
        return statusLine();
    }
    const std::string_view value = words.size() == 2 ? words[1] : std::string_view{};
    if (words[0] == "help") {
        return std::string(help());
    }
    if (words[0] == "disk") {
        return plugDisk(value);
    }
    if (words[0] == "usbaudio") {
        return plugUsbAudio(value);
    }
    if (words[0] == "bluetooth") {
        return connectBluetooth(value);
    }
    if (words[0] == "owner") {
        return setOwner(value);
    }
    return error("unknown media command '" + std::string(words[0]) + "' (try media help)");
}

std::string MediaLineCommands::statusLine() const {
    const MediaPlayer& player = media_.player();
    const DiskFile* song = player.currentFile();
    const UsbDisk* disk = player.disk();
    const bool owned =
        (dataCentre_.parameters().value(FixedParam::kFirstMediaOwner) & kOwnedBit) != 0;
    std::string line = "disk " + inOut(disk != nullptr) + " | usb audio " +
                       inOut(player.isUsbAudioPlugged()) + " | bluetooth " +
                       (player.isBluetoothConnected() ? "on" : "off") + " | device " +
                       std::string(deviceName(player.playDevice())) + " | player " +
                       std::string(playerStateName(player.playerState())) + " | recording " +
                       (player.isRecording() ? clockText(player.recordingMs() / 1000) : "off");
    if (song != nullptr) {
        line += " | song " + std::to_string(song->songNumber) + "/" +
                std::to_string(disk->songCount()) + " \"" + song->name + "\" " +
                clockText(player.elapsedMs() / 1000) + " of " + clockText(song->durationS);
    }
    return line + " | repeat " + (player.repeatsOne() ? "one" : "all") + " | owner " +
           (owned ? "other" : "none");
}

std::string_view MediaLineCommands::help() {
    return kHelp;
}

std::string MediaLineCommands::plugDisk(std::string_view how) {
    if (how != "in" && how != "out") {
        return error("media disk in|out");
    }
    media_.setDiskInserted(how == "in");
    return std::string(kOk);
}

std::string MediaLineCommands::plugUsbAudio(std::string_view how) {
    if (how != "in" && how != "out") {
        return error("media usbaudio in|out");
    }
    media_.setUsbAudioPlugged(how == "in");
    return std::string(kOk);
}

std::string MediaLineCommands::connectBluetooth(std::string_view how) {
    if (how != "on" && how != "off") {
        return error("media bluetooth on|off");
    }
    media_.setBluetoothConnected(how == "on");
    return std::string(kOk);
}

std::string MediaLineCommands::setOwner(std::string_view who) {
    if (who != "other" && who != "none") {
        return error("media owner other|none");
    }
    const bool taken = who == "other";
    for (std::size_t i = 0; i < kOtherOwner.size(); ++i) {
        const auto word =
            static_cast<std::uint16_t>(i == 0 ? kOtherOwner[i] | kOwnedBit : kOtherOwner[i]);
        dataCentre_.changeParameter(static_cast<ParamId>(FixedParam::kFirstMediaOwner + i),
                                    taken ? word : 0);
    }
    dataCentre_.changeParameter(FixedParam::kMediaInUse, taken ? 1 : 0);
    return std::string(kOk);
}

} // namespace v32::dc
