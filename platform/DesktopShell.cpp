#include "platform/DesktopShell.h"

#include "app/core/Application.h"
#include "app/core/NativeConfig.h"
#include "app/link/ControlPanel.h"
#include "platform/EventPump.h"
#include "platform/MainWindow.h"
#include "ui/toolkit/PinyinDictionary.h"
#include "ui/toolkit/RootScreen.h"
#include "ui/toolkit/RootScreenHooks.h"
#include "ui/toolkit/TextEntryMode.h"

#include <utility>

namespace v32 {

DesktopShell::DesktopShell(std::filesystem::path configPath)
    : m_configPath(std::move(configPath)) {}

DesktopShell::~DesktopShell() {
    detach();
}

bool DesktopShell::open(Application& application) {
    m_application = &application;
    // Without the font file every text falls back to the theme's font, which still reads.
    m_fonts.loadNamedFonts();
    buildWindow(application);
    hookControlPanel(application);
    hookScreens(application);
    m_window->present();
    m_root->openPage(PageId::Home);
    return m_window->windowHandle() != nullptr;
}

void DesktopShell::buildWindow(Application& application) {
    const RootScreenSetup setup{
        .registry = m_registry,
        .clock = application.clock(),
        .fonts = m_fonts,
        .images = m_images,
        .pinyin = PinyinDictionary::builtIn(),
        .textEntry = readTextEntryMode(NativeConfig(m_configPath)),
        .globalBar = application.context().globalBar != 0,
    };
    m_window = std::make_unique<MainWindow>();
    m_root = new RootScreen(setup);
    m_window->setScreen(m_root);
}

void DesktopShell::hookControlPanel(Application& application) {
    m_panel = std::make_unique<ControlPanel>(application.model(), application.conditions(),
                                             application.timers(), application.link());
    application.model().setControlPanelHooks(m_panel.get());
    application.model().setPanelEntryMap(&m_panel->stripMap());
    application.dispatcher().setPanelEvents(m_panel.get());
}

void DesktopShell::hookScreens(Application& application) {
    m_screenHooks = std::make_unique<RootScreenHooks>(*m_root);
    application.dispatcher().setUiHooks(m_screenHooks.get());
    application.supervisor().setUiHooks(m_screenHooks.get());

    MainLoop& loop = application.mainLoop();
    m_pump = std::make_unique<EventPump>(m_window->wheelEncoder(), *m_screenHooks);
    loop.setToolkitStep([pump = m_pump.get()] { pump->run(); });
    QObject::connect(m_window.get(), &MainWindow::closed, [&loop] { loop.quit(); });
}

// Should the application outlive the shell, nothing of it may reach into the freed screens.
void DesktopShell::detach() {
    if (m_application == nullptr) {
        return;
    }
    m_application->mainLoop().setToolkitStep({});
    m_application->supervisor().setUiHooks(nullptr);
    m_application->dispatcher().setUiHooks(nullptr);
    m_application->dispatcher().setPanelEvents(nullptr);
    m_application->model().setPanelEntryMap(nullptr);
    m_application->model().setControlPanelHooks(nullptr);
}

} // namespace v32
