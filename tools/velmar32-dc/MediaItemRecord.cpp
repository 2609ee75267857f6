#include "tools/velmar32-dc/MediaItemRecord.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace v32::dc {

namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kLengthCovers = 3;
constexpr std::size_t kMaxNameBytes = MediaItemRecord::kMaxSize - kHeaderSize - 1;
constexpr char32_t kReplacement = 0xFFFD;

bool isAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Length of the UTF-8 sequence a lead byte starts, and the bits it carries; 0 for a byte
// that cannot lead.
std::size_t sequenceLength(unsigned char lead, char32_t& bits) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1FU;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0FU;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07U;
        return 4;
    }
    return 0;
}

// The next character of text, which it consumes; a malformed sequence gives U+FFFD and
// consumes one byte.
char32_t takeCharacter(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text.front());
    char32_t value = lead;
    const std::size_t length = lead < 0x80 ? 1 : sequenceLength(lead, value);
    bool valid = length != 0 && length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        valid = (next & 0xC0U) == 0x80;
        value = (value << 6) | (next & 0x3FU);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    valid = valid && value >= kSmallest[length] && value <= 0x10FFFF &&
            (value < 0xD800 || value > 0xDFFF);
    text.remove_prefix(valid ? length : 1);
    return valid ? value : kReplacement;
}

// UTF-16 units of text, as many whole characters as fit into the room left for them.
std::vector<char16_t> utf16Units(std::string_view text, std::size_t maxUnits) {
    std::vector<char16_t> units;
    while (!text.empty()) {
        const char32_t c = takeCharacter(text);
        const std::size_t needed = c >= 0x10000 ? 2 : 1;
        if (units.size() + needed > maxUnits) {
            break;
        }
        if (c >= 0x10000) {
            units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU)));
        } else {
            units.push_back(static_cast<char16_t>(c));
        }
    }
    return units;
}

void putName(std::vector<std::uint8_t>& record, std::string_view name, bool asUtf16) {
    if (!asUtf16) {
        const std::string_view fitting = name.substr(0, kMaxNameBytes - 1);
        record.insert(record.end(), fitting.begin(), fitting.end());
        record.push_back(0);
        return;
    }
    for (const char16_t unit : utf16Units(name, kMaxNameBytes / 2 - 1)) {
        record.push_back(static_cast<std::uint8_t>(unit & 0xFFU));
        record.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    record.insert(record.end(), {0, 0});
}

void putWord(std::vector<std::uint8_t>& record, std::uint16_t word) {
    record.push_back(static_cast<std::uint8_t>(word >> 8));
    record.push_back(static_cast<std::uint8_t>(word & 0xFFU));
}

} // namespace

std::vector<std::uint8_t> MediaItemRecord::encode() const {
    const bool asUtf16 = !isAscii(name);
    const auto flags = static_cast<std::uint8_t>(
        (isFile ? kFileFlag : 0) | (isLast ? kLastItemFlag : 0) | (asUtf16 ? kUtf16Flag : 0));
    std::vector<std::uint8_t> record{kStartMark, 0, 0, static_cast<std::uint8_t>(kind)};
    putWord(record, index);
    record.insert(record.end(), {flags, 0});
    putWord(record, static_cast<std::uint16_t>(id >> 16));
    putWord(record, static_cast<std::uint16_t>(id & 0xFFFFU));
    putName(record, name, asUtf16);
    // L counts everything after itself but the checksum, which is added next.
    const auto length = static_cast<std::uint16_t>(record.size() + 1 - kLengthCovers);
    record[1] = static_cast<std::uint8_t>(length >> 8);
    record[2] = static_cast<std::uint8_t>(length & 0xFFU);
    record.push_back(
        static_cast<std::uint8_t>(std::accumulate(record.begin(), record.end(), 0U) & 0xFFU));
    return record;
}

} // namespace v32::dc
