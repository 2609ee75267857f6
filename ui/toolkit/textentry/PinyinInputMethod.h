#pragma once

#include <QString>
#include <QStringList>

namespace v32 {

class PinyinDictionary;

// The letters typed since the last word was chosen, and the words they may spell. The
// letters themselves stay in the text as typed; choosing a word replaces them.
class PinyinInputMethod {
public:
    static constexpr int kCandidateLimit = 60;

    explicit PinyinInputMethod(const PinyinDictionary& dictionary);

    bool isComposing() const { return !m_letters.isEmpty(); }
    const QString& letters() const { return m_letters; }
    const QStringList& candidates() const { return m_candidates; }

    // Only the letters a to z spell pinyin; false for anything else, which is then plain text.
    bool addLetter(QChar letter);
    void removeLetter();
    void reset();

private:
    void lookUp();

    const PinyinDictionary& m_dictionary;
    QString m_letters;
    QStringList m_candidates;
};

} // namespace v32
