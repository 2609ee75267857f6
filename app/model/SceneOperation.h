#pragma once

namespace v32 {

// A scene call or save waiting for the device: sent at most three times, 100 paced runs
// apart, until the device confirms it.
class SceneOperation {
public:
    static constexpr int kTries = 3;
    static constexpr int kRunsBetweenTries = 100;

    // Replaces whatever was pending.
    void start(int scene);
    void clear();

    bool isPending() const { return m_scene != 0; }
    int scene() const { return m_scene; }
    int triesLeft() const { return m_triesLeft; }
    int wait() const { return m_wait; }

    // One paced run: the scene number to send now, or 0. The last try also ends the
    // operation.
    int advance();

private:
    int m_scene = 0;
    int m_triesLeft = 0;
    int m_wait = 0;
};

} // namespace v32
