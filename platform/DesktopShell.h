#pragma once

#include "platform/resources/ResourceDisk.h"
#include "ui/toolkit/FontCache.h"
#include "ui/toolkit/ImageCache.h"
#include "ui/toolkit/PageRegistry.h"

#include <filesystem>
#include <memory>

namespace v32 {

class Application;
class ControlPanel;
class EventPump;
class MainWindow;
class RootScreen;
class RootScreenHooks;

// The window's part of application start: builds the root screen and the control-panel
// support on the model and link that start-up has made, hooks them into the dispatcher,
// the supervisor and the model, makes the window's event pump the main loop's toolkit step
// and lets the window's closing end the loop. It must not outlive the application it opened
// on, and is best destroyed before it, which it leaves as it found it.
class DesktopShell {
public:
    // The configuration file chooses how text is typed.
    explicit DesktopShell(std::filesystem::path configPath);
    ~DesktopShell();

    DesktopShell(const DesktopShell&) = delete;
    DesktopShell& operator=(const DesktopShell&) = delete;

    // False when the window could not be made.
    bool open(Application& application);

    // Null until open().
    MainWindow* window() const { return m_window.get(); }
    RootScreen* rootScreen() const { return m_root; }

private:
    void buildWindow(Application& application);
    void hookControlPanel(Application& application);
    void hookScreens(Application& application);
    void detach();

    std::filesystem::path m_configPath;
    ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    ImageCache m_images{m_disk};
    PageRegistry m_registry;
    Application* m_application = nullptr;
    std::unique_ptr<ControlPanel> m_panel;
    std::unique_ptr<MainWindow> m_window;
    RootScreen* m_root = nullptr;
    std::unique_ptr<RootScreenHooks> m_screenHooks;
    std::unique_ptr<EventPump> m_pump;
};

} // namespace v32
