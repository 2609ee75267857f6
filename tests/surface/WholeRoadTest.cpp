#include "app/model/Channel.h"
#include "app/values/ValueConversion.h"
#include "tests/surface/SurfaceRig.h"
#include "ui/pages/devicelist/DeviceListRow.h"
#include "ui/pages/devicelist/DeviceListScreen.h"
#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankGrid.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/HomeTabBar.h"
#include "ui/pages/home/PhantomConfirmation.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QStringList>
#include <map>
#include <string>
#include <vector>

namespace v32::surface {
namespace {

using namespace std::chrono_literals;

constexpr int kFaderKind = 15;
constexpr std::uint16_t kLevelBits = 0x3FFF;
constexpr int kPhantomNumber = 1;
constexpr int kStFxTab = 2;
// The paced senders run every 20 ms and the stand-in answers at once: a write the surface
// had made would have reached the stand-in well within this.
constexpr auto kWriteTime = 500ms;

// The road a user takes from the start of the program: the stand-in on the device list,
// Connect and the full read, then the bank overview working against the mixer in both
// directions, phantom power through its question, and the ST-FX bank.
class WholeRoadTest : public SurfaceRig {
protected:
    static constexpr Channel kReadChannel{KindInput, 0};
    static constexpr Channel kDraggedChannel{KindInput, 2};
    static constexpr Channel kDeskChannel{KindInput, 4};
    static constexpr Channel kPhantomChannel{KindInput, 5};

    static ParamId faderOf(Channel channel) {
        return paramId(channel.kind, channel.index, kNumberFader);
    }

    // Null when the bank overview shows no cell for the channel.
    BriefStrip* stripOf(Channel channel) const {
        BankCell* cell = overview() == nullptr ? nullptr : overview()->grid().cellOf(channel);
        return cell == nullptr ? nullptr : &cell->strip();
    }

    DeviceListRow* rowOf(std::uint32_t address) const {
        if (deviceListScreen() == nullptr) {
            return nullptr;
        }
        for (DeviceListRow* row : deviceListScreen()->rows()) {
            if (row->address() == address) {
                return row;
            }
        }
        return nullptr;
    }

    // The steps in order; a step that cannot go on ends the road.
    void travelTheRoad() {
        for (void (WholeRoadTest::*step)() :
             {&WholeRoadTest::connectThroughTheDeviceList, &WholeRoadTest::dragAFaderToTheMixer,
              &WholeRoadTest::followAChangeAtTheMixer, &WholeRoadTest::switchPhantomPowerOn,
              &WholeRoadTest::showTheStFxBank}) {
            (this->*step)();
            if (HasFatalFailure()) {
                return;
            }
        }
    }

    void connectThroughTheDeviceList();
    void dragAFaderToTheMixer();
    void followAChangeAtTheMixer();
    void switchPhantomPowerOn();
    void showTheStFxBank();
};

// A fader left at the desk before Connect must reach its strip through the full read.
constexpr double kReadLevel = -20.0;

void WholeRoadTest::connectThroughTheDeviceList() {
    ASSERT_TRUE(application->mainLoop().isDispatchEnabled()) << "the road began before the loop";
    changeAtMixer(faderOf(kReadChannel), toRaw(kFaderKind, kReadLevel));
    ASSERT_NE(deviceListScreen(), nullptr) << "the device list covers the screens at start";

    DeviceListRow* row = nullptr;
    ASSERT_TRUE(passUntil([&] { return (row = rowOf(kLoopback)) != nullptr; }))
        << "the stand-in never appeared on the device list";
    EXPECT_EQ(row->nameLabel().text().toStdString(), kMixerName);
    EXPECT_EQ(row->addressLabel().text().toStdString(), "(127.0.0.1)");
    touch(*row);
    touch(deviceListScreen()->connectButton());
    EXPECT_EQ(deviceListScreen(), nullptr) << "Connect takes the list away";
    EXPECT_EQ(application->udpTarget().address(), kLoopback);

    ASSERT_TRUE(passUntil([this] { return logLines("read finished!") >= 1; }, kReadPatience))
        << "the full read did not finish";
    EXPECT_TRUE(passUntil([this] { return tabBar() != nullptr && tabBar()->isOnline(); }))
        << "the tabs' link status never showed the mixer connected";
    ASSERT_TRUE(passThroughTheReadAfterComingOnline())
        << "the read that follows coming online did not finish";
    const BriefStrip* strip = stripOf(kReadChannel);
    ASSERT_NE(strip, nullptr) << "the bank overview shows no CH1";
    EXPECT_EQ(strip->faderLevel(), kReadLevel) << "the full read did not reach the strip";
}

void WholeRoadTest::dragAFaderToTheMixer() {
    const ParamId id = faderOf(kDraggedChannel);
    const std::uint16_t before = mixerValue(id);
    const BriefStrip* strip = stripOf(kDraggedChannel);
    ASSERT_NE(strip, nullptr) << "the bank overview shows no CH3";
    const Fader& fader = *strip->fader();
    dragKnobBy(fader, -fader.height() / 3);

    const std::uint16_t dragged = static_cast<std::uint16_t>(
        (before & ~kLevelBits) | (toRaw(kFaderKind, fader.value()) & kLevelBits));
    ASSERT_NE(dragged, before) << "the drag did not move the fader";
    EXPECT_TRUE(passUntil([&] { return mixerValue(id) == dragged; }))
        << "the stand-in holds " << mixerValue(id) << " for the fader, not the dragged " << dragged;
}

void WholeRoadTest::followAChangeAtTheMixer() {
    constexpr double kDeskLevel = -10.0;
    const BriefStrip* strip = stripOf(kDeskChannel);
    ASSERT_NE(strip, nullptr) << "the bank overview shows no CH5";
    ASSERT_NE(strip->faderLevel(), kDeskLevel);
    changeAtMixer(faderOf(kDeskChannel), toRaw(kFaderKind, kDeskLevel));
    EXPECT_TRUE(passUntil([&] { return strip->faderLevel() == kDeskLevel; }))
        << "the strip shows " << strip->faderLevel() << " dB";
    EXPECT_EQ(strip->levelLabel()->text().toStdString(), "-10.0dB");
}

void WholeRoadTest::switchPhantomPowerOn() {
    const ParamId id = paramId(kPhantomChannel.kind, kPhantomChannel.index, kPhantomNumber);
    ASSERT_EQ(mixerValue(id), 0);
    const BriefStrip* strip = stripOf(kPhantomChannel);
    ASSERT_NE(strip, nullptr) << "the bank overview shows no CH6";
    const Button& phantom = *strip->phantomButton();
    PhantomConfirmation& question = overview()->phantomConfirmation();

    touch(phantom);
    ASSERT_TRUE(question.isAsking()) << "phantom power went on without asking";
    touch(question.noButton());
    EXPECT_FALSE(question.isAsking());
    passFor(kWriteTime);
    EXPECT_EQ(mixerValue(id), 0) << "NO switched phantom power on at the mixer";
    EXPECT_FALSE(phantom.isChecked());

    touch(phantom);
    ASSERT_TRUE(question.isAsking());
    touch(question.yesButton());
    EXPECT_FALSE(question.isAsking());
    EXPECT_TRUE(passUntil([&] { return mixerValue(id) == 1; }))
        << "YES did not switch phantom power on at the mixer";
    EXPECT_TRUE(phantom.isChecked());
}

// A row of cells as the user sees it: where it starts and the names left to right.
struct ScreenRow {
    int left = 0;
    std::string names;
};

std::vector<ScreenRow> rowsOnScreen(const BankGrid& grid) {
    std::map<int, std::map<int, QString>> cellsAt;
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        const BankCell& cell = grid.cell(index);
        if (cell.isVisible()) {
            cellsAt[cell.y()][cell.x()] = cell.strip().name();
        }
    }
    std::vector<ScreenRow> rows;
    for (const auto& [top, cells] : cellsAt) {
        QStringList names;
        for (const auto& [left, name] : cells) {
            names << name;
        }
        rows.push_back({cells.begin()->first, names.join(u' ').toStdString()});
    }
    return rows;
}

void WholeRoadTest::showTheStFxBank() {
    ASSERT_NE(tabBar(), nullptr) << "the home screen shows no tabs";
    touch(tabBar()->tab(kStFxTab));
    ASSERT_TRUE(passUntil([this] { return overview()->bank() == kStFxTab; }))
        << "the ST-FX tab did not bring up its bank";
    EXPECT_EQ(tabBar()->highlighted(), kStFxTab);
    const std::vector<ScreenRow> rows = rowsOnScreen(overview()->grid());
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].names, "CH29/30 CH31/32 DIGI");
    EXPECT_EQ(rows[1].names, "FX1 FX2 FX3 FX4");
    EXPECT_EQ(rows[1].left, rows[0].left)
        << "the effect returns' row does not start in the first column";
}

TEST_F(WholeRoadTest, FromTheDeviceListThroughTheBankOverviewToTheMixerAndBack) {
    ASSERT_TRUE(standIn.isServing()) << standIn.startError();
    EXPECT_EQ(runInMainLoop([this] { travelTheRoad(); }), 0);
}

} // namespace
} // namespace v32::surface
