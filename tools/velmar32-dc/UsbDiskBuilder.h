#pragma once

#include "tools/velmar32-dc/UsbDisk.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace v32::dc {

// Puts a disk together folder by folder. Identifiers are handed out in order of adding;
// durations are invented from the names, the same on every run.
class UsbDiskBuilder {
public:
    // The state report counts songs and the listing numbers items in 16 bits.
    static constexpr std::size_t kMaxSongs = 0xFFFF;
    static constexpr std::size_t kMaxEntriesPerFolder = 0xFFFF;
    static constexpr std::uint32_t kShortestSongS = 95;
    static constexpr std::uint32_t kLongestSongS = 420;

    UsbDiskBuilder();

    // The new folder's identifier; std::nullopt when the parent does not exist or is full.
    std::optional<std::uint32_t> addFolder(std::uint32_t parentId, std::string name);
    // False when the name has no audio extension, the folder does not exist, or the folder
    // or the disk is full.
    bool addFile(std::uint32_t folderId, std::string name);
    std::size_t songCount() const { return files_.size(); }

    UsbDisk build() &&;

    // By the extension, whatever its case: mp3, wav, wma, ape, flac.
    static std::optional<AudioFormat> formatOf(std::string_view name);
    static std::uint32_t durationOf(std::string_view name);

private:
    DiskFolder* findFolder(std::uint32_t id);

    std::vector<DiskFolder> folders_;
    std::vector<DiskFile> files_;
};

} // namespace v32::dc
