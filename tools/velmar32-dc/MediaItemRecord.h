#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace v32::dc {

// One item of a folder listing, or the report of the playing file, as the media module
// sends it in the data chunks of its status messages:
//   0xAA, L (big-endian; the record is L + 3 bytes), kind, item index (big-endian), flags,
//   a spare byte, identifier (big-endian), name, checksum (8-bit sum of all bytes before it).
// A name in plain ASCII goes as 8-bit text, any other as UTF-16 units low byte first; both
// end with a zero. The control surface drops records longer than 256 bytes, so a name that
// would make one longer is cut, never inside a character.
struct MediaItemRecord {
    enum class Kind : std::uint8_t {
        PlayingFile = 0,
        FolderItem = 1,
        EmptyFolder = 2,
    };

    static constexpr std::uint8_t kStartMark = 0xAA;
    static constexpr std::size_t kMaxSize = 256;
    static constexpr std::uint8_t kFileFlag = 0x01;
    static constexpr std::uint8_t kLastItemFlag = 0x40;
    static constexpr std::uint8_t kUtf16Flag = 0x80;

    Kind kind = Kind::FolderItem;
    std::uint16_t index = 0;
    bool isFile = false;
    bool isLast = false;
    std::uint32_t id = 0;
    // UTF-8; bytes that are not UTF-8 go as U+FFFD.
    std::string_view name;

    std::vector<std::uint8_t> encode() const;
};

} // namespace v32::dc
