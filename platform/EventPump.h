#pragma once

namespace v32 {

class ListenerRegistry;
class WheelEncoder;

// The main loop's toolkit step: takes the window's pending input and paint work without
// waiting, frees the widgets whose deletion was deferred, and hands the wheel's steps to the
// page on screen. The loop itself is never handed over to the toolkit, so the link keeps
// being served whatever the window does.
class EventPump {
public:
    EventPump(WheelEncoder& wheel, const ListenerRegistry& listeners);

    void run();

private:
    WheelEncoder& m_wheel;
    const ListenerRegistry& m_listeners;
};

} // namespace v32
