#include "app/model/SendOnFader.h"

#include "app/model/LinkedWrites.h"
#include "app/model/StereoSendMode.h"
#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr SendBus aux(int index) {
    return {SendBus::Type::Aux, index};
}

constexpr SendBus fx(int index) {
    return {SendBus::Type::Effect, index};
}

struct TargetCase {
    const char* what;
    Channel source;
    SendBus bus;
    Channel owner; // the channel whose parameter is written; kind 0 for none
    int number;
};

const TargetCase kTargetCases[] = {
    {"CH1 to AUX1", {KindInput, 0}, aux(0), {KindInput, 0}, 13},
    {"CH28 to AUX14", {KindInput, 27}, aux(13), {KindInput, 27}, 26},
    {"CH6 to FX3", {KindInput, 5}, fx(2), {KindInput, 5}, 35},
    {"CH29/30 to AUX4", {KindInput, 28}, aux(3), {KindInput, 28}, 16},
    {"DIGI to FX1", {KindInput, 32}, fx(0), {KindInput, 32}, 33},
    {"FX3 return to AUX6", {KindEffect, 2}, aux(5), {KindEffect, 2}, 188},
    {"FX4 return to AUX14", {KindEffect, 3}, aux(13), {KindEffect, 3}, 196},
    {"right half of a stereo input", {KindInput, 29}, aux(0), {}, 0},
    {"right half of DIGI", {KindInput, 33}, fx(0), {}, 0},
    {"effect return to an FX bus", {KindEffect, 1}, fx(1), {}, 0},
    {"bus as a source", {KindBus, 2}, aux(0), {}, 0},
    {"DCA as a source", {KindDca, 0}, aux(0), {}, 0},
    {"AUX beyond the last", {KindInput, 0}, aux(14), {}, 0},
    {"FX beyond the last", {KindInput, 0}, fx(4), {}, 0},
    {"negative bus index", {KindInput, 0}, aux(-1), {}, 0},
    {"effect return beyond the last", {KindEffect, 4}, aux(0), {}, 0},
};

TEST(SendOnFaderTest, TargetPerSourceKindAndBus) {
    for (const TargetCase& c : kTargetCases) {
        const ParamId expected = c.owner.kind == KindNone
                                     ? kInvalidParam
                                     : paramId(c.owner.kind, c.owner.index, c.number);
        EXPECT_EQ(SendOnFader::sendId(c.source, c.bus), expected) << c.what;
        EXPECT_EQ(SendOnFader::canSend(c.source, c.bus), expected != kInvalidParam) << c.what;
    }
}

struct ShownCase {
    const char* what;
    int input;
    SendBus bus;
    ParamId modeWord;
    std::uint16_t modeValue;
    int shownInput;
};

// AUX4 is send 3: its mode bits are bits 6-7 of the pair's first word.
const ShownCase kShownCases[] = {
    {"no side chosen", 28, aux(3), 5110, 0, 28},
    {"left only", 28, aux(3), 5110, 1 << 6, 28},
    {"right only", 28, aux(3), 5110, 2 << 6, 29},
    {"both sides", 28, aux(3), 5110, 3 << 6, 28},
    {"another send right only", 28, aux(3), 5110, 2 << 8, 28},
    {"CH31/32 right only in its second word", 30, aux(9), 5113, 2 << 2, 31},
    {"DIGI right only", 32, aux(0), 5114, 2, 33},
    {"FX sends have no side", 28, fx(3), 5110, 0xFFFF, 28},
    {"mono input", 4, aux(3), 5110, 0xAAAA, 4},
};

TEST(SendOnFaderTest, StereoInputShowsTheRightHalfOnlyForRightOnlySends) {
    for (const ShownCase& c : kShownCases) {
        test::StoredValues values;
        values.set(c.modeWord, c.modeValue);
        const int number = (c.bus.type == SendBus::Type::Aux ? 13 : 33) + c.bus.index;
        EXPECT_EQ(SendOnFader::shownSendId(values, {KindInput, c.input}, c.bus),
                  paramId(KindInput, c.shownInput, number))
            << c.what;
    }
}

// What the strip shows after a write must be what it wrote, whichever side feeds the AUX:
// the stereo write rules and the shown send agree.
TEST(SendOnFaderTest, ShownSendHoldsWhatTheStripWrote) {
    constexpr std::uint16_t kLevel = 0x8000 | 950;
    for (int mode = 0; mode <= StereoSendMode::kBoth; ++mode) {
        test::StoredValues values;
        values.set(5112, StereoSendMode::withMode(0, 5, mode));
        const Channel stereo{KindInput, 30};
        const LinkedWrites writes(values, SendOnFader::sendId(stereo, aux(5)), kLevel);
        for (const ParamPair& pair : writes.pairs()) {
            values.set(pair.id, pair.value);
        }
        EXPECT_EQ(values.value(SendOnFader::shownSendId(values, stereo, aux(5))), kLevel)
            << "mode " << mode;
    }
}

struct BitCase {
    const char* what;
    std::uint16_t send;
    std::uint16_t level;
    std::uint16_t expected;
};

const BitCase kLevelCases[] = {
    {"post-fader send", 500, 1200, 1200},
    {"pre-fader send keeps its flag", 0x8000 | 500, 700, 0x8000 | 700},
    {"off keeps the flag", 0x8000 | 1200, 0, 0x8000},
    {"bit 14 belongs to the level", 0x4000 | 500, 300, 300},
    {"level bit 15 never leaks", 100, 0x8000 | 300, 300},
};

TEST(SendOnFaderTest, FaderWritesTheLevelAndKeepsThePreFaderFlag) {
    for (const BitCase& c : kLevelCases) {
        EXPECT_EQ(SendOnFader::withLevel(c.send, c.level), c.expected) << c.what;
    }
}

TEST(SendOnFaderTest, PreSetsAndPosClearsOnlyBit15) {
    EXPECT_EQ(SendOnFader::withPreFader(0x0480, true), 0x8480);
    EXPECT_EQ(SendOnFader::withPreFader(0x8480, true), 0x8480);
    EXPECT_EQ(SendOnFader::withPreFader(0x8480, false), 0x0480);
    EXPECT_EQ(SendOnFader::withPreFader(0x4480, false), 0x4480);
    EXPECT_TRUE(SendOnFader::isPreFader(0x8000));
    EXPECT_FALSE(SendOnFader::isPreFader(0x7FFF));
}

} // namespace
} // namespace v32
