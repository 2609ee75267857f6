#include "app/link/LinkFactory.h"

#include "app/core/ManualClock.h"
#include "app/protocol/FixedFrames.h"
#include "tests/link/LoopbackUdpSocket.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

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

// A stand-in data centre can serve a port of its own; the link is aimed at it.
TEST(LinkFactoryTest, TheUdpLinkSendsToThePortItIsGiven) {
    const LoopbackUdpSocket mixer;
    ASSERT_TRUE(mixer.isValid());
    const SerialSettings serial;
    UdpTarget target;
    target.set(INADDR_LOOPBACK);
    UiWakeup wakeup;
    const ManualClock clock;
    const DebugSwitches switches;
    const FrameDump dump(switches, clock);
    const LinkFactory factory(serial, target, wakeup, clock, dump, stdout, mixer.port());

    const std::unique_ptr<Link> link = factory.create(LinkType::Udp);
    ASSERT_TRUE(link->open());
    ASSERT_TRUE(link->sendFrame(kIdentifyRequest));
    const std::optional<LoopbackUdpSocket::Datagram> received =
        mixer.receive(std::chrono::milliseconds(2000));
    ASSERT_TRUE(received.has_value());
    EXPECT_EQ(received->bytes,
              std::vector<std::uint8_t>(kIdentifyRequest.begin(), kIdentifyRequest.end()));
    link->close();
}

} // namespace
} // namespace v32
