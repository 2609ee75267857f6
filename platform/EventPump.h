#pragma once

namespace v32 {

class UiHooks;
class WheelEncoder;

// The main loop's toolkit step: takes the window's pending input and paint work without
// waiting, frees the widgets whose deletion was deferred, and hands the wheel's steps to the
// page on screen. The loop itself is never handed over to the toolkit, so the link keeps
// being served whatever the window does.
class EventPump {
public:
    EventPump(WheelEncoder& wheel, UiHooks& ui);

    void run();

private:
    WheelEncoder& m_wheel;
    UiHooks& m_ui;
};

} // namespace v32
