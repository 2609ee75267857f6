#include "platform/DesktopShell.h"

#include "app/core/Application.h"
#include "platform/MainWindow.h"
#include "ui/pages/devicelist/DeviceList.h"
#include "ui/toolkit/framework/RootScreen.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace v32 {
namespace {

// The shell opened on an application that has been built but not run, so that nothing
// reaches the network; should the device list's discovery run, it looks on loopback only.
class DesktopShellTest : public ::testing::Test {
protected:
    DesktopShellTest() {
        std::ofstream(configPath()) << "[app]\nDISCOVERY=lo\n";
        shell.emplace(environment());
        opened = shell->open(application);
    }
    ~DesktopShellTest() override {
        shell.reset();
        std::fclose(log);
    }

    std::filesystem::path configPath() const {
        return directory.filePath(QStringLiteral("nativecfg.ini")).toStdString();
    }

    StartupEnvironment environment() const {
        StartupEnvironment env;
        env.configPath = configPath();
        env.presetPath = directory.filePath(QStringLiteral("preset.bin")).toStdString();
        env.log = log;
        return env;
    }

    void turnWheelOverTheScreen() const {
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(shell->rootScreen(), &wheel);
    }

    QTemporaryDir directory;
    std::FILE* log = std::tmpfile();
    Application application{CommandLine{}, environment()};
    std::optional<DesktopShell> shell;
    bool opened = false;
};

TEST_F(DesktopShellTest, ShowsTheRootScreenInTheProgramsWindow) {
    ASSERT_TRUE(opened);
    MainWindow* window = shell->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VELMAR32"));
    ASSERT_NE(shell->rootScreen(), nullptr);
    EXPECT_EQ(shell->rootScreen()->parentWidget(), window);
    EXPECT_EQ(shell->rootScreen()->size(), QSize(1280, 800));
}

TEST_F(DesktopShellTest, TheDeviceListCoversTheScreensAtStart) {
    ASSERT_NE(shell->deviceList(), nullptr);
    EXPECT_TRUE(shell->deviceList()->isOpen());
    EXPECT_TRUE(application.linkState().deviceListOpen);
}

TEST_F(DesktopShellTest, ClosingTheWindowEndsTheMainLoop) {
    EXPECT_FALSE(application.mainLoop().isQuitting());
    shell->window()->close();
    EXPECT_TRUE(application.mainLoop().isQuitting());
}

TEST_F(DesktopShellTest, MainLoopPassHandsTheWheelToThePages) {
    turnWheelOverTheScreen();
    application.mainLoop().runPass();
    EXPECT_EQ(shell->window()->wheelEncoder().takeSteps(), 0) << "the pass read the wheel";
}

// Under the address sanitizer, a pass that reached the freed screens would fail here.
TEST_F(DesktopShellTest, ApplicationThatOutlivesTheShellNoLongerReachesIt) {
    turnWheelOverTheScreen();
    shell.reset();
    application.mainLoop().enableDispatch();
    application.mainLoop().runPass();
    application.supervisor().tick();
    EXPECT_FALSE(application.mainLoop().isQuitting());
}

} // namespace
} // namespace v32
