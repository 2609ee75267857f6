#include "ui/pages/devicelist/DeviceList.h"

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/TimerQueue.h"
#include "app/link/DeviceSelection.h"
#include "app/link/LinkSupervisorState.h"
#include "app/link/UdpTarget.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "ui/pages/devicelist/DeviceListRow.h"
#include "ui/pages/devicelist/DeviceListScreen.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QPointer>
#include <QTest>
#include <QWindow>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace v32 {
namespace {

constexpr std::uint32_t kFohLeft = 0xC0A80117;  // 192.168.1.23
constexpr std::uint32_t kMonitors = 0xC0A80128; // 192.168.1.40
constexpr std::uint32_t kNameless = 0xC0A8013A; // 192.168.1.58
constexpr ParamId kReadProbe = 3000;            // any identifier that only a full read asks for
constexpr int kWaitMs = 2000;

FoundDeviceTable tableOf(const std::vector<std::pair<std::uint32_t, std::string>>& devices) {
    FoundDeviceTable table;
    for (const auto& [address, name] : devices) {
        table.add(address, name);
    }
    return table;
}

// A finger on a widget of the shown window: press and release go through the window system
// and reach whatever lies on top there.
void touch(QWidget& window, const QWidget& widget) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      widget.mapTo(&window, widget.rect().center()));
}

// The device list on a screen of its own, over a model and link state that remember what
// was chosen before, with a discovery that answers from a table, once released while held.
class DeviceListTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(1280, 800);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    // Opens the list and waits for its first discovery.
    DeviceListScreen& openAndDiscover() {
        list.open();
        EXPECT_TRUE(QTest::qWaitFor([this] { return discoveredAndListed(1); }, kWaitMs));
        return *list.screen();
    }

    bool discoveredAndListed(int count) const {
        return discoveries == count && !list.isDiscovering();
    }

    bool nothingPending() const {
        return model.store().requestSet().isEmpty() && model.store().sendSet().isEmpty();
    }

    ResourceDisk disk;
    FontCache fonts{disk};
    ManualClock clock{0};
    TimerQueue timers{clock};
    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ParamModel model{defaults, switches, conditions, timers};
    UdpTarget target;
    LinkSupervisorState linkState;
    DeviceSelection selection{target, linkState, model};
    QWidget host;
    FoundDeviceTable answers =
        tableOf({{kFohLeft, "FOH Left"}, {kMonitors, "VELMAR32"}, {kNameless, ""}});
    // Counted on the discovery's thread.
    std::atomic<int> discoveries{0};
    std::atomic<bool> held{false};
    DeviceList list{host, fonts, selection, [this](std::stop_token stop) {
                        ++discoveries;
                        while (held && !stop.stop_requested()) {
                            std::this_thread::sleep_for(std::chrono::milliseconds(1));
                        }
                        return answers;
                    }};
};

TEST_F(DeviceListTest, OpeningForgetsTheMixerAndDiscoversOnceTheListIsUp) {
    target.set(kFohLeft);
    linkState.online = true;
    model.setValue(100, 5);
    model.request(200);

    list.open();

    EXPECT_FALSE(target.isSet());
    EXPECT_FALSE(linkState.online);
    EXPECT_TRUE(nothingPending());
    EXPECT_TRUE(linkState.deviceListOpen);
    ASSERT_TRUE(list.isOpen());
    EXPECT_EQ(discoveries, 0) << "the list is drawn before the discovery starts";
    ASSERT_TRUE(QTest::qWaitFor([this] { return discoveredAndListed(1); }, kWaitMs));
    EXPECT_EQ(list.screen()->rows().size(), 3U);

    // Opened again, the same list comes to the front; it forgets the mixer all the same.
    DeviceListScreen* first = list.screen();
    target.set(kFohLeft);
    list.open();
    QTest::qWait(2 * DeviceList::kFirstDiscoveryDelayMs);
    EXPECT_EQ(list.screen(), first);
    EXPECT_EQ(discoveries, 1);
    EXPECT_FALSE(target.isSet());
}

TEST_F(DeviceListTest, ARowShowsTheNameAndTheAddressOrTheBareAddress) {
    struct Case {
        std::uint32_t address;
        bool nameShown;
        const char* addressText;
        const char* accessibleName;
    };
    const Case cases[] = {
        {kFohLeft, true, "(192.168.1.23)", "FOH Left (192.168.1.23)"},
        {kMonitors, true, "(192.168.1.40)", "VELMAR32 (192.168.1.40)"},
        {kNameless, false, "192.168.1.58", "192.168.1.58"},
    };
    const std::vector<DeviceListRow*>& rows = openAndDiscover().rows();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(cases[i].accessibleName);
        EXPECT_EQ(rows[i]->address(), cases[i].address);
        EXPECT_EQ(rows[i]->nameLabel().isVisible(), cases[i].nameShown);
        EXPECT_EQ(rows[i]->addressLabel().text(), QString::fromUtf8(cases[i].addressText));
        EXPECT_EQ(rows[i]->accessibleName(), QString::fromUtf8(cases[i].accessibleName));
    }
}

TEST_F(DeviceListTest, ATouchedRowIsTheOnlyOneChecked) {
    const std::vector<DeviceListRow*>& rows = openAndDiscover().rows();
    for (const std::size_t touched : {0U, 2U, 2U}) {
        touch(host, *rows[touched]);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i]->isChecked(), i == touched) << "touched " << touched << ", row " << i;
        }
    }
}

TEST_F(DeviceListTest, ConnectTakesTheCheckedMixerReadsItsStateAndClosesTheList) {
    DeviceListScreen& screen = openAndDiscover();
    const QPointer<DeviceListScreen> shown(&screen);
    touch(host, *screen.rows()[1]);

    touch(host, screen.connectButton());

    EXPECT_EQ(target.address(), kMonitors);
    EXPECT_TRUE(model.store().requestSet().isPending(kReadProbe));
    EXPECT_FALSE(list.isOpen());
    EXPECT_FALSE(linkState.deviceListOpen);
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown.isNull(); }, kWaitMs));
}

TEST_F(DeviceListTest, ConnectWithoutACheckedRowDoesNothing) {
    DeviceListScreen& screen = openAndDiscover();

    touch(host, screen.connectButton());

    EXPECT_TRUE(list.isOpen());
    EXPECT_TRUE(linkState.deviceListOpen);
    EXPECT_FALSE(target.isSet());
    EXPECT_TRUE(nothingPending());
}

TEST_F(DeviceListTest, DemoGoesOnWithoutAMixer) {
    DeviceListScreen& screen = openAndDiscover();
    touch(host, *screen.rows()[0]);

    touch(host, screen.demoButton());

    EXPECT_FALSE(list.isOpen());
    EXPECT_FALSE(linkState.deviceListOpen);
    EXPECT_FALSE(target.isSet());
    EXPECT_TRUE(nothingPending());
}

TEST_F(DeviceListTest, DemoBeforeTheFirstDiscoveryDropsIt) {
    list.open();
    list.screen()->demoButton().click();
    QTest::qWait(3 * DeviceList::kFirstDiscoveryDelayMs);
    EXPECT_EQ(discoveries, 0);
    EXPECT_FALSE(list.isOpen());
}

TEST_F(DeviceListTest, RefreshListsWhatAnswersNow) {
    DeviceListScreen& screen = openAndDiscover();
    touch(host, *screen.rows()[0]);
    answers = tableOf({{kNameless, "Stage Rack"}});

    touch(host, screen.refreshButton());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !list.isDiscovering(); }, kWaitMs));

    EXPECT_EQ(discoveries, 2);
    ASSERT_EQ(screen.rows().size(), 1U);
    EXPECT_EQ(screen.rows()[0]->address(), kNameless);
    EXPECT_FALSE(screen.checkedAddress());
}

TEST_F(DeviceListTest, ARefreshDuringADiscoveryWaitsForItsMixers) {
    held = true;
    list.open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return discoveries == 1; }, kWaitMs));

    touch(host, list.screen()->refreshButton());
    EXPECT_TRUE(list.isDiscovering());
    EXPECT_TRUE(list.screen()->rows().empty());
    held = false;

    ASSERT_TRUE(QTest::qWaitFor([this] { return !list.isDiscovering(); }, kWaitMs));
    EXPECT_EQ(discoveries, 1) << "no second discovery";
    EXPECT_EQ(list.screen()->rows().size(), 3U);
}

TEST_F(DeviceListTest, ClosingTheListStopsItsDiscoveryAndTheNextListDiscoversAgain) {
    held = true;
    list.open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return discoveries == 1; }, kWaitMs));

    touch(host, list.screen()->demoButton());
    EXPECT_FALSE(list.isOpen());
    EXPECT_FALSE(list.isDiscovering());

    held = false;
    list.open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return discoveredAndListed(2); }, kWaitMs));
    EXPECT_EQ(list.screen()->rows().size(), 3U);
}

} // namespace
} // namespace v32
