#include "app/core/ManualClock.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <gtest/gtest.h>

namespace v32::dc {
namespace {

using test::TestClient;

class PanelTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    TestClient surface{dataCentre};
    TestClient other{dataCentre};

    void SetUp() override {
        surface.join();
        other.join();
    }
};

TEST_F(PanelTest, EventsReachEveryClientAndTheirEchoesAreIgnored) {
    // Key 60 pressed, panel strip 3's fader, encoder 2 one step down.
    const std::vector<ParamPair> events{{0, 0x4000 | 60}, {2 + 3, 8000}, {53 + 2, 0xFFFF}};
    dataCentre.sendPanelEvents(events);

    for (TestClient* client : {&surface, &other}) {
        EXPECT_EQ(client->pairsOf(MSG_PANEL_EVENT), events);
    }
    const test::ReceivedFrame echo = surface.frames().at(0);
    surface.clear();
    other.clear();
    surface.sendRaw(echo.bytes);
    EXPECT_TRUE(surface.frames().empty());
    EXPECT_TRUE(other.frames().empty());
}

TEST_F(PanelTest, PanelSetsAreStoredAndAcknowledgedWithTheStoredValues) {
    // Fader positions keep 14 bits; light word 7 holds light 120; 155 and 300 are no panel
    // identifiers.
    const std::vector<ParamPair> sets{
        {104, 0x7FFF}, {154, 1200}, {155, 1}, {164, 0x0100}, {300, 5}};
    surface.ui().sendPanelSet(sets);

    const std::vector<ParamPair> expected{{104, 0x3FFF}, {154, 1200}, {164, 0x0100}};
    EXPECT_EQ(surface.pairsOf(MSG_PANEL_SET), expected);
    EXPECT_TRUE(other.frames().empty());
    EXPECT_EQ(dataCentre.panel().faderPosition(0), 0x3FFF);
    EXPECT_EQ(dataCentre.panel().faderPosition(50), 1200);
    EXPECT_TRUE(dataCentre.panel().isLit(120));
    EXPECT_FALSE(dataCentre.panel().isLit(121));

    surface.clear();
    surface.ui().sendPanelSet(std::vector<ParamPair>{{300, 1}});
    EXPECT_TRUE(surface.frames().empty());
}

TEST_F(PanelTest, AFullLightFrameIsAcknowledgedInOneFrame) {
    std::vector<ParamPair> lights;
    for (ParamId id = 157; id < 157 + 62; ++id) {
        lights.push_back({id, static_cast<std::uint16_t>(id)});
    }
    surface.ui().sendPanelSet(lights);

    ASSERT_EQ(surface.framesWith(MSG_PANEL_SET).size(), 1U);
    EXPECT_EQ(surface.pairsOf(MSG_PANEL_SET), lights);
}

} // namespace
} // namespace v32::dc
