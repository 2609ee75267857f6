#include "tools/velmar32-dc/UsbDisk.h"

#include <utility>

namespace v32::dc {

UsbDisk::UsbDisk()
    : folders_(1) {
    folders_[0].name = "ROOT";
}

UsbDisk::UsbDisk(std::vector<DiskFolder> folders, std::vector<DiskFile> files)
    : folders_(std::move(folders))
    , files_(std::move(files)) {
    numberSongs();
}

const DiskFolder* UsbDisk::folder(std::uint32_t id) const {
    if (id == kRootId) {
        return &folders_[0];
    }
    // The root holds index 0, so the first folder after it is at 1.
    const std::uint32_t index = id - kFirstFolderId + 1;
    return id >= kFirstFolderId && index < folders_.size() ? &folders_[index] : nullptr;
}

const DiskFile* UsbDisk::file(std::uint32_t id) const {
    const std::uint32_t index = id - kFirstFileId;
    return id >= kFirstFileId && index < files_.size() ? &files_[index] : nullptr;
}

std::optional<DiskEntry> UsbDisk::entry(const DiskFolder& folder, std::size_t index) const {
    if (index < folder.fileIds.size()) {
        const DiskFile& found = *file(folder.fileIds[index]);
        return DiskEntry{true, found.id, found.name};
    }
    index -= folder.fileIds.size();
    if (index < folder.folderIds.size()) {
        const DiskFolder& found = *this->folder(folder.folderIds[index]);
        return DiskEntry{false, found.id, found.name};
    }
    return std::nullopt;
}

const DiskFile* UsbDisk::song(std::size_t number) const {
    return number >= 1 && number <= songIds_.size() ? file(songIds_[number - 1]) : nullptr;
}

const DiskFile& UsbDisk::neighbour(const DiskFile& file, int step) const {
    const std::vector<std::uint32_t>& siblings = folder(file.folderId)->fileIds;
    const auto count = static_cast<long>(siblings.size());
    const long place = ((static_cast<long>(file.index) + step) % count + count) % count;
    return *this->file(siblings[static_cast<std::size_t>(place)]);
}

void UsbDisk::numberSongs() {
    // Depth first without recursion: a deep tree read from a directory must not exhaust the
    // stack. Pushing the folders in reverse pops them in listing order.
    std::vector<std::uint32_t> pending{kRootId};
    while (!pending.empty()) {
        const DiskFolder& current = *folder(pending.back());
        pending.pop_back();
        for (const std::uint32_t id : current.fileIds) {
            songIds_.push_back(id);
            files_[id - kFirstFileId].songNumber = static_cast<std::uint16_t>(songIds_.size());
        }
        pending.insert(pending.end(), current.folderIds.rbegin(), current.folderIds.rend());
    }
}

} // namespace v32::dc
