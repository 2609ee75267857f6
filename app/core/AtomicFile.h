#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

namespace v32 {

// Replaces a file's whole contents through a temporary file in the same directory and a
// rename, so that a crash leaves either the old or the new file, never a half-written one.
// The temporary file is removed unless commit() succeeds.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path path);
    ~AtomicFile();

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open();
    bool write(std::span<const std::byte> bytes);
    // Flushes the new contents to disk and puts them in place of the old file.
    bool commit();

    // open, write and commit in one step.
    bool replaceContents(std::span<const std::byte> bytes);

private:
    void discard();

    std::filesystem::path m_path;
    std::string m_temporaryPath;
    int m_fd = -1;
    bool m_failed = false;
};

} // namespace v32
