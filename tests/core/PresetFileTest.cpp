#include "app/core/PresetFile.h"

#include "app/model/DefaultTable.h"
#include "app/protocol/Crc16.h"
#include "app/protocol/ParamId.h"
#include "tests/core/TemporaryDirectory.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <string>
#include <sys/stat.h>

namespace v32 {
namespace {

using test::TemporaryDirectory;

constexpr const char* kFileName = "preset.bin";

std::uint16_t littleEndianAt(const PresetFile::Block& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block[offset] | (block[offset + 1] << 8));
}

std::string expectedFile() {
    const PresetFile::Block block = PresetFile::buildBlock();
    const std::string text(block.begin(), block.end());
    std::string file;
    for (std::size_t i = 0; i < PresetFile::kBlockCount; ++i) {
        file += text;
    }
    return file;
}

TEST(PresetFileTest, BlockHoldsDefaultsZeroFillAndItsCrc) {
    const PresetFile::Block block = PresetFile::buildBlock();
    std::array<std::uint16_t, kParamCount> defaults{};
    fillDefaults(defaults);
    for (std::size_t id = 0; id < defaults.size(); ++id) {
        ASSERT_EQ(littleEndianAt(block, id * 2), defaults[id]) << "identifier " << id;
    }
    const auto fill = std::span(block).subspan(kParamCount * 2, 4656);
    EXPECT_TRUE(std::all_of(fill.begin(), fill.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(littleEndianAt(block, 16382), Crc16::of(std::span(block).first(16382)));
    EXPECT_EQ(PresetFile::kFileSize, 196608u);
}

struct DamageCase {
    const char* name;
    std::optional<std::function<std::string(std::string)>> damage;
};

TEST(PresetFileTest, AnyOtherFileIsRewrittenWhole) {
    const std::array<DamageCase, 7> cases{{
        {"missing", std::nullopt},
        {"empty", [](std::string) { return std::string(); }},
        {"one byte short", [](std::string f) { return f.substr(0, f.size() - 1); }},
        {"one byte long", [](std::string f) { return f + '\0'; }},
        {"all zero", [](std::string f) { return std::string(f.size(), '\0'); }},
        {"one wrong byte in block 7",
         [](std::string f) {
             f[7 * PresetFile::kBlockSize + 100] ^= 0x01;
             return f;
         }},
        {"one wrong CRC byte in the last block",
         [](std::string f) {
             f[f.size() - 1] ^= 0x80;
             return f;
         }},
    }};
    const std::string expected = expectedFile();
    for (const DamageCase& c : cases) {
        TemporaryDirectory directory;
        if (c.damage) {
            directory.write(kFileName, (*c.damage)(expected));
        }
        const PresetFile preset(directory.file(kFileName));
        EXPECT_EQ(preset.ensureValid(), PresetFile::Outcome::Rewritten) << c.name;
        EXPECT_TRUE(directory.read(kFileName) == expected) << c.name;
        EXPECT_EQ(directory.listing(), std::string(kFileName) + "\n") << c.name;
    }
}

TEST(PresetFileTest, ValidFileIsLeftUntouched) {
    TemporaryDirectory directory;
    directory.write(kFileName, expectedFile());
    struct stat before {};
    ASSERT_EQ(::stat(directory.file(kFileName).c_str(), &before), 0);

    EXPECT_EQ(PresetFile(directory.file(kFileName)).ensureValid(),
              PresetFile::Outcome::AlreadyValid);

    struct stat after {};
    ASSERT_EQ(::stat(directory.file(kFileName).c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST(PresetFileTest, UnwritablePlaceIsSilent) {
    TemporaryDirectory directory;
    directory.write("plain-file", "x");
    for (const char* place : {"absent/preset.bin", "plain-file/preset.bin"}) {
        const PresetFile preset(directory.file(place));
        EXPECT_EQ(preset.ensureValid(), PresetFile::Outcome::Unavailable) << place;
    }
    EXPECT_EQ(directory.listing(), "plain-file\n");
}

// Sets TMPDIR for one test and puts the old value back.
class TemporaryDirectoryVariable {
public:
    explicit TemporaryDirectoryVariable(const char* value) {
        if (const char* old = std::getenv("TMPDIR")) {
            m_old = old;
        }
        if (value != nullptr) {
            ::setenv("TMPDIR", value, 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    ~TemporaryDirectoryVariable() {
        if (m_old) {
            ::setenv("TMPDIR", m_old->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> m_old;
};

TEST(PresetFileTest, LivesInTheTemporaryDirectory) {
    const std::array<std::pair<const char*, const char*>, 3> cases{{
        {"/var/run/velmar32", "/var/run/velmar32/preset.bin"},
        {"", "/tmp/preset.bin"},
        {nullptr, "/tmp/preset.bin"},
    }};
    for (const auto& [variable, path] : cases) {
        const TemporaryDirectoryVariable tmpdir(variable);
        EXPECT_EQ(PresetFile::pathInTemporaryDirectory(), path);
    }
}

} // namespace
} // namespace v32
