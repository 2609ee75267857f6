#include "tools/velmar32-dc/UsbDiskDirectory.h"

#include "tools/velmar32-dc/UsbDiskBuilder.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

namespace v32::dc {

namespace {

namespace fs = std::filesystem;

struct Listing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

Listing listDirectory(const fs::path& directory) {
    Listing listing;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const fs::file_status status = it->symlink_status(error);
        if (error || name.starts_with('.')) {
            continue;
        }
        if (fs::is_directory(status)) {
            listing.folders.push_back(name);
        } else if (fs::is_regular_file(status) && UsbDiskBuilder::formatOf(name)) {
            listing.files.push_back(name);
        }
    }
    std::ranges::sort(listing.files);
    std::ranges::sort(listing.folders);
    return listing;
}

struct PendingFolder {
    fs::path path;
    std::uint32_t id;
};

} // namespace

std::optional<UsbDisk> readDiskFromDirectory(const fs::path& path, std::string& error) {
    std::error_code readError;
    if (!fs::is_directory(path, readError)) {
        error = "not a directory: " + path.string();
        return std::nullopt;
    }
    if (fs::directory_iterator(path, readError); readError) {
        error = "cannot read " + path.string() + ": " + readError.message();
        return std::nullopt;
    }
    UsbDiskBuilder disk;
    std::vector<PendingFolder> pending{{path, UsbDisk::kRootId}};
    while (!pending.empty()) {
        const PendingFolder current = std::move(pending.back());
        pending.pop_back();
        const Listing listing = listDirectory(current.path);
        for (const std::string& file : listing.files) {
            disk.addFile(current.id, file);
        }
        for (const std::string& folder : listing.folders) {
            if (const std::optional<std::uint32_t> id = disk.addFolder(current.id, folder)) {
                pending.push_back({current.path / folder, *id});
            }
        }
    }
    return std::move(disk).build();
}

} // namespace v32::dc
