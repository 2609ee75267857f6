#include "app/link/LinkSupervisor.h"

#include "app/protocol/FixedFrames.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/MessageCode.h"
#include "tests/link/DispatcherBench.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::DispatcherBench;
using test::pairFrame;
using test::textFrame;
using ::testing::ElementsAre;

constexpr ParamId kReadProbe = 3000; // any identifier that only a full read asks for

// The supervisor ticking every second from time 0.
class SupervisedLink : public DispatcherBench {
public:
    explicit SupervisedLink(LinkType type = LinkType::Udp)
        : DispatcherBench(type) {
        rig.supervisor.start();
    }

    void reportAt(std::uint32_t ms) {
        rig.clock.set(ms);
        deliver(pairFrame(MSG_PARAM_QUERY, {{100, 1}}));
    }

    // Ticks at every whole second from..to; returns the time of the first tick that found
    // the link offline, if any.
    std::optional<std::uint32_t> tickUntilOffline(std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t ms = from; ms <= to; ms += LinkSupervisor::kTickMs) {
            runTimersAt(ms);
            if (!rig.linkState.online) {
                return ms;
            }
        }
        return std::nullopt;
    }

    bool fullReadRequested() const { return rig.model.store().requestSet().isPending(kReadProbe); }
};

struct SilenceCase {
    std::uint32_t heardAt;
    std::uint32_t offlineAt;
};

TEST(LinkSupervisorTest, SilentDeviceGoesOfflineFiveToSixSecondsAfterItsLastReport) {
    // Ticks come every whole second; 5100 ms of silence is enough.
    const std::vector<SilenceCase> cases{
        {0, 6000}, {1, 6000}, {500, 6000}, {900, 6000}, {901, 7000}, {999, 7000},
    };
    for (const SilenceCase& c : cases) {
        SupervisedLink link;
        link.reportAt(c.heardAt);

        const std::optional<std::uint32_t> offlineAt = link.tickUntilOffline(1000, 10000);

        ASSERT_TRUE(offlineAt.has_value()) << c.heardAt;
        EXPECT_EQ(*offlineAt, c.offlineAt) << c.heardAt;
        EXPECT_GE(*offlineAt - c.heardAt, 5100U) << c.heardAt;
        EXPECT_LE(*offlineAt - c.heardAt, 6100U) << c.heardAt;
        EXPECT_THAT(link.entries("o"), ElementsAre("online", "offline")) << c.heardAt;
    }
}

TEST(LinkSupervisorTest, ReportsKeepTheLinkOnline) {
    SupervisedLink link;
    for (std::uint32_t ms = 500; ms < 20000; ms += 4000) {
        link.reportAt(ms);
        link.runTimersAt(ms + 500);
    }
    EXPECT_TRUE(link.rig.linkState.online);
    EXPECT_THAT(link.entries("o"), ElementsAre("online"));
}

TEST(LinkSupervisorTest, LinkComingUpIdentifiesInOneTickAndReadsEverythingASecondLater) {
    SupervisedLink link;
    link.reportAt(100);
    link.transport.clearSent();

    link.runTimersAt(1000);

    const Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());
    EXPECT_THAT(link.transport.sent(), ElementsAre(identify, textFrame(MSG_TEXT_QUERY, "LAYER=")));
    link.runTimersAt(1999);
    EXPECT_FALSE(link.fullReadRequested());
    link.runTimersAt(2000);
    EXPECT_TRUE(link.fullReadRequested());
    EXPECT_TRUE(link.rig.model.channelNames().requests().isPending(63));
    EXPECT_TRUE(link.rig.supervisor.isFullReadDoneOnce());
}

TEST(LinkSupervisorTest, DisableReconnectLeavesOutTheReadOfLaterConnections) {
    for (const bool disableReconnect : {false, true}) {
        SupervisedLink link;
        link.rig.switches.disable_reconnect = disableReconnect;
        link.reportAt(100);
        link.runTimersAt(1000);
        link.runTimersAt(2000);
        ASSERT_TRUE(link.fullReadRequested()) << "the first connection always reads";
        ASSERT_TRUE(link.tickUntilOffline(3000, 10000).has_value());
        link.rig.model.dropAllPending();

        link.reportAt(10100);
        link.runTimersAt(11000);
        link.runTimersAt(12000);

        EXPECT_EQ(link.fullReadRequested(), !disableReconnect) << disableReconnect;
        EXPECT_EQ(link.transport.sentWith(MSG_IDENTIFY).size(), 2U) << disableReconnect;
    }
}

struct ReconnectCase {
    LinkType type;
    int reopens;
};

TEST(LinkSupervisorTest, LinkThatStaysDownIsReopenedEveryTenTicksOverTcpOnly) {
    const std::vector<ReconnectCase> cases{
        {LinkType::Tcp, 3},
        {LinkType::None, 3},
        {LinkType::Udp, 0},
        {LinkType::Serial, 0},
    };
    for (const ReconnectCase& c : cases) {
        SupervisedLink link(c.type);
        std::vector<std::uint32_t> reopenedAt;
        for (std::uint32_t ms = 1000; ms <= 30000; ms += LinkSupervisor::kTickMs) {
            const int opensBefore = link.transport.opens();
            link.runTimersAt(ms);
            if (link.transport.opens() != opensBefore) {
                reopenedAt.push_back(ms);
            }
        }
        EXPECT_EQ(link.transport.opens(), c.reopens) << static_cast<int>(c.type);
        EXPECT_EQ(link.transport.closes(), c.reopens) << static_cast<int>(c.type);
        if (c.reopens != 0) {
            EXPECT_THAT(reopenedAt, ElementsAre(10000, 20000, 30000));
        }
    }
}

TEST(LinkSupervisorTest, TcpLinkThatGoesDownIsClosedAtOnce) {
    SupervisedLink link(LinkType::Tcp);
    link.reportAt(100);

    const std::optional<std::uint32_t> offlineAt = link.tickUntilOffline(1000, 10000);

    ASSERT_TRUE(offlineAt.has_value());
    EXPECT_EQ(link.transport.closes(), 1);
    EXPECT_EQ(link.transport.opens(), 0);
    EXPECT_EQ(link.rig.supervisor.reconnectCountdown(), LinkSupervisor::kReconnectTicks - 1);
}

struct PollCase {
    const char* name;
    bool heartbeat;
    bool disableOnlineLock;
    bool localDevice;
    bool deviceListOpen;
    bool onlineLockPolled;
    bool heartbeatSent;
};

TEST(LinkSupervisorTest, EveryTickPollsTheOnlineLockAndTheHeartbeatGroup) {
    const std::vector<PollCase> cases{
        {"defaults", true, false, false, false, true, true},
        {"device list open", true, false, false, true, true, false},
        {"heartbeat off", false, false, false, false, false, false},
        {"online lock off", true, true, false, false, false, true},
        {"local device", true, false, true, false, false, true},
    };
    for (const PollCase& c : cases) {
        SupervisedLink link;
        link.rig.switches.heartbeat = c.heartbeat;
        link.rig.switches.disable_online_lock = c.disableOnlineLock;
        link.rig.conditions.localDevice = c.localDevice;
        link.rig.linkState.deviceListOpen = c.deviceListOpen;

        link.runTimersAt(1000);

        const ParamStore::ParamSet& requests = link.rig.model.store().requestSet();
        EXPECT_EQ(requests.isPending(FixedParam::kOnlineLock), c.onlineLockPolled) << c.name;
        for (int id = FixedParam::kFirstHeartbeat; id <= FixedParam::kLastHeartbeat; ++id) {
            EXPECT_EQ(requests.isPending(static_cast<ParamId>(id)), c.heartbeatSent)
                << c.name << " " << id;
        }
        EXPECT_FALSE(requests.isPending(FixedParam::kFirstHeartbeat - 1)) << c.name;
        EXPECT_FALSE(requests.isPending(FixedParam::kLastHeartbeat + 1)) << c.name;
    }
}

} // namespace
} // namespace v32
