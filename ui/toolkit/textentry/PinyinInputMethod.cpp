#include "ui/toolkit/textentry/PinyinInputMethod.h"

#include "ui/toolkit/textentry/PinyinDictionary.h"

namespace v32 {

PinyinInputMethod::PinyinInputMethod(const PinyinDictionary& dictionary)
    : m_dictionary(dictionary) {}

bool PinyinInputMethod::addLetter(QChar letter) {
    if (letter < QLatin1Char('a') || letter > QLatin1Char('z')) {
        return false;
    }
    m_letters.append(letter);
    lookUp();
    return true;
}

void PinyinInputMethod::removeLetter() {
    if (!m_letters.isEmpty()) {
        m_letters.chop(1);
        lookUp();
    }
}

void PinyinInputMethod::reset() {
    m_letters.clear();
    m_candidates.clear();
}

void PinyinInputMethod::lookUp() {
    const QByteArray letters = m_letters.toLatin1();
    m_candidates = m_dictionary.candidates(
        std::string_view(letters.constData(), static_cast<std::size_t>(letters.size())),
        kCandidateLimit);
}

} // namespace v32
