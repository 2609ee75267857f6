#include "app/link/MainLoop.h"

#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/UiWakeup.h"

namespace v32 {

MainLoop::MainLoop(UiWakeup& wakeup, TimerQueue& timers, Dispatcher& dispatcher)
    : m_wakeup(wakeup)
    , m_timers(timers)
    , m_dispatcher(dispatcher) {}

void MainLoop::runPass() {
    m_wakeup.waitAtMost(kWaitMs);
    if (m_toolkitStep) {
        m_toolkitStep();
    }
    m_timers.process();
    if (m_dispatchEnabled) {
        m_dispatcher.runPass();
    }
}

void MainLoop::run() {
    while (!isQuitting()) {
        runPass();
    }
}

} // namespace v32
