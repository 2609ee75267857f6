#include "bench/SurfaceSession.h"

#include "app/link/FoundDeviceTable.h"
#include "platform/MainWindow.h"
#include "ui/pages/devicelist/DeviceList.h"
#include "ui/pages/devicelist/DeviceListRow.h"
#include "ui/pages/devicelist/DeviceListScreen.h"
#include "ui/toolkit/widgets/Button.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <string_view>

namespace v32::bench {

namespace {

using Steady = std::chrono::steady_clock;

constexpr std::string_view kReadFinished = "read finished!\n";

} // namespace

SurfaceSession::SurfaceSession(std::uint16_t mixerPort) {
    std::ofstream(m_directory.filePath(QStringLiteral("nativecfg.ini")).toStdString())
        << "[app]\nDISCOVERY=lo\n";
    m_application = std::make_unique<Application>(CommandLine{}, environment(mixerPort));
    m_shell = std::make_unique<DesktopShell>(environment(mixerPort));
}

// The shell goes first: it leaves the application as it found it.
SurfaceSession::~SurfaceSession() {
    m_shell.reset();
    m_application.reset();
    std::fclose(m_log);
}

StartupEnvironment SurfaceSession::environment(std::uint16_t mixerPort) const {
    StartupEnvironment env;
    env.configPath = m_directory.filePath(QStringLiteral("nativecfg.ini")).toStdString();
    env.presetPath = m_directory.filePath(QStringLiteral("preset.bin")).toStdString();
    env.headerDirectory = m_directory.path().toStdString();
    // The stand-in is a data centre on this computer, as the demo's is.
    env.probePorts = ProbePorts{.bindPort = 0, .targetPort = mixerPort};
    env.mixerUdpPort = mixerPort;
    env.log = m_log;
    return env;
}

bool SurfaceSession::run(const std::function<void()>& work) {
    bool worked = false;
    m_application->setWindowSetup([this, &work, &worked](Application& started) {
        if (!m_shell->open(started)) {
            return false;
        }
        // Armed now, it fires in the first pass of the main loop, before the device list's
        // first discovery is due.
        QTimer::singleShot(0, m_shell->window(), [this, &work, &worked] {
            work();
            worked = true;
            m_shell->window()->close();
        });
        return true;
    });
    return m_application->run() == 0 && worked;
}

bool SurfaceSession::connect() {
    DeviceListScreen* screen = m_shell->deviceList()->screen();
    if (screen == nullptr) {
        return false;
    }
    FoundDeviceTable standIn;
    standIn.add(kLoopback, "stand-in");
    screen->showDevices(standIn.devices());
    touch(*screen->rows().front());
    touch(screen->connectButton());
    return m_application->udpTarget().address() == kLoopback;
}

void SurfaceSession::touch(const QWidget& widget) const {
    QWidget& window = *m_shell->window();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      widget.mapTo(&window, widget.rect().center()));
}

bool SurfaceSession::passUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds patience) {
    const auto deadline = Steady::now() + patience;
    while (!done()) {
        if (Steady::now() >= deadline) {
            return false;
        }
        m_application->mainLoop().runPass();
    }
    return true;
}

void SurfaceSession::passFor(std::chrono::milliseconds time,
                             const std::function<void()>& eachPass) {
    const auto deadline = Steady::now() + time;
    while (Steady::now() < deadline) {
        m_application->mainLoop().runPass();
        if (eachPass) {
            eachPass();
        }
    }
}

int SurfaceSession::readsFinished() const {
    std::fflush(m_log);
    std::rewind(m_log);
    std::string text;
    for (int c = std::fgetc(m_log); c != EOF; c = std::fgetc(m_log)) {
        text.push_back(static_cast<char>(c));
    }
    // A stream that was read must be positioned before it is written again.
    std::fseek(m_log, 0, SEEK_END);
    int count = 0;
    for (std::size_t at = text.find(kReadFinished); at != std::string::npos;
         at = text.find(kReadFinished, at + kReadFinished.size())) {
        ++count;
    }
    return count;
}

} // namespace v32::bench
