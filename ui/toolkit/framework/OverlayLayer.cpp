#include "ui/toolkit/framework/OverlayLayer.h"

#include <QEvent>

namespace v32 {

OverlayLayer::OverlayLayer(QWidget* parent, const BoxStyle& style)
    : StyledWidget(parent, QSize(), style) {
    setAccessibleRole(QAccessible::Pane);
    if (parent != nullptr) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    setTakesTouches(false);
}

void OverlayLayer::setTakesTouches(bool takes) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !takes);
}

bool OverlayLayer::takesTouches() const {
    return !testAttribute(Qt::WA_TransparentForMouseEvents);
}

void OverlayLayer::showOnTop() {
    show();
    raise();
}

bool OverlayLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return StyledWidget::eventFilter(watched, event);
}

} // namespace v32
