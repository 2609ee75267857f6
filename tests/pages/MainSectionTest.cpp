#include "ui/pages/home/MainSection.h"

#include "HomeRig.h"
#include "app/model/LinkedWrites.h"
#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/MainStrip.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"

#include <QTest>
#include <algorithm>
#include <vector>

namespace v32 {
namespace {

constexpr int kMainLeft = 16;
constexpr int kMainRight = 17;
constexpr ParamId kMainLeftSend = 4646;
constexpr ParamId kMainLeftSecondSend = 4647;
constexpr ParamId kMainRightFirstSend = 4755;
constexpr ParamId kMainRightSend = 4756;
constexpr std::uint16_t kMainLink = 1U << 8;

ParamId mainParam(int bus, int number) {
    return paramId(KindBus, bus, number);
}

// Notes the order in which values written for the user reach the screens.
class WriteOrder : public ParamWriteListener {
public:
    explicit WriteOrder(ParamWriteListener& screens)
        : m_screens(screens) {}
    void parameterWritten(ParamId id, std::uint16_t value) override {
        written.push_back(id);
        m_screens.parameterWritten(id, value);
    }
    std::vector<ParamId> written;

private:
    ParamWriteListener& m_screens;
};

class MainSectionTest : public HomeRig {
protected:
    MainSection& main() const { return overview().mainSection(); }
};

TEST_F(MainSectionTest, LinkingCopiesMainLeftOntoMainRightBeforeTheLinkBit) {
    model.storeWithoutSending(mainParam(kMainLeft, 72), 1100);
    model.storeWithoutSending(mainParam(kMainLeft, 95), 560);
    model.storeWithoutSending(mainParam(kMainLeft, 74), 0);
    model.storeWithoutSending(kMainLeftSend, 0x8000 | 1200);
    model.storeWithoutSending(kMainRightFirstSend, 1200);
    openOverview(-1);
    WriteOrder order(*hooks);
    model.setWriteListener(&order);
    model.dropAllPending();

    QTest::mouseClick(&main().linkButton(), Qt::LeftButton);
    EXPECT_EQ(model.value(mainParam(kMainRight, 72)), 1100);
    EXPECT_EQ(model.value(mainParam(kMainRight, 95)), 560);
    EXPECT_EQ(model.value(kMainRightSend), 0x8000 | 1200);
    EXPECT_EQ(model.value(kMainRightFirstSend), 0);
    EXPECT_EQ(model.value(LinkedWrites::kBusLinks) & kMainLink, kMainLink);
    for (const ParamId id : {mainParam(kMainRight, 72), mainParam(kMainRight, 95), kMainRightSend,
                             kMainRightFirstSend, LinkedWrites::kBusLinks}) {
        EXPECT_TRUE(isPending(id)) << id;
    }
    ASSERT_FALSE(order.written.empty());
    EXPECT_EQ(order.written.back(), LinkedWrites::kBusLinks);
    EXPECT_EQ(std::count(order.written.begin(), order.written.end(), LinkedWrites::kBusLinks), 1);
    // The copy reaches MAIN R's strip; the quiet half of the send does not reach the screens.
    EXPECT_TRUE(main().strip(1).muteButton().isChecked());
    EXPECT_TRUE(main().strip(1).soloButton().isChecked());
    EXPECT_EQ(std::count(order.written.begin(), order.written.end(), kMainRightFirstSend), 0);
    EXPECT_TRUE(main().linkButton().isChecked());
    model.setWriteListener(hooks);
}

TEST_F(MainSectionTest, UnlinkingCopiesNothing) {
    model.storeWithoutSending(LinkedWrites::kBusLinks, kMainLink | 1U);
    model.storeWithoutSending(mainParam(kMainLeft, 72), 900);
    openOverview(-1);
    model.dropAllPending();
    QTest::mouseClick(&main().linkButton(), Qt::LeftButton);
    EXPECT_EQ(model.value(LinkedWrites::kBusLinks), 1U);
    EXPECT_TRUE(isPending(LinkedWrites::kBusLinks));
    EXPECT_EQ(pendingCount(), 1);
    EXPECT_FALSE(main().linkButton().isChecked());
}

TEST_F(MainSectionTest, SoloSwitchesTheMonitorSendOfEachStrip) {
    struct Case {
        const char* what;
        ParamId shown;
        ParamId cleared;
        std::uint16_t before;
        std::uint16_t after;
        bool lit;
    };
    const Case cases[] = {
        {"MAIN L on, pre-fader kept", kMainLeftSend, kMainLeftSecondSend, 0x8000, 0x8000 | 1200,
         true},
        {"MAIN L off", kMainLeftSend, kMainLeftSecondSend, 0x8000 | 700, 0x8000, false},
        {"MAIN R on", kMainRightSend, kMainRightFirstSend, 0, 1200, true},
        {"on but held off by bit 14", kMainRightSend, kMainRightFirstSend, 0x4000, 0x4000 | 1200,
         false},
    };
    openOverview(-1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int side = c.shown == kMainLeftSend ? 0 : 1;
        model.storeWithoutSending(c.shown, c.before);
        model.storeWithoutSending(c.cleared, 1200);
        model.dropAllPending();
        QTest::mouseClick(&main().strip(side).soloButton(), Qt::LeftButton);
        EXPECT_EQ(model.value(c.shown), c.after);
        EXPECT_EQ(model.value(c.cleared), 0);
        EXPECT_TRUE(isPending(c.shown));
        EXPECT_TRUE(isPending(c.cleared));
        EXPECT_EQ(main().strip(side).soloButton().isChecked(), c.lit);
    }
}

TEST_F(MainSectionTest, AStripSoloSwitchesBothMonitorSendsOfItsChannel) {
    openOverview(-1);
    const ParamId first = paramId(KindInput, 7, 31);
    const ParamId second = paramId(KindInput, 7, 32);
    Button& solo = *cell(7).strip().soloButton();
    QTest::mouseClick(&solo, Qt::LeftButton);
    EXPECT_EQ(model.value(first) & 0x3FFF, 1200);
    EXPECT_EQ(model.value(second) & 0x3FFF, 1200);
    EXPECT_TRUE(solo.isChecked());
    QTest::mouseClick(&solo, Qt::LeftButton);
    EXPECT_EQ(model.value(first) & 0x3FFF, 0);
    EXPECT_EQ(model.value(second) & 0x3FFF, 0);
    EXPECT_FALSE(solo.isChecked());
}

} // namespace
} // namespace v32
