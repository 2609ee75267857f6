#include "app/protocol/ParamId.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"

#include <array>
#include <span>

namespace v32 {

namespace {

// Parameter numbers first..last (every stride-th one) hold values of one kind. Numbers
// that no rule names hold raw words (kind 0).
struct ValueKindRule {
    int first;
    int last;
    ValueKindId valueKind;
    int stride = 1;
};

constexpr ValueKindRule kInputValueKinds[] = {
    {0, 0, ValueOnOff},                 // high-impedance input, bit 0
    {1, 1, ValueOnOff},                 // phantom power
    {2, 2, ValueOnOff},                 // gate on
    {3, 3, ValueGateThreshold},         // gate threshold
    {5, 5, ValueGateAttack},            // gate attack
    {6, 6, ValueGateDecay},             // gate decay, a multiple
    {7, 7, ValueGateHold},              // gate hold
    {8, 8, ValueInputGain},             // input gain
    {9, 9, ValuePhase},                 // phase, 1 normal
    {10, 10, ValueOnOff},               // channel on
    {11, 11, ValuePan},                 // pan
    {12, 12, ValueFaderLevel},          // fader
    {13, 28, ValueSendLevel},           // sends to bus indexes 0..15 (AUX1..AUX14 and two spare)
    {29, 30, ValueSendLevel},           // sends to MAIN L and MAIN R
    {31, 32, ValueSendLevel},           // monitor sends left and right
    {33, 36, ValueSendLevel},           // sends to FX1..FX4
    {38, 38, ValueDelay},               // delay
    {39, 39, ValueOnOff},               // compressor on
    {40, 40, ValueCompressorRatio},     // compressor ratio
    {41, 41, ValueCompressorAttack},    // compressor attack
    {42, 42, ValueCompressorRelease},   // compressor release
    {43, 43, ValueCompressorThreshold}, // compressor threshold
    {45, 45, ValueCompressorGain},      // compressor make-up gain
    {46, 46, ValueOnOff},               // parametric equaliser on
    {48, 48, ValueHighPassCode},        // high-pass filter code
    {49, 49, ValueHighPassFrequency},   // high-pass frequency
    {50, 50, ValueLowPassCode},         // low-pass filter code
    {51, 51, ValueLowPassFrequency},    // low-pass frequency
    {53, 69, ValueBandFrequency, 4},    // parametric bands 0..4: frequency
    {54, 70, ValueBandGain, 4},         // parametric bands 0..4: gain
    {55, 71, ValueBandQ, 4},            // parametric bands 0..4: Q
};

constexpr ValueKindRule kEffectValueKinds[] = {
    {181, 181, ValueFaderLevel},        // fader
    {182, 182, ValueOnOff},             // channel on
    {183, 198, ValueSendLevel},         // sends to bus indexes 0..15 (AUX1..AUX14 and two spare)
    {199, 200, ValueSendLevel},         // sends to MAIN L and MAIN R
    {201, 202, ValueSendLevel},         // monitor sends left and right
    {203, 203, ValueOnOff},             // parametric equaliser on
    {205, 205, ValueHighPassCode},      // high-pass filter code
    {206, 206, ValueHighPassFrequency}, // high-pass frequency
    {207, 207, ValueLowPassCode},       // low-pass filter code
    {208, 208, ValueLowPassFrequency},  // low-pass frequency
    {210, 226, ValueBandFrequency, 4},  // parametric bands 0..4: frequency
    {211, 227, ValueBandGain, 4},       // parametric bands 0..4: gain
    {212, 228, ValueBandQ, 4},          // parametric bands 0..4: Q
    {229, 229, ValueEffectType},        // effect type 1..32
    {230, 230, ValueEffectFirstParam},  // first effect parameter, read by the effect type
    {231, 231, ValueEffectSecondParam}, // second effect parameter, read by the effect type
};

constexpr ValueKindRule kBusValueKinds[] = {
    {72, 72, ValueFaderLevel},            // fader
    {73, 73, ValuePhase},                 // phase, 1 normal
    {74, 74, ValueOnOff},                 // channel on
    {77, 77, ValueDelay},                 // delay
    {78, 78, ValueOnOff},                 // compressor on
    {79, 79, ValueCompressorRatio},       // compressor ratio
    {80, 80, ValueCompressorAttack},      // compressor attack
    {81, 81, ValueCompressorRelease},     // compressor release
    {82, 82, ValueCompressorThreshold},   // compressor threshold
    {83, 83, ValueCompressorGain},        // compressor make-up gain
    {84, 85, ValueSendLevel},             // monitor sends left and right
    {86, 86, ValueOnOff},                 // graphic equaliser on
    {87, 87, ValueOnOff},                 // parametric equaliser on
    {89, 89, ValueHighPassCode},          // high-pass filter code
    {90, 90, ValueHighPassFrequency},     // high-pass frequency
    {91, 91, ValueLowPassCode},           // low-pass filter code
    {92, 92, ValueLowPassFrequency},      // low-pass frequency
    {94, 118, ValueBandFrequency, 4},     // parametric bands 0..6: frequency
    {95, 119, ValueBandGain, 4},          // parametric bands 0..6: gain
    {96, 120, ValueBandQ, 4},             // parametric bands 0..6: Q
    {122, 178, ValueGraphicFrequency, 4}, // graphic bands 0..14: frequency
    {123, 179, ValueGraphicGain, 4},      // graphic bands 0..14: gain
    {124, 180, ValueGraphicQ, 4},         // graphic bands 0..14: Q
};

constexpr ValueKindRule kDcaValueKinds[] = {
    {235, 235, ValueOnOff},      // DCA on
    {236, 236, ValueFaderLevel}, // fader
    {237, 237, ValueOnOff},      // channel on
    {238, 238, ValueSendLevel},  // monitor send
};

constexpr ValueKindRule kMuteGroupValueKinds[] = {
    {244, 244, ValueOnOff}, // group mute active
};

constexpr ValueKindRule kPhantomGroupValueKinds[] = {
    {249, 249, ValueOnOff}, // group phantom power on
};

// Identifiers outside the channels whose controls step through a value kind; first and
// last are identifiers here, not parameter numbers.
constexpr ValueKindRule kGlobalValueKinds[] = {
    {2597, 2660, ValuePercent}, // recorder record-in and play-back levels
    {FixedParam::kLampLevel, FixedParam::kLampLevel, ValueLampLevel},
};

constexpr std::array<ChannelLayout, 7> kChannelLayouts{{
    {}, // no channel
    {InputIndex::kCount, InputNumber::kFirst, InputNumber::kLast},
    {EffectIndex::kCount, EffectNumber::kFirst, EffectNumber::kLast},
    {BusIndex::kCount, BusNumber::kFirst, BusNumber::kLast},
    {DcaIndex::kCount, DcaNumber::kFirst, DcaNumber::kLast},
    {MuteGroupIndex::kCount, MuteGroupNumber::kFirst, MuteGroupNumber::kLast},
    {PhantomGroupIndex::kCount, PhantomGroupNumber::kFirst, PhantomGroupNumber::kLast},
}};

// The numbers that fader, on and solo stand for in kinds 1 to 4.
constexpr std::array<std::array<int, 3>, 5> kGenericNumbers{{
    {},
    {InputNumber::kFader, InputNumber::kOn, InputNumber::kSolo},
    {EffectNumber::kFader, EffectNumber::kOn, EffectNumber::kSolo},
    {BusNumber::kFader, BusNumber::kOn, BusNumber::kSolo},
    {DcaNumber::kFader, DcaNumber::kOn, DcaNumber::kSolo},
}};

constexpr bool isChannelKind(int kind) {
    return kind >= KindInput && kind <= KindPhantomGroup;
}

constexpr bool isGenericNumber(int number) {
    return number >= kNumberFader && number <= kNumberSolo;
}

// Kind, index and number are already known to lie in the kind's layout.
constexpr int identifierInLayout(int kind, int index, int number) {
    switch (kind) {
    case KindInput:
        return 63 + 72 * index + number;
    case KindEffect:
        if (number <= 202) {
            return 4692 + 22 * index + number;
        }
        if (number <= 233) {
            return 2524 + 31 * index + number;
        }
        return 5116 + index;
    case KindBus:
        return 2818 + 109 * index + number;
    case KindDca:
        return 4756 + 9 * index + number;
    case KindMuteGroup:
        return 4820 + 5 * index + number;
    default:
        return 4846 + 3 * index + number;
    }
}

// Every triple outside its kind's layout is refused: the formulas would otherwise land on
// identifiers of other channels or of global settings.
constexpr ParamId identifierOf(int kind, int index, int number) {
    if (!isChannelKind(kind)) {
        return kInvalidParam;
    }
    const ChannelLayout& layout = kChannelLayouts[static_cast<std::size_t>(kind)];
    if (index < 0 || index >= layout.channelCount) {
        return kInvalidParam;
    }
    if (isGenericNumber(number) && kind <= KindDca) {
        number = kGenericNumbers[static_cast<std::size_t>(kind)]
                                [static_cast<std::size_t>(number - kNumberFader)];
    }
    if (number < layout.firstNumber || number > layout.lastNumber) {
        return kInvalidParam;
    }
    return static_cast<ParamId>(identifierInLayout(kind, index, number));
}

constexpr std::span<const ValueKindRule> valueKindRulesOf(int kind) {
    switch (kind) {
    case KindInput:
        return kInputValueKinds;
    case KindEffect:
        return kEffectValueKinds;
    case KindBus:
        return kBusValueKinds;
    case KindDca:
        return kDcaValueKinds;
    case KindMuteGroup:
        return kMuteGroupValueKinds;
    default:
        return kPhantomGroupValueKinds;
    }
}

using DescriptorTable = std::array<ParamDescriptor, kParamCount>;

constexpr void describeChannel(DescriptorTable& table, int kind, int index) {
    const ChannelLayout& layout = kChannelLayouts[static_cast<std::size_t>(kind)];
    for (int number = layout.firstNumber; number <= layout.lastNumber; ++number) {
        table[identifierOf(kind, index, number)] = {
            static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(kind),
            static_cast<std::uint8_t>(number), ValueRawWord};
    }
    for (const ValueKindRule& rule : valueKindRulesOf(kind)) {
        for (int number = rule.first; number <= rule.last; number += rule.stride) {
            table[identifierOf(kind, index, number)].valueKind = rule.valueKind;
        }
    }
}

constexpr DescriptorTable buildDescriptorTable() {
    DescriptorTable table{};
    for (const ValueKindRule& rule : kGlobalValueKinds) {
        for (int id = rule.first; id <= rule.last; id += rule.stride) {
            table[static_cast<std::size_t>(id)].valueKind = rule.valueKind;
        }
    }
    for (int kind = KindInput; kind <= KindPhantomGroup; ++kind) {
        for (int index = 0; index < kChannelLayouts[static_cast<std::size_t>(kind)].channelCount;
             ++index) {
            describeChannel(table, kind, index);
        }
    }
    return table;
}

// The whole table is a compile-time constant, so no start-up step has to build it and no
// reader can see it half filled.
constexpr DescriptorTable kDescriptors = buildDescriptorTable();

} // namespace

ChannelLayout channelLayoutOf(int kind) {
    return isChannelKind(kind) ? kChannelLayouts[static_cast<std::size_t>(kind)] : ChannelLayout{};
}

ParamId paramId(int kind, int index, int number) {
    return identifierOf(kind, index, number);
}

ParamDescriptor descriptorOf(ParamId id) {
    return id < kParamCount ? kDescriptors[id] : ParamDescriptor{};
}

int channelKindOf(ParamId id) {
    return descriptorOf(id).kind;
}

int channelIndexOf(ParamId id) {
    return descriptorOf(id).index;
}

int paramNumberOf(ParamId id) {
    return descriptorOf(id).number;
}

int valueKindOf(ParamId id) {
    return descriptorOf(id).valueKind;
}

} // namespace v32
