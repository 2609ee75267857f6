#pragma once

#include <QLineEdit>

namespace v32 {

// The one-line box laid over a field for typing with the computer's own keyboard and input
// methods. Enter finishes the entry and Escape drops it. Once the text holds more than
// kRefuseAbove characters, typed characters are refused (editing keys still work); what is
// selected counts as gone, since typing replaces it.
class NativeTextBox : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kRefuseAbove = 30;

    explicit NativeTextBox(QWidget* parent = nullptr);

    // Lays the box over the area, at least one line of text high, with the text selected.
    void showOver(const QRect& area, const QString& text);

signals:
    void committed();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool isFull() const;
};

} // namespace v32
