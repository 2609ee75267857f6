#include "app/core/PresetFile.h"

#include "app/core/AtomicFile.h"
#include "app/model/DefaultTable.h"
#include "app/protocol/Crc16.h"
#include "app/protocol/ParamId.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <utility>

namespace v32 {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

void putLittleEndian(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

} // namespace

PresetFile::PresetFile(std::filesystem::path path)
    : m_path(std::move(path)) {}

std::filesystem::path PresetFile::pathInTemporaryDirectory() {
    const char* temporaryDirectory = std::getenv("TMPDIR");
    if (temporaryDirectory == nullptr || *temporaryDirectory == '\0') {
        temporaryDirectory = "/tmp";
    }
    return std::filesystem::path(temporaryDirectory) / kFileName;
}

PresetFile::Block PresetFile::buildBlock() {
    std::array<std::uint16_t, kParamCount> defaults{};
    fillDefaults(defaults);
    Block block{};
    for (std::size_t id = 0; id < defaults.size(); ++id) {
        putLittleEndian(block, id * 2, defaults[id]);
    }
    putLittleEndian(block, kCrcOffset, Crc16::of(std::span(block).first(kCrcOffset)));
    return block;
}

PresetFile::Outcome PresetFile::ensureValid() const {
    const Block expected = buildBlock();
    if (matches(expected)) {
        return Outcome::AlreadyValid;
    }
    return rewrite(expected) ? Outcome::Rewritten : Outcome::Unavailable;
}

bool PresetFile::matches(const Block& expected) const {
    const FileHandle file(std::fopen(m_path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    Block stored{};
    for (std::size_t i = 0; i < kBlockCount; ++i) {
        if (std::fread(stored.data(), 1, stored.size(), file.get()) != stored.size() ||
            stored != expected) {
            return false;
        }
    }
    // A longer file is as wrong as a shorter one.
    return std::fgetc(file.get()) == EOF;
}

bool PresetFile::rewrite(const Block& block) const {
    AtomicFile file(m_path);
    if (!file.open()) {
        return false;
    }
    for (std::size_t i = 0; i < kBlockCount; ++i) {
        if (!file.write(std::as_bytes(std::span(block)))) {
            return false;
        }
    }
    return file.commit();
}

} // namespace v32
