#include "app/link/LinkFactory.h"

#include "app/core/ManualClock.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(LinkFactoryTest, CreatesTheLinkOfEachType) {
    const SerialSettings serial;
    const UdpTarget target;
    UiWakeup wakeup;
    const ManualClock clock;
    const DebugSwitches switches;
    const FrameDump dump(switches, clock);
    const LinkFactory factory(serial, target, wakeup, clock, dump);

    for (const LinkType type :
         {LinkType::Serial, LinkType::Udp, LinkType::Tcp, LinkType::None, LinkType::Disabled}) {
        const std::unique_ptr<Link> link = factory.create(type);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->type(), type);
    }
}

} // namespace
} // namespace v32
