#include "app/model/LinkedWrites.h"

#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

struct Write {
    int index;
    int number;
    std::uint16_t value;
};

struct PairCase {
    const char* what;
    int kind;
    int index;
    int number;
    ParamId settingId; // a link or send-mode word, 0 for none
    std::uint16_t settingValue;
    std::vector<Write> expected; // all of the channel kind written
};

constexpr std::uint16_t kV = 900;

// The monitor-send cross of linked buses, send modes of the fixed stereo inputs and the
// numbers that stay per side on a linked input pair.
const std::vector<PairCase> kPairCases = {
    {"unlinked input", KindInput, 3, 12, 0, 0, {{3, 12, kV}}},
    {"linked input fader, odd half", KindInput, 3, 12, 5108, 0b10, {{2, 12, kV}, {3, 12, kV}}},
    {"linked input phantom", KindInput, 0, 1, 5108, 0b1, {{0, 1, kV}, {1, 1, kV}}},
    {"other pair's link", KindInput, 3, 12, 5108, 0b1, {{3, 12, kV}}},
    {"linked input pan", KindInput, 2, 11, 5108, 0b10, {{2, 11, kV}}},
    {"linked input AUX send", KindInput, 2, 20, 5108, 0b10, {{2, 20, kV}}},
    {"linked input MAIN send", KindInput, 2, 30, 5108, 0b10, {{2, 30, kV}}},
    {"linked input FX send", KindInput, 2, 36, 5108, 0b10, {{2, 36, kV}}},
    {"linked input monitor send", KindInput, 2, 31, 5108, 0b10, {{2, 31, kV}, {3, 31, kV}}},
    {"stereo MAIN L", KindInput, 28, 29, 0, 0, {{28, 29, kV}, {29, 29, 0}}},
    {"stereo monitor L", KindInput, 30, 31, 0, 0, {{30, 31, kV}, {31, 31, 0}}},
    {"stereo MAIN R", KindInput, 32, 30, 0, 0, {{32, 30, 0}, {33, 30, kV}}},
    {"stereo monitor R", KindInput, 28, 32, 0, 0, {{28, 32, 0}, {29, 32, kV}}},
    {"stereo fader", KindInput, 30, 12, 0, 0, {{30, 12, kV}, {31, 12, kV}}},
    {"stereo FX send", KindInput, 28, 33, 0, 0, {{28, 33, kV}, {29, 33, kV}}},
    {"stereo AUX1 mode 0", KindInput, 28, 13, 0, 0, {{28, 13, kV}, {29, 13, kV}}},
    {"stereo AUX1 mode 1", KindInput, 28, 13, 5110, 0b01, {{28, 13, kV}, {29, 13, 0}}},
    {"stereo AUX2 mode 2", KindInput, 28, 14, 5110, 0b1000, {{28, 14, 0}, {29, 14, kV}}},
    {"stereo AUX8 mode 3", KindInput, 28, 20, 5110, 0xC000, {{28, 20, kV}, {29, 20, kV}}},
    {"stereo AUX9 second word", KindInput, 28, 21, 5111, 0b01, {{28, 21, kV}, {29, 21, 0}}},
    {"CH31/32 AUX3 mode 2", KindInput, 30, 15, 5112, 0b100000, {{30, 15, 0}, {31, 15, kV}}},
    {"CH31/32 ignores CH29/30 modes", KindInput, 30, 13, 5110, 0b01, {{30, 13, kV}, {31, 13, kV}}},
    {"DIGI AUX14 mode 1", KindInput, 32, 26, 5115, 0x400, {{32, 26, kV}, {33, 26, 0}}},
    {"stereo right half alone", KindInput, 29, 12, 0, 0, {{29, 12, kV}}},
    {"unlinked bus", KindBus, 4, 72, 0, 0, {{4, 72, kV}}},
    {"linked bus fader", KindBus, 5, 72, 5109, 0b100, {{4, 72, kV}, {5, 72, kV}}},
    {"linked even bus monitor L", KindBus, 4, 84, 5109, 0b100, {{4, 84, kV}, {5, 85, kV}}},
    {"linked even bus monitor R", KindBus, 4, 85, 5109, 0b100, {{4, 85, kV}, {5, 84, kV}}},
    {"linked odd bus monitor L", KindBus, 5, 84, 5109, 0b100, {{4, 85, kV}, {5, 84, kV}}},
    {"linked odd bus monitor R", KindBus, 5, 85, 5109, 0b100, {{4, 84, kV}, {5, 85, kV}}},
    {"linked MAIN", KindBus, 17, 74, 5109, 0x100, {{16, 74, kV}, {17, 74, kV}}},
    {"effect return", KindEffect, 1, 181, 5108, 0xFFFF, {{1, 181, kV}}},
};

TEST(LinkedWritesTest, PairRules) {
    for (const PairCase& c : kPairCases) {
        test::StoredValues values;
        if (c.settingId != 0) {
            values.set(c.settingId, c.settingValue);
        }
        const LinkedWrites writes(values, paramId(c.kind, c.index, c.number), kV);
        std::vector<ParamPair> expected;
        for (const Write& w : c.expected) {
            expected.push_back({paramId(c.kind, w.index, w.number), w.value});
        }
        EXPECT_EQ(std::vector<ParamPair>(writes.pairs().begin(), writes.pairs().end()), expected)
            << c.what;
    }
}

TEST(LinkedWritesTest, ParametersOutsideChannelsAreWrittenAlone) {
    test::StoredValues values;
    values.set(5108, 0xFFFF);
    values.set(5109, 0xFFFF);
    for (const ParamId id : {ParamId{0}, ParamId{5108}, ParamId{5213}, kLastParam}) {
        const LinkedWrites writes(values, id, kV);
        ASSERT_EQ(writes.pairs().size(), 1U) << id;
        EXPECT_EQ(writes.pairs()[0], (ParamPair{id, kV}));
    }
}

} // namespace
} // namespace v32
