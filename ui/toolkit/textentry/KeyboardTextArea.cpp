#include "ui/toolkit/textentry/KeyboardTextArea.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace v32 {

KeyboardTextArea::KeyboardTextArea(QWidget* parent)
    : QTextEdit(parent) {
    setAcceptRichText(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("text entry"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Every way text gets in, typing, input methods and pasting alike, passes the limit.
    connect(this, &QTextEdit::textChanged, this, &KeyboardTextArea::enforceMaxLength);
    setOneLine(true);
}

void KeyboardTextArea::setOneLine(bool oneLine) {
    m_oneLine = oneLine;
    setLineWrapMode(oneLine ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(oneLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void KeyboardTextArea::setText(const QString& text) {
    setPlainText(text.left(kMaxLength));
    centre();
    moveCursor(QTextCursor::End);
}

void KeyboardTextArea::centre() {
    QTextCursor everything(document());
    everything.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    everything.mergeBlockFormat(format);
}

void KeyboardTextArea::insertText(const QString& text) {
    const qsizetype room = kMaxLength - toPlainText().size();
    if (room > 0) {
        insertPlainText(text.left(room));
    }
}

void KeyboardTextArea::removeBeforeCursor(int count) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, count);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

void KeyboardTextArea::moveCursorBy(int step) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(step < 0 ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter,
                        QTextCursor::MoveAnchor, std::abs(step));
    setTextCursor(cursor);
}

void KeyboardTextArea::toggleSign() {
    const QString current = toPlainText();
    setText(current.startsWith(QLatin1Char('-')) ? current.mid(1) : QLatin1Char('-') + current);
}

void KeyboardTextArea::enforceMaxLength() {
    const QString current = toPlainText();
    if (current.size() > kMaxLength) {
        const int cursor = textCursor().position();
        setPlainText(current.left(kMaxLength));
        centre();
        QTextCursor moved = textCursor();
        moved.setPosition(std::min(cursor, kMaxLength));
        setTextCursor(moved);
    }
}

void KeyboardTextArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        emit cancelled();
        return;
    }
    if (m_oneLine && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit ready();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

} // namespace v32
