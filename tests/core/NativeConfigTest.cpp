#include "app/core/NativeConfig.h"

#include "tests/core/TemporaryDirectory.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace v32 {
namespace {

using namespace std::string_literals;
using test::TemporaryDirectory;

constexpr const char* kFileName = "nativecfg.ini";

struct ReadCase {
    const char* name;
    std::string file;
    const char* key;
    std::size_t bufferSize;
    bool found;
    const char* value;
};

const std::string kLongLine(100000, 'x');

TEST(NativeConfigTest, ReadsKeysOfSectionAppLikeTheProfileFunctions) {
    const std::array<ReadCase, 28> cases{{
        {"plain", "[app]\nLANG=de\n", "LANG", 12, true, "de"},
        {"names ignore case", "[APP]\nlang=fr\n", "LANG", 12, true, "fr"},
        {"section name trimmed", "[ app ]\nLANG=fr\n", "LANG", 12, true, "fr"},
        {"blanks trimmed", "[app]\n  LANG \t=  zh-cn \t\n", "LANG", 12, true, "zh-cn"},
        {"double quotes", "[app]\nLANG=\"it\"\n", "LANG", 12, true, "it"},
        {"single quotes", "[app]\nLANG='it'\n", "LANG", 12, true, "it"},
        {"quotes inside blanks", "[app]\nLANG = \" it \" \n", "LANG", 12, true, " it "},
        {"mismatched quotes stay", "[app]\nLANG=\"it'\n", "LANG", 12, true, "\"it'"},
        {"a lone quote stays", "[app]\nLANG=\"\n", "LANG", 12, true, "\""},
        {"empty quotes", "[app]\nLANG=\"\"\n", "LANG", 12, false, ""},
        {"empty value", "[app]\nLANG=\n", "LANG", 12, false, ""},
        {"cut to 11 characters", "[app]\nDEBUG=yesyesyesyes\n", "DEBUG", 12, true, "yesyesyesye"},
        {"cut after unquoting", "[app]\nDEBUG=\"0123456789abc\"\n", "DEBUG", 12, true,
         "0123456789a"},
        {"one-byte buffer", "[app]\nLANG=de\n", "LANG", 1, false, ""},
        {"CRLF line ends", "[app]\r\nDEBUG=yes\r\nLANG=es\r\n", "DEBUG", 12, true, "yes"},
        {"no trailing newline", "[app]\nLANG=pt", "LANG", 12, true, "pt"},
        {"missing key", "[app]\nDEBUG=yes\n", "LANG", 12, false, ""},
        {"other section", "[other]\nLANG=de\n", "LANG", 12, false, ""},
        {"before any section", "LANG=de\n[app]\n", "LANG", 12, false, ""},
        {"first duplicate wins", "[app]\nLANG=de\nLANG=fr\n", "LANG", 12, true, "de"},
        {"only the first app section", "[app]\nDEBUG=yes\n[x]\n[app]\nLANG=de\n", "LANG", 12, false,
         ""},
        {"comment", "[app]\n;LANG=de\n", "LANG", 12, false, ""},
        {"header without ] opens nothing", "[app]\n[broken\nLANG=de\n", "LANG", 12, true, "de"},
        {"line without =", "[app]\ngarbage\nLANG\nLANG=de\n", "LANG", 12, true, "de"},
        {"binary bytes", "\x01\xff\x00\x7f\n[app]\n\x00\x00=\x80\nLANG=de\n"s, "LANG", 12, true,
         "de"},
        {"NUL ends a value", "[app]\nLANG=d\0e\n"s, "LANG", 12, true, "d"},
        {"very long line", "[app]\n" + kLongLine + "\nLANG=" + kLongLine + "\n", "LANG", 12, true,
         "xxxxxxxxxxx"},
        {"empty file", "", "LANG", 12, false, ""},
    }};
    for (const ReadCase& c : cases) {
        TemporaryDirectory directory;
        directory.write(kFileName, c.file);
        std::array<char, 16> buffer{};
        buffer.fill('#');
        const bool found = NativeConfig(directory.file(kFileName))
                               .readAppKey(c.key, std::span(buffer).first(c.bufferSize));
        EXPECT_EQ(found, c.found) << c.name;
        EXPECT_STREQ(buffer.data(), c.value) << c.name;
        EXPECT_EQ(buffer[c.bufferSize], '#') << c.name << ": wrote past the buffer";
    }
}

struct LanguageCase {
    const char* name;
    std::optional<std::string> file;
    const char* language;
};

TEST(NativeConfigTest, LanguageDefaultsToEnglish) {
    const std::array<LanguageCase, 5> cases{{
        {"no file", std::nullopt, "en"},
        {"no key", "[app]\nDEBUG=yes\n", "en"},
        {"empty value", "[app]\nLANG=\n", "en"},
        {"blank value", "[app]\nLANG=   \n", "en"},
        {"set", "[app]\nLANG=zh-cn\n", "zh-cn"},
    }};
    for (const LanguageCase& c : cases) {
        TemporaryDirectory directory;
        if (c.file) {
            directory.write(kFileName, *c.file);
        }
        const NativeConfig config(directory.file(kFileName));
        EXPECT_EQ(config.readLanguage().view(), c.language) << c.name;
    }
}

TEST(NativeConfigTest, MissingFileGivesNoDebugValue) {
    TemporaryDirectory directory;
    const NativeConfig config(directory.file(kFileName));
    EXPECT_EQ(config.readDebug().view(), "");
    std::array<char, 12> buffer{'x'};
    EXPECT_FALSE(config.readAppKey("DEBUG", buffer));
    EXPECT_STREQ(buffer.data(), "");
}

struct WriteCase {
    const char* name;
    std::optional<std::string> before;
    std::string after;
};

TEST(NativeConfigTest, WritingLanguageChangesOnlyThatKey) {
    const std::array<WriteCase, 12> cases{{
        {"no file", std::nullopt, "[app]\nLANG=de\n"},
        {"empty file", "", "[app]\nLANG=de\n"},
        {"no section", "[other]\nX=1\n", "[other]\nX=1\n[app]\nLANG=de\n"},
        {"no section, unterminated", "[other]\nX=1", "[other]\nX=1\n[app]\nLANG=de\n"},
        {"no key", "; top\n[app]\nDEBUG=yes\n\n[other]\nY=2\n",
         "; top\n[app]\nDEBUG=yes\nLANG=de\n\n[other]\nY=2\n"},
        {"no key, header last", "[app]", "[app]\nLANG=de\n"},
        {"no key, CRLF", "[app]\r\nDEBUG=yes\r\n", "[app]\r\nDEBUG=yes\r\nLANG=de\r\n"},
        {"existing key", "; c\n[other]\nLANG=xx\n[App]\nDEBUG = yes\n lang = en \n; tail\n",
         "; c\n[other]\nLANG=xx\n[App]\nDEBUG = yes\n lang = de\n; tail\n"},
        {"existing key, CRLF", "[app]\r\nLANG=en\r\nDEBUG=no\r\n",
         "[app]\r\nLANG=de\r\nDEBUG=no\r\n"},
        {"existing empty key", "[app]\nLANG=\n", "[app]\nLANG=de\n"},
        {"existing key, unterminated", "[app]\nLANG=\"en\"", "[app]\nLANG=de"},
        {"malformed lines kept", "\x01\x02\n[app\n[app]\nnoise\nLANG=en\n\xff",
         "\x01\x02\n[app\n[app]\nnoise\nLANG=de\n\xff"},
    }};
    for (const WriteCase& c : cases) {
        TemporaryDirectory directory;
        if (c.before) {
            directory.write(kFileName, *c.before);
        }
        const NativeConfig config(directory.file(kFileName));
        ASSERT_TRUE(config.writeLanguage("de")) << c.name;
        EXPECT_EQ(directory.read(kFileName), c.after) << c.name;
        EXPECT_EQ(config.readLanguage().view(), "de") << c.name;
        EXPECT_EQ(directory.listing(), std::string(kFileName) + "\n") << c.name;
    }
}

TEST(NativeConfigTest, WritingRefusesValuesThatWouldBreakTheFile) {
    TemporaryDirectory directory;
    const std::string before = "[app]\nLANG=en\n";
    directory.write(kFileName, before);
    const NativeConfig config(directory.file(kFileName));
    for (const std::string& value : {"de\nDEBUG=yes"s, "de\r"s, "d\0e"s}) {
        EXPECT_FALSE(config.writeLanguage(value));
        EXPECT_EQ(directory.read(kFileName), before);
    }
}

TEST(NativeConfigTest, WritingIntoAMissingDirectoryFailsQuietly) {
    TemporaryDirectory directory;
    const NativeConfig config(directory.file("absent") / kFileName);
    EXPECT_FALSE(config.writeLanguage("de"));
    EXPECT_EQ(config.readLanguage().view(), "en");
}

} // namespace
} // namespace v32
