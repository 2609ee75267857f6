#include "app/link/FrameDump.h"

#include "app/core/ManualClock.h"
#include "app/link/NullLink.h"
#include "tests/link/CapturedOutput.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

const std::vector<std::uint8_t> kFrame{0x80, 0x04, 0x00, 0x0A, 0xFF};

TEST(FrameDumpTest, PrintsEachSwitchedOnDirectionWithTheTick) {
    struct Case {
        bool printSent;
        bool printReceived;
        const char* expected;
    };
    const Case cases[] = {
        {false, false, ""},
        {true, false, "S: 8004000AFF ts: 4000000000\n"},
        {false, true, "R: 8004000AFF ts: 4000000000\n"},
        {true, true, "S: 8004000AFF ts: 4000000000\nR: 8004000AFF ts: 4000000000\n"},
    };
    for (const Case& c : cases) {
        DebugSwitches switches;
        switches.print_sent = c.printSent;
        switches.print_received = c.printReceived;
        const ManualClock clock(4000000000u);
        CapturedOutput out;
        const FrameDump dump(switches, clock, out.file());

        dump.printSent(kFrame);
        dump.printReceived(kFrame);
        EXPECT_EQ(out.text(), c.expected) << c.printSent << c.printReceived;
    }
}

TEST(FrameDumpTest, FollowsSwitchesChangedAfterConstruction) {
    DebugSwitches switches;
    ManualClock clock(7);
    CapturedOutput out;
    const FrameDump dump(switches, clock, out.file());

    dump.printSent(kFrame);
    switches.print_sent = true;
    clock.advance(5);
    dump.printSent(std::vector<std::uint8_t>{0x01});
    dump.printSent({});
    EXPECT_EQ(out.text(), "S: 01 ts: 12\nS:  ts: 12\n");
}

TEST(FrameDumpTest, SilentLinksSendNothingButDumpWhatTheyAreGiven) {
    DebugSwitches switches;
    switches.print_sent = true;
    switches.print_received = true;
    const ManualClock clock(3);
    for (const LinkType type : {LinkType::None, LinkType::Disabled}) {
        CapturedOutput out;
        const FrameDump dump(switches, clock, out.file());
        NullLink link(type, dump);
        ReceiveQueue queue;

        EXPECT_EQ(link.type(), type);
        EXPECT_TRUE(link.open());
        EXPECT_FALSE(link.sendFrame(kFrame));
        EXPECT_EQ(link.poll(queue), 0u);
        EXPECT_TRUE(queue.empty());
        EXPECT_EQ(out.text(), "S: 8004000AFF ts: 3\n");
    }
}

} // namespace
} // namespace v32
