#include "app/core/ManualClock.h"
#include "app/model/DefaultTable.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/FixedFrames.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace v32::dc {
namespace {

using test::ReceivedFrame;
using test::TestClient;

class ParameterTrafficTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    TestClient surface{dataCentre};
    TestClient other{dataCentre};
    DefaultTable defaults;

    void SetUp() override {
        surface.join();
        other.join();
    }
};

TEST_F(ParameterTrafficTest, IdentifyReplyPassesTheControlSurfacesCheck) {
    surface.ui().sendIdentify();

    ASSERT_EQ(surface.frames().size(), 1U);
    const std::optional<IdentifyReply> reply = parseIdentifyReply(surface.frames()[0].bytes);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->productId, 0xE001);
    EXPECT_EQ(reply->modelCode, 0x2F);
    EXPECT_EQ(reply->deviceName, "unnamed");
}

TEST(IdentifyTest, ReportsTheConfiguredIdentityForLockoutTests) {
    ManualClock clock;
    DataCentreConfig config;
    config.productId = 0xE002;
    config.modelCode = 0x30;
    config.deviceName = "Stage left";
    DataCentre dataCentre(clock, config);
    TestClient client(dataCentre);

    client.ui().sendIdentify();

    ASSERT_EQ(client.frames().size(), 1U);
    const std::optional<IdentifyReply> reply = parseIdentifyReply(client.frames()[0].bytes);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->productId, 0xE002);
    EXPECT_EQ(reply->modelCode, 0x30);
    EXPECT_EQ(reply->deviceName, "Stage left");
}

TEST_F(ParameterTrafficTest, LocalDeviceProbeGetsTheFixedReplyAndNoBroadcasts) {
    TestClient probe(dataCentre);
    probe.sendRaw(kKeepAliveProbe);
    ASSERT_EQ(probe.frames().size(), 1U);
    EXPECT_EQ(probe.frames()[0].bytes, test::Bytes(kKeepAliveReply.begin(), kKeepAliveReply.end()));

    probe.clear();
    surface.ui().sendSinglePair(75, 900);
    EXPECT_TRUE(probe.frames().empty());
}

TEST_F(ParameterTrafficTest, QueryIsReportedWithStoredValuesSixtyPairsToAFrame) {
    // The largest identifier list one frame can carry.
    std::vector<ParamId> ids(125);
    std::iota(ids.begin(), ids.end(), ParamId{4900});
    test::Bytes payload;
    for (const ParamId id : ids) {
        payload.push_back(static_cast<std::uint8_t>(id >> 8));
        payload.push_back(static_cast<std::uint8_t>(id & 0xFF));
    }

    surface.send(MSG_PARAM_QUERY, payload);

    const std::vector<ReceivedFrame> reports = surface.framesWith(MSG_PARAM_QUERY);
    ASSERT_EQ(reports.size(), 3U);
    EXPECT_EQ(reports[0].pairs().size(), 60U);
    EXPECT_EQ(reports[1].pairs().size(), 60U);
    EXPECT_EQ(reports[2].pairs().size(), 5U);
    const std::vector<ParamPair> pairs = surface.pairsOf(MSG_PARAM_QUERY);
    ASSERT_EQ(pairs.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(pairs[i].id, ids[i]);
        EXPECT_EQ(pairs[i].value, dataCentre.parameters().value(ids[i]));
    }
}

TEST_F(ParameterTrafficTest, QueryBeyondTheLastIdentifierReadsZero) {
    const std::vector<ParamId> ids{kLastParam, 5863, 0xFFFF};
    surface.ui().sendParamQuery(ids);

    const std::vector<ParamPair> expected{
        {kLastParam, defaults.of(kLastParam)}, {5863, 0}, {0xFFFF, 0}};
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_QUERY), expected);
}

TEST_F(ParameterTrafficTest, SetIsAcknowledgedToTheWriterAndNotifiedToTheOthers) {
    TestClient probeOnly(dataCentre);
    probeOnly.ui().sendIdentify();
    probeOnly.clear();
    const std::vector<ParamPair> pairs{{75, 1100}, {74, 0}};

    surface.ui().sendParamSet(pairs);

    EXPECT_EQ(surface.pairsOf(MSG_PARAM_SET), pairs);
    EXPECT_TRUE(surface.framesWith(MSG_PARAM_NOTIFY).empty());
    EXPECT_EQ(other.pairsOf(MSG_PARAM_NOTIFY), pairs);
    EXPECT_TRUE(probeOnly.frames().empty());
    EXPECT_EQ(dataCentre.parameters().value(75), 1100);
}

TEST_F(ParameterTrafficTest, UnchangedValuesAndEchoedNotificationsAreNoNewChange) {
    const std::vector<ParamPair> pairs{{75, 1100}};
    surface.ui().sendParamSet(pairs);
    const ReceivedFrame notify = other.framesWith(MSG_PARAM_NOTIFY).at(0);
    surface.clear();
    other.clear();

    // The control surface sends a notification back unchanged as its acknowledgement.
    other.sendRaw(notify.bytes);
    EXPECT_TRUE(surface.frames().empty());
    EXPECT_TRUE(other.frames().empty());

    // A repeated write is acknowledged again but changes nothing.
    surface.ui().sendParamSet(pairs);
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_SET), pairs);
    EXPECT_TRUE(other.frames().empty());
}

TEST_F(ParameterTrafficTest, WordsTheMixerOwnsKeepTheirValueAndTheAckSaysSo) {
    struct Case {
        const char* what;
        ParamId id;
    };
    const Case cases[] = {
        {"keep-alive word", 0}, {"input meter", 2},          {"analyser data", 40},
        {"bus meter", 2855},    {"scene last called", 4979}, {"lock state", 5213},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.clear();
        other.clear();
        const std::uint16_t before = dataCentre.parameters().value(c.id);
        const std::uint16_t attempt = static_cast<std::uint16_t>(before ^ 0x0101);

        surface.ui().sendSinglePair(c.id, attempt);

        const std::vector<ParamPair> expected{{c.id, before}};
        EXPECT_EQ(surface.pairsOf(MSG_PARAM_SET), expected);
        EXPECT_EQ(dataCentre.parameters().value(c.id), before);
        EXPECT_TRUE(other.frames().empty());
    }
}

TEST_F(ParameterTrafficTest, IdentifiersBeyondTheLastAreLeftOutOfTheAck) {
    surface.ui().sendParamSet(std::vector<ParamPair>{{5863, 1}, {76, 7}, {0xFFFF, 2}});
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_SET), (std::vector<ParamPair>{{76, 7}}));

    surface.clear();
    surface.ui().sendSinglePair(6000, 1);
    EXPECT_TRUE(surface.frames().empty());
}

TEST_F(ParameterTrafficTest, ChangesMadeAtTheMixerReachEveryClient) {
    dataCentre.changeParameter(4636, 0);

    const std::vector<ParamPair> expected{{4636, 0}};
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_NOTIFY), expected);
    EXPECT_EQ(other.pairsOf(MSG_PARAM_NOTIFY), expected);
}

TEST_F(ParameterTrafficTest, FramesThatFailTheirCheckAreDropped) {
    test::Bytes frame = test::makeFrame(MSG_PARAM_SET, std::vector<std::uint8_t>{0, 75, 4, 0});
    frame.back() ^= 0x01;
    surface.sendRaw(frame);
    // A frame cut short: N announces more than is there.
    surface.sendRaw(std::vector<std::uint8_t>{0x80, 0x09, 0x03, 0x00, 0x4B});

    EXPECT_TRUE(surface.frames().empty());
    EXPECT_EQ(dataCentre.rejectedFrames(), 2U);
    EXPECT_EQ(dataCentre.parameters().value(75), defaults.of(75));
}

TEST_F(ParameterTrafficTest, SerialClientsAreProbedEverySecondAndTheirAnswerIsNotAQuery) {
    TestClient serial(dataCentre, ClientOptions{true});
    dataCentre.tick();
    serial.clear();

    clock.advance(999);
    dataCentre.tick();
    EXPECT_TRUE(serial.frames().empty());
    clock.advance(1);
    dataCentre.tick();
    ASSERT_EQ(serial.frames().size(), 1U);
    EXPECT_EQ(serial.frames()[0].bytes,
              test::Bytes(kKeepAliveProbe.begin(), kKeepAliveProbe.end()));
    EXPECT_TRUE(surface.frames().empty());

    serial.clear();
    serial.sendRaw(kKeepAliveReply);
    EXPECT_TRUE(serial.frames().empty());
}

} // namespace
} // namespace v32::dc
