#include "app/protocol/ParamId.h"

#include <array>
#include <span>

namespace v32 {

namespace {

// Value kinds by what a parameter holds; the numbers are the rows of the value-kind table.
enum ValueKindCode : std::uint8_t {
    RawWord = 0,
    OnOff = 1,
    Pan = 2,
    InputGain = 3,
    Delay = 4,
    GateThreshold = 5,
    GateAttack = 6,
    GateHold = 7,
    GateDecay = 8,
    CompressorThreshold = 10,
    CompressorAttack = 11,
    CompressorRatio = 12,
    CompressorRelease = 13,
    CompressorGain = 14,
    FaderLevel = 15,
    SendLevel = 16,
    HighPassCode = 17,
    LowPassCode = 18,
    HighPassFrequency = 19,
    LowPassFrequency = 20,
    BandFrequency = 21,
    BandGain = 22,
    BandQ = 23,
    GraphicFrequency = 24,
    GraphicGain = 25,
    GraphicQ = 26,
    EffectType = 27,
    EffectFirstParam = 28,
    EffectSecondParam = 29,
    Phase = 39,
    Percent = 43,
    LampLevel = 44,
};

// Parameter numbers first..last (every stride-th one) hold values of one kind. Numbers
// that no rule names hold raw words (kind 0).
struct ValueKindRule {
    int first;
    int last;
    ValueKindCode valueKind;
    int stride = 1;
};

constexpr ValueKindRule kInputValueKinds[] = {
    {0, 0, OnOff},                 // high-impedance input, bit 0
    {1, 1, OnOff},                 // phantom power
    {2, 2, OnOff},                 // gate on
    {3, 3, GateThreshold},         // gate threshold
    {5, 5, GateAttack},            // gate attack
    {6, 6, GateDecay},             // gate decay, a multiple
    {7, 7, GateHold},              // gate hold
    {8, 8, InputGain},             // input gain
    {9, 9, Phase},                 // phase, 1 normal
    {10, 10, OnOff},               // channel on
    {11, 11, Pan},                 // pan
    {12, 12, FaderLevel},          // fader
    {13, 28, SendLevel},           // sends to bus indexes 0..15 (AUX1..AUX14 and two spare)
    {29, 30, SendLevel},           // sends to MAIN L and MAIN R
    {31, 32, SendLevel},           // monitor sends left and right
    {33, 36, SendLevel},           // sends to FX1..FX4
    {38, 38, Delay},               // delay
    {39, 39, OnOff},               // compressor on
    {40, 40, CompressorRatio},     // compressor ratio
    {41, 41, CompressorAttack},    // compressor attack
    {42, 42, CompressorRelease},   // compressor release
    {43, 43, CompressorThreshold}, // compressor threshold
    {45, 45, CompressorGain},      // compressor make-up gain
    {46, 46, OnOff},               // parametric equaliser on
    {48, 48, HighPassCode},        // high-pass filter code
    {49, 49, HighPassFrequency},   // high-pass frequency
    {50, 50, LowPassCode},         // low-pass filter code
    {51, 51, LowPassFrequency},    // low-pass frequency
    {53, 69, BandFrequency, 4},    // parametric bands 0..4: frequency
    {54, 70, BandGain, 4},         // parametric bands 0..4: gain
    {55, 71, BandQ, 4},            // parametric bands 0..4: Q
};

constexpr ValueKindRule kEffectValueKinds[] = {
    {181, 181, FaderLevel},        // fader
    {182, 182, OnOff},             // channel on
    {183, 198, SendLevel},         // sends to bus indexes 0..15 (AUX1..AUX14 and two spare)
    {199, 200, SendLevel},         // sends to MAIN L and MAIN R
    {201, 202, SendLevel},         // monitor sends left and right
    {203, 203, OnOff},             // parametric equaliser on
    {205, 205, HighPassCode},      // high-pass filter code
    {206, 206, HighPassFrequency}, // high-pass frequency
    {207, 207, LowPassCode},       // low-pass filter code
    {208, 208, LowPassFrequency},  // low-pass frequency
    {210, 226, BandFrequency, 4},  // parametric bands 0..4: frequency
    {211, 227, BandGain, 4},       // parametric bands 0..4: gain
    {212, 228, BandQ, 4},          // parametric bands 0..4: Q
    {229, 229, EffectType},        // effect type 1..32
    {230, 230, EffectFirstParam},  // first effect parameter, read by the effect type
    {231, 231, EffectSecondParam}, // second effect parameter, read by the effect type
};

constexpr ValueKindRule kBusValueKinds[] = {
    {72, 72, FaderLevel},            // fader
    {73, 73, Phase},                 // phase, 1 normal
    {74, 74, OnOff},                 // channel on
    {77, 77, Delay},                 // delay
    {78, 78, OnOff},                 // compressor on
    {79, 79, CompressorRatio},       // compressor ratio
    {80, 80, CompressorAttack},      // compressor attack
    {81, 81, CompressorRelease},     // compressor release
    {82, 82, CompressorThreshold},   // compressor threshold
    {83, 83, CompressorGain},        // compressor make-up gain
    {84, 85, SendLevel},             // monitor sends left and right
    {86, 86, OnOff},                 // graphic equaliser on
    {87, 87, OnOff},                 // parametric equaliser on
    {89, 89, HighPassCode},          // high-pass filter code
    {90, 90, HighPassFrequency},     // high-pass frequency
    {91, 91, LowPassCode},           // low-pass filter code
    {92, 92, LowPassFrequency},      // low-pass frequency
    {94, 118, BandFrequency, 4},     // parametric bands 0..6: frequency
    {95, 119, BandGain, 4},          // parametric bands 0..6: gain
    {96, 120, BandQ, 4},             // parametric bands 0..6: Q
    {122, 178, GraphicFrequency, 4}, // graphic bands 0..14: frequency
    {123, 179, GraphicGain, 4},      // graphic bands 0..14: gain
    {124, 180, GraphicQ, 4},         // graphic bands 0..14: Q
};

constexpr ValueKindRule kDcaValueKinds[] = {
    {235, 235, OnOff},      // DCA on
    {236, 236, FaderLevel}, // fader
    {237, 237, OnOff},      // channel on
    {238, 238, SendLevel},  // monitor send
};

constexpr ValueKindRule kMuteGroupValueKinds[] = {
    {244, 244, OnOff}, // group mute active
};

constexpr ValueKindRule kPhantomGroupValueKinds[] = {
    {249, 249, OnOff}, // group phantom power on
};

// Identifiers outside the channels whose controls step through a value kind; first and
// last are identifiers here, not parameter numbers.
constexpr ValueKindRule kGlobalValueKinds[] = {
    {2597, 2660, Percent},   // recorder record-in and play-back levels
    {5199, 5199, LampLevel}, // lamp level
};

constexpr std::array<ChannelLayout, 7> kChannelLayouts{{
    {},            // no channel
    {34, 0, 71},   // input channels
    {4, 181, 234}, // effect returns
    {18, 72, 180}, // buses; indexes 14 and 15 carry no bus
    {8, 235, 243}, // DCAs
    {6, 244, 248}, // mute groups
    {4, 249, 251}, // phantom groups
}};

// The numbers that fader, on and solo stand for in kinds 1 to 4.
constexpr std::array<std::array<int, 3>, 5> kGenericNumbers{{
    {},
    {12, 10, 31},
    {181, 182, 201},
    {72, 74, 84},
    {236, 237, 238},
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
        table[identifierOf(kind, index, number)] = {static_cast<std::uint8_t>(index),
                                                    static_cast<std::uint8_t>(kind),
                                                    static_cast<std::uint8_t>(number), RawWord};
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
