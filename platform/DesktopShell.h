#pragma once

#include "ui/toolkit/framework/PageRegistry.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace v32 {

class Application;
class ControlPanel;
class DeviceList;
class DeviceSelection;
class EventPump;
class MainWindow;
class RootScreen;
class ScreenSet;
struct StartupEnvironment;

// The window's part of application start: builds the root screen and the control-panel
// support on the model and link that start-up has made, registers the root screen as a
// listener of the device link, hooks both into the dispatcher and the model, makes the
// window's event pump the main loop's toolkit step and lets the window's closing end the
// loop; then covers the screens with the device list.
// It must not outlive the application it opened on, and is best destroyed before it, which
// it leaves as it found it.
class DesktopShell {
public:
    // The configuration file chooses how text is typed and where discovery looks; the
    // discovery's lines go to the log.
    explicit DesktopShell(const StartupEnvironment& environment);
    ~DesktopShell();

    DesktopShell(const DesktopShell&) = delete;
    DesktopShell& operator=(const DesktopShell&) = delete;

    // False when the window could not be made.
    bool open(Application& application);

    // Null until open().
    MainWindow* window() const { return m_window.get(); }
    RootScreen* rootScreen() const { return m_root; }
    DeviceList* deviceList() const { return m_deviceList.get(); }

    // Covers the screens with the device list, or brings it to the front.
    void openDeviceList();

private:
    void buildWindow(Application& application);
    void hookControlPanel(Application& application);
    void hookScreens(Application& application);
    void buildDeviceList(Application& application);
    void detach();

    std::filesystem::path m_configPath;
    std::FILE* m_log;
    PageRegistry m_registry;
    Application* m_application = nullptr;
    std::unique_ptr<ControlPanel> m_panel;
    // Made on open(), when the model exists; outlives the pages it installs, which live in
    // the window.
    std::unique_ptr<ScreenSet> m_screenSet;
    std::unique_ptr<MainWindow> m_window;
    RootScreen* m_root = nullptr;
    std::unique_ptr<EventPump> m_pump;
    // Gone before the window that shows it.
    std::unique_ptr<DeviceSelection> m_selection;
    std::unique_ptr<DeviceList> m_deviceList;
};

} // namespace v32
