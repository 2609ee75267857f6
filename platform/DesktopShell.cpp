#include "platform/DesktopShell.h"

#include "app/core/Application.h"
#include "app/core/NativeConfig.h"
#include "app/core/StartupEnvironment.h"
#include "app/link/ControlPanel.h"
#include "app/link/DeviceDiscovery.h"
#include "app/link/DeviceSelection.h"
#include "app/link/DiscoveryBroadcasts.h"
#include "platform/EventPump.h"
#include "platform/MainWindow.h"
#include "ui/pages/devicelist/DeviceList.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"
#include "ui/toolkit/textentry/TextEntryMode.h"

#include <utility>

namespace v32 {

DesktopShell::DesktopShell(const StartupEnvironment& environment)
    : m_configPath(environment.configPath)
    , m_log(environment.log) {}

DesktopShell::~DesktopShell() {
    detach();
}

bool DesktopShell::open(Application& application) {
    m_application = &application;
    // Without the font file every text falls back to the theme's font, which still reads.
    m_fonts.loadNamedFonts();
    m_screens = std::make_unique<ScreenContext>(
        ScreenContext{.model = application.model(),
                      .fonts = m_fonts,
                      .images = m_images,
                      .root = nullptr,
                      .panel = nullptr,
                      .openDeviceList = [this] { openDeviceList(); }});
    m_home = std::make_unique<HomeScreens>(*m_screens);
    m_home->install(m_registry);
    buildWindow(application);
    hookControlPanel(application);
    hookScreens(application);
    buildDeviceList(application);
    m_window->present();
    m_root->openPage(PageId::Home);
    openDeviceList();
    return m_window->windowHandle() != nullptr;
}

void DesktopShell::openDeviceList() {
    if (m_deviceList != nullptr) {
        m_deviceList->open();
    }
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
    m_screens->root = m_root;
    m_window->setScreen(m_root);
    if (GlobalBar* bar = m_root->globalBar()) {
        m_home->attachGlobalBar(*bar);
    }
}

void DesktopShell::hookControlPanel(Application& application) {
    m_panel = std::make_unique<ControlPanel>(application.model(), application.conditions(),
                                             application.timers(), application.link());
    application.model().setControlPanelHooks(m_panel.get());
    application.model().setPanelEntryMap(&m_panel->stripMap());
    application.dispatcher().setPanelEvents(m_panel.get());
    m_screens->panel = m_panel.get();
}

void DesktopShell::hookScreens(Application& application) {
    m_screenHooks = std::make_unique<RootScreenHooks>(*m_root);
    m_screenHooks->registerIn(application.listeners());
    application.model().setWriteListener(m_screenHooks.get());

    MainLoop& loop = application.mainLoop();
    m_pump = std::make_unique<EventPump>(m_window->wheelEncoder(), application.listeners());
    loop.setToolkitStep([pump = m_pump.get()] { pump->run(); });
    QObject::connect(m_window.get(), &MainWindow::closed, [&loop] { loop.quit(); });
}

// The list broadcasts on the adapters the configuration names, or on every real one.
void DesktopShell::buildDeviceList(Application& application) {
    const DeviceDiscovery discovery(DiscoverySetup{
        .adapters = {},
        .namedAdapters = parseAdapterNames(NativeConfig(m_configPath).readDiscoveryAdapters()),
        .port = DiscoverySetup::kMixerPort,
        .product = application.context().constants,
        .log = m_log,
    });
    m_selection = std::make_unique<DeviceSelection>(application.udpTarget(),
                                                    application.linkState(), application.model());
    m_deviceList = std::make_unique<DeviceList>(
        m_root->screenLayer(), m_fonts, *m_selection,
        [discovery](std::stop_token stop) { return discovery.run(stop); });
    if (GlobalBar* bar = m_root->globalBar()) {
        QObject::connect(bar, &GlobalBar::statusIconClicked, m_deviceList.get(), &DeviceList::open);
    }
}

// Should the application outlive the shell, nothing of it may reach into the freed screens.
void DesktopShell::detach() {
    if (m_application == nullptr) {
        return;
    }
    m_deviceList.reset();
    m_application->mainLoop().setToolkitStep({});
    if (m_screenHooks != nullptr) {
        m_screenHooks->withdrawFrom(m_application->listeners());
    }
    m_application->model().setWriteListener(nullptr);
    m_application->dispatcher().setPanelEvents(nullptr);
    m_application->model().setPanelEntryMap(nullptr);
    m_application->model().setControlPanelHooks(nullptr);
}

} // namespace v32
