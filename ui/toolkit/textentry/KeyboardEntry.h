#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/textentry/OnScreenKeyboard.h"
#include "ui/toolkit/textentry/PinyinInputMethod.h"

#include <QObject>

namespace v32 {

class CandidatePanel;
class FontCache;
class KeyboardTextArea;

// Typing on the screen itself: the text area in the middle, the on-screen keyboard at the
// bottom and, for names, the pinyin words above it. Small letters are pinyin too: they are
// typed as they are, and choosing an offered word replaces them with it.
class KeyboardEntry : public QObject {
    Q_OBJECT

public:
    static constexpr int kTextAreaMinimumWidth = 256;
    static constexpr int kTextAreaMinimumHeight = 64;
    static constexpr int kTextModeHeight = 140;
    static constexpr int kNumberModeHeight = 72;
    static constexpr std::uint16_t kShadowColour = palette::kGreen;
    static constexpr int kShadowWidth = 20;

    // The parts are made on the screen, hidden.
    KeyboardEntry(QWidget& screen, FontCache& fonts, const PinyinDictionary& dictionary);

    // Text mode takes names on several lines; number mode one line of digits.
    void open(bool textMode, const QString& text);
    void close();
    bool isOpen() const;
    QString text() const;

    KeyboardTextArea& textArea() const { return *m_textArea; }
    CandidatePanel& candidatePanel() const { return *m_candidates; }
    OnScreenKeyboard& keyboard() const { return *m_keyboard; }
    const PinyinInputMethod& inputMethod() const { return m_inputMethod; }

signals:
    void committed();
    void cancelled();

private:
    void placeParts(bool textMode);
    void onKey(KeyAction action, const QString& text);
    void typeCharacter(const QString& text);
    void chooseCandidate(const QString& word);
    void endComposition();
    void showCandidates();

    QWidget& m_screen;
    KeyboardTextArea* m_textArea;
    CandidatePanel* m_candidates;
    OnScreenKeyboard* m_keyboard;
    PinyinInputMethod m_inputMethod;
};

} // namespace v32
