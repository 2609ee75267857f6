#include "app/protocol/TextPayloadReader.h"

namespace v32 {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<std::string_view> TextPayloadReader::valueOf(std::string_view text,
                                                           std::string_view key) {
    TextPayloadReader reader(text);
    while (const std::optional<TextLine> line = reader.next()) {
        if (line->key == key) {
            return line->value;
        }
    }
    return std::nullopt;
}

std::string_view TextPayloadReader::takeLine() {
    const std::size_t end = m_rest.find('\n');
    const std::string_view line = m_rest.substr(0, end);
    m_rest = end == std::string_view::npos ? std::string_view{} : m_rest.substr(end + 1);
    return line;
}

std::optional<TextLine> TextPayloadReader::next() {
    while (!m_rest.empty()) {
        const std::string_view line = takeLine();
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view afterEquals = line.substr(equals + 1);
        const std::string_view key = trimBlanks(line.substr(0, equals));
        const std::string_view value = trimBlanks(afterEquals.substr(0, afterEquals.find('\r')));
        if (key.size() > kMaxFieldLength || value.size() > kMaxFieldLength) {
            m_rest = {};
            return std::nullopt;
        }
        return TextLine{key, value};
    }
    return std::nullopt;
}

} // namespace v32
