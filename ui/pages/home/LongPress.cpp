#include "ui/pages/home/LongPress.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace v32 {

LongPress::LongPress(QWidget* widget, std::function<void()> handler)
    : QObject(widget)
    , m_widget(widget)
    , m_handler(std::move(handler)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &LongPress::fire);
    widget->installEventFilter(this);
}

bool LongPress::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_fired = false;
            m_timer.start();
        }
        return false;
    case QEvent::MouseButtonRelease:
        m_timer.stop();
        return swallowRelease(event);
    case QEvent::Hide:
        m_timer.stop();
        return false;
    default:
        return false;
    }
}

void LongPress::fire() {
    m_fired = true;
    if (m_handler) {
        m_handler();
    }
}

// The widget still has to see the finger go up, or it would stay pressed: it is told that
// the finger left it first, which is no click.
bool LongPress::swallowRelease(QEvent* event) {
    if (!m_fired) {
        return false;
    }
    m_fired = false;
    const auto* release = static_cast<QMouseEvent*>(event);
    const QPointF outside(-1, -1);
    QMouseEvent elsewhere(QEvent::MouseButtonRelease, outside, m_widget->mapToGlobal(outside),
                          release->button(), release->buttons(), release->modifiers());
    QCoreApplication::sendEvent(m_widget, &elsewhere);
    return true;
}

} // namespace v32
