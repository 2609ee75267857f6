#include "app/link/MainLoop.h"

#include "app/core/Application.h"
#include "app/core/ManualClock.h"
#include "app/link/FrameDump.h"
#include "app/link/UdpLink.h"
#include "app/protocol/Frame.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PayloadText.h"
#include "tests/link/DispatcherBench.h"
#include "tests/link/LoopbackUdpSocket.h"
#include "tests/link/WaitUntil.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace v32 {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::DispatcherBench;
using test::pairFrame;
using ::testing::Contains;
using ::testing::ElementsAre;

// A parameter whose factory default is not 0, so that it shows the store was filled.
constexpr ParamId kParamWithDefault = 4977;
constexpr std::uint16_t kItsDefault = 13398;

TEST(MainLoopTest, PassRunsTheToolkitThenTheTimersThenOneDispatchPass) {
    DispatcherBench bench;
    MainLoop& loop = bench.rig.mainLoop;
    std::vector<std::string> order;
    loop.setToolkitStep(
        [&] { order.push_back("toolkit after " + std::to_string(bench.ui.mediaSteps())); });
    bench.rig.timers.startPeriodic(0, [&](TimerQueue::Handle) {
        order.push_back("timer after " + std::to_string(bench.ui.mediaSteps()));
    });
    loop.enableDispatch();

    for (int pass = 0; pass < 2; ++pass) {
        bench.rig.wakeup.release();
        loop.runPass();
    }

    EXPECT_THAT(
        order, ElementsAre("toolkit after 0", "timer after 0", "toolkit after 1", "timer after 1"));
    EXPECT_EQ(bench.ui.mediaSteps(), 2);
}

TEST(MainLoopTest, DispatchesOnlyOnceStartUpHasEnabledIt) {
    DispatcherBench bench;
    MainLoop& loop = bench.rig.mainLoop;
    bench.transport.receive(pairFrame(MSG_PARAM_QUERY, {{100, 7}}));

    bench.rig.wakeup.release();
    loop.runPass();
    EXPECT_EQ(bench.ui.mediaSteps(), 0);
    EXPECT_NE(bench.rig.model.value(100), 7);

    loop.enableDispatch();
    bench.rig.wakeup.release();
    loop.runPass();
    EXPECT_EQ(bench.rig.model.value(100), 7);
}

TEST(MainLoopTest, PassWaitsForTheWakeUpAtMostTwentyMilliseconds) {
    DispatcherBench bench;
    MainLoop& loop = bench.rig.mainLoop;

    const auto start = std::chrono::steady_clock::now();
    loop.runPass();
    const auto waited = std::chrono::steady_clock::now() - start;

    EXPECT_GE(waited, std::chrono::milliseconds(MainLoop::kWaitMs));
    EXPECT_LT(waited, 2s);

    bench.rig.wakeup.release();
    loop.runPass();
    EXPECT_FALSE(bench.rig.wakeup.waitAtMost(0)) << "the pass took the wake-up";
}

TEST(MainLoopTest, RunEndsOnceQuitIsAsked) {
    DispatcherBench bench;
    MainLoop& loop = bench.rig.mainLoop;
    int steps = 0;
    loop.setToolkitStep([&] {
        bench.rig.wakeup.release();
        if (++steps == 3) {
            loop.quit();
        }
    });

    loop.run();

    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(loop.isQuitting());
}

// Start-up with its files in a directory of its own and a local-device probe that nobody
// answers.
class ApplicationStart {
public:
    ApplicationStart()
        : m_directory(std::filesystem::temp_directory_path() /
                      ("velmar32-main-loop-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_directory);
    }
    ~ApplicationStart() {
        std::fclose(m_log);
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
    ApplicationStart(const ApplicationStart&) = delete;
    ApplicationStart& operator=(const ApplicationStart&) = delete;

    StartupEnvironment environment() const {
        StartupEnvironment environment;
        environment.configPath = m_directory / "nativecfg.ini";
        environment.presetPath = m_directory / "preset.bin";
        environment.headerDirectory = m_directory;
        environment.probePorts = {0, m_silentDataCentre.port()};
        environment.log = m_log;
        return environment;
    }

private:
    std::filesystem::path m_directory;
    LoopbackUdpSocket m_silentDataCentre;
    std::FILE* m_log = std::tmpfile();
};

TEST(MainLoopTest, ApplicationRunsTheMainLoopUntilTheWindowCloses) {
    const ApplicationStart start;
    Application application(CommandLine(), start.environment());
    int steps = 0;
    bool dispatchEnabledAtSetup = true;
    application.setWindowSetup([&](Application& app) {
        dispatchEnabledAtSetup = app.mainLoop().isDispatchEnabled();
        app.mainLoop().setToolkitStep([&app, &steps] {
            if (++steps == 3) {
                app.mainLoop().quit();
            }
        });
        return true;
    });

    EXPECT_EQ(application.run(), 0);

    EXPECT_EQ(steps, 3);
    EXPECT_FALSE(dispatchEnabledAtSetup) << "the screens are hooked in before data arrive";
    EXPECT_TRUE(application.mainLoop().isDispatchEnabled());
    EXPECT_EQ(application.link().type(), kBuiltLinkType);
    EXPECT_EQ(application.model().sceneName(16), "Scene16");
    EXPECT_EQ(application.model().value(kParamWithDefault), kItsDefault);
}

TEST(MainLoopTest, ApplicationEndsWithMinusOneWhenTheWindowCannotBeMade) {
    const ApplicationStart start;
    Application application(CommandLine(), start.environment());
    application.setWindowSetup([](Application&) { return false; });

    EXPECT_EQ(application.run(), -1);
    EXPECT_FALSE(application.mainLoop().isDispatchEnabled());
}

// A data centre on the loopback interface: answers each parameter query with a report of
// every identifier asked for, valued by valueOf, and keeps the text queries it receives.
class LoopbackDataCentre {
public:
    static std::uint16_t valueOf(ParamId id) { return static_cast<std::uint16_t>(id ^ 0x5A5A); }

    LoopbackDataCentre()
        : m_thread([this] { serve(); }) {}
    ~LoopbackDataCentre() {
        m_stopping = true;
        m_thread.join();
    }
    LoopbackDataCentre(const LoopbackDataCentre&) = delete;
    LoopbackDataCentre& operator=(const LoopbackDataCentre&) = delete;

    std::uint16_t port() const { return m_socket.port(); }

    std::vector<std::string> textQueries() const {
        const std::lock_guard lock(m_mutex);
        return m_textQueries;
    }

private:
    void serve() {
        while (!m_stopping) {
            if (const auto datagram = m_socket.receive(10ms)) {
                answer(*datagram);
            }
        }
    }

    void answer(const LoopbackUdpSocket::Datagram& datagram) {
        const std::span<const std::uint8_t> payload = framePayload(datagram.bytes);
        if (checkFrame(datagram.bytes).status != FrameStatus::Ok) {
            return;
        }
        if (datagram.bytes[2] == MSG_TEXT_QUERY) {
            const std::lock_guard lock(m_mutex);
            m_textQueries.emplace_back(payloadText(payload));
        } else if (datagram.bytes[2] == MSG_PARAM_QUERY) {
            std::vector<ParamPair> pairs;
            for (std::size_t at = 0; at + kIdSize <= payload.size(); at += kIdSize) {
                const ParamId id = readWord(payload, at);
                pairs.push_back({id, valueOf(id)});
            }
            m_socket.sendTo(datagram.senderPort, pairFrame(MSG_PARAM_QUERY, pairs));
        }
    }

    LoopbackUdpSocket m_socket;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_textQueries;
    std::thread m_thread;
};

TEST(MainLoopLoopbackTest, FullReadOverUdpFillsTheStoreAndEndsWithTheDeviceQueries) {
    const LoopbackDataCentre dataCentre;
    ASSERT_NE(dataCentre.port(), 0);
    const DebugSwitches quiet;
    const ManualClock dumpClock;
    const FrameDump dump(quiet, dumpClock);
    UdpTarget target;
    UiWakeup wakeup;
    UdpLink udp(target, wakeup, dump, dataCentre.port());
    test::DispatcherRig rig(udp, wakeup);
    MainLoop& loop = rig.mainLoop;
    target.set(0x7F000001);
    ASSERT_TRUE(rig.link.open());
    rig.model.fullRead();
    loop.enableDispatch();

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (rig.logText().find("read finished!") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        loop.runPass();
    }

    std::vector<int> wrong;
    for (int id = 0; id < kParamCount; ++id) {
        const auto param = static_cast<ParamId>(id);
        if (rig.model.value(param) != LoopbackDataCentre::valueOf(param)) {
            wrong.push_back(id);
        }
    }
    EXPECT_THAT(wrong, ::testing::IsEmpty());
    EXPECT_TRUE(rig.linkState.online);
    EXPECT_TRUE(rig.model.status().isSet(StatusBytes::kFullReadDone));
    EXPECT_TRUE(waitUntil([&] {
        const std::vector<std::string> queries = dataCentre.textQueries();
        return queries.size() == 2;
    }));
    EXPECT_THAT(dataCentre.textQueries(), Contains("DEVNAME="));
}

} // namespace
} // namespace v32
