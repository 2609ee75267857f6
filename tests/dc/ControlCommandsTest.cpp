#include "app/core/ManualClock.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/StandIn.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace v32::dc {
namespace {

using test::TestClient;

// The line commands against a stand-in whose transports are not started; a client talks to
// its data centre directly.
class ControlCommandsTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    // Closed after the stand-in, which may still log while it is torn down.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> log{std::tmpfile(), &std::fclose};
    StandIn standIn{ProgramOptions{}, clock, log.get()};
    TestClient surface{standIn.dataCentre()};

    void SetUp() override {
        ASSERT_NE(log, nullptr);
        surface.join();
    }

    std::string run(std::string_view line) { return standIn.commands().run(line).text; }
};

TEST_F(ControlCommandsTest, PanelCommandsSendPanelEvents) {
    struct Case {
        std::string_view line;
        std::vector<ParamPair> events;
    };
    const Case cases[] = {
        {"key 60", {{0, 0x4000 | 60}, {0, 60}}},
        {"key 60 down", {{0, 0x4000 | 60}}},
        {"key 0x3C up", {{0, 60}}},
        {"scenekey 1", {{1, 54}}},
        {"scenekey 6 long", {{1, 0x8000 | 59}}},
        {"fader 0 16383", {{2, 16383}}},
        {"fader 50 0", {{52, 0}}},
        {"encoder 2 -1", {{55, 0xFFFF}}},
        {"encoder 50 3", {{103, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        surface.clear();
        EXPECT_EQ(run(c.line), "ok");
        EXPECT_EQ(surface.pairsOf(MSG_PANEL_EVENT), c.events);
    }
}

TEST_F(ControlCommandsTest, BadArgumentsAreRefusedAndSendNothing) {
    for (const std::string_view line :
         {"key", "key 8192", "key 60 sideways", "scenekey 0", "scenekey 7", "scenekey 2 short",
          "fader 51 0", "fader 0 16384", "encoder 0 40000", "encoder 1", "set 5863 1",
          "set 75 65536", "get x", "log maybe", "fault in drop=101", "fault sideways drop=1",
          "fault delay -5", "frobnicate"}) {
        SCOPED_TRACE(line);
        surface.clear();
        EXPECT_EQ(run(line).rfind("error: ", 0), 0U);
        EXPECT_TRUE(surface.frames().empty());
    }
}

TEST_F(ControlCommandsTest, DeskChangesAreNotifiedAndReadBack) {
    EXPECT_EQ(run("set 75 0x4B0"), "ok");
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_NOTIFY), (std::vector<ParamPair>{{75, 1200}}));
    EXPECT_EQ(run("get 75"), "1200");
    // The desk may change what clients may not, such as the lock.
    EXPECT_EQ(run("set 5213 1"), "ok");
    EXPECT_NE(run("status").find("| lock on |"), std::string::npos);
}

TEST_F(ControlCommandsTest, FaultsAndLogAreSwitchedAndShownInTheStatus) {
    EXPECT_EQ(run("fault out drop=100"), "ok");
    EXPECT_EQ(run("fault delay 50"), "ok");
    EXPECT_EQ(run("log on"), "ok");
    const std::string status = run("status");
    EXPECT_NE(status.find("out drop 100% delay 0% duplicate 0% corrupt 0%, delay 50 ms"),
              std::string::npos)
        << status;
    EXPECT_NE(status.find("| log on |"), std::string::npos) << status;

    EXPECT_EQ(run("fault out off"), "ok");
    EXPECT_NE(run("status").find("out drop 0%"), std::string::npos);
}

TEST_F(ControlCommandsTest, QuitAsksToStopAndBlankLinesSayNothing) {
    EXPECT_TRUE(standIn.commands().run("quit").quit);
    EXPECT_FALSE(standIn.commands().run("status").quit);
    EXPECT_EQ(run("   "), "");
    EXPECT_NE(run("help").find("scenekey N [long]"), std::string::npos);
}

} // namespace
} // namespace v32::dc
