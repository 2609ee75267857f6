#include "app/model/DefaultTable.h"

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamNumbers.h"

#include <algorithm>

namespace v32 {

namespace {

// Positions first, first + stride, ... up to last get value, value + increment, ...
// A position is a parameter number in the channel lists and an identifier elsewhere.
struct DefaultRun {
    int first;
    int last;
    int value;
    int increment = 0;
    int stride = 1;
};

// Factory state of one channel; numbers not listed start at 0.
constexpr DefaultRun kInputDefaults[] = {
    {2, 2, 1},       // gate on
    {3, 3, 80},      // gate threshold -80 dB
    {4, 4, 128},     // gate, no control
    {5, 5, 3},       // gate attack
    {6, 6, 2},       // gate decay
    {9, 10, 1},      // phase normal, channel on
    {11, 11, 100},   // pan centre
    {12, 30, 1200},  // fader and bus sends at 0 dB
    {31, 32, 32768}, // monitor sends pre-fader
    {33, 36, 1200},  // FX sends at 0 dB
    {37, 37, 1},     // no control
    {39, 39, 1},     // compressor on
    {40, 40, 100},   // compressor ratio 1:1
    {41, 41, 10},    // compressor attack
    {42, 42, 5000},  // compressor release
    {45, 45, 1200},  // compressor make-up gain 0 dB
    {46, 47, 1},     // parametric equaliser on
    {48, 48, 20},    // high-pass filter code
    {49, 49, 32768}, // high-pass frequency
    {50, 50, 21},    // low-pass filter code
    {51, 51, 20600}, // low-pass frequency 20.6 kHz
};

constexpr DefaultRun kEffectDefaults[] = {
    {182, 182, 1},     // channel on
    {183, 200, 1200},  // bus sends at 0 dB
    {201, 202, 32768}, // monitor sends pre-fader
    {203, 204, 1},     // parametric equaliser on
    {205, 205, 20},    // high-pass filter code
    {206, 206, 32768}, // high-pass frequency
    {207, 207, 21},    // low-pass filter code
    {208, 208, 20600}, // low-pass frequency 20.6 kHz
    {231, 231, 78},    // second effect parameter
};

constexpr DefaultRun kBusDefaults[] = {
    {72, 72, 1200},  // fader at 0 dB
    {73, 74, 1},     // phase normal, channel on
    {76, 76, 1},     // no control
    {78, 78, 1},     // compressor on
    {79, 79, 100},   // compressor ratio 1:1
    {80, 80, 10},    // compressor attack
    {81, 81, 5000},  // compressor release
    {83, 83, 1200},  // compressor make-up gain 0 dB
    {86, 88, 1},     // graphic and parametric equaliser on
    {89, 89, 20},    // high-pass filter code
    {90, 90, 32768}, // high-pass frequency
    {91, 91, 21},    // low-pass filter code
    {92, 92, 20600}, // low-pass frequency 20.6 kHz
};

// Frequencies of the equaliser bands in order; bit 15 marks tenths of a hertz.
constexpr std::uint16_t kChannelBandFrequencies[] = {33568, 400, 2500, 12000, 20000};
// Buses: seven parametric bands from number 93, then the fifteen graphic bands from 121.
constexpr std::uint16_t kBusBandFrequencies[] = {
    33398, 150, 400, 1000, 2500, 6300, 16000, 33018, 33168, 33398, 100,
    163,   250, 400, 630,  1000, 1600, 2500,  4000,  6300,  10000, 12000};

struct ChannelDefaults {
    ChannelKind kind;
    std::span<const DefaultRun> runs;
    int firstBandNumber;
    std::span<const std::uint16_t> bandFrequencies;
};

constexpr ChannelDefaults kChannelDefaults[] = {
    {KindInput, kInputDefaults, InputNumber::kFirstBand, kChannelBandFrequencies},
    {KindEffect, kEffectDefaults, EffectNumber::kFirstBand, kChannelBandFrequencies},
    {KindBus, kBusDefaults, BusNumber::kFirstBand, kBusBandFrequencies},
};

// FX2 and FX4 choose from the second half of the effect type list.
constexpr std::uint16_t kEffectTypeDefaults[] = {1, 17, 1, 17};

constexpr DefaultRun kGlobalDefaults[] = {
    {2513, 2513, 1000}, // signal generator frequency
    {2514, 2514, 800},  // signal generator level
    {2515, 2532, 1200}, // signal generator outputs
    {2533, 2562, 1, 1}, // recorder tracks 1..30 record channels 1..30
    {2565, 2592, 1, 1}, // recorder tracks 1..28 play back into inputs 1..28
    {2597, 2660, 50},   // recorder record-in and play-back levels
    {2661, 2692, 1},    // recorder play-back switches
    {FixedParam::kLastCalledScene, FixedParam::kLastCalledScene, 1},
};

// System settings that no screen edits, as the mixer leaves the factory.
constexpr DefaultRun kSystemDefaults[] = {
    {4852, 4852, 100}, {4962, 4968, 360, 0, 2}, {4963, 4969, 480, 0, 2}, {4971, 4973, 1},
    {4976, 4976, 18},  {4977, 4977, 13398},     {4980, 4980, 1},         {4982, 4982, 1000},
    {4983, 4983, 6},   {4984, 4984, 1},         {4985, 4985, 128},       {4986, 4986, 1},
    {4987, 4987, 40},
};

// Where the factory state departs from the values that every channel of a kind shares.
struct ChannelOverride {
    ChannelKind kind;
    int firstIndex;
    int lastIndex;
    DefaultRun run;
};

constexpr ChannelOverride kChannelOverrides[] = {
    {KindInput, 0, 33, {12, 26, 0}},        // fader and AUX sends closed
    {KindInput, 0, 33, {33, 36, 0}},        // FX sends closed
    {KindInput, 0, 33, {49, 49, 0x80C4}},   // high-pass at 19.6 Hz
    {KindInput, 0, 33, {31, 32, 0}},        // monitor sends off, post-fader
    {KindInput, 0, 33, {41, 41, 100}},      // compressor attack 10 ms
    {KindEffect, 0, 3, {181, 181, 0}},      // fader closed
    {KindEffect, 0, 3, {183, 196, 0}},      // AUX sends closed
    {KindEffect, 0, 3, {206, 206, 0x80C4}}, // high-pass at 19.6 Hz
    {KindEffect, 0, 3, {201, 202, 0}},      // monitor sends off, post-fader
    {KindEffect, 0, 3, {234, 234, 1}},      // preset 1
    {KindBus, 0, 13, {72, 72, 0}},          // AUX faders closed
    {KindBus, 0, 17, {90, 90, 0x80C4}},     // high-pass at 19.6 Hz
    {KindBus, 0, 17, {84, 85, 0}},          // monitor sends off, post-fader
    {KindBus, 0, 17, {80, 80, 100}},        // compressor attack 10 ms
    {KindDca, 0, 7, {236, 236, 0}},         // fader closed
};

// A fixed stereo input sends its left half to MAIN L only and its right half to MAIN R only.
constexpr int kStereoLeftHalves[] = {InputIndex::kFirstStereo, InputIndex::kFirstStereo + 2,
                                     InputIndex::kDigital};

// Every logical channel starts on the hardware channel of its own number, so each hardware
// channel serves exactly one logical channel.
constexpr DefaultRun kMappingDefaults[] = {
    {2693, 2726, 1, 1}, // inputs 0..33 on hardware inputs 1..34
    {4855, 4872, 1, 1}, // buses 0..17 on hardware outputs 1..18
};

void put(std::span<std::uint16_t> table, int id, int value) {
    if (id >= 0 && static_cast<std::size_t>(id) < table.size()) {
        table[static_cast<std::size_t>(id)] = static_cast<std::uint16_t>(value);
    }
}

void applyIdentifierRun(std::span<std::uint16_t> table, const DefaultRun& run) {
    int value = run.value;
    for (int id = run.first; id <= run.last; id += run.stride) {
        put(table, id, value);
        value += run.increment;
    }
}

void applyChannelRun(std::span<std::uint16_t> table, int kind, int index, const DefaultRun& run) {
    int value = run.value;
    for (int number = run.first; number <= run.last; number += run.stride) {
        put(table, paramId(kind, index, number), value);
        value += run.increment;
    }
}

// Every band starts as a peaking band at its frequency with 0 dB gain and Q 1.00.
void applyBands(std::span<std::uint16_t> table, const ChannelDefaults& channel, int index) {
    int number = channel.firstBandNumber;
    for (std::uint16_t frequency : channel.bandFrequencies) {
        put(table, paramId(channel.kind, index, number + EqBandNumber::kType), 7);
        put(table, paramId(channel.kind, index, number + EqBandNumber::kFrequency), frequency);
        put(table, paramId(channel.kind, index, number + EqBandNumber::kGain), 500);
        put(table, paramId(channel.kind, index, number + EqBandNumber::kQ), 100);
        number += EqBandNumber::kNumbersPerBand;
    }
}

void applyChannelList(std::span<std::uint16_t> table) {
    for (const ChannelDefaults& channel : kChannelDefaults) {
        for (int index = 0; index < channelLayoutOf(channel.kind).channelCount; ++index) {
            for (const DefaultRun& run : channel.runs) {
                applyChannelRun(table, channel.kind, index, run);
            }
            applyBands(table, channel, index);
        }
    }
    for (int index = 0; index < channelLayoutOf(KindEffect).channelCount; ++index) {
        put(table, paramId(KindEffect, index, EffectNumber::kEffectType),
            kEffectTypeDefaults[static_cast<std::size_t>(index)]);
    }
    for (const DefaultRun& run : kGlobalDefaults) {
        applyIdentifierRun(table, run);
    }
    for (const DefaultRun& run : kSystemDefaults) {
        applyIdentifierRun(table, run);
    }
}

void applyOverrides(std::span<std::uint16_t> table) {
    for (const ChannelOverride& entry : kChannelOverrides) {
        for (int index = entry.firstIndex; index <= entry.lastIndex; ++index) {
            applyChannelRun(table, entry.kind, index, entry.run);
        }
    }
    for (int left : kStereoLeftHalves) {
        put(table, paramId(KindInput, left, InputNumber::kMainRightSend), 0);
        put(table, paramId(KindInput, left + 1, InputNumber::kMainLeftSend), 0);
    }
}

void applyMappings(std::span<std::uint16_t> table) {
    for (const DefaultRun& run : kMappingDefaults) {
        applyIdentifierRun(table, run);
    }
}

} // namespace

void fillDefaults(std::span<std::uint16_t> table) {
    std::fill(table.begin(), table.end(), 0);
    applyChannelList(table);
    applyOverrides(table);
    applyMappings(table);
}

DefaultTable::DefaultTable() {
    fillDefaults(values_);
}

std::uint16_t DefaultTable::of(ParamId id) const {
    return id < kParamCount ? values_[id] : 0;
}

} // namespace v32
