#include "tools/velmar32-dc/UsbDiskBuilder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace v32::dc {

namespace {

struct Extension {
    std::string_view text;
    AudioFormat format;
};

constexpr std::array kAudioExtensions{
    Extension{".mp3", AudioFormat::Mp3},   Extension{".wav", AudioFormat::Wav},
    Extension{".wma", AudioFormat::Wma},   Extension{".ape", AudioFormat::Ape},
    Extension{".flac", AudioFormat::Flac},
};

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() > ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                      [](char expected, char actual) {
                          return expected == std::tolower(static_cast<unsigned char>(actual));
                      });
}

// FNV-1a: a stable spread of the names, so a disk read twice sounds the same.
std::uint32_t hashOf(std::string_view text) {
    std::uint32_t hash = 2166136261U;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return hash;
}

} // namespace

UsbDiskBuilder::UsbDiskBuilder()
    : folders_(1) {
    folders_[0].id = UsbDisk::kRootId;
    folders_[0].name = "ROOT";
}

std::optional<std::uint32_t> UsbDiskBuilder::addFolder(std::uint32_t parentId, std::string name) {
    DiskFolder* parent = findFolder(parentId);
    if (parent == nullptr || parent->entryCount() >= kMaxEntriesPerFolder) {
        return std::nullopt;
    }
    // The root holds the first place, so the n-th folder added has place n.
    const auto id = static_cast<std::uint32_t>(UsbDisk::kFirstFolderId + folders_.size() - 1);
    parent->folderIds.push_back(id);
    folders_.push_back({id, std::move(name), parentId, {}, {}});
    return id;
}

bool UsbDiskBuilder::addFile(std::uint32_t folderId, std::string name) {
    DiskFolder* folder = findFolder(folderId);
    const std::optional<AudioFormat> format = formatOf(name);
    if (folder == nullptr || !format || folder->entryCount() >= kMaxEntriesPerFolder ||
        files_.size() >= kMaxSongs) {
        return false;
    }
    const auto id = static_cast<std::uint32_t>(UsbDisk::kFirstFileId + files_.size());
    const auto index = static_cast<std::uint16_t>(folder->fileIds.size());
    folder->fileIds.push_back(id);
    const std::uint32_t duration = durationOf(name);
    files_.push_back({id, std::move(name), *format, duration, folderId, index, 0});
    return true;
}

UsbDisk UsbDiskBuilder::build() && {
    return UsbDisk(std::move(folders_), std::move(files_));
}

std::optional<AudioFormat> UsbDiskBuilder::formatOf(std::string_view name) {
    for (const Extension& extension : kAudioExtensions) {
        if (endsWithIgnoringCase(name, extension.text)) {
            return extension.format;
        }
    }
    return std::nullopt;
}

std::uint32_t UsbDiskBuilder::durationOf(std::string_view name) {
    return kShortestSongS + hashOf(name) % (kLongestSongS - kShortestSongS + 1);
}

DiskFolder* UsbDiskBuilder::findFolder(std::uint32_t id) {
    if (id == UsbDisk::kRootId) {
        return &folders_[0];
    }
    const std::uint32_t place = id - UsbDisk::kFirstFolderId + 1;
    return id >= UsbDisk::kFirstFolderId && place < folders_.size() ? &folders_[place] : nullptr;
}

} // namespace v32::dc
