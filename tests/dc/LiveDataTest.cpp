#include "app/core/ManualClock.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamId.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/MeterSimulator.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace v32::dc {
namespace {

using test::Bytes;
using test::TestClient;

constexpr std::uint16_t kUnity = 1200;
constexpr int kSendToFirstAux = 13;
constexpr int kSendToFirstEffect = 33;
constexpr int kPreFader = 0x8000;

// A mixer at its factory settings with one control surface that works it.
struct Mixer {
    ManualClock clock{1000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    TestClient surface{dataCentre};

    void set(int kind, int index, int number, int value) {
        surface.ui().sendSinglePair(paramId(kind, index, number),
                                    static_cast<std::uint16_t>(value));
    }

    void step() {
        clock.advance(MeterSimulator::kStepMs);
        dataCentre.tick();
    }

    // The signed dB byte of a meter word: the even channel is the high byte.
    std::int8_t meter(int word, bool lowByte) const {
        const std::uint16_t value = dataCentre.parameters().value(static_cast<ParamId>(word));
        return static_cast<std::int8_t>(lowByte ? value & 0xFF : value >> 8);
    }
    std::int8_t inputMeter(int input) const { return meter(2 + input / 2, input % 2 == 1); }
    std::int8_t busMeter(int bus) const { return meter(2854 + bus / 2, bus % 2 == 1); }
    std::int8_t effectMeter(int effect) const { return meter(2864 + effect, false); }
};

TEST(LiveDataTest, MetersFollowFadersMutesAndSends) {
    struct Case {
        const char* what;
        std::function<void(Mixer&)> change;
        std::function<std::int8_t(const Mixer&)> meter;
        bool sounds;
    };
    const Case cases[] = {
        {"input with its fader down, as from the factory", [](Mixer&) {},
         [](const Mixer& m) { return m.inputMeter(5); }, false},
        {"input with its fader up", [](Mixer& m) { m.set(KindInput, 5, kNumberFader, kUnity); },
         [](const Mixer& m) { return m.inputMeter(5); }, true},
        {"input with its fader up but muted",
         [](Mixer& m) {
             m.set(KindInput, 5, kNumberFader, kUnity);
             m.set(KindInput, 5, kNumberOn, 0);
         },
         [](const Mixer& m) { return m.inputMeter(5); }, false},
        {"neighbour of a live input", [](Mixer& m) { m.set(KindInput, 5, kNumberFader, kUnity); },
         [](const Mixer& m) { return m.inputMeter(4); }, false},
        {"main left fed by a live input",
         [](Mixer& m) { m.set(KindInput, 5, kNumberFader, kUnity); },
         [](const Mixer& m) { return m.busMeter(16); }, true},
        {"main left with nothing up", [](Mixer&) {}, [](const Mixer& m) { return m.busMeter(16); },
         false},
        {"aux without sends", [](Mixer& m) { m.set(KindInput, 5, kNumberFader, kUnity); },
         [](const Mixer& m) { return m.busMeter(3); }, false},
        {"aux fed before the fader of a faded-down input",
         [](Mixer& m) { m.set(KindInput, 7, kSendToFirstAux + 3, kPreFader | kUnity); },
         [](const Mixer& m) { return m.busMeter(3); }, true},
        {"aux fed but switched off",
         [](Mixer& m) {
             m.set(KindInput, 7, kSendToFirstAux + 3, kPreFader | kUnity);
             m.set(KindBus, 3, kNumberOn, 0);
         },
         [](const Mixer& m) { return m.busMeter(3); }, false},
        {"effect return fed by an effect send",
         [](Mixer& m) {
             m.set(KindInput, 0, kNumberFader, kUnity);
             m.set(KindInput, 0, kSendToFirstEffect + 1, kUnity);
             m.set(KindEffect, 1, kNumberFader, kUnity);
         },
         [](const Mixer& m) { return m.effectMeter(1); }, true},
        {"effect return with its fader down",
         [](Mixer& m) {
             m.set(KindInput, 0, kNumberFader, kUnity);
             m.set(KindInput, 0, kSendToFirstEffect + 1, kUnity);
         },
         [](const Mixer& m) { return m.effectMeter(1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mixer mixer;
        c.change(mixer);
        mixer.step();
        const std::int8_t level = c.meter(mixer);
        if (c.sounds) {
            // A working signal sits on the meter's scale, well clear of silence and clipping.
            EXPECT_GE(level, -40);
            EXPECT_LE(level, 10);
        } else {
            EXPECT_EQ(level, MeterSimulator::kSilence);
        }
    }
}

TEST(LiveDataTest, LevelsMoveOverTimeAndFollowTheFaderInDecibels) {
    Mixer mixer;
    mixer.set(KindInput, 2, kNumberFader, kUnity);
    std::set<int> seen;
    int sumAtUnity = 0;
    for (int i = 0; i < 40; ++i) {
        mixer.step();
        seen.insert(mixer.inputMeter(2));
        sumAtUnity += mixer.inputMeter(2);
    }
    EXPECT_GE(seen.size(), 4U);

    // 20 dB down on the fader is about 20 dB down on the meter; the motion averages out.
    Mixer quieter;
    quieter.set(KindInput, 2, kNumberFader, kUnity - 200);
    int sumAtMinus20 = 0;
    for (int i = 0; i < 40; ++i) {
        quieter.step();
        sumAtMinus20 += quieter.inputMeter(2);
    }
    EXPECT_NEAR((sumAtUnity - sumAtMinus20) / 40.0, 20.0, 1.0);
}

TEST(LiveDataTest, WordsNoChannelFeedsReadAsSilence) {
    Mixer mixer;
    mixer.step();
    for (const int word : {19, 52, 2863, 2870, 2879}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(mixer.dataCentre.parameters().value(static_cast<ParamId>(word)), 0x8080);
    }
}

class StatusBytesTest : public ::testing::Test {
protected:
    Mixer mixer;

    std::span<const std::uint8_t> ask(std::uint8_t first, std::uint8_t count) {
        mixer.surface.clear();
        mixer.surface.send(MSG_STATUS_GET, Bytes{first, count});
        if (mixer.surface.frames().size() != 1) {
            return {};
        }
        return mixer.surface.frames()[0].payload();
    }
};

TEST_F(StatusBytesTest, AnalyserShowsItsSourceChannel) {
    // The analyser source names input i as 1 + i.
    mixer.surface.ui().sendSinglePair(FixedParam::kAnalyserSource, 1 + 9);
    mixer.step();
    std::span<const std::uint8_t> reply = ask(0, 31);
    ASSERT_EQ(reply.size(), 2U + 31U);
    EXPECT_EQ(reply[0], 0);
    EXPECT_EQ(reply[1], 31);
    EXPECT_TRUE(std::all_of(reply.begin() + 2, reply.end(), [](std::uint8_t b) { return b == 0; }));

    mixer.set(KindInput, 9, kNumberFader, kUnity);
    mixer.step();
    reply = ask(0, 31);
    ASSERT_EQ(reply.size(), 2U + 31U);
    // Bars start above byte 9 and are full at 80.
    EXPECT_TRUE(std::all_of(reply.begin() + 2, reply.end(),
                            [](std::uint8_t b) { return b > 9 && b <= 80; }));
}

TEST_F(StatusBytesTest, ReadsBeyondTheAnalyserBytesAreCutShort) {
    struct Case {
        std::uint8_t first;
        std::uint8_t count;
        std::uint8_t carried;
    };
    for (const Case& c : {Case{30, 5, 1}, Case{31, 4, 0}, Case{200, 31, 0}, Case{3, 2, 2}}) {
        SCOPED_TRACE(int{c.first});
        const std::span<const std::uint8_t> reply = ask(c.first, c.count);
        ASSERT_EQ(reply.size(), 2U + c.carried);
        EXPECT_EQ(reply[0], c.first);
        EXPECT_EQ(reply[1], c.carried);
    }
    mixer.surface.clear();
    mixer.surface.send(MSG_STATUS_GET, Bytes{0});
    EXPECT_TRUE(mixer.surface.frames().empty());
}

} // namespace
} // namespace v32::dc
