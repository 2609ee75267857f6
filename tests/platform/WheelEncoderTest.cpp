#include "platform/WheelEncoder.h"

#include "app/link/ListenerRegistry.h"
#include "tests/platform/EncoderRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace v32 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct WheelCase {
    const char* name;
    std::vector<int> deltas;
    int expectedSteps;
};

void PrintTo(const WheelCase& wheelCase, std::ostream* out) {
    *out << wheelCase.name;
}

class WheelStepsTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelStepsTest, ReadsTheStepsOfTheLastMovementOnce) {
    WheelEncoder wheel;
    for (const int delta : GetParam().deltas) {
        wheel.turn(delta);
    }
    EXPECT_EQ(wheel.takeSteps(), GetParam().expectedSteps);
    EXPECT_EQ(wheel.takeSteps(), 0) << "a read clears the count";
}

INSTANTIATE_TEST_SUITE_P(
    Movements, WheelStepsTest,
    ::testing::Values(WheelCase{"NothingTurned", {}, 0}, WheelCase{"OneNotchUp", {120}, -1},
                      WheelCase{"TwoNotchesUp", {240}, -2},
                      WheelCase{"ThreeNotchesDown", {-360}, 3},
                      WheelCase{"NewMovementReplacesUnread", {240, -120}, 1},
                      WheelCase{"SameWayStillReplaces", {120, 120}, -1},
                      WheelCase{"FractionsAddUpToANotch", {40, 40, 40}, -1},
                      WheelCase{"FractionBelowANotchKeepsTheCount", {240, 60}, -2},
                      WheelCase{"RemainderCarriesIntoTheNextNotch", {180, 60}, -1},
                      WheelCase{"ReversalCancelsAFraction", {60, -60, -120}, 1}),
    [](const auto& movement) { return std::string(movement.param.name); });

TEST(WheelEncoderTest, FractionLeftOverFromAReadMovementCountsTowardsTheNext) {
    WheelEncoder wheel;
    wheel.turn(180);
    EXPECT_EQ(wheel.takeSteps(), -1);
    wheel.turn(60);
    EXPECT_EQ(wheel.takeSteps(), -1);
}

TEST(WheelEncoderTest, PageGetsOneIncrementPerNotchUpAndOneDecrementPerNotchDown) {
    WheelEncoder wheel;
    test::EncoderRecorder page;
    ListenerRegistry listeners;
    listeners.listen<PageListener>(&page);

    wheel.turn(240);
    wheel.deliverTo(listeners);
    EXPECT_THAT(page.calls(), ElementsAre("encoder 0 1", "encoder 0 1"));

    page.calls().clear();
    wheel.deliverTo(listeners);
    EXPECT_THAT(page.calls(), IsEmpty()) << "the steps were delivered already";

    wheel.turn(-120);
    wheel.deliverTo(listeners);
    EXPECT_THAT(page.calls(), ElementsAre("encoder 0 -1"));
}

} // namespace
} // namespace v32
