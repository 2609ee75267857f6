#include "app/model/MonitorSend.h"

#include "tests/support/StoredValues.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

struct ExpectedWrite {
    ParamId id;
    std::uint16_t value;
    bool quiet;
};

struct SwitchCase {
    const char* what;
    Channel channel;
    ParamId storedId;
    std::uint16_t stored;
    std::vector<ExpectedWrite> expected;
};

const ParamId kInput3Solo = paramId(KindInput, 3, kNumberSolo);
const ParamId kAux2Solo = paramId(KindBus, 1, kNumberSolo);

class MonitorSendSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(MonitorSendSwitch, WritesThePairWithTheTopBitsKept) {
    const SwitchCase& c = GetParam();
    test::StoredValues values;
    values.set(c.storedId, c.stored);
    const MonitorSend send(values, c.channel);
    std::vector<ExpectedWrite> written;
    for (const ParamWrite& write : send.writes()) {
        written.push_back({write.pair.id, write.pair.value, write.quiet});
    }
    ASSERT_EQ(written.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(written[i].id, c.expected[i].id) << c.what << " write " << i;
        EXPECT_EQ(written[i].value, c.expected[i].value) << c.what << " write " << i;
        EXPECT_EQ(written[i].quiet, c.expected[i].quiet) << c.what << " write " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Channels, MonitorSendSwitch,
    testing::Values(
        SwitchCase{"input off goes on at 0 dB",
                   {KindInput, 3},
                   kInput3Solo,
                   0x8000,
                   {{kInput3Solo, 0x8000 | 1200, false},
                    {static_cast<ParamId>(kInput3Solo + 1), 0x8000 | 1200, false}}},
        SwitchCase{
            "input on goes off, pre-fader bit kept",
            {KindInput, 3},
            kInput3Solo,
            0x8000 | 700,
            {{kInput3Solo, 0x8000, false}, {static_cast<ParamId>(kInput3Solo + 1), 0x8000, false}}},
        SwitchCase{"aux bus",
                   {KindBus, 1},
                   kAux2Solo,
                   0,
                   {{kAux2Solo, 1200, false}, {static_cast<ParamId>(kAux2Solo + 1), 1200, false}}},
        SwitchCase{"MAIN L owns the first send and clears the second quietly",
                   {KindBus, 16},
                   4646,
                   0x4000,
                   {{4646, 0x4000 | 1200, false}, {4647, 0, true}}},
        SwitchCase{"MAIN R owns the second send and clears the first quietly",
                   {KindBus, 17},
                   4756,
                   1200,
                   {{4756, 0, false}, {4755, 0, true}}},
        SwitchCase{"a channel without a solo writes nothing", {KindMuteGroup, 0}, 0, 0, {}}));

TEST(MonitorSendIndicator, ShowsALevelThatIsNotMutedAndMainROnItsSecondSend) {
    EXPECT_TRUE(MonitorSend::isLit(1200));
    EXPECT_TRUE(MonitorSend::isLit(0x8000 | 1));
    EXPECT_FALSE(MonitorSend::isLit(0x8000));
    EXPECT_FALSE(MonitorSend::isLit(0x4000 | 1200));
    EXPECT_EQ(MonitorSend::shownId({KindBus, 17}), 4756);
    EXPECT_EQ(MonitorSend::shownId({KindBus, 16}), 4646);
    EXPECT_EQ(MonitorSend::shownId({KindInput, 3}), kInput3Solo);
}

} // namespace
} // namespace v32
