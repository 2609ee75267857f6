#include "platform/EventPump.h"

#include "platform/WheelEncoder.h"

#include <QCoreApplication>
#include <QEvent>

namespace v32 {

EventPump::EventPump(WheelEncoder& wheel, UiHooks& ui)
    : m_wheel(wheel)
    , m_ui(ui) {}

void EventPump::run() {
    QCoreApplication::processEvents();
    // Outside a running event loop, deleteLater() waits for this explicit call.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_wheel.deliverTo(m_ui);
}

} // namespace v32
