#include "app/model/StatusBytes.h"
#include "app/protocol/FixedFrames.h"
#include "app/protocol/Frame.h"
#include "app/protocol/PayloadText.h"
#include "tests/e2e/ControlSurface.h"
#include "tests/e2e/MixerCopy.h"
#include "tests/e2e/StandInThread.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace v32::e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kDeviceName = "FOH left";
constexpr int kEffectType = 229;
constexpr std::uint32_t kFullReadDelayMs = 1000;

// The desk's own session with the data centre; nobody reads its replies.
class DeskSession final : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t>) override { return true; }
};

Bytes nameFrame(MessageCode code, std::uint8_t slot, std::string_view name) {
    Bytes payload{slot};
    const std::span<const std::uint8_t> text = textBytes(name);
    payload.insert(payload.end(), text.begin(), text.end());
    return frameOf(code, payload);
}

// Values and names the factory does not ship, as someone at the desk would leave them, so
// that a read that missed any of them shows.
void workTheDesk(dc::StandIn& standIn) {
    dc::DataCentre& mixer = standIn.dataCentre();
    mixer.changeParameter(paramId(KindInput, 0, kNumberFader), 0x2F00);
    mixer.changeParameter(paramId(KindBus, 16, kNumberFader), 0x1234);
    mixer.changeParameter(paramId(KindEffect, 2, kEffectType), 5);
    mixer.changeParameter(kLastParam, 0x0BAD);
    DeskSession desk;
    const dc::ClientId session = mixer.connectClient(desk);
    mixer.handleFrame(session, nameFrame(MSG_NAME_SET, 0, "Kick"));
    mixer.handleFrame(session, nameFrame(MSG_NAME_SET, 63, "Talkback"));
    mixer.handleFrame(session, nameFrame(MSG_SCENE_NAME_SET, 16, "Encore"));
    mixer.disconnectClient(session);
}

std::string textOf(const Bytes& frame) {
    return std::string(payloadText(framePayload(frame)));
}

class ConnectTest : public ::testing::TestWithParam<Transport> {
protected:
    static dc::ProgramOptions namedMixer() {
        dc::ProgramOptions options = StandInThread::onFreePorts();
        options.mixer.deviceName = kDeviceName;
        return options;
    }

    void SetUp() override {
        ASSERT_TRUE(standIn.isServing()) << standIn.startError();
        standIn.call(workTheDesk);
    }

    StandInThread standIn{namedMixer()};
    ControlSurface surface{GetParam(), standIn.portFor(GetParam())};
};

TEST_P(ConnectTest, FullReadCopiesEveryValueAndNameOfTheMixer) {
    ASSERT_TRUE(surface.comeOnline());
    EXPECT_TRUE(surface.linkState.online);
    EXPECT_TRUE(surface.model.status().isSet(StatusBytes::kFullReadDone));
    EXPECT_EQ(surface.readsFinished(), 1);
    ASSERT_TRUE(surface.settle());

    const dc::MixerParameters mixer =
        standIn.call([](dc::StandIn& s) { return s.dataCentre().parameters(); });
    EXPECT_THAT(valuesDiffering(surface.model, mixer), IsEmpty());
    EXPECT_EQ(surface.model.value(kLastParam), 0x0BAD);
    standIn.call([this](dc::StandIn& s) {
        EXPECT_THAT(sceneNamesDiffering(surface.model, s.dataCentre().scenes()), IsEmpty());
        EXPECT_THAT(channelNamesDiffering(surface.model, s.dataCentre()), IsEmpty());
    });
    EXPECT_EQ(surface.model.channelName(63), "Talkback");
    EXPECT_EQ(surface.model.sceneName(16), "Encore");
}

TEST_P(ConnectTest, ComingUpIdentifiesAsksForTheLayerAndReadsASecondLater) {
    ASSERT_TRUE(surface.comeOnline());

    const std::vector<RecordingLink::SentFrame> identify =
        surface.recording.sentWithCode(MSG_IDENTIFY);
    ASSERT_EQ(identify.size(), 1U);
    EXPECT_TRUE(std::ranges::equal(identify[0].bytes, kIdentifyRequest));
    const std::vector<RecordingLink::SentFrame> queries =
        surface.recording.sentWithCode(MSG_TEXT_QUERY);
    ASSERT_FALSE(queries.empty());
    EXPECT_EQ(textOf(queries[0].bytes), "LAYER=");
    EXPECT_EQ(queries[0].atMs, identify[0].atMs) << "in the same tick";

    const std::vector<RecordingLink::SentFrame> reads =
        surface.recording.sentWithCode(MSG_PARAM_QUERY);
    // Identifier 0 is asked for by nothing but a full read.
    const auto fullReadStart = std::ranges::find_if(reads, [](const RecordingLink::SentFrame& f) {
        return std::ranges::count(idsOf(f.bytes), ParamId{0}) == 1;
    });
    ASSERT_NE(fullReadStart, reads.end());
    EXPECT_EQ(fullReadStart->atMs, identify[0].atMs + kFullReadDelayMs);
    EXPECT_THAT(surface.screens.onlineStates(), ElementsAre(true));

    // Once the read is through, the surface asks for the device's name and scene-key lock.
    ASSERT_TRUE(surface.passUntil([this] { return !surface.screens.deviceNames().empty(); }));
    EXPECT_THAT(surface.screens.deviceNames(), ElementsAre(kDeviceName));
    std::vector<std::string> texts;
    for (const RecordingLink::SentFrame& query : surface.recording.sentWithCode(MSG_TEXT_QUERY)) {
        texts.push_back(textOf(query.bytes));
    }
    EXPECT_THAT(texts, ElementsAre("LAYER=", "DEVNAME=", "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=\n"));
}

INSTANTIATE_TEST_SUITE_P(OverEachTransport, ConnectTest,
                         ::testing::Values(Transport::Udp, Transport::Tcp),
                         [](const ::testing::TestParamInfo<Transport>& transport) {
                             return transport.param == Transport::Udp ? "Udp" : "Tcp";
                         });

} // namespace
} // namespace v32::e2e
