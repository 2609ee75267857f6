#include "app/core/NativeConfig.h"

#include "app/core/AtomicFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace v32 {

namespace {

constexpr std::string_view kAppSection = "app";
constexpr std::string_view kDebugKey = "DEBUG";
constexpr std::string_view kLanguageKey = "LANG";
constexpr std::string_view kDiscoveryKey = "DISCOVERY";
constexpr std::string_view kDefaultLanguage = "en";
constexpr std::string_view kBlanks = " \t\r\v\f";

// One line of the file as offsets into its text, without the line break.
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class LineKind {
    Other,
    Section,
    Key,
};

struct IniLine {
    LineSpan span;
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

IniLine classify(std::string_view content, LineSpan span) {
    IniLine line;
    line.span = span;
    const std::string_view text = trimBlanks(content.substr(span.begin, span.end - span.begin));
    if (text.empty() || text.front() == ';') {
        return line;
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trimBlanks(text.substr(1, close - 1));
            return line;
        }
        // A header without its "]" opens no section; the line may still hold a key.
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    line.kind = LineKind::Key;
    line.name = trimBlanks(text.substr(0, equals));
    line.value = trimBlanks(text.substr(equals + 1));
    return line;
}

std::vector<IniLine> splitLines(std::string_view content) {
    std::vector<IniLine> lines;
    std::size_t begin = 0;
    while (begin < content.size()) {
        const std::size_t lineFeed = content.find('\n', begin);
        const std::size_t next = lineFeed == std::string_view::npos ? content.size() : lineFeed + 1;
        std::size_t end = lineFeed == std::string_view::npos ? content.size() : lineFeed;
        if (end > begin && content[end - 1] == '\r') {
            --end;
        }
        lines.push_back(classify(content, LineSpan{begin, end, next}));
        begin = next;
    }
    return lines;
}

// Where a key of the first matching section lives, or where it would go.
struct KeyLocation {
    std::optional<IniLine> section;
    std::optional<IniLine> key;
    std::optional<IniLine> lastKeyInSection;
};

KeyLocation locateKey(const std::vector<IniLine>& lines, std::string_view section,
                      std::string_view key) {
    KeyLocation location;
    for (const IniLine& line : lines) {
        if (line.kind == LineKind::Section) {
            if (location.section) {
                break;
            }
            if (equalsIgnoringCase(line.name, section)) {
                location.section = line;
            }
        } else if (line.kind == LineKind::Key && location.section) {
            if (equalsIgnoringCase(line.name, key)) {
                location.key = line;
                break;
            }
            location.lastKeyInSection = line;
        }
    }
    return location;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The profile functions drop one pair of matching quotes around a value.
std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view lineBreakOf(std::string_view content) {
    const std::size_t lineFeed = content.find('\n');
    if (lineFeed != std::string_view::npos && lineFeed > 0 && content[lineFeed - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

std::string keyLine(std::string_view key, std::string_view value, std::string_view lineBreak) {
    return std::string(key) + "=" + std::string(value) + std::string(lineBreak);
}

// Adds a line after `line`, first ending `line` when it is the unterminated last line.
void insertAfter(std::string& content, const LineSpan& line, std::string_view newLine,
                 std::string_view lineBreak) {
    std::string insertion;
    if (line.next == line.end) {
        insertion = lineBreak;
    }
    insertion += newLine;
    content.insert(line.next, insertion);
}

std::string withKey(std::string content, std::string_view section, std::string_view key,
                    std::string_view value) {
    const std::string_view lineBreak = lineBreakOf(content);
    const std::vector<IniLine> lines = splitLines(content);
    const KeyLocation location = locateKey(lines, section, key);
    if (location.key) {
        // Keep the key's spelling and the blanks around "=": only the value changes.
        const std::size_t valueBegin =
            location.key->value.empty()
                ? location.key->span.end
                : static_cast<std::size_t>(location.key->value.data() - content.data());
        content.replace(valueBegin, location.key->span.end - valueBegin, value);
        return content;
    }
    if (location.section) {
        const IniLine& after =
            location.lastKeyInSection ? *location.lastKeyInSection : *location.section;
        insertAfter(content, after.span, keyLine(key, value, lineBreak), lineBreak);
        return content;
    }
    if (!content.empty() && content.back() != '\n') {
        content += lineBreak;
    }
    content += "[" + std::string(section) + "]" + std::string(lineBreak);
    content += keyLine(key, value, lineBreak);
    return content;
}

} // namespace

NativeConfig::NativeConfig(std::filesystem::path path)
    : m_path(std::move(path)) {}

bool NativeConfig::readAppKey(std::string_view key, std::span<char> buffer) const {
    if (buffer.empty()) {
        return false;
    }
    buffer[0] = '\0';
    const std::optional<std::string> content = readWholeFile(m_path);
    if (!content) {
        return false;
    }
    const std::vector<IniLine> lines = splitLines(*content);
    const KeyLocation location = locateKey(lines, kAppSection, key);
    if (!location.key) {
        return false;
    }
    std::string_view value = location.key->value;
    value = value.substr(0, value.find('\0'));
    value = unquoted(value);
    const std::size_t count = std::min(value.size(), buffer.size() - 1);
    std::copy_n(value.begin(), count, buffer.begin());
    buffer[count] = '\0';
    return count > 0;
}

ConfigValue NativeConfig::readDebug() const {
    ConfigValue debug;
    readAppKey(kDebugKey, debug.text);
    return debug;
}

ConfigValue NativeConfig::readLanguage() const {
    ConfigValue language;
    if (!readAppKey(kLanguageKey, language.text)) {
        std::copy(kDefaultLanguage.begin(), kDefaultLanguage.end(), language.text.begin());
    }
    return language;
}

std::string NativeConfig::readDiscoveryAdapters() const {
    std::array<char, kConfigListSize> names{};
    readAppKey(kDiscoveryKey, names);
    return names.data();
}

bool NativeConfig::writeLanguage(std::string_view language) const {
    if (language.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return false;
    }
    std::error_code error;
    std::optional<std::string> content = readWholeFile(m_path);
    if (!content) {
        if (std::filesystem::exists(m_path, error)) {
            return false; // present but unreadable: rewriting it would lose its keys
        }
        content.emplace();
    }
    const std::string updated = withKey(std::move(*content), kAppSection, kLanguageKey, language);
    return AtomicFile(m_path).replaceContents(std::as_bytes(std::span(updated)));
}

} // namespace v32
