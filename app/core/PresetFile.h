#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace v32 {

// "preset.bin" in the temporary directory: the factory defaults for a data centre running on
// the same machine. Twelve identical blocks, each holding the defaults little-endian, zero
// fill and a little-endian CRC-16 over everything before it.
class PresetFile {
public:
    static constexpr std::string_view kFileName = "preset.bin";
    static constexpr std::size_t kBlockSize = 16384;
    static constexpr std::size_t kBlockCount = 12;
    static constexpr std::size_t kFileSize = kBlockSize * kBlockCount;
    static constexpr std::size_t kCrcOffset = kBlockSize - 2;

    using Block = std::array<std::uint8_t, kBlockSize>;

    enum class Outcome {
        AlreadyValid,
        Rewritten,
        Unavailable,
    };

    explicit PresetFile(std::filesystem::path path);

    // $TMPDIR, else /tmp, followed by the file name.
    static std::filesystem::path pathInTemporaryDirectory();

    static Block buildBlock();

    // Leaves a valid file alone and rewrites any other whole. Failing to write is not an
    // error for the program: it runs on without the file.
    Outcome ensureValid() const;

    const std::filesystem::path& path() const { return m_path; }

private:
    bool matches(const Block& expected) const;
    bool rewrite(const Block& block) const;

    std::filesystem::path m_path;
};

} // namespace v32
