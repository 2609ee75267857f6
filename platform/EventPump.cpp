#include "platform/EventPump.h"

#include "platform/WheelEncoder.h"

#include <QCoreApplication>
#include <QEvent>

namespace v32 {

EventPump::EventPump(WheelEncoder& wheel, const ListenerRegistry& listeners)
    : m_wheel(wheel)
    , m_listeners(listeners) {}

void EventPump::run() {
    QCoreApplication::processEvents();
    // Outside a running event loop, deleteLater() waits for this explicit call.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_wheel.deliverTo(m_listeners);
}

} // namespace v32
