#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <utility>

namespace v32 {

class Dispatcher;
class TimerQueue;
class UiWakeup;

// The UI thread's loop. Each pass waits for the link's wake-up for at most kWaitMs, runs
// one step of the UI toolkit and the program's timers, and then one dispatch pass, until
// the window host asks it to quit.
class MainLoop {
public:
    static constexpr std::uint32_t kWaitMs = 20;

    using ToolkitStep = std::function<void()>;

    MainLoop(UiWakeup& wakeup, TimerQueue& timers, Dispatcher& dispatcher);

    // Input, drawing and animation of the window; nothing until a window exists.
    void setToolkitStep(ToolkitStep step) { m_toolkitStep = std::move(step); }

    // The last step of start-up: incoming data are handled from then on.
    void enableDispatch() { m_dispatchEnabled = true; }
    bool isDispatchEnabled() const { return m_dispatchEnabled; }

    // The window host calls it when the window closes; safe from any thread.
    void quit() { m_quit.store(true, std::memory_order_relaxed); }
    bool isQuitting() const { return m_quit.load(std::memory_order_relaxed); }

    void runPass();
    // Passes until quit() is called.
    void run();

private:
    UiWakeup& m_wakeup;
    TimerQueue& m_timers;
    Dispatcher& m_dispatcher;
    ToolkitStep m_toolkitStep;
    bool m_dispatchEnabled = false;
    std::atomic<bool> m_quit{false};
};

} // namespace v32
