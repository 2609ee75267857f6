#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>
#include <vector>

namespace v32 {

// Words by their pinyin, for the on-screen keyboard's input method. The text holds
// "pinyin<TAB>word<TAB>weight" lines; malformed lines are skipped. It must outlive the
// dictionary, which points into it.
class PinyinDictionary {
public:
    explicit PinyinDictionary(std::string_view text);

    // The built-in dictionary, read on first use.
    static const PinyinDictionary& builtIn();

    // The words spelt exactly by the letters first, by weight, then the words whose pinyin
    // goes on from them, by weight; at most limit words, none twice.
    QStringList candidates(std::string_view letters, int limit) const;

    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        std::string_view pinyin;
        std::string_view word;
        std::uint32_t weight;
    };

    std::vector<Entry> m_entries;
};

} // namespace v32
