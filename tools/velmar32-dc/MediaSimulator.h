#pragma once

#include "app/core/Clock.h"
#include "tools/velmar32-dc/ClientTable.h"
#include "tools/velmar32-dc/MediaCommand.h"
#include "tools/velmar32-dc/MediaItemRecord.h"
#include "tools/velmar32-dc/MediaModule.h"
#include "tools/velmar32-dc/MediaPlayer.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>

namespace v32::dc {

// The mixer's media module behind the media commands: the player with its disk, and the
// folder listing that the control surface's scanner walks. Every client that has talked to
// the data centre hears a state report, and while the disk player has a song a position
// report, every kStatusIntervalMs and at once after each command or change at the desk.
// The items a client asks for go to that client alone, cut into data chunks; each client
// lists the folder it last entered, so several can walk the disk at the same time.
class MediaSimulator final : public MediaModule {
public:
    static constexpr std::uint32_t kStatusIntervalMs = 250;

    MediaSimulator(ClientTable& clients, const Clock& clock);

    void loadDisk(UsbDisk disk);

    void handleCommand(ClientId client, std::span<const std::uint8_t> frame) override;
    void tick(std::uint32_t nowMs) override;

    // Changes at the desk.
    void setDiskInserted(bool inserted);
    void setUsbAudioPlugged(bool plugged);
    void setBluetoothConnected(bool connected);

    const MediaPlayer& player() const { return player_; }

private:
    // Whether the command changes what the status reports.
    bool run(ClientId client, const MediaCommand& command);
    void runTransport(const MediaCommand& command);
    void enterFolder(ClientId client, std::uint32_t folderId);
    void sendItemAfter(ClientId client, std::uint16_t index);
    // Nothing when the folder has no item at index.
    void sendItem(ClientId client, const UsbDisk& disk, const DiskFolder& folder,
                  std::size_t index);
    void reportPlayingFile(ClientId client);
    void sendRecord(ClientId client, const MediaItemRecord& record);
    void changeAtTheDesk(const std::function<void(MediaPlayer&)>& change);
    void catchUp(std::uint32_t nowMs);
    void broadcastStatus(std::uint32_t nowMs);
    void forgetGoneClients();

    ClientTable& clients_;
    const Clock& clock_;
    MediaPlayer player_;
    std::map<ClientId, std::uint32_t> enteredFolders_;
    std::uint32_t advancedToMs_;
    std::optional<std::uint32_t> lastStatusMs_;
};

} // namespace v32::dc
