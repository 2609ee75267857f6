#pragma once

#include "tools/velmar32-dc/UsbDisk.h"

#include <filesystem>
#include <optional>
#include <string>

namespace v32::dc {

// A disk with the folders and audio files found under path, each folder's entries in the
// order of their names. Hidden entries and symbolic links are left out, and so is whatever
// exceeds the limits of the listing; a folder that cannot be read is listed empty. Without
// a readable directory at path, std::nullopt and the error says why.
std::optional<UsbDisk> readDiskFromDirectory(const std::filesystem::path& path, std::string& error);

} // namespace v32::dc
