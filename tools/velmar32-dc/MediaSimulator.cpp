#include "tools/velmar32-dc/MediaSimulator.h"

#include "app/protocol/Frame.h"
#include "app/protocol/MessageCode.h"
#include "tools/velmar32-dc/MediaStatusMessage.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace v32::dc {

MediaSimulator::MediaSimulator(ClientTable& clients, const Clock& clock)
    : clients_(clients)
    , clock_(clock)
    , advancedToMs_(clock.nowMs()) {}

void MediaSimulator::loadDisk(UsbDisk disk) {
    player_.loadDisk(std::move(disk));
    enteredFolders_.clear();
}

void MediaSimulator::handleCommand(ClientId client, std::span<const std::uint8_t> frame) {
    const std::uint32_t nowMs = clock_.nowMs();
    catchUp(nowMs);
    bool changed = false;
    for (const MediaCommand& command : MediaCommand::readAll(framePayload(frame))) {
        changed = run(client, command) || changed;
    }
    if (changed) {
        broadcastStatus(nowMs);
    }
}

void MediaSimulator::tick(std::uint32_t nowMs) {
    catchUp(nowMs);
    if (!lastStatusMs_ || Clock::elapsed(*lastStatusMs_, nowMs) >= kStatusIntervalMs) {
        forgetGoneClients();
        broadcastStatus(nowMs);
    }
}

void MediaSimulator::setDiskInserted(bool inserted) {
    changeAtTheDesk([inserted](MediaPlayer& player) { player.setDiskInserted(inserted); });
}

void MediaSimulator::setUsbAudioPlugged(bool plugged) {
    changeAtTheDesk([plugged](MediaPlayer& player) { player.setUsbAudioPlugged(plugged); });
}

void MediaSimulator::setBluetoothConnected(bool connected) {
    changeAtTheDesk([connected](MediaPlayer& player) { player.setBluetoothConnected(connected); });
}

void MediaSimulator::changeAtTheDesk(const std::function<void(MediaPlayer&)>& change) {
    const std::uint32_t nowMs = clock_.nowMs();
    catchUp(nowMs);
    change(player_);
    // The control surface sees plugging by the edges of the storage state, so it hears of
    // the change before the next regular report.
    broadcastStatus(nowMs);
}

bool MediaSimulator::run(ClientId client, const MediaCommand& command) {
    switch (command.kind) {
    case MediaCommand::Kind::EnterFolder:
        enterFolder(client, command.argument);
        return false;
    case MediaCommand::Kind::QueryItem:
        sendItemAfter(client, static_cast<std::uint16_t>(command.argument));
        return false;
    case MediaCommand::Kind::ReportPlayingFile:
        reportPlayingFile(client);
        return false;
    default:
        runTransport(command);
        return true;
    }
}

void MediaSimulator::runTransport(const MediaCommand& command) {
    switch (command.kind) {
    case MediaCommand::Kind::Play:
        return player_.play();
    case MediaCommand::Kind::Pause:
        return player_.pause();
    case MediaCommand::Kind::BluetoothPlayPause:
        return player_.bluetoothPlayPause();
    case MediaCommand::Kind::Previous:
        return player_.previous();
    case MediaCommand::Kind::Next:
        return player_.next();
    case MediaCommand::Kind::Repeat:
        return player_.toggleRepeat();
    case MediaCommand::Kind::SourcePlayer:
        return player_.selectSource(PlayDevice::UsbDisk);
    case MediaCommand::Kind::SourceRecorder:
        return player_.selectSource(PlayDevice::Recorder);
    case MediaCommand::Kind::SourceBluetooth:
        return player_.selectSource(PlayDevice::Bluetooth);
    case MediaCommand::Kind::SourceUsbAudio:
        return player_.selectSource(PlayDevice::UsbAudio);
    case MediaCommand::Kind::SourceSpdif:
        return player_.selectSpdifInput(command.argument);
    case MediaCommand::Kind::Record:
        return player_.toggleRecording();
    case MediaCommand::Kind::PlayFile:
        return player_.playFile(command.argument);
    default:
        return;
    }
}

void MediaSimulator::enterFolder(ClientId client, std::uint32_t folderId) {
    const UsbDisk* disk = player_.disk();
    if (disk == nullptr) {
        return;
    }
    const DiskFolder* folder = disk->folder(folderId);
    if (folder != nullptr) {
        enteredFolders_[client] = folderId;
    }
    if (folder == nullptr || folder->entryCount() == 0) {
        // A folder that cannot be opened has nothing to list either.
        sendRecord(client, {MediaItemRecord::Kind::EmptyFolder, 0, false, true, folderId,
                            folder == nullptr ? std::string_view{} : folder->name});
        return;
    }
    sendItem(client, *disk, *folder, 0);
}

void MediaSimulator::sendItemAfter(ClientId client, std::uint16_t index) {
    const UsbDisk* disk = player_.disk();
    if (disk == nullptr) {
        return;
    }
    const auto entered = enteredFolders_.find(client);
    const DiskFolder* folder =
        disk->folder(entered == enteredFolders_.end() ? UsbDisk::kRootId : entered->second);
    sendItem(client, *disk, *folder, std::size_t{index} + 1);
}

void MediaSimulator::sendItem(ClientId client, const UsbDisk& disk, const DiskFolder& folder,
                              std::size_t index) {
    if (const std::optional<DiskEntry> entry = disk.entry(folder, index)) {
        sendRecord(client,
                   {MediaItemRecord::Kind::FolderItem, static_cast<std::uint16_t>(index),
                    entry->isFile, index + 1 == folder.entryCount(), entry->id, entry->name});
    }
}

void MediaSimulator::reportPlayingFile(ClientId client) {
    if (const DiskFile* file = player_.currentFile()) {
        sendRecord(client, {MediaItemRecord::Kind::PlayingFile, file->index, true, false, file->id,
                            file->name});
    }
}

void MediaSimulator::sendRecord(ClientId client, const MediaItemRecord& record) {
    const std::vector<std::uint8_t> bytes = record.encode();
    for (std::size_t offset = 0; offset < bytes.size();
         offset += MediaStatusMessage::kMaxChunkBytes) {
        const std::size_t count =
            std::min(MediaStatusMessage::kMaxChunkBytes, bytes.size() - offset);
        clients_.send(client, MSG_MEDIA_EVENT,
                      MediaStatusMessage::dataChunk(std::span(bytes).subspan(offset, count)));
    }
}

void MediaSimulator::catchUp(std::uint32_t nowMs) {
    player_.advance(Clock::elapsed(advancedToMs_, nowMs));
    advancedToMs_ = nowMs;
}

void MediaSimulator::broadcastStatus(std::uint32_t nowMs) {
    lastStatusMs_ = nowMs;
    clients_.broadcast(MSG_MEDIA_EVENT, MediaStatusMessage::stateReport(player_.stateReport()));
    if (const std::optional<MediaPositionReport> position = player_.positionReport()) {
        clients_.broadcast(MSG_MEDIA_EVENT, MediaStatusMessage::positionReport(*position));
    }
}

void MediaSimulator::forgetGoneClients() {
    std::erase_if(enteredFolders_,
                  [this](const auto& entered) { return !clients_.contains(entered.first); });
}

} // namespace v32::dc
