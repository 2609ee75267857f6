#include "app/core/DebugSwitches.h"
#include "app/core/SteadyClock.h"
#include "app/link/FrameDump.h"
#include "app/link/FrameReader.h"
#include "app/link/Link.h"
#include "app/link/ReceiveQueue.h"
#include "app/link/TcpLink.h"
#include "app/link/UdpLink.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/MessageSender.h"
#include "tools/velmar32-dc/StandIn.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

namespace v32::dc {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// The control surface's message sender writes into one of its own links.
class LinkSink final : public FrameSink {
public:
    explicit LinkSink(Link& link)
        : link_(link) {}
    bool sendFrame(std::span<const std::uint8_t> frame) override { return link_.sendFrame(frame); }

private:
    Link& link_;
};

// The control surface's own UDP and TCP links, as the program builds them, against the
// stand-in on free loopback ports.
class LinkInteropTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramOptions options;
        options.udpPort = 0;
        options.tcpPort = 0;
        options.console = false;
        standIn = std::make_unique<StandIn>(options, clock);
        std::string error;
        ASSERT_TRUE(standIn->start(error)) << error;
        server = std::thread([this] { standIn->run(stop); });
    }

    void TearDown() override {
        stop = true;
        if (server.joinable()) {
            server.join();
        }
    }

    // Polls the link the way the dispatcher does until count frames have come or 2 s pass.
    std::vector<Bytes> framesFrom(Link& link, std::size_t count) {
        std::vector<Bytes> frames;
        FrameReader reader(queue);
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (frames.size() < count && std::chrono::steady_clock::now() < deadline) {
            link.poll(queue);
            for (auto frame = reader.next(FrameReader::Mode::Normal); !frame.empty();
                 frame = reader.next(FrameReader::Mode::Normal)) {
                frames.emplace_back(frame.begin(), frame.end());
            }
            std::this_thread::sleep_for(5ms);
        }
        return frames;
    }

    SteadyClock clock;
    DebugSwitches switches;
    FrameDump dump{switches, clock};
    UdpTarget target;
    UiWakeup wakeup;
    ReceiveQueue queue;
    std::unique_ptr<StandIn> standIn;
    std::atomic<bool> stop{false};
    std::thread server;
};

TEST_F(LinkInteropTest, TheControlSurfacesLinksGetIdentityAndReports) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<Link>()> make;
    };
    const Case cases[] = {
        {"UDP link",
         [this]() -> std::unique_ptr<Link> {
             target.set(Ipv4Endpoint::kLoopback);
             return std::make_unique<UdpLink>(target, wakeup, dump, standIn->udpEndpoint().port);
         }},
        {"TCP link",
         [this]() -> std::unique_ptr<Link> {
             return std::make_unique<TcpLink>(clock, dump, standIn->tcpEndpoint().port);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        queue.clear();
        const std::unique_ptr<Link> link = c.make();
        ASSERT_TRUE(link->open());
        LinkSink sink(*link);
        MessageSender sender(sink);
        // The TCP link connects on its polls, so the first sends may find it not ready.
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        bool identified = false;
        while (!(identified = sender.sendIdentify()) &&
               std::chrono::steady_clock::now() < deadline) {
            link->poll(queue);
            std::this_thread::sleep_for(10ms);
        }
        ASSERT_TRUE(identified);
        const std::vector<ParamId> ids{4979, 75};
        ASSERT_EQ(sender.sendParamQuery(ids), 2U);

        const std::vector<Bytes> frames = framesFrom(*link, 2);
        ASSERT_EQ(frames.size(), 2U);
        const std::optional<IdentifyReply> identity = parseIdentifyReply(frames[0]);
        ASSERT_TRUE(identity);
        EXPECT_EQ(identity->productId, 0xE001);
        EXPECT_EQ(identity->modelCode, 0x2F);
        EXPECT_EQ(frames[1][2], MSG_PARAM_QUERY);
        EXPECT_EQ(frames[1].size(), 5U + 2 * 4);
        link->close();
    }
}

} // namespace
} // namespace v32::dc
