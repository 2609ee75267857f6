#include "app/link/DeviceDiscovery.h"

#include "app/protocol/FixedFrames.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/LoopbackMixers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stop_token>
#include <string>
#include <vector>

namespace v32 {
namespace {

using test::Datagram;
using test::identifyReply;
using test::listed;
using test::Listed;
using test::LoopbackMixers;
using test::loopbackSetup;
using test::withCrcBroken;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST(DeviceDiscoveryTest, ListsEachMixerThatAnswersOnceInTheOrderOfTheirReplies) {
    LoopbackMixers mixers({
        {2, identifyReply("FOH Left")},
        {3, identifyReply("unnamed")},
        {2, identifyReply("FOH Left")},
        {4, withCrcBroken(identifyReply("Broken"))},
        {5, identifyReply("Stranger", 0xE002)},
        {6, identifyReply("Monitors")},
    });
    CapturedOutput log;

    const FoundDeviceTable found =
        DeviceDiscovery(loopbackSetup(mixers.port(), {"lo"}, log.file())).run();

    const std::vector<Listed> expected{
        {0x7F000002, "FOH Left"}, {0x7F000003, "VELMAR32"}, {0x7F000006, "Monitors"}};
    EXPECT_THAT(listed(found), ElementsAreArray(expected));
    const std::vector<Datagram>& requests = mixers.finish();
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_THAT(requests[0], ElementsAreArray(kIdentifyRequest));
    EXPECT_EQ(log.text(), "discover 127.0.0.255\n");
}

TEST(DeviceDiscoveryTest, AdaptersLeftOutAreNeverProbed) {
    LoopbackMixers mixers({{2, identifyReply("FOH Left")}});
    CapturedOutput log;
    // Loopback is probed only when named; here another adapter is named.
    const std::vector<std::vector<std::string>> settings{{}, {"eth0"}};
    for (const std::vector<std::string>& named : settings) {
        EXPECT_THAT(listed(DeviceDiscovery(loopbackSetup(mixers.port(), named, log.file())).run()),
                    IsEmpty());
    }
    EXPECT_THAT(mixers.finish(), IsEmpty());
    EXPECT_EQ(log.text(), "");
}

TEST(DeviceDiscoveryTest, ARunStoppedBeforeItBeginsSendsNothing) {
    LoopbackMixers mixers({{2, identifyReply("FOH Left")}});
    CapturedOutput log;
    std::stop_source stop;
    stop.request_stop();

    const FoundDeviceTable found =
        DeviceDiscovery(loopbackSetup(mixers.port(), {"lo"}, log.file())).run(stop.get_token());

    EXPECT_THAT(listed(found), IsEmpty());
    EXPECT_THAT(mixers.finish(), IsEmpty());
    EXPECT_EQ(log.text(), "");
}

} // namespace
} // namespace v32
