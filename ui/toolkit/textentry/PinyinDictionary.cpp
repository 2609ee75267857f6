#include "ui/toolkit/textentry/PinyinDictionary.h"

#include "ui/toolkit/textentry/PinyinDictionaryText.h"

#include <QSet>
#include <algorithm>
#include <charconv>

namespace v32 {

namespace {

std::string_view nextField(std::string_view& line) {
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

} // namespace

PinyinDictionary::PinyinDictionary(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::string_view pinyin = nextField(line);
        const std::string_view word = nextField(line);
        std::uint32_t weight = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), weight);
        if (pinyin.empty() || word.empty() || error != std::errc() ||
            rest != line.data() + line.size()) {
            continue;
        }
        m_entries.push_back({pinyin, word, weight});
    }
    // The generated text is in this order already; other texts are put in it.
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.pinyin != b.pinyin ? a.pinyin < b.pinyin : a.weight > b.weight;
    });
}

const PinyinDictionary& PinyinDictionary::builtIn() {
    static const PinyinDictionary dictionary(pinyinDictionaryText());
    return dictionary;
}

QStringList PinyinDictionary::candidates(std::string_view letters, int limit) const {
    QStringList words;
    if (letters.empty() || limit <= 0) {
        return words;
    }
    const auto byPinyin = [](const Entry& entry, std::string_view key) {
        return entry.pinyin < key;
    };
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), letters, byPinyin);
    const auto isExact = [letters](const Entry& entry) { return entry.pinyin == letters; };
    const auto startsWith = [letters](const Entry& entry) {
        return entry.pinyin.substr(0, letters.size()) == letters;
    };
    const auto exactEnd = std::find_if_not(first, m_entries.end(), isExact);
    const auto prefixEnd = std::find_if_not(exactEnd, m_entries.end(), startsWith);

    std::vector<Entry> longer(exactEnd, prefixEnd);
    std::stable_sort(longer.begin(), longer.end(),
                     [](const Entry& a, const Entry& b) { return a.weight > b.weight; });

    QSet<QString> seen;
    const auto addUpToLimit = [&](auto begin, auto end) {
        for (auto entry = begin; entry != end && words.size() < limit; ++entry) {
            const QString word =
                QString::fromUtf8(entry->word.data(), static_cast<qsizetype>(entry->word.size()));
            if (!seen.contains(word)) {
                seen.insert(word);
                words.append(word);
            }
        }
    };
    addUpToLimit(first, exactEnd);
    addUpToLimit(longer.begin(), longer.end());
    return words;
}

} // namespace v32
