#pragma once

#include "app/core/Application.h"
#include "platform/DesktopShell.h"

#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>

class QWidget;

namespace v32::bench {

// The control surface as the program starts it, without the splash and the debug chooser:
// on the offscreen platform, with discovery kept on loopback, its files in a folder of its
// own and its UDP link aimed at a stand-in on a port of its own. It connects through the
// device list as a user does, but on a row made for the stand-in rather than one found by
// discovery, so that nothing is broadcast. Work runs inside its main loop.
class SurfaceSession {
public:
    static constexpr std::uint32_t kLoopback = 0x7F000001;

    explicit SurfaceSession(std::uint16_t mixerPort);
    ~SurfaceSession();
    SurfaceSession(const SurfaceSession&) = delete;
    SurfaceSession& operator=(const SurfaceSession&) = delete;

    // Starts the program and runs work once its main loop runs; the window closes when work
    // is done, which ends the program. False when the program did not come up.
    bool run(const std::function<void()>& work);

    // Lists the stand-in on the open device list, checks its row and presses Connect; false
    // when the list is not open.
    bool connect();

    // Main-loop passes until done holds or patience runs out.
    bool passUntil(const std::function<bool()>& done, std::chrono::milliseconds patience);
    // Main-loop passes for this long; eachPass runs after every one.
    void passFor(std::chrono::milliseconds time, const std::function<void()>& eachPass = {});

    int readsFinished() const;
    Application& application() { return *m_application; }

private:
    StartupEnvironment environment(std::uint16_t mixerPort) const;
    void touch(const QWidget& widget) const;

    QTemporaryDir m_directory;
    std::FILE* m_log = std::tmpfile();
    std::unique_ptr<Application> m_application;
    std::unique_ptr<DesktopShell> m_shell;
};

} // namespace v32::bench
