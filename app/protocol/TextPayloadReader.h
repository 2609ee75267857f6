#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace v32 {

// One key=value line of a text payload, viewed in place in the text.
struct TextLine {
    std::string_view key;
    std::string_view value;
};

// Reads the key=value lines of a text payload one by one, without copying. Blanks around
// keys and values are trimmed, lines without "=" are skipped and an empty value is valid.
// Both ends keep keys and values in 64-byte buffers, so a key or value longer than 63
// characters ends the reading of the whole text.
class TextPayloadReader {
public:
    static constexpr std::size_t kMaxFieldLength = 63;

    explicit TextPayloadReader(std::string_view text)
        : m_rest(text) {}

    // Value of the first line with this key.
    static std::optional<std::string_view> valueOf(std::string_view text, std::string_view key);

    // The next line, or nothing once the text is read or reading has been ended.
    std::optional<TextLine> next();

private:
    std::string_view takeLine();

    std::string_view m_rest;
};

} // namespace v32
