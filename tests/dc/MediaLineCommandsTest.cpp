#include "app/core/ManualClock.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/StandIn.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace v32::dc {
namespace {

using test::TestClient;

ProgramOptions mediaOptions() {
    ProgramOptions options;
    options.udpEnabled = false;
    options.tcpEnabled = false;
    options.console = false;
    options.media = true;
    return options;
}

// The media line commands of a stand-in that serves no transport; a client talks to its
// data centre directly.
class MediaLineCommandsTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> log{std::tmpfile(), &std::fclose};
    std::unique_ptr<StandIn> standIn;
    std::unique_ptr<TestClient> surface;

    void startWith(const ProgramOptions& options) {
        ASSERT_NE(log, nullptr);
        standIn = std::make_unique<StandIn>(options, clock, log.get());
        std::string error;
        ASSERT_TRUE(standIn->start(error)) << error;
        surface = std::make_unique<TestClient>(standIn->dataCentre());
        surface->join();
    }

    void SetUp() override { startWith(mediaOptions()); }
    void TearDown() override { surface.reset(); }

    std::string run(std::string_view line) { return standIn->commands().run(line).text; }

    // Storage state of the state reports the client heard since it was last cleared.
    std::vector<int> storageStates() const {
        std::vector<int> states;
        for (const test::ReceivedFrame& frame : surface->framesWith(MSG_MEDIA_EVENT)) {
            if (frame.bytes[3] < 0x80) {
                states.push_back(frame.bytes[3]);
            }
        }
        return states;
    }
};

TEST_F(MediaLineCommandsTest, PluggingAtTheDeskIsReportedAtOnce) {
    struct Case {
        std::string_view line;
        int storage;
    };
    const Case cases[] = {
        {"media disk out", 0},        {"media usbaudio in", 4}, {"media disk in", 2},
        {"media  usbaudio   out", 2}, {"media disk out", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        surface->clear();
        EXPECT_EQ(run(c.line), "ok");
        EXPECT_EQ(storageStates(), std::vector<int>{c.storage});
    }
}

TEST_F(MediaLineCommandsTest, ThePhoneComesAndGoes) {
    surface->send(MSG_MEDIA_COMMAND, test::Bytes{0, 0, 0xC7});
    for (const auto& [line, connected] :
         {std::pair{"media bluetooth off", false}, std::pair{"media bluetooth on", true}}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(run(line), "ok");
        EXPECT_EQ(standIn->media()->player().isBluetoothConnected(), connected);
    }
}

TEST_F(MediaLineCommandsTest, AnotherOwnerTakesThePlayerAndLetsItGo) {
    EXPECT_EQ(run("media owner other"), "ok");
    const MixerParameters& parameters = standIn->dataCentre().parameters();
    EXPECT_NE(parameters.value(5204) & 0x8000, 0);
    EXPECT_EQ(parameters.value(5212), 1);
    bool ownerDiffers = false;
    for (ParamId word = 0; word < 4; ++word) {
        ownerDiffers = ownerDiffers || (parameters.value(static_cast<ParamId>(5204 + word)) &
                                        (word == 0 ? 0x7FFF : 0xFFFF)) !=
                                           parameters.value(static_cast<ParamId>(5208 + word));
    }
    EXPECT_TRUE(ownerDiffers) << "every client would read the player as its own";
    const std::vector<ParamPair> told = surface->pairsOf(MSG_PARAM_NOTIFY);
    EXPECT_NE(std::find(told.begin(), told.end(), ParamPair{5212, 1}), told.end());
    EXPECT_NE(run("media").find("owner other"), std::string::npos);

    surface->clear();
    EXPECT_EQ(run("media owner none"), "ok");
    EXPECT_EQ(parameters.value(5204) & 0x8000, 0);
    EXPECT_EQ(parameters.value(5212), 0);
    const std::vector<ParamPair> released = surface->pairsOf(MSG_PARAM_NOTIFY);
    EXPECT_NE(std::find(released.begin(), released.end(), ParamPair{5212, 0}), released.end());
}

TEST_F(MediaLineCommandsTest, TheStateLineTellsDeviceSongAndTime) {
    surface->send(MSG_MEDIA_COMMAND, test::Bytes{0, 0, 0xA8, 0, 0, 0xA0});
    clock.advance(65 * 1000);
    standIn->dataCentre().tick();

    const std::string line = run("media");

    for (const char* part : {"disk in", "device u-disk", "player playing", "song 1/",
                             "\"Intro.mp3\" 01:05 of ", "repeat all", "owner none"}) {
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
    }
}

TEST_F(MediaLineCommandsTest, MistakesAreRefusedAndChangeNothing) {
    surface->clear();
    for (const std::string_view line :
         {"media disk", "media disk sideways", "media disk in now", "media usbaudio",
          "media bluetooth in", "media owner me", "media eject"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(run(line).rfind("error: ", 0), 0U);
    }
    EXPECT_TRUE(storageStates().empty());
    EXPECT_NE(run("media help").find("media disk in|out"), std::string::npos);
    EXPECT_NE(run("help").find("media help"), std::string::npos);
}

using LogFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

TEST(MediaStandInTest, WithoutTheOptionThereIsNoMediaModule) {
    ManualClock clock{1000};
    ProgramOptions options = mediaOptions();
    options.media = false;
    const LogFile log{std::tmpfile(), &std::fclose};
    StandIn standIn(options, clock, log.get());
    std::string error;
    ASSERT_TRUE(standIn.start(error)) << error;
    TestClient surface(standIn.dataCentre());
    surface.join();

    clock.advance(1000);
    standIn.dataCentre().tick();

    EXPECT_EQ(standIn.media(), nullptr);
    EXPECT_TRUE(surface.framesWith(MSG_MEDIA_EVENT).empty());
    EXPECT_EQ(standIn.commands().run("media disk out").text.rfind("error: no media module", 0), 0U);
}

TEST(MediaStandInTest, TheOptionsChooseTheDisk) {
    const std::vector<std::string_view> sample{"--media"};
    const ProgramOptions::Parsed withSample = ProgramOptions::parse(sample);
    EXPECT_EQ(withSample.error, "");
    EXPECT_TRUE(withSample.options.media);
    EXPECT_TRUE(withSample.options.mediaDir.empty());

    std::string pattern = (std::filesystem::temp_directory_path() / "mediadir-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path directory = pattern;
    std::ofstream(directory / "Only song.mp3") << "audio";
    const std::vector<std::string_view> fromDirectory{"--media-dir", pattern};
    const ProgramOptions::Parsed withDirectory = ProgramOptions::parse(fromDirectory);
    EXPECT_EQ(withDirectory.error, "");
    EXPECT_TRUE(withDirectory.options.media);
    EXPECT_EQ(withDirectory.options.mediaDir, pattern);
    ProgramOptions withoutTransports = withDirectory.options;
    withoutTransports.udpEnabled = false;
    withoutTransports.tcpEnabled = false;

    ManualClock clock{1000};
    const LogFile log{std::tmpfile(), &std::fclose};
    StandIn standIn(withoutTransports, clock, log.get());
    std::string error;
    EXPECT_TRUE(standIn.start(error)) << error;
    ASSERT_NE(standIn.media(), nullptr);
    EXPECT_EQ(standIn.media()->player().currentFile()->name, "Only song.mp3");
    std::filesystem::remove_all(directory);

    StandIn missing(withoutTransports, clock, log.get());
    EXPECT_FALSE(missing.start(error));
    EXPECT_EQ(error, "cannot use the media directory: not a directory: " + pattern);
}

} // namespace
} // namespace v32::dc
