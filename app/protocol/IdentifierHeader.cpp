#include "app/protocol/IdentifierHeader.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace v32 {

namespace {

constexpr const char* kUndefinedName = "ID_UNDEF";

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The text between the braces of the first enumeration typedef; empty when there is none.
std::string_view enumerationBody(std::string_view text) {
    constexpr std::string_view keyword = "typedef enum";
    const std::size_t keywordAt = text.find(keyword);
    if (keywordAt == std::string_view::npos) {
        return {};
    }
    const std::size_t openAt = text.find('{', keywordAt + keyword.size());
    if (openAt == std::string_view::npos) {
        return {};
    }
    const std::size_t closeAt = text.find('}', openAt + 1);
    if (closeAt == std::string_view::npos) {
        return {};
    }
    return text.substr(openAt + 1, closeAt - openAt - 1);
}

// Position just past the comment that starts at position at, or at itself when none does.
// An unterminated comment runs to the end of the text.
std::size_t skipComment(std::string_view text, std::size_t at) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("/*")) {
        const std::size_t end = text.find("*/", at + 2);
        return end == std::string_view::npos ? text.size() : end + 2;
    }
    if (rest.starts_with("//")) {
        const std::size_t end = text.find('\n', at + 2);
        return end == std::string_view::npos ? text.size() : end + 1;
    }
    return at;
}

// Every maximal run of name characters outside comments, in order. The header lists its
// names without values, so position in this list is the identifier.
std::vector<std::string> namesIn(std::string_view body) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < body.size()) {
        const std::size_t afterComment = skipComment(body, at);
        if (afterComment != at) {
            at = afterComment;
        } else if (isNameCharacter(body[at])) {
            const std::size_t start = at;
            while (at < body.size() && isNameCharacter(body[at])) {
                ++at;
            }
            names.emplace_back(body.substr(start, at - start));
        } else {
            ++at;
        }
    }
    return names;
}

} // namespace

bool IdentifierHeader::parseFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        names_.clear();
        std::fputs("Error reading file\n", stderr);
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return parseText(text);
}

bool IdentifierHeader::parseText(std::string_view text) {
    names_ = namesIn(enumerationBody(text));
    const bool accepted =
        names_.size() == static_cast<std::size_t>(kNameCount) && names_.back() == kLastName;
    if (!accepted) {
        names_.clear();
    }
    return accepted;
}

const char* IdentifierHeader::nameOf(ParamId id) const {
    return id < names_.size() ? names_[id].c_str() : kUndefinedName;
}

} // namespace v32
