#include "app/model/BusCopy.h"

#include "app/model/ChannelSlot.h"
#include "app/protocol/ChannelIndexes.h"

#include <gtest/gtest.h>
#include <map>

namespace v32 {
namespace {

// Every value distinct, so that a value written from the wrong identifier shows.
class DistinctValues : public ParamReader {
public:
    std::uint16_t value(ParamId id) const override {
        const auto found = m_values.find(id);
        return found == m_values.end() ? static_cast<std::uint16_t>(id * 7 + 3) : found->second;
    }
    void set(ParamId id, std::uint16_t value) { m_values[id] = value; }

private:
    std::map<ParamId, std::uint16_t> m_values;
};

std::map<ParamId, ParamWrite> byId(const BusCopy& copy) {
    std::map<ParamId, ParamWrite> writes;
    for (const ParamWrite& write : copy.writes()) {
        EXPECT_EQ(writes.count(write.pair.id), 0u) << "written twice: " << write.pair.id;
        writes[write.pair.id] = write;
    }
    return writes;
}

constexpr int kMainLeft = 16;
constexpr int kMainRight = 17;

TEST(BusCopyTest, MainLeftOntoMainRightCopiesEveryNumberAndHandsTheMonitorSendOver) {
    DistinctValues values;
    const auto writes = byId(BusCopy(values, kMainLeft, kMainRight));
    for (int number = 72; number <= 180; ++number) {
        SCOPED_TRACE(number);
        const ParamId target = paramId(KindBus, kMainRight, number);
        ASSERT_EQ(writes.count(target), 1u);
        const ParamWrite& write = writes.at(target);
        if (number == 84) {
            EXPECT_EQ(write.pair.value, 0);
            EXPECT_TRUE(write.quiet);
        } else if (number == 85) {
            EXPECT_EQ(target, 4756);
            EXPECT_EQ(write.pair.value, values.value(4646));
            EXPECT_FALSE(write.quiet);
        } else {
            EXPECT_EQ(write.pair.value, values.value(paramId(KindBus, kMainLeft, number)));
            EXPECT_FALSE(write.quiet);
        }
    }
}

TEST(BusCopyTest, TheDestinationJoinsAndLeavesTheSourcesGroupsAndKeepsTheOtherMembers) {
    DistinctValues values;
    // Slots 54 (MAIN L) and 55 (MAIN R) share the fourth membership word: bits 6 and 7.
    const ParamId muteWord = paramId(KindMuteGroup, 2, 248);
    const ParamId dcaWord = paramId(KindDca, 5, 242);
    values.set(muteWord, 0x0041);         // MAIN L in, MAIN R out, slot 48 in
    values.set(dcaWord, 0x8080 | 0x0001); // MAIN L out, MAIN R in, slots 48 and 63 in
    const auto writes = byId(BusCopy(values, kMainLeft, kMainRight));
    EXPECT_EQ(writes.at(muteWord).pair.value, 0x00C1);
    EXPECT_EQ(writes.at(dcaWord).pair.value, 0x8001);
    for (int group = 0; group < MuteGroupIndex::kCount; ++group) {
        EXPECT_EQ(writes.count(paramId(KindMuteGroup, group, 248)), 1u) << group;
    }
    for (int dca = 0; dca < DcaIndex::kCount; ++dca) {
        EXPECT_EQ(writes.count(paramId(KindDca, dca, 242)), 1u) << dca;
    }
    EXPECT_EQ(writes.size(), BusCopy::kMaximumWrites);
}

TEST(BusCopyTest, AuxBusesCopyTheirMonitorSendsStraight) {
    DistinctValues values;
    const auto writes = byId(BusCopy(values, 2, 9));
    for (const int number : {84, 85}) {
        const ParamWrite& write = writes.at(paramId(KindBus, 9, number));
        EXPECT_EQ(write.pair.value, values.value(paramId(KindBus, 2, number)));
        EXPECT_FALSE(write.quiet);
    }
    // AUX3 is slot 40 and AUX10 slot 47, both in the third membership word.
    EXPECT_EQ(writes.count(paramId(KindDca, 0, 241)), 1u);
}

TEST(BusCopyTest, NothingIsCopiedOntoItselfOrBetweenBusesThatDoNotExist) {
    DistinctValues values;
    for (const auto& [source, destination] :
         {std::pair{kMainLeft, kMainLeft}, std::pair{3, 14}, std::pair{15, 3}, std::pair{-1, 0},
          std::pair{0, 18}}) {
        EXPECT_TRUE(BusCopy(values, source, destination).writes().empty())
            << source << " onto " << destination;
    }
}

} // namespace
} // namespace v32
