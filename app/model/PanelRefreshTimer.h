#pragma once

#include "app/core/TimerQueue.h"

#include <cstdint>

namespace v32 {

class ControlPanelHooks;

// Recomputes the control panel's key lights 50 ms after the first of a burst of value
// changes, so that a fader drag costs one recompute rather than one per step.
class PanelRefreshTimer {
public:
    static constexpr std::uint32_t kDelayMs = 50;

    explicit PanelRefreshTimer(TimerQueue& timers);
    ~PanelRefreshTimer();
    PanelRefreshTimer(const PanelRefreshTimer&) = delete;
    PanelRefreshTimer& operator=(const PanelRefreshTimer&) = delete;

    void setHooks(ControlPanelHooks* hooks) { m_hooks = hooks; }

    // Does nothing while a refresh is already scheduled.
    void schedule();
    bool isScheduled() const { return m_timer.isValid(); }

private:
    void fire();

    TimerQueue& m_timers;
    ControlPanelHooks* m_hooks = nullptr;
    TimerQueue::Handle m_timer;
};

} // namespace v32
