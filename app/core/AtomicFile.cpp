#include "app/core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace v32 {

namespace {

constexpr mode_t kNewFileMode = 0644;

// The replacement keeps the permissions of the file it replaces.
mode_t modeFor(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    return kNewFileMode;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path path)
    : m_path(std::move(path)) {}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::open() {
    discard();
    m_failed = false;
    m_temporaryPath = m_path.string() + ".XXXXXX";
    m_fd = ::mkstemp(m_temporaryPath.data());
    if (m_fd < 0) {
        m_temporaryPath.clear();
        return false;
    }
    return true;
}

bool AtomicFile::write(std::span<const std::byte> bytes) {
    while (m_fd >= 0 && !m_failed && !bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            m_failed = true;
        } else if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
    }
    return m_fd >= 0 && !m_failed;
}

bool AtomicFile::commit() {
    if (m_fd < 0 || m_failed) {
        discard();
        return false;
    }
    const bool flushed = ::fchmod(m_fd, modeFor(m_path)) == 0 && ::fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    if (!flushed || !closed || ::rename(m_temporaryPath.c_str(), m_path.c_str()) != 0) {
        discard();
        return false;
    }
    m_temporaryPath.clear();
    return true;
}

bool AtomicFile::replaceContents(std::span<const std::byte> bytes) {
    return open() && write(bytes) && commit();
}

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
}

} // namespace v32
