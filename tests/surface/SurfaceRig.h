#pragma once

#include "app/core/Application.h"
#include "app/protocol/ParamId.h"
#include "platform/DesktopShell.h"
#include "platform/QtStartupHost.h"
#include "tests/e2e/StandInThread.h"

#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class QWidget;

namespace v32 {

class BankOverviewPage;
class DeviceListScreen;
class Fader;
class HomeTabBar;

namespace surface {

// The control surface started as the program starts it, on the offscreen platform, with a
// configuration that keeps discovery on loopback and its files in a folder of its own, and
// the stand-in data centre in this process where a mixer on this network would answer:
// 127.0.0.1, port 8086. The road runs inside the program's main loop; every wait runs more
// passes of that loop and gives up after a few seconds.
class SurfaceRig : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kPatience{5000};
    // A full read is 98 queries of 60 identifiers and their reports, under the sanitizers.
    static constexpr std::chrono::milliseconds kReadPatience{15000};
    static constexpr std::uint32_t kLoopback = 0x7F000001;
    static constexpr const char* kMixerName = "Stage left";

    SurfaceRig();
    ~SurfaceRig() override;

    // Starts the program and runs road once its main loop runs; closing the window when
    // road is done ends the program. Its exit code.
    int runInMainLoop(const std::function<void()>& road);

    bool passUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds patience = kPatience);
    void passFor(std::chrono::milliseconds time);

    // Coming online starts a full read of its own a second later: passes until it is over,
    // so that nothing the mixer changes afterwards can reach the screens through it.
    bool passThroughTheReadAfterComingOnline();

    // A finger on the middle of a widget of the window, through the window system, so that
    // it reaches whatever lies on top there.
    void touch(const QWidget& widget) const;
    // Takes the fader's knob and moves it by pixels, down when positive.
    void dragKnobBy(const Fader& fader, int pixels) const;

    // Lines the program has logged so far that read exactly line.
    int logLines(const std::string& line) const;

    std::uint16_t mixerValue(ParamId id);
    // A change made at the desk: the stand-in notifies every client.
    void changeAtMixer(ParamId id, std::uint16_t value);

    // Null while the list is closed.
    DeviceListScreen* deviceListScreen() const;
    // Null until the home screen has built them.
    BankOverviewPage* overview() const;
    HomeTabBar* tabBar() const;

    std::unique_ptr<Application> application;
    std::unique_ptr<DesktopShell> shell;
    e2e::StandInThread standIn{mixerOnLoopback()};

private:
    static dc::ProgramOptions mixerOnLoopback();
    StartupEnvironment environment() const;
    QWidget& window() const;

    QTemporaryDir m_directory;
    std::FILE* m_log = std::tmpfile();
    QtStartupHost m_host;
};

} // namespace surface
} // namespace v32
