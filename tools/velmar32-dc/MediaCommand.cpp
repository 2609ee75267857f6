#include "tools/velmar32-dc/MediaCommand.h"

#include <array>
#include <optional>

namespace v32::dc {

namespace {

constexpr std::size_t kUnitSize = 3;
constexpr std::uint8_t kFirstArgumentTag = 0xD1;
constexpr std::uint8_t kSecondArgumentTag = 0xD2;
constexpr std::uint8_t kNumberedCommandTag = 0xD0;

struct TaggedCommand {
    std::uint8_t tag;
    MediaCommand::Kind kind;
};

constexpr std::array kTaggedCommands{
    TaggedCommand{0xA0, MediaCommand::Kind::Play},
    TaggedCommand{0xA1, MediaCommand::Kind::Pause},
    TaggedCommand{0xA2, MediaCommand::Kind::BluetoothPlayPause},
    TaggedCommand{0xA4, MediaCommand::Kind::Previous},
    TaggedCommand{0xA6, MediaCommand::Kind::Next},
    TaggedCommand{0xAA, MediaCommand::Kind::Repeat},
    TaggedCommand{0xA8, MediaCommand::Kind::SourcePlayer},
    TaggedCommand{0xC8, MediaCommand::Kind::SourceRecorder},
    TaggedCommand{0xC7, MediaCommand::Kind::SourceBluetooth},
    TaggedCommand{0xB5, MediaCommand::Kind::SourceUsbAudio},
    TaggedCommand{0xC3, MediaCommand::Kind::SourceSpdif},
    TaggedCommand{0xE0, MediaCommand::Kind::Record},
};

std::optional<MediaCommand::Kind> numberedCommand(std::uint16_t number) {
    switch (number) {
    case 1:
        return MediaCommand::Kind::PlayFile;
    case 2:
        return MediaCommand::Kind::EnterFolder;
    case 5:
        return MediaCommand::Kind::ReportPlayingFile;
    case 8:
        return MediaCommand::Kind::QueryItem;
    default:
        return std::nullopt;
    }
}

std::optional<MediaCommand::Kind> taggedCommand(std::uint8_t tag) {
    for (const TaggedCommand& command : kTaggedCommands) {
        if (command.tag == tag) {
            return command.kind;
        }
    }
    return std::nullopt;
}

// Query item takes its index alone from the first argument; the identifiers are the first
// argument's 16 bits above the second's.
std::uint32_t argumentOf(MediaCommand::Kind kind, std::uint16_t first, std::uint16_t second) {
    if (kind == MediaCommand::Kind::QueryItem) {
        return first;
    }
    return (static_cast<std::uint32_t>(first) << 16) | second;
}

} // namespace

std::vector<MediaCommand> MediaCommand::readAll(std::span<const std::uint8_t> payload) {
    std::vector<MediaCommand> commands;
    std::uint16_t first = 0;
    std::uint16_t second = 0;
    for (std::size_t offset = 0; offset + kUnitSize <= payload.size(); offset += kUnitSize) {
        const auto value = static_cast<std::uint16_t>(payload[offset] | payload[offset + 1] << 8);
        const std::uint8_t tag = payload[offset + 2];
        if (tag == kFirstArgumentTag) {
            first = value;
        } else if (tag == kSecondArgumentTag) {
            second = value;
        } else if (tag == kNumberedCommandTag) {
            if (const std::optional<Kind> kind = numberedCommand(value)) {
                commands.push_back({*kind, argumentOf(*kind, first, second)});
            }
            first = 0;
            second = 0;
        } else if (const std::optional<Kind> kind = taggedCommand(tag)) {
            commands.push_back({*kind, value});
        }
    }
    return commands;
}

} // namespace v32::dc
