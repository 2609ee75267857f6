#include "ui/toolkit/textentry/KeyboardEntry.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/textentry/CandidatePanel.h"
#include "ui/toolkit/textentry/KeyboardTextArea.h"

#include <QGraphicsDropShadowEffect>

namespace v32 {

namespace {

constexpr int kTextAreaFontSize = 32;
constexpr int kCandidateFontSize = 32;
constexpr int kKeyFontSize = 20;
constexpr std::uint16_t kTextAreaBackground = palette::kGrey12;
constexpr std::uint16_t kTextAreaBorder = palette::kGreen;
constexpr int kTextAreaWidthPercent = 30;
constexpr int kKeyboardHeightPercent = 50;
// The number pad needs no more than half the screen's width.
constexpr int kNumberPadWidthPercent = 50;

QString textAreaStyleSheet() {
    return QStringLiteral("QTextEdit { background: %1; color: white; border: 2px solid %2;"
                          " border-radius: 8px; padding: 4px; }")
        .arg(rgb565ToColor(kTextAreaBackground).name(), rgb565ToColor(kTextAreaBorder).name());
}

} // namespace

KeyboardEntry::KeyboardEntry(QWidget& screen, FontCache& fonts, const PinyinDictionary& dictionary)
    : QObject(&screen)
    , m_screen(screen)
    , m_textArea(new KeyboardTextArea(&screen))
    , m_candidates(new CandidatePanel(&screen))
    , m_keyboard(new OnScreenKeyboard(&screen))
    , m_inputMethod(dictionary) {
    m_textArea->setFont(fonts.fontOfSize(kTextAreaFontSize));
    m_textArea->setStyleSheet(textAreaStyleSheet());
    m_textArea->setMinimumSize(kTextAreaMinimumWidth, kTextAreaMinimumHeight);
    auto* shadow = new QGraphicsDropShadowEffect(m_textArea);
    shadow->setColor(rgb565ToColor(kShadowColour));
    shadow->setBlurRadius(kShadowWidth);
    shadow->setOffset(0, 0);
    m_textArea->setGraphicsEffect(shadow);
    m_candidates->setFont(fonts.fontOfSize(kCandidateFontSize));
    m_keyboard->setKeyFont(fonts.fontOfSize(kKeyFontSize));
    connect(m_keyboard, &OnScreenKeyboard::keyActivated, this, &KeyboardEntry::onKey);
    connect(m_candidates, &CandidatePanel::candidateChosen, this, &KeyboardEntry::chooseCandidate);
    connect(m_textArea, &KeyboardTextArea::ready, this, &KeyboardEntry::committed);
    connect(m_textArea, &KeyboardTextArea::cancelled, this, &KeyboardEntry::cancelled);
    close();
}

void KeyboardEntry::open(bool textMode, const QString& text) {
    m_inputMethod.reset();
    m_keyboard->setMode(textMode ? KeyboardMode::TextLower : KeyboardMode::Number);
    m_textArea->setOneLine(!textMode);
    m_textArea->setText(text);
    m_candidates->setCandidates({});
    placeParts(textMode);
    m_textArea->show();
    m_textArea->raise();
    m_keyboard->show();
    m_keyboard->raise();
    m_candidates->setVisible(textMode);
    m_candidates->raise();
    m_textArea->setFocus(Qt::OtherFocusReason);
}

void KeyboardEntry::close() {
    m_inputMethod.reset();
    m_textArea->hide();
    m_candidates->hide();
    m_keyboard->hide();
}

bool KeyboardEntry::isOpen() const {
    return !m_keyboard->isHidden();
}

QString KeyboardEntry::text() const {
    return m_textArea->text();
}

void KeyboardEntry::placeParts(bool textMode) {
    const QRect screen = m_screen.rect();
    const int keyboardHeight = screen.height() * kKeyboardHeightPercent / 100;
    const int keyboardWidth =
        textMode ? screen.width() : screen.width() * kNumberPadWidthPercent / 100;
    const QRect keyboard(screen.left() + (screen.width() - keyboardWidth) / 2,
                         screen.bottom() + 1 - keyboardHeight, keyboardWidth, keyboardHeight);
    m_keyboard->setGeometry(keyboard);
    const QRect panel(screen.left(), keyboard.top() - CandidatePanel::kHeight, screen.width(),
                      CandidatePanel::kHeight);
    m_candidates->setGeometry(panel);
    const int areaWidth =
        std::max(kTextAreaMinimumWidth, screen.width() * kTextAreaWidthPercent / 100);
    const int areaHeight = textMode ? kTextModeHeight : kNumberModeHeight;
    const int above = textMode ? panel.top() : keyboard.top();
    m_textArea->setGeometry(screen.left() + (screen.width() - areaWidth) / 2,
                            screen.top() + (above - screen.top() - areaHeight) / 2, areaWidth,
                            areaHeight);
}

void KeyboardEntry::onKey(KeyAction action, const QString& text) {
    switch (action) {
    case KeyAction::Insert:
        typeCharacter(text);
        break;
    case KeyAction::Backspace:
        m_textArea->removeBeforeCursor(1);
        m_inputMethod.removeLetter();
        showCandidates();
        break;
    case KeyAction::Enter:
        endComposition();
        if (m_textArea->isOneLine()) {
            emit committed();
        } else {
            m_textArea->insertText(QStringLiteral("\n"));
        }
        break;
    case KeyAction::Left:
    case KeyAction::Right:
        endComposition();
        m_textArea->moveCursorBy(action == KeyAction::Left ? -1 : 1);
        break;
    case KeyAction::Close:
        emit cancelled();
        break;
    case KeyAction::Ok:
        emit committed();
        break;
    case KeyAction::ToggleSign:
        m_textArea->toggleSign();
        break;
    case KeyAction::ShowLower:
    case KeyAction::ShowUpper:
    case KeyAction::ShowSymbols:
        endComposition();
        break;
    }
}

void KeyboardEntry::typeCharacter(const QString& text) {
    const bool spellsPinyin = m_keyboard->mode() == KeyboardMode::TextLower && text.size() == 1 &&
                              m_textArea->text().size() < KeyboardTextArea::kMaxLength;
    if (!(spellsPinyin && m_inputMethod.addLetter(text.front()))) {
        endComposition();
    }
    m_textArea->insertText(text);
    showCandidates();
}

void KeyboardEntry::chooseCandidate(const QString& word) {
    m_textArea->removeBeforeCursor(static_cast<int>(m_inputMethod.letters().size()));
    m_textArea->insertText(word);
    endComposition();
    m_textArea->setFocus(Qt::OtherFocusReason);
}

void KeyboardEntry::endComposition() {
    m_inputMethod.reset();
    showCandidates();
}

void KeyboardEntry::showCandidates() {
    if (m_candidates->candidates() != m_inputMethod.candidates()) {
        m_candidates->setCandidates(m_inputMethod.candidates());
    }
}

} // namespace v32
