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
#include "ui/pages/ScreenSet.h"
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
    hookControlPanel(application);
    m_screenSet = std::make_unique<ScreenSet>(application.model(), m_panel.get());
    // Without the font file every text falls back to the theme's font, which still reads.
    m_screenSet->fonts().loadNamedFonts();
    m_screenSet->screens().listeners = &application.listeners();
    m_screenSet->screens().openDeviceList = [this] { openDeviceList(); };
    m_screenSet->install(m_registry);
    buildWindow(application);
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
        .fonts = m_screenSet->fonts(),
        .images = m_screenSet->images(),
        .pinyin = PinyinDictionary::builtIn(),
        .textEntry = readTextEntryMode(NativeConfig(m_configPath)),
        .globalBar = application.context().globalBar != 0,
    };
    m_window = std::make_unique<MainWindow>();
    m_root = new RootScreen(setup);
    m_window->setScreen(m_root);
    m_screenSet->attach(*m_root);
}

void DesktopShell::hookControlPanel(Application& application) {
    m_panel = std::make_unique<ControlPanel>(application.model(), application.conditions(),
                                             application.timers(), application.link());
    application.model().setControlPanelHooks(m_panel.get());
    application.model().setPanelEntryMap(&m_panel->stripMap());
    application.dispatcher().setPanelEvents(m_panel.get());
}

void DesktopShell::hookScreens(Application& application) {
    m_screenSet->hooks()->registerIn(application.listeners());

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
        m_root->screenLayer(), m_screenSet->fonts(), *m_selection,
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
    if (m_screenSet && m_screenSet->hooks() != nullptr) {
        m_screenSet->hooks()->withdrawFrom(m_application->listeners());
        m_screenSet->detach();
    }
    m_application->dispatcher().setPanelEvents(nullptr);
    m_application->model().setPanelEntryMap(nullptr);
    m_application->model().setControlPanelHooks(nullptr);
}

} // namespace v32
