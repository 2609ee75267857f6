#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/StandInThread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace v32::e2e {
namespace {

// Parameter 29 of a fixed stereo input: the first half takes the value, the second is
// cleared.
constexpr int kStereoOneSided = 29;
constexpr int kFirstStereoInput = 28;

// Enough paced runs for every repeat of a write to have fallen due.
constexpr int kRepeatWindow = 4 * 6;

struct WriteCase {
    const char* what;
    ParamId id;
    std::uint16_t value;
    // What the mixer holds before, where the write is to change a value it already has.
    std::vector<ParamPair> before;
    std::vector<ParamPair> after;
};

std::vector<WriteCase> writeCases() {
    const ParamId monoFader = paramId(KindInput, 3, kNumberFader);
    const ParamId leftFader = paramId(KindInput, kFirstStereoInput, kNumberFader);
    const ParamId rightFader = paramId(KindInput, kFirstStereoInput + 1, kNumberFader);
    const ParamId leftOneSided = paramId(KindInput, kFirstStereoInput, kStereoOneSided);
    const ParamId rightOneSided = paramId(KindInput, kFirstStereoInput + 1, kStereoOneSided);
    const ParamId busFader = paramId(KindBus, 5, kNumberFader);
    return {
        {"the fader of a mono input", monoFader, 0x1234, {}, {{monoFader, 0x1234}}},
        {"the fader of a stereo input moves both halves",
         leftFader,
         0x2345,
         {},
         {{leftFader, 0x2345}, {rightFader, 0x2345}}},
        {"a one-sided stereo parameter clears the other half",
         leftOneSided,
         40,
         {{rightOneSided, 17}},
         {{leftOneSided, 40}, {rightOneSided, 0}}},
        {"the fader of a bus", busFader, 0x0ABC, {}, {{busFader, 0x0ABC}}},
    };
}

// How many parameter-set frames from `from` on carried the identifier.
int timesSent(const RecordingLink& link, ParamId id, std::size_t from) {
    int count = 0;
    for (const RecordingLink::SentFrame& frame : link.sentWithCode(MSG_PARAM_SET, from)) {
        for (const ParamPair pair : pairsOf(frame.bytes)) {
            count += pair.id == id ? 1 : 0;
        }
    }
    return count;
}

TEST(ParameterWriteTest, ASetFromTheUiIsSentOnceAcknowledgedAndHeldByTheMixer) {
    StandInThread standIn;
    ASSERT_TRUE(standIn.isServing()) << standIn.startError();
    const std::vector<WriteCase> cases = writeCases();
    standIn.call([&cases](dc::StandIn& s) {
        for (const WriteCase& c : cases) {
            for (const ParamPair pair : c.before) {
                s.dataCentre().changeParameter(pair.id, pair.value);
            }
        }
    });
    ControlSurface surface(Transport::Udp, standIn.udpPort());
    ASSERT_TRUE(surface.comeOnline());
    ASSERT_TRUE(surface.settle());

    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.id, kInvalidParam);
        const std::size_t sentBefore = surface.recording.sent().size();

        surface.model.write(ParamWrite::control(c.id, c.value));
        ASSERT_TRUE(surface.settleWrites());
        for (int run = 0; run < kRepeatWindow; ++run) {
            surface.step();
        }

        EXPECT_TRUE(surface.model.store().sendSet().isEmpty()) << "nothing left to repeat";
        const std::vector<std::uint16_t> held = standIn.call([&c](dc::StandIn& s) {
            std::vector<std::uint16_t> values;
            for (const ParamPair pair : c.after) {
                values.push_back(s.dataCentre().parameters().value(pair.id));
            }
            return values;
        });
        for (std::size_t i = 0; i < c.after.size(); ++i) {
            const ParamPair expected = c.after[i];
            EXPECT_EQ(held[i], expected.value) << "mixer, identifier " << expected.id;
            EXPECT_EQ(surface.model.value(expected.id), expected.value)
                << "surface, identifier " << expected.id;
            EXPECT_EQ(timesSent(surface.recording, expected.id, sentBefore), 1)
                << "identifier " << expected.id;
        }
    }
}

} // namespace
} // namespace v32::e2e
