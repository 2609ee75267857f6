#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace v32 {

// Tells a long press on a widget apart from a tap: a finger held still for kDelayMs calls
// the handler, and the release that follows is not a click, so the widget's own tap action
// does not run as well.
class LongPress : public QObject {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 400;

    // Watches the widget for as long as both live.
    LongPress(QWidget* widget, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fire();
    bool swallowRelease(QEvent* event);

    QWidget* m_widget;
    std::function<void()> m_handler;
    QTimer m_timer;
    bool m_fired = false;
};

} // namespace v32
