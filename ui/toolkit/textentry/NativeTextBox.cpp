#include "ui/toolkit/textentry/NativeTextBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace v32 {

NativeTextBox::NativeTextBox(QWidget* parent)
    : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("text entry"));
    hide();
}

void NativeTextBox::showOver(const QRect& area, const QString& text) {
    // The size hint is one line of the font with the frame round it.
    setGeometry(area.x(), area.y(), area.width(), std::max(area.height(), sizeHint().height()));
    setText(text);
    show();
    raise();
    selectAll();
    setFocus(Qt::OtherFocusReason);
}

bool NativeTextBox::isFull() const {
    return text().size() - selectedText().size() > kRefuseAbove;
}

void NativeTextBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit committed();
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable && isFull()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NativeTextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && isFull()) {
        // The composition ends without adding the composed text.
        QInputMethodEvent refused(QString(), {});
        QLineEdit::inputMethodEvent(&refused);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

} // namespace v32
