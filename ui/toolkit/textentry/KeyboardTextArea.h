#pragma once

#include <QTextEdit>

namespace v32 {

// The text being typed on the on-screen keyboard: centred, at most kMaxLength characters,
// one line for numbers or several for names. Enter on one line, like the keyboard's OK
// key, finishes the entry; Escape drops it.
class KeyboardTextArea : public QTextEdit {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 32;

    explicit KeyboardTextArea(QWidget* parent = nullptr);

    bool isOneLine() const { return m_oneLine; }
    void setOneLine(bool oneLine);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);
    // At the cursor, as far as the length allows.
    void insertText(const QString& text);
    // The characters before the cursor.
    void removeBeforeCursor(int count);
    void moveCursorBy(int step);
    // Puts a minus sign in front of the text, or takes it away.
    void toggleSign();

signals:
    void ready();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enforceMaxLength();
    void centre();

    bool m_oneLine = true;
};

} // namespace v32
