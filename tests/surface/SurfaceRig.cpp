#include "tests/surface/SurfaceRig.h"

#include "app/model/StatusBytes.h"
#include "platform/MainWindow.h"
#include "ui/pages/devicelist/DeviceList.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/BriefContPage.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/widgets/Fader.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <sstream>

namespace v32::surface {

namespace {

using Steady = std::chrono::steady_clock;

constexpr std::uint16_t kMixerPort = 8086;

} // namespace

dc::ProgramOptions SurfaceRig::mixerOnLoopback() {
    dc::ProgramOptions options;
    options.udpPort = kMixerPort;
    options.tcpEnabled = false;
    options.console = false;
    options.mixer.deviceName = kMixerName;
    return options;
}

SurfaceRig::SurfaceRig() {
    std::ofstream(m_directory.filePath(QStringLiteral("nativecfg.ini")).toStdString())
        << "[app]\nDISCOVERY=lo\n";
    application = std::make_unique<Application>(CommandLine{}, environment(), &m_host);
    shell = std::make_unique<DesktopShell>(environment());
}

// The shell goes first: it leaves the application as it found it.
SurfaceRig::~SurfaceRig() {
    shell.reset();
    application.reset();
    std::fclose(m_log);
}

StartupEnvironment SurfaceRig::environment() const {
    StartupEnvironment env;
    env.configPath = m_directory.filePath(QStringLiteral("nativecfg.ini")).toStdString();
    env.presetPath = m_directory.filePath(QStringLiteral("preset.bin")).toStdString();
    env.headerDirectory = m_directory.path().toStdString();
    env.log = m_log;
    return env;
}

int SurfaceRig::runInMainLoop(const std::function<void()>& road) {
    application->setWindowSetup([this, &road](Application& started) {
        if (!shell->open(started)) {
            return false;
        }
        // Armed now, it fires in the first pass of the main loop.
        QTimer::singleShot(0, shell->window(), [this, &road] {
            road();
            shell->window()->close();
        });
        return true;
    });
    return application->run();
}

bool SurfaceRig::passUntil(const std::function<bool()>& done, std::chrono::milliseconds patience) {
    const auto deadline = Steady::now() + patience;
    while (!done()) {
        if (Steady::now() >= deadline) {
            return false;
        }
        application->mainLoop().runPass();
    }
    return true;
}

void SurfaceRig::passFor(std::chrono::milliseconds time) {
    const auto deadline = Steady::now() + time;
    while (Steady::now() < deadline) {
        application->mainLoop().runPass();
    }
}

bool SurfaceRig::passThroughTheReadAfterComingOnline() {
    if (!passUntil([this] { return application->supervisor().isFullReadDoneOnce(); })) {
        return false;
    }
    // The read's timer is served by the passes, which wait at most one loop period.
    passFor(std::chrono::milliseconds(LinkSupervisor::kFullReadDelayMs + 5 * MainLoop::kWaitMs));
    return passUntil(
        [this] { return application->model().status().isSet(StatusBytes::kFullReadDone); },
        kReadPatience);
}

QWidget& SurfaceRig::window() const {
    return *shell->window();
}

void SurfaceRig::touch(const QWidget& widget) const {
    QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {},
                      widget.mapTo(&window(), widget.rect().center()));
}

void SurfaceRig::dragKnobBy(const Fader& fader, int pixels) const {
    const QPoint grip = fader.mapTo(&window(), fader.knobRect().center());
    const QPoint end = grip + QPoint(0, pixels);
    QWindow* handle = window().windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(0, pixels / 2));
    QTest::mouseMove(handle, end);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
}

int SurfaceRig::logLines(const std::string& line) const {
    std::fflush(m_log);
    std::rewind(m_log);
    std::string text;
    for (int c = std::fgetc(m_log); c != EOF; c = std::fgetc(m_log)) {
        text.push_back(static_cast<char>(c));
    }
    // A stream that was read must be positioned before it is written again.
    std::fseek(m_log, 0, SEEK_END);
    std::istringstream lines(text);
    int count = 0;
    for (std::string logged; std::getline(lines, logged);) {
        count += logged == line ? 1 : 0;
    }
    return count;
}

std::uint16_t SurfaceRig::mixerValue(ParamId id) {
    return standIn.call([id](dc::StandIn& s) { return s.dataCentre().parameters().value(id); });
}

void SurfaceRig::changeAtMixer(ParamId id, std::uint16_t value) {
    standIn.call([id, value](dc::StandIn& s) { s.dataCentre().changeParameter(id, value); });
}

DeviceListScreen* SurfaceRig::deviceListScreen() const {
    return shell->deviceList()->screen();
}

BankOverviewPage* SurfaceRig::overview() const {
    return shell->rootScreen()->findChild<BankOverviewPage*>();
}

HomeTabBar* SurfaceRig::tabBar() const {
    auto* page = shell->rootScreen()->findChild<BriefContPage*>();
    return page == nullptr ? nullptr : &page->tabBar();
}

} // namespace v32::surface
