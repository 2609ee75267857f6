#pragma once

#include <QPoint>

class QWidget;

namespace v32 {

// A finger on the window at a point of it: the press and release go through the window
// system, so they reach whatever widget lies on top there, as real touches do.
void touch(QWidget& window, QPoint position);

// The same on the middle of a widget inside the window.
void touch(QWidget& window, const QWidget& widget);

} // namespace v32
