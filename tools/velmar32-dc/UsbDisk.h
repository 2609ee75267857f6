#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace v32::dc {

// The format nibble of the state report.
enum class AudioFormat : std::uint8_t {
    None = 0,
    Mp3 = 1,
    Wav = 2,
    Wma = 3,
    Ape = 4,
    Flac = 5,
};

struct DiskFile {
    std::uint32_t id = 0;
    std::string name;
    AudioFormat format = AudioFormat::None;
    std::uint32_t durationS = 0;
    std::uint32_t folderId = 0;
    // Its place in the folder's listing.
    std::uint16_t index = 0;
    // From 1, in the order a folder walk finds the songs.
    std::uint16_t songNumber = 0;
};

struct DiskFolder {
    std::uint32_t id = 0;
    std::string name;
    std::uint32_t parentId = 0;
    std::vector<std::uint32_t> fileIds;
    std::vector<std::uint32_t> folderIds;

    std::size_t entryCount() const { return fileIds.size() + folderIds.size(); }
};

// One line of a folder's listing.
struct DiskEntry {
    bool isFile = false;
    std::uint32_t id = 0;
    std::string_view name;
};

// The folder tree of the USB disk in the media module. A folder lists its files first and
// its folders after them: the control surface's scanner opens a folder entry only for a
// folder whose first item is a file, so files listed after a folder would be counted into
// the folder listed before. Songs are numbered in the order of that walk: a folder's files,
// then its folders one after the other, depth first.
class UsbDisk {
public:
    static constexpr std::uint32_t kRootId = 0;
    // Folders and files take their identifiers from ranges apart, so an identifier sent for
    // the wrong kind of item finds nothing.
    static constexpr std::uint32_t kFirstFolderId = 0x44000001;
    static constexpr std::uint32_t kFirstFileId = 0x46000001;

    // A disk with nothing but its root folder.
    UsbDisk();

    const DiskFolder* folder(std::uint32_t id) const;
    const DiskFile* file(std::uint32_t id) const;
    std::optional<DiskEntry> entry(const DiskFolder& folder, std::size_t index) const;

    std::size_t folderCount() const { return folders_.size(); }
    std::size_t songCount() const { return songIds_.size(); }
    // nullptr outside 1..songCount().
    const DiskFile* song(std::size_t number) const;
    // The file step places on in the same folder, round from the last to the first.
    const DiskFile& neighbour(const DiskFile& file, int step) const;

private:
    friend class UsbDiskBuilder;

    UsbDisk(std::vector<DiskFolder> folders, std::vector<DiskFile> files);
    void numberSongs();

    // The root is the first folder.
    std::vector<DiskFolder> folders_;
    std::vector<DiskFile> files_;
    std::vector<std::uint32_t> songIds_;
};

} // namespace v32::dc
