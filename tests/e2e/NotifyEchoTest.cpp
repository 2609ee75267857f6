#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/StandInThread.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace v32::e2e {
namespace {

using ::testing::ElementsAre;

struct EchoCase {
    const char* what;
    Transport listener;
    Transport writer;
};

constexpr EchoCase kEchoCases[] = {
    {"a surface on UDP hears a change made over TCP", Transport::Udp, Transport::Tcp},
    {"a surface on TCP hears a change made over UDP", Transport::Tcp, Transport::Udp},
};

std::vector<Bytes> framesWithCode(const std::vector<Bytes>& frames, MessageCode code) {
    std::vector<Bytes> found;
    std::ranges::copy_if(frames, std::back_inserter(found),
                         [code](const Bytes& frame) { return frame[2] == code; });
    return found;
}

TEST(NotifyEchoTest, AChangeFromAnotherSurfaceIsEchoedByteForByteThenApplied) {
    for (const EchoCase& c : kEchoCases) {
        SCOPED_TRACE(c.what);
        StandInThread standIn;
        ASSERT_TRUE(standIn.isServing()) << standIn.startError();
        ControlSurface listener(c.listener, standIn.portFor(c.listener));
        ASSERT_TRUE(listener.comeOnline());
        ASSERT_TRUE(listener.settle());
        ControlSurface writer(c.writer, standIn.portFor(c.writer));
        const ParamId fader = paramId(KindInput, 7, kNumberFader);
        const std::uint16_t moved = 0x1ABC;
        ASSERT_NE(listener.model.value(fader), moved);

        writer.model.write(ParamWrite::control(fader, moved));
        ASSERT_TRUE(writer.settleWrites());
        ASSERT_TRUE(listener.passUntil([&] { return listener.model.value(fader) == moved; }));

        const std::vector<Bytes> notified =
            framesWithCode(listener.recording.receivedFrames(), MSG_PARAM_NOTIFY);
        ASSERT_EQ(notified.size(), 1U);
        EXPECT_THAT(pairsOf(notified[0]), ElementsAre(ParamPair{fader, moved}));
        const std::vector<RecordingLink::SentFrame>& sent = listener.recording.sent();
        const auto echo = std::ranges::find_if(sent, [&](const RecordingLink::SentFrame& frame) {
            return frame.bytes == notified[0];
        });
        ASSERT_NE(echo, sent.end()) << "the notification went back unchanged";
        EXPECT_EQ(listener.recording.sentWithCode(MSG_PARAM_NOTIFY).size(), 1U);

        const auto& shown = listener.screens.pageParameters();
        const auto onPage =
            std::ranges::find_if(shown, [&](const RecordingScreens::PageParameter& p) {
                return p.id == fader && p.fromNotify;
            });
        ASSERT_NE(onPage, shown.end());
        EXPECT_EQ(onPage->value, moved);
        EXPECT_GT(onPage->framesSentBefore, static_cast<std::size_t>(echo - sent.begin()))
            << "echoed before the page saw the value";
        EXPECT_FALSE(listener.model.store().sendSet().isPending(fader))
            << "a change made elsewhere is not written back";
    }
}

} // namespace
} // namespace v32::e2e
