#include "tools/velmar32-dc/DemoMix.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"

#include <array>

namespace v32::dc {

namespace {

struct InputSetting {
    int input;
    double faderDb;
    // -100 hard left .. 100 hard right.
    int pan;
};

constexpr std::array kInputs{
    InputSetting{0, 0.0, 0},     InputSetting{1, -3.0, 0},    InputSetting{2, -6.0, -40},
    InputSetting{3, -6.0, 40},   InputSetting{4, -8.0, -70},  InputSetting{5, -8.0, 70},
    InputSetting{6, -2.0, 0},    InputSetting{7, -10.0, -50}, InputSetting{8, -10.0, 50},
    InputSetting{9, -4.0, -20},  InputSetting{10, -4.0, 20},  InputSetting{11, 2.0, 0},
    InputSetting{12, -1.0, 0},   InputSetting{13, -5.0, 30},  InputSetting{14, -12.0, -30},
    InputSetting{15, -12.0, 30}, InputSetting{20, -15.0, 0},  InputSetting{28, -6.0, 0},
    InputSetting{30, -9.0, 0},   InputSetting{32, -20.0, 0},
};

constexpr std::array kEffectReturnsDb{-10.0, -12.0, -18.0, -25.0};
constexpr std::array kMainBuses{BusIndex::kMainLeft, BusIndex::kMainRight};

void setFader(MixerParameters& parameters, int kind, int index, int number, double db) {
    parameters.store(paramId(kind, index, number), toRaw(ValueFaderLevel, db));
}

} // namespace

void applyDemoMix(MixerParameters& parameters) {
    for (const InputSetting& setting : kInputs) {
        setFader(parameters, KindInput, setting.input, kNumberFader, setting.faderDb);
        parameters.store(paramId(KindInput, setting.input, InputNumber::kPan),
                         toRaw(ValuePan, setting.pan));
    }
    for (int effect = 0; effect < static_cast<int>(kEffectReturnsDb.size()); ++effect) {
        setFader(parameters, KindEffect, effect, EffectNumber::kFader,
                 kEffectReturnsDb[static_cast<std::size_t>(effect)]);
    }
    for (int bus = 0; bus < BusIndex::kAuxCount; ++bus) {
        setFader(parameters, KindBus, bus, BusNumber::kFader, 0.0);
    }
    for (const int bus : kMainBuses) {
        setFader(parameters, KindBus, bus, BusNumber::kFader, 0.0);
    }
}

} // namespace v32::dc
