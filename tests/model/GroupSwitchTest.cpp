#include "app/model/GroupSwitchRules.h"
#include "app/model/LinkedWrites.h"
#include "app/model/ParamWriteListener.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"
#include "tests/model/ModelBench.h"

#include <map>

namespace v32::test {
namespace {

constexpr int kPhantomNumber = 1;

// Every write reported for a widget refresh, the last value per identifier.
class RecordingWriteListener : public ParamWriteListener {
public:
    void parameterWritten(ParamId id, std::uint16_t value) override { written[id] = value; }
    std::map<ParamId, std::uint16_t> written;
};

class GroupSwitchTest : public ModelBench {
protected:
    void SetUp() override { model.setWriteListener(&listener); }

    void addMember(int kind, int group, int slot) {
        const int first = kind == KindMuteGroup ? MuteGroupNumber::kFirstMemberWord
                                                : PhantomGroupNumber::kFirstMemberWord;
        const ParamId word = paramId(kind, group, first + slot / 16);
        model.storeWithoutSending(
            word, static_cast<std::uint16_t>(model.value(word) | (1U << (slot % 16))));
    }

    static ParamId switchOf(int kind, int group) {
        return paramId(kind, group,
                       kind == KindMuteGroup ? MuteGroupNumber::kActive : PhantomGroupNumber::kOn);
    }

    RecordingWriteListener listener;
};

struct GroupCase {
    const char* what;
    int kind;
    std::uint16_t switchValue;
    bool otherGroupOn;
    bool memberOfOther;
    std::uint16_t memberBefore; // on (mute groups) or phantom (phantom groups)
    std::uint16_t memberAfter;
    bool memberWritten;
};

const GroupCase kGroupCases[] = {
    {"mute on", KindMuteGroup, 1, false, false, 1, 0, true},
    {"mute on, already muted", KindMuteGroup, 1, true, true, 0, 0, true},
    {"mute off, held muted by another active group", KindMuteGroup, 0, true, true, 0, 0, false},
    {"mute off, another active group, unmuted", KindMuteGroup, 0, true, true, 1, 1, true},
    {"mute off, other group inactive", KindMuteGroup, 0, false, true, 0, 1, true},
    {"mute off, muted by hand, no other group", KindMuteGroup, 0, true, false, 0, 1, true},
    {"phantom on", KindPhantomGroup, 1, false, false, 0, 1, true},
    {"phantom off, kept on by another active group", KindPhantomGroup, 0, true, true, 1, 1, false},
    {"phantom off, another active group, phantom off", KindPhantomGroup, 0, true, true, 0, 0, true},
    {"phantom off, other group inactive", KindPhantomGroup, 0, false, true, 1, 0, true},
    {"phantom off, no other group", KindPhantomGroup, 0, true, false, 1, 0, true},
};

TEST_F(GroupSwitchTest, SwitchRules) {
    const int memberSlot = 5;
    for (const GroupCase& c : kGroupCases) {
        SCOPED_TRACE(c.what);
        const int group = 1;
        const int other = 3;
        const ParamId memberId = c.kind == KindMuteGroup
                                     ? paramId(KindInput, memberSlot, kNumberOn)
                                     : paramId(KindInput, memberSlot, kPhantomNumber);
        model.dropAllPending();
        listener.written.clear();
        for (int g = 0; g < MuteGroupIndex::kCount; ++g) {
            for (int word = 0; word < 4; ++word) {
                model.storeWithoutSending(paramId(KindMuteGroup, g, 245 + word), 0);
            }
            model.storeWithoutSending(switchOf(KindMuteGroup, g), 0);
        }
        for (int g = 0; g < PhantomGroupIndex::kCount; ++g) {
            model.storeWithoutSending(paramId(KindPhantomGroup, g, 250), 0);
            model.storeWithoutSending(paramId(KindPhantomGroup, g, 251), 0);
            model.storeWithoutSending(switchOf(KindPhantomGroup, g), 0);
        }
        addMember(c.kind, group, memberSlot);
        if (c.memberOfOther) {
            addMember(c.kind, other, memberSlot);
        }
        model.storeWithoutSending(switchOf(c.kind, other), c.otherGroupOn ? 1 : 0);
        model.storeWithoutSending(memberId, c.memberBefore);

        model.write(ParamWrite::control(switchOf(c.kind, group), c.switchValue));

        EXPECT_EQ(model.value(switchOf(c.kind, group)), c.switchValue);
        EXPECT_TRUE(model.store().sendSet().isPending(switchOf(c.kind, group)));
        EXPECT_EQ(model.value(memberId), c.memberAfter);
        EXPECT_EQ(model.store().sendSet().isPending(memberId), c.memberWritten);
        EXPECT_EQ(listener.written.contains(memberId), c.memberWritten);
    }
}

TEST_F(GroupSwitchTest, MuteGroupActsOnInputsEffectsAndBusesOnly) {
    const int group = 2;
    const Channel members[] = {{KindInput, 0}, {KindInput, 33}, {KindEffect, 3},
                               {KindBus, 0},   {KindBus, 17},   {KindDca, 0}};
    for (const Channel& member : members) {
        addMember(KindMuteGroup, group, ChannelSlot::of(member));
        model.storeWithoutSending(paramId(member.kind, member.index, kNumberOn), 1);
    }
    model.write(ParamWrite::control(switchOf(KindMuteGroup, group), 1));
    for (const Channel& member : members) {
        const std::uint16_t expected = member.kind == KindDca ? 1 : 0;
        EXPECT_EQ(model.value(paramId(member.kind, member.index, kNumberOn)), expected)
            << member.kind << "/" << member.index;
    }
    EXPECT_FALSE(model.store().sendSet().isPending(paramId(KindInput, 1, kNumberOn)));
}

TEST_F(GroupSwitchTest, PhantomGroupSetsTheSwitchValueOnItsInputs) {
    addMember(KindPhantomGroup, 0, 31);
    addMember(KindPhantomGroup, 0, 16);
    model.write(ParamWrite::control(switchOf(KindPhantomGroup, 0), 1));
    EXPECT_EQ(model.value(paramId(KindInput, 31, kPhantomNumber)), 1);
    EXPECT_EQ(model.value(paramId(KindInput, 16, kPhantomNumber)), 1);
    EXPECT_EQ(model.value(paramId(KindInput, 15, kPhantomNumber)),
              defaults.of(paramId(KindInput, 15, kPhantomNumber)));
}

TEST_F(GroupSwitchTest, DraggedWidgetIsNotRefreshedButItsPartnerIs) {
    model.storeWithoutSending(LinkedWrites::kInputLinks, 0b1);
    const ParamId left = paramId(KindInput, 0, kNumberFader);
    const ParamId right = paramId(KindInput, 1, kNumberFader);
    model.write(ParamWrite::fromDrag(left, 700));
    EXPECT_EQ(model.value(left), 700);
    EXPECT_EQ(model.value(right), 700);
    EXPECT_TRUE(model.store().sendSet().isPending(left));
    EXPECT_TRUE(model.store().sendSet().isPending(right));
    EXPECT_EQ(listener.written, (std::map<ParamId, std::uint16_t>{{right, 700}}));

    model.write(ParamWrite::control(left, 800));
    EXPECT_EQ(listener.written, (std::map<ParamId, std::uint16_t>{{left, 800}, {right, 800}}));
}

} // namespace
} // namespace v32::test
