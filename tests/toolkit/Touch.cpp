#include "Touch.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace v32 {

void touch(QWidget& window, QPoint position) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, position);
}

void touch(QWidget& window, const QWidget& widget) {
    touch(window, widget.mapTo(&window, widget.rect().center()));
}

} // namespace v32
