#include "app/link/ListenerRegistry.h"

#include "app/link/Dispatcher.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/MessageCode.h"
#include "tests/link/DispatcherBench.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Bytes;
using test::DispatcherBench;
using test::frameOf;
using test::Journal;
using test::ListenerRecorder;
using test::pairFrame;
using test::sentEntry;
using test::textFrame;
using ::testing::ElementsAre;

constexpr ParamId kInput0Fader = 75; // a fader level, which the global bar follows

const Bytes kMediaEvent = frameOf(MSG_MEDIA_EVENT, {0x01, 0x02});

// Frames and a supervisor tick that between them call every feature, the identify reply
// that switches the link off last.
void callEveryFeature(DispatcherBench& bench) {
    bench.rig.supervisor.start();
    bench.deliver(pairFrame(MSG_PARAM_QUERY, {{kInput0Fader, 0x1234}}));
    bench.runTimersAt(LinkSupervisor::kTickMs);
    bench.deliver(pairFrame(MSG_PANEL_EVENT, {{58, 0xFFFE}, {54, 1}, {1, 0x8036}}));
    bench.deliver(kMediaEvent);
    bench.deliver(textFrame(MSG_TEXT_QUERY, "FW_VER=1.2.3\nETH_IP=10.0.0.2\n"));
    bench.deliver(textFrame(MSG_TEXT_COMMAND, "CMD=CHGLOCK\nRESULT=WRONG\n"));
    bench.deliver(pairFrame(MSG_PARAM_QUERY, {{FixedParam::kLockState, 1}}));
    bench.deliver(frameOf(MSG_IDENTIFY, {0x00, 0xE0, 0x02, 0x2F, 0x00, 'x', 0x00}));
}

constexpr int kPassesOfEveryFeature = 7;

struct FeatureCase {
    const char* feature;
    std::function<void(ListenerRegistry&, ListenerRecorder&)> listen;
    Journal heard;
    // Every dispatch pass ends with one.
    int mediaSteps = 0;
};

TEST(ListenerRegistryTest, EachFeatureReachesOnlyItsOwnListenerAndNobodyIsNotAFault) {
    const std::string mediaEntry = "media " + sentEntry(kMediaEvent).substr(5);
    const std::vector<FeatureCase> cases{
        {"nobody", [](ListenerRegistry&, ListenerRecorder&) {}, {}},
        {"page",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<PageListener>(&l); },
         {"parameter 75=4660 report", "encoder 5 -2", "parameter 5213=1 report"}},
        {"link state",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<LinkStateListener>(&l); },
         {"online", std::string("connection issue ") + Dispatcher::kConnectionIssueText}},
        {"toast",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<ToastListener>(&l); },
         {"toast fail! F800 1500"}},
        {"lock",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<LockListener>(&l); },
         {"lock page open"}},
        {"network",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<NetworkListener>(&l); },
         {"network ETH_IP 10.0.0.2"}},
        {"device information",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<DeviceInfoListener>(&l); },
         {"firmware 1.2.3"}},
        {"scene keys",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<SceneKeyListener>(&l); },
         {"scene key 32822"}},
        {"media",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<MediaListener>(&l); },
         {"media screen refreshed", mediaEntry},
         kPassesOfEveryFeature},
        {"global bar",
         [](ListenerRegistry& r, ListenerRecorder& l) { r.listen<GlobalBarListener>(&l); },
         {"global bar faders"}},
    };
    for (const FeatureCase& c : cases) {
        DispatcherBench bench;
        bench.rig.listeners = ListenerRegistry();
        c.listen(bench.rig.listeners, bench.ui);

        callEveryFeature(bench);

        EXPECT_EQ(bench.screenCalls(), c.heard) << c.feature;
        EXPECT_EQ(bench.ui.mediaSteps(), c.mediaSteps) << c.feature;
        // What the dispatcher does besides calling the screens goes on without them.
        EXPECT_EQ(bench.rig.model.value(kInput0Fader), 0x1234) << c.feature;
        EXPECT_TRUE(bench.rig.conditions.uiLocked) << c.feature;
        EXPECT_EQ(bench.rig.link.type(), LinkType::Disabled) << c.feature;
    }
}

TEST(ListenerRegistryTest, ALaterListenerTakesTheFeatureOverAndNullWithdrawsIt) {
    DispatcherBench bench;
    Journal laterJournal;
    ListenerRecorder later(laterJournal);
    const auto report = [&bench](std::uint16_t value) {
        bench.deliver(pairFrame(MSG_PARAM_QUERY, {{100, value}}));
    };

    report(1);
    bench.rig.listeners.listen<PageListener>(&later);
    EXPECT_EQ(bench.rig.listeners.listenerOf<PageListener>(), &later);
    report(2);
    bench.rig.listeners.listen<PageListener>(nullptr);
    report(3);

    EXPECT_THAT(bench.screenCalls(), ElementsAre("parameter 100=1 report"));
    EXPECT_THAT(laterJournal, ElementsAre("parameter 100=2 report"));
    EXPECT_EQ(bench.ui.mediaSteps(), 3) << "the other features keep their listener";
    EXPECT_EQ(bench.rig.listeners.listenerOf<PageListener>(), nullptr);
}

} // namespace
} // namespace v32
