#include "app/link/DiscoveryWorker.h"

#include "app/link/DeviceDiscovery.h"
#include "tests/link/CapturedOutput.h"
#include "tests/link/LoopbackMixers.h"
#include "tests/link/WaitUntil.h"

#include <atomic>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <vector>

namespace v32 {
namespace {

using test::identifyReply;
using test::listed;
using test::Listed;
using test::LoopbackMixers;
using test::loopbackSetup;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Steady = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A search lasts at least its first wait and its quiet wait; this is time enough under the
// sanitizers.
constexpr std::chrono::milliseconds kSearchPatience = 5s;
// Anything the UI thread waits for must take less than a search's first wait.
constexpr auto kAtOnce = DeviceDiscovery::kFirstWait;

// A worker whose searches are real discovery runs towards mixers on loopback, logging into
// a captured file, and which notes the thread each search ran on.
class DiscoveryWorkerTest : public ::testing::Test {
protected:
    // Takes the result once it has come; nothing when patience ran out first.
    std::optional<FoundDeviceTable> awaitResult() {
        std::optional<FoundDeviceTable> found;
        waitUntil([&] { return (found = worker->takeResult()).has_value(); }, kSearchPatience);
        return found;
    }

    // Until the mixers heard a request: the search is in its waits.
    bool awaitRequest() {
        return waitUntil([this] { return mixers.requestsHeard() >= 1; });
    }

    LoopbackMixers mixers{std::vector<test::Reply>{
        {2, identifyReply("FOH Left")},
        {3, identifyReply("unnamed")},
    }};
    CapturedOutput log;
    const DeviceDiscovery discovery{loopbackSetup(mixers.port(), {"lo"}, log.file())};
    std::atomic<std::thread::id> searchThread;
    std::optional<DiscoveryWorker> worker{std::in_place, [this](std::stop_token stop) {
                                              searchThread = std::this_thread::get_id();
                                              return discovery.run(stop);
                                          }};
    const std::vector<Listed> expected{{0x7F000002, "FOH Left"}, {0x7F000003, "VELMAR32"}};
};

TEST_F(DiscoveryWorkerTest, TheSearchRunsBesideTheCallerAndItsResultIsTakenOnce) {
    const Steady::time_point started = Steady::now();
    ASSERT_TRUE(worker->start());
    EXPECT_LT(Steady::now() - started, kAtOnce) << "the caller does not wait for the replies";
    EXPECT_FALSE(worker->takeResult()) << "no result before the search is over";
    EXPECT_TRUE(worker->isRunning());

    const std::optional<FoundDeviceTable> found = awaitResult();

    ASSERT_TRUE(found) << "the result never came";
    EXPECT_THAT(listed(*found), ElementsAre(expected[0], expected[1]));
    EXPECT_NE(searchThread.load(), std::this_thread::get_id());
    EXPECT_FALSE(worker->isRunning());
    EXPECT_FALSE(worker->takeResult()) << "a result is taken once";
    EXPECT_EQ(log.text(), "discover 127.0.0.255\n");
}

TEST_F(DiscoveryWorkerTest, AStartDuringASearchStartsNoOtherAndTheSearchesResultStays) {
    ASSERT_TRUE(worker->start());
    EXPECT_FALSE(worker->start()) << "a search is running";
    ASSERT_TRUE(awaitRequest());
    EXPECT_FALSE(worker->start()) << "a search is running";

    const std::optional<FoundDeviceTable> first = awaitResult();
    ASSERT_TRUE(first);
    EXPECT_THAT(listed(*first), ElementsAre(expected[0], expected[1]));

    // Once it is over, a start searches again; the mixers answer only the first request.
    ASSERT_TRUE(worker->start());
    const std::optional<FoundDeviceTable> second = awaitResult();
    ASSERT_TRUE(second);
    EXPECT_THAT(listed(*second), IsEmpty());
    EXPECT_EQ(mixers.finish().size(), 2U);
    EXPECT_EQ(log.text(), "discover 127.0.0.255\ndiscover 127.0.0.255\n");
}

TEST_F(DiscoveryWorkerTest, CancelEndsTheSearchAtOnceDropsItsResultAndAllowsAnother) {
    ASSERT_TRUE(worker->start());
    ASSERT_TRUE(awaitRequest());

    const Steady::time_point cancelled = Steady::now();
    worker->cancel();

    EXPECT_LT(Steady::now() - cancelled, kAtOnce) << "the waits end at the stop";
    EXPECT_FALSE(worker->isRunning());
    EXPECT_FALSE(worker->takeResult()) << "a cancelled search has no result";
    ASSERT_TRUE(worker->start());
    EXPECT_TRUE(awaitResult()) << "a search after the cancelled one finishes";
}

TEST_F(DiscoveryWorkerTest, DestroyedDuringASearchItStopsAndJoinsTheSearchAtOnce) {
    ASSERT_TRUE(worker->start());
    ASSERT_TRUE(awaitRequest());

    const Steady::time_point destroyed = Steady::now();
    worker.reset();

    EXPECT_LT(Steady::now() - destroyed, kAtOnce) << "the program's end waits for no reply";
    EXPECT_EQ(mixers.finish().size(), 1U);
    EXPECT_EQ(log.text(), "discover 127.0.0.255\n");
}

} // namespace
} // namespace v32
