#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/StandInProcess.h"

#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace v32::e2e {
namespace {

using Action = RecordingLink::Action;
using ::testing::ElementsAre;

constexpr std::uint32_t kTickMs = 1000;
constexpr std::uint32_t kSilenceToGoOfflineMs = 5100;
constexpr int kReconnectTicks = 10;
constexpr int kTicksToNotice = 8;
// How long a closed link is watched for a report that must not come.
constexpr std::chrono::milliseconds kReportWindow{50};
constexpr const char* kFirstName = "Before restart";
constexpr const char* kSecondName = "After restart";

std::vector<std::string> standInArguments(Transport transport, std::uint16_t port,
                                          const char* deviceName) {
    const bool udp = transport == Transport::Udp;
    return {udp ? "--no-tcp" : "--no-udp",
            udp ? "--udp-port" : "--tcp-port",
            std::to_string(port),
            "--no-console",
            "--name",
            deviceName};
}

std::uint16_t portOf(const StandInProcess& standIn, Transport transport) {
    return transport == Transport::Udp ? standIn.udpPort() : standIn.tcpPort();
}

// A data centre that is stopped under a connected surface and started again on the same
// port with another name.
class ReconnectTest : public ::testing::Test {
protected:
    void startFirst(Transport transport) {
        ASSERT_TRUE(std::filesystem::exists(StandInProcess::programPath()))
            << StandInProcess::programPath() << " is built with the velmar32-dc target";
        first = std::make_unique<StandInProcess>(standInArguments(transport, 0, kFirstName));
        ASSERT_TRUE(first->isReady());
        port = portOf(*first, transport);
        surface = std::make_unique<ControlSurface>(transport, port);
        ASSERT_TRUE(surface->comeOnline());
        ASSERT_TRUE(surface->passUntil([this] { return !surface->screens.deviceNames().empty(); }));
        ASSERT_EQ(first->stop(), 0);
        // What it sent before it stopped is taken in before the ticks judge the silence.
        surface->pass();
    }

    void startSecond(Transport transport) {
        second = std::make_unique<StandInProcess>(standInArguments(transport, port, kSecondName));
        ASSERT_TRUE(second->isReady());
    }

    // Ticks until the supervisor finds the link down; the tick it did so at.
    std::uint32_t tickUntilOffline() {
        for (int tick = 0; tick < kTicksToNotice && surface->linkState.online; ++tick) {
            surface->tick();
            if (surface->linkState.online) {
                lastOnlineTick = surface->clock.nowMs();
            }
        }
        return surface->clock.nowMs();
    }

    std::unique_ptr<StandInProcess> first;
    std::unique_ptr<StandInProcess> second;
    std::unique_ptr<ControlSurface> surface;
    std::uint16_t port = 0;
    // The last tick that still judged the link online after the data centre went quiet.
    std::optional<std::uint32_t> lastOnlineTick;
};

TEST_F(ReconnectTest, UdpGoesOfflineAfterFivePointOneSecondsOfSilenceAndBackWhenAnswered) {
    ASSERT_NO_FATAL_FAILURE(startFirst(Transport::Udp));

    const std::uint32_t offlineAt = tickUntilOffline();
    ASSERT_FALSE(surface->linkState.online);
    const std::uint32_t lastHeard = surface->linkState.lastHeardMs;
    EXPECT_GE(offlineAt - lastHeard, kSilenceToGoOfflineMs);
    ASSERT_TRUE(lastOnlineTick.has_value());
    EXPECT_LT(*lastOnlineTick - lastHeard, kSilenceToGoOfflineMs)
        << "judged down at the first tick that found 5.1 s of silence";

    ASSERT_NO_FATAL_FAILURE(startSecond(Transport::Udp));
    ASSERT_TRUE(surface->comeBackOnline());
    EXPECT_EQ(surface->readsFinished(), 2);
    EXPECT_THAT(surface->screens.onlineStates(), ElementsAre(true, false, true));
    EXPECT_THAT(surface->recording.events(), ElementsAre(RecordingLink::Event{0, Action::Open}))
        << "the datagram socket is kept while nobody answers";
    ASSERT_TRUE(surface->passUntil([this] { return surface->screens.deviceNames().size() == 2; }));
    EXPECT_THAT(surface->screens.deviceNames(), ElementsAre(kFirstName, kSecondName));
    EXPECT_EQ(second->stop(), 0);
}

TEST_F(ReconnectTest, TcpIsClosedWhenDownAndReopenedEveryTenTicks) {
    ASSERT_NO_FATAL_FAILURE(startFirst(Transport::Tcp));
    const std::uint32_t offlineAt = tickUntilOffline();
    ASSERT_FALSE(surface->linkState.online);
    // Back at once: only the supervisor's reopening may find it.
    ASSERT_NO_FATAL_FAILURE(startSecond(Transport::Tcp));

    const auto reopened = [this] {
        return surface->recording.events().back().action == Action::Open;
    };
    for (int tick = 0; tick < 2 * kReconnectTicks; ++tick) {
        surface->tick();
        if (reopened()) {
            break;
        }
        surface->passUntil([this] { return surface->linkState.online; }, kReportWindow);
        EXPECT_FALSE(surface->linkState.online) << "a report came before the link was reopened";
    }
    const std::uint32_t reopenedAt = surface->clock.nowMs();
    EXPECT_EQ(reopenedAt - offlineAt, (kReconnectTicks - 1) * kTickMs)
        << "the tenth tick counting the one that found the link down";
    EXPECT_THAT(surface->recording.events(),
                ElementsAre(RecordingLink::Event{0, Action::Open},
                            RecordingLink::Event{offlineAt, Action::Close},
                            RecordingLink::Event{reopenedAt, Action::Close},
                            RecordingLink::Event{reopenedAt, Action::Open}));

    ASSERT_TRUE(surface->comeBackOnline());
    EXPECT_EQ(surface->readsFinished(), 2);
    EXPECT_THAT(surface->screens.onlineStates(), ElementsAre(true, false, true));
    ASSERT_TRUE(surface->passUntil([this] { return surface->screens.deviceNames().size() == 2; }));
    EXPECT_THAT(surface->screens.deviceNames(), ElementsAre(kFirstName, kSecondName));
    EXPECT_EQ(second->stop(), 0);
}

} // namespace
} // namespace v32::e2e
