#include "tools/velmar32-dc/MixerParameters.h"

#include "app/model/DefaultTable.h"
#include "app/protocol/FixedParams.h"

#include <gtest/gtest.h>

namespace v32::dc {
namespace {

// The main outputs' scaling is what turns the main bus meters on: a stand-in that kept the
// factory table's 0 there would show MAIN L and MAIN R silent whatever their level.
TEST(MixerParametersTest, MainOutputsAreFullyScaledAtPowerOnAndAfterAFactoryReset) {
    const DefaultTable defaults;
    MixerParameters parameters;
    EXPECT_EQ(parameters.value(FixedParam::kMainOutputScaling), 0x6464);
    const ParamId mainFader = paramId(KindBus, 16, kNumberFader);
    EXPECT_EQ(parameters.value(mainFader), defaults.of(mainFader));

    parameters.store(FixedParam::kMainOutputScaling, 40);
    parameters.store(mainFader, 77);
    parameters.resetToDefaults();
    EXPECT_EQ(parameters.value(FixedParam::kMainOutputScaling), 0x6464);
    EXPECT_EQ(parameters.value(mainFader), defaults.of(mainFader));
}

} // namespace
} // namespace v32::dc
