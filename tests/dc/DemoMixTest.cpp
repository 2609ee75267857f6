#include "app/core/ManualClock.h"
#include "app/protocol/ParamId.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/MeterSimulator.h"

#include <gtest/gtest.h>

namespace v32::dc {
namespace {

constexpr std::uint16_t kUnity = 1200;
constexpr std::uint16_t kPanCentre = 100;
constexpr int kPanNumber = 11;

std::int8_t inputMeter(const DataCentre& dataCentre, int input) {
    const std::uint16_t word = dataCentre.parameters().value(static_cast<ParamId>(2 + input / 2));
    return static_cast<std::int8_t>(input % 2 == 1 ? word & 0xFF : word >> 8);
}

// A demonstration has to show a mix at work: inputs of the sound-check mix sound at once,
// the inputs it leaves unused stay silent, and without the option the desk is as it comes
// from the factory.
TEST(DemoMixTest, StartsWithTheFirstBankUpAndMetersMoving) {
    ManualClock clock{1000};
    DataCentre demo{clock, DataCentreConfig{.demoMix = true}};
    DataCentre factory{clock, DataCentreConfig{}};
    for (int step = 0; step < 4; ++step) {
        clock.advance(MeterSimulator::kStepMs);
        demo.tick();
        factory.tick();
    }
    const MixerParameters& mix = demo.parameters();
    EXPECT_EQ(mix.value(paramId(KindInput, 0, kNumberFader)), kUnity);
    EXPECT_LT(mix.value(paramId(KindInput, 4, kPanNumber)), kPanCentre);
    EXPECT_GT(mix.value(paramId(KindInput, 5, kPanNumber)), kPanCentre);
    EXPECT_EQ(mix.value(paramId(KindBus, 16, 72)), kUnity);
    EXPECT_GT(inputMeter(demo, 0), MeterSimulator::kSilence);
    EXPECT_EQ(inputMeter(demo, 25), MeterSimulator::kSilence);
    EXPECT_EQ(inputMeter(factory, 0), MeterSimulator::kSilence);
    EXPECT_NE(factory.parameters().value(paramId(KindInput, 0, kNumberFader)), kUnity);
}

} // namespace
} // namespace v32::dc
