#include "tests/model/ModelBench.h"

#include <algorithm>

namespace v32::test {
namespace {

const ParamId kInput0Fader = paramId(KindInput, 0, kNumberFader);

using ValueTrafficTest = ModelBench;

TEST_F(ValueTrafficTest, ValuesBeyondTheLastIdentifierReadAsZeroAndAreNeverWritten) {
    model.setValue(kParamCount, 7);
    model.storeWithoutSending(kParamCount + 1, 7);
    EXPECT_EQ(model.value(kParamCount), 0);
    EXPECT_EQ(model.value(0xFFFF), 0);
    EXPECT_EQ(model.defaultOf(kParamCount), 0);
    EXPECT_TRUE(model.store().sendSet().isEmpty());
}

TEST_F(ValueTrafficTest, StartsWithTheDefaultsAndNothingPending) {
    for (ParamId id = 0; id < kParamCount; ++id) {
        ASSERT_EQ(model.value(id), defaults.of(id)) << id;
        ASSERT_EQ(model.defaultOf(id), defaults.of(id)) << id;
    }
    pacedTick();
    requests.run();
    EXPECT_TRUE(sink.frames().empty());
}

TEST_F(ValueTrafficTest, ValueSetTwiceBeforeSendingGoesOutOnceWithTheSecondValue) {
    model.setValue(kInput0Fader, 100);
    model.setValue(kInput0Fader, 200);
    pacedTick();
    const std::vector<SentFrame> sets = sink.framesWith(MSG_PARAM_SET);
    ASSERT_EQ(sets.size(), 1U);
    EXPECT_EQ(sets[0].pairs(), (std::vector<ParamPair>{{kInput0Fader, 200}}));
}

TEST_F(ValueTrafficTest, ChangeAfterQueueingIsSentWithTheValueAtSendingTime) {
    model.setValue(kInput0Fader, 100);
    model.storeWithoutSending(kInput0Fader, 300);
    pacedTick();
    const std::vector<SentFrame> sets = sink.framesWith(MSG_PARAM_SET);
    ASSERT_EQ(sets.size(), 1U);
    EXPECT_EQ(sets[0].pairs(), (std::vector<ParamPair>{{kInput0Fader, 300}}));
}

TEST_F(ValueTrafficTest, NeverConfirmedWriteIsSentOnTicksOneSevenThirteenAndNineteen) {
    model.setValue(kInput0Fader, 100);
    std::vector<int> sentOn;
    for (int tick = 1; tick <= 40; ++tick) {
        sink.clear();
        pacedTick();
        if (!sink.framesWith(MSG_PARAM_SET).empty()) {
            sentOn.push_back(tick);
        }
    }
    EXPECT_EQ(sentOn, (std::vector<int>{1, 7, 13, 19}));
    EXPECT_TRUE(model.store().sendSet().isEmpty());
}

TEST_F(ValueTrafficTest, ConfirmationStopsTheRepeatsOnlyForTheCurrentValue) {
    model.setValue(kInput0Fader, 100);
    pacedTick();
    model.setValue(kInput0Fader, 200);
    // The confirmation of the first value arrives after the second change.
    model.acknowledge(kInput0Fader, 100);
    EXPECT_TRUE(model.store().sendSet().isPending(kInput0Fader));
    sink.clear();
    pacedTick();
    ASSERT_EQ(sink.framesWith(MSG_PARAM_SET).size(), 1U);
    EXPECT_EQ(sink.framesWith(MSG_PARAM_SET)[0].pairs()[0].value, 200);

    model.acknowledge(kInput0Fader, 200);
    EXPECT_FALSE(model.store().sendSet().isPending(kInput0Fader));
    sink.clear();
    for (int tick = 0; tick < 10; ++tick) {
        pacedTick();
    }
    EXPECT_TRUE(sink.framesWith(MSG_PARAM_SET).empty());
}

TEST_F(ValueTrafficTest, AFrameCarriesAtMostSixtyPairs) {
    for (ParamId id = 100; id < 170; ++id) {
        model.setValue(id, 1);
    }
    pacedTick();
    const std::vector<SentFrame> first = sink.framesWith(MSG_PARAM_SET);
    ASSERT_EQ(first.size(), 1U);
    ASSERT_EQ(first[0].pairs().size(), 60U);
    EXPECT_EQ(first[0].pairs().front().id, 100);
    EXPECT_EQ(first[0].pairs().back().id, 159);
    for (const ParamPair& pair : first[0].pairs()) {
        model.acknowledge(pair.id, pair.value);
    }
    sink.clear();
    pacedTick();
    const std::vector<SentFrame> second = sink.framesWith(MSG_PARAM_SET);
    ASSERT_EQ(second.size(), 1U);
    EXPECT_EQ(second[0].pairs().size(), 10U);
    EXPECT_EQ(second[0].pairs().front().id, 160);
}

TEST_F(ValueTrafficTest, PacedSendersRunAtMostEveryTwentyMilliseconds) {
    struct Step {
        std::uint32_t atMs;
        bool runs;
    };
    // The first run happens whenever it is asked for; the tick may wrap in between.
    clock.set(0xFFFFFFF0U);
    const Step steps[] = {
        {0xFFFFFFF0U, true}, {0xFFFFFFF9U, false}, {0x00000003U, false},
        {0x00000004U, true}, {0x00000017U, false}, {0x00000018U, true},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(paced.runPacedSenders(step.atMs), step.runs) << step.atMs;
    }
}

TEST_F(ValueTrafficTest, PrintWritesDumpsEveryPairWithItsName) {
    std::string header = "typedef enum {\n";
    for (int n = 0; n < IdentifierHeader::kNameCount - 1; ++n) {
        header += "  NAME_" + std::to_string(n) + ",\n";
    }
    header += "  ID_M0_END\n} ids;\n";
    ASSERT_TRUE(names.parseText(header));

    switches.print_writes = true;
    model.setValue(75, 0x1234);
    model.setValue(5000, 10);
    pacedTick();
    EXPECT_EQ(log.text(), "##  NAME_75(75) --> hex: 1234    dec: 4660\n"
                          "  ID_UNDEF(5000) --> hex: 000A    dec: 10\n");
}

TEST_F(ValueTrafficTest, WritesAreNotDumpedWithoutPrintWrites) {
    model.setValue(75, 1);
    pacedTick();
    EXPECT_EQ(log.text(), "");
}

} // namespace
} // namespace v32::test
