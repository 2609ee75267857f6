#include "app/model/PanelRefreshTimer.h"

#include "app/model/ControlPanelHooks.h"

namespace v32 {

PanelRefreshTimer::PanelRefreshTimer(TimerQueue& timers)
    : m_timers(timers) {}

PanelRefreshTimer::~PanelRefreshTimer() {
    m_timers.remove(m_timer);
}

void PanelRefreshTimer::schedule() {
    if (isScheduled()) {
        return;
    }
    m_timer = m_timers.startOneShot(kDelayMs, [this](TimerQueue::Handle) { fire(); });
}

void PanelRefreshTimer::fire() {
    m_timers.remove(m_timer);
    m_timer = {};
    if (m_hooks != nullptr) {
        m_hooks->updatePanelLights();
    }
}

} // namespace v32
