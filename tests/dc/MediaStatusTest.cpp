#include "app/core/ManualClock.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/MediaSimulator.h"
#include "tools/velmar32-dc/UsbDiskBuilder.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace v32::dc {
namespace {

using test::Bytes;
using test::TestClient;

// A state report as the control surface reads it; byte numbers count from the frame start.
struct StateReport {
    int storage = 0;
    int device = 0;
    int state = 0;
    int songCount = 0;
    int currentSong = 0;
    int minutes = 0;
    int seconds = 0;
    int format = 0;
    bool repeatOne = false;
    // Bytes 13 and 14 as the Bluetooth device gives them.
    bool bluetoothConnected = false;
    bool bluetoothPlaying = false;

    explicit StateReport(const Bytes& frame)
        : storage(frame[3])
        , device(frame[4])
        , state(frame[5])
        , songCount(frame[8] | frame[9] << 8)
        , currentSong(frame[10] | frame[11] << 8)
        , minutes(frame[12])
        , seconds(frame[13])
        , format(frame[14] >> 4)
        , repeatOne((frame[14] & 0x0F) == 8)
        , bluetoothConnected(frame[4] == 6 && frame[13] == 0)
        , bluetoothPlaying(bluetoothConnected && frame[14] == 0) {}
};

struct PositionReport {
    int seconds = 0;
    int totalMinutes = 0;
    int totalSeconds = 0;
    std::uint32_t fileId = 0;

    explicit PositionReport(const Bytes& frame)
        : seconds(frame[4])
        , totalMinutes(frame[5])
        , totalSeconds(frame[6])
        , fileId(static_cast<std::uint32_t>(frame[7]) << 24 | frame[8] << 16 | frame[9] << 8 |
                 frame[10]) {}
};

Bytes command(std::uint8_t tag, std::uint16_t value = 0) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8), tag};
}

Bytes playFileCommand(std::uint32_t id) {
    return {static_cast<std::uint8_t>(id >> 16 & 0xFF),
            static_cast<std::uint8_t>(id >> 24),
            0xD1,
            static_cast<std::uint8_t>(id & 0xFF),
            static_cast<std::uint8_t>(id >> 8 & 0xFF),
            0xD2,
            1,
            0,
            0xD0};
}

constexpr std::uint8_t kPlay = 0xA0;
constexpr std::uint8_t kPause = 0xA1;
constexpr std::uint8_t kBluetoothPlayPause = 0xA2;
constexpr std::uint8_t kPrevious = 0xA4;
constexpr std::uint8_t kNext = 0xA6;
constexpr std::uint8_t kRepeat = 0xAA;
constexpr std::uint8_t kPlayer = 0xA8;
constexpr std::uint8_t kRecorder = 0xC8;
constexpr std::uint8_t kBluetooth = 0xC7;
constexpr std::uint8_t kUsbAudio = 0xB5;
constexpr std::uint8_t kSpdif = 0xC3;
constexpr std::uint8_t kRecord = 0xE0;

// Two folders: "Set" with three songs of known names, then "More" with two.
UsbDisk smallDisk() {
    UsbDiskBuilder builder;
    const std::uint32_t set = *builder.addFolder(UsbDisk::kRootId, "Set");
    const std::uint32_t more = *builder.addFolder(UsbDisk::kRootId, "More");
    for (const char* name : {"One.mp3", "Two.flac", "Three.wav"}) {
        builder.addFile(set, name);
    }
    for (const char* name : {"Four.ape", "Five.wma"}) {
        builder.addFile(more, name);
    }
    return std::move(builder).build();
}

class MediaStatusTest : public ::testing::Test {
protected:
    ManualClock clock{7000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    MediaSimulator media{dataCentre.clients(), clock};
    TestClient surface{dataCentre};

    void SetUp() override {
        media.loadDisk(smallDisk());
        dataCentre.setMediaModule(&media);
        surface.join();
    }
    void TearDown() override { dataCentre.setMediaModule(nullptr); }

    void send(std::uint8_t tag, std::uint16_t value = 0) {
        surface.send(MSG_MEDIA_COMMAND, command(tag, value));
    }

    // Ticks as the server loop does, or in longer steps where only the time matters.
    void runFor(std::uint32_t ms, std::uint32_t stepMs = 10) {
        for (std::uint32_t done = 0; done < ms; done += stepMs) {
            clock.advance(stepMs);
            dataCentre.tick();
        }
    }

    std::vector<Bytes> mediaFrames(std::uint8_t mark, bool reports) const {
        std::vector<Bytes> found;
        for (const test::ReceivedFrame& frame : surface.framesWith(MSG_MEDIA_EVENT)) {
            if (reports ? frame.bytes[3] < 0x80 : frame.bytes[3] == mark) {
                found.push_back(frame.bytes);
            }
        }
        return found;
    }

    // The next state report after the frames seen so far.
    StateReport nextState() {
        surface.clear();
        runFor(MediaSimulator::kStatusIntervalMs);
        const std::vector<Bytes> reports = mediaFrames(0, true);
        EXPECT_FALSE(reports.empty());
        return StateReport(reports.empty() ? Bytes(17) : reports.back());
    }

    std::optional<PositionReport> nextPosition() {
        surface.clear();
        runFor(MediaSimulator::kStatusIntervalMs);
        const std::vector<Bytes> positions = mediaFrames(0x80, false);
        return positions.empty() ? std::nullopt
                                 : std::optional<PositionReport>(PositionReport(positions.back()));
    }

    const UsbDisk& disk() const { return *media.player().disk(); }
};

TEST_F(MediaStatusTest, StatusGoesOutInFramesOf17BytesFourTimesASecondToClientsThatTalked) {
    TestClient silent(dataCentre);
    send(kPlayer);
    send(kPlay);
    surface.clear();

    // The disk's first item comes in data chunks between the reports.
    surface.send(MSG_MEDIA_COMMAND, Bytes{0, 0, 0xD1, 0, 0, 0xD2, 2, 0, 0xD0});
    runFor(2000);

    const std::vector<test::ReceivedFrame> frames = surface.framesWith(MSG_MEDIA_EVENT);
    EXPECT_EQ(mediaFrames(0, true).size(), 8U);
    EXPECT_EQ(mediaFrames(0x80, false).size(), 8U);
    EXPECT_FALSE(mediaFrames(0x82, false).empty());
    EXPECT_EQ(frames.size(), 16U + mediaFrames(0x82, false).size());
    for (const test::ReceivedFrame& frame : frames) {
        EXPECT_EQ(frame.bytes.size(), 17U);
    }
    EXPECT_TRUE(silent.frames().empty());
}

TEST_F(MediaStatusTest, EachCommandChangesTheNextStateReport) {
    struct Case {
        const char* what;
        std::vector<Bytes> before;
        Bytes command;
        std::function<bool(const StateReport&)> holds;
    };
    const Case cases[] = {
        {"the player becomes the play device",
         {},
         command(kPlayer),
         [](const StateReport& r) { return r.device == 2 && r.state == 1 && r.songCount == 5; }},
        {"play",
         {command(kPlayer)},
         command(kPlay),
         [](const StateReport& r) { return r.state == 2 && r.currentSong == 1 && r.format == 1; }},
        {"pause",
         {command(kPlayer), command(kPlay)},
         command(kPause),
         [](const StateReport& r) { return r.state == 3; }},
        {"play after pause",
         {command(kPlayer), command(kPlay), command(kPause)},
         command(kPlay),
         [](const StateReport& r) { return r.state == 2; }},
        {"pause while stopped does nothing",
         {command(kPlayer)},
         command(kPause),
         [](const StateReport& r) { return r.state == 1; }},
        {"next",
         {command(kPlayer)},
         command(kNext),
         [](const StateReport& r) { return r.currentSong == 2 && r.format == 5; }},
        {"next from the folder's last song goes round to its first",
         {command(kPlayer), command(kNext), command(kNext)},
         command(kNext),
         [](const StateReport& r) { return r.currentSong == 1; }},
        {"previous from the first song goes to the folder's last",
         {command(kPlayer)},
         command(kPrevious),
         [](const StateReport& r) { return r.currentSong == 3; }},
        {"repeat one", {}, command(kRepeat), [](const StateReport& r) { return r.repeatOne; }},
        {"repeat all again",
         {command(kRepeat)},
         command(kRepeat),
         [](const StateReport& r) { return !r.repeatOne; }},
        {"the recorder source",
         {},
         command(kRecorder),
         [](const StateReport& r) { return r.device == 5 && r.state == 1; }},
        {"recording starts",
         {command(kRecorder)},
         command(kRecord),
         [](const StateReport& r) { return r.device == 5 && r.state == 5; }},
        {"recording stops",
         {command(kRecorder), command(kRecord)},
         command(kRecord),
         [](const StateReport& r) { return r.state == 1; }},
        {"recording needs the recorder source",
         {command(kPlayer)},
         command(kRecord),
         [](const StateReport& r) { return r.device == 2 && r.state == 1; }},
        {"the Bluetooth source, with a phone that does not play",
         {},
         command(kBluetooth),
         [](const StateReport& r) {
             return r.device == 6 && r.bluetoothConnected && !r.bluetoothPlaying;
         }},
        {"Bluetooth play",
         {command(kBluetooth)},
         command(kBluetoothPlayPause),
         [](const StateReport& r) { return r.bluetoothPlaying && r.state == 2; }},
        {"Bluetooth pause",
         {command(kBluetooth), command(kBluetoothPlayPause)},
         command(kBluetoothPlayPause),
         [](const StateReport& r) { return !r.bluetoothPlaying; }},
        {"the USB audio source",
         {},
         command(kUsbAudio),
         [](const StateReport& r) { return r.device == 9; }},
        {"the coaxial input",
         {},
         command(kSpdif, 1),
         [](const StateReport& r) { return r.device == 10 && r.state == 0; }},
        {"the optical input",
         {command(kSpdif, 1)},
         command(kSpdif, 3),
         [](const StateReport& r) { return r.device == 10 && r.state == 2; }},
        {"an S/PDIF input that does not exist",
         {command(kPlayer)},
         command(kSpdif, 4),
         [](const StateReport& r) { return r.device == 2; }},
        {"play while another source plays does nothing",
         {command(kBluetooth)},
         command(kPlay),
         [](const StateReport& r) { return r.device == 6 && !r.bluetoothPlaying; }},
        {"leaving the player stops it",
         {command(kPlayer), command(kPlay)},
         command(kRecorder),
         [](const StateReport& r) { return r.device == 5 && r.state == 1; }},
        {"playing a file of the other folder",
         {command(kPlayer)},
         playFileCommand(UsbDisk::kFirstFileId + 4),
         [](const StateReport& r) { return r.state == 2 && r.currentSong == 5 && r.format == 3; }},
        {"a file that does not exist plays nothing",
         {command(kPlayer)},
         playFileCommand(UsbDisk::kFirstFolderId),
         [](const StateReport& r) { return r.state == 1 && r.currentSong == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MediaSimulator fresh(dataCentre.clients(), clock);
        fresh.loadDisk(smallDisk());
        dataCentre.setMediaModule(&fresh);
        for (const Bytes& step : c.before) {
            surface.send(MSG_MEDIA_COMMAND, step);
        }
        surface.clear();

        surface.send(MSG_MEDIA_COMMAND, c.command);

        // The report goes out at once, and the next regular one says the same.
        const std::vector<Bytes> atOnce = mediaFrames(0, true);
        ASSERT_FALSE(atOnce.empty());
        EXPECT_TRUE(c.holds(StateReport(atOnce.front())));
        EXPECT_TRUE(c.holds(nextState()));
        dataCentre.setMediaModule(&media);
    }
}

TEST_F(MediaStatusTest, PluggingAndPullingChangeTheStorageState) {
    struct Case {
        const char* what;
        std::function<void(MediaSimulator&)> change;
        int storage;
        int songCount;
    };
    const Case cases[] = {
        {"the disk pulled", [](MediaSimulator& m) { m.setDiskInserted(false); }, 0, 0},
        {"USB audio plugged in without a disk",
         [](MediaSimulator& m) { m.setUsbAudioPlugged(true); }, 4, 0},
        {"the disk back in beside the USB audio",
         [](MediaSimulator& m) { m.setDiskInserted(true); }, 2, 5},
        {"USB audio pulled, the disk stays", [](MediaSimulator& m) { m.setUsbAudioPlugged(false); },
         2, 5},
        {"the disk pulled again", [](MediaSimulator& m) { m.setDiskInserted(false); }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.clear();
        c.change(media);
        const std::vector<Bytes> atOnce = mediaFrames(0, true);
        ASSERT_EQ(atOnce.size(), 1U);
        EXPECT_EQ(StateReport(atOnce[0]).storage, c.storage);
        EXPECT_EQ(StateReport(atOnce[0]).songCount, c.songCount);
    }
}

TEST_F(MediaStatusTest, PullingTheDiskStopsThePlayerAndTheRecorder) {
    send(kPlayer);
    send(kPlay);
    media.setDiskInserted(false);
    StateReport pulled = nextState();
    EXPECT_EQ(pulled.state, 1);
    EXPECT_EQ(pulled.currentSong, 0);
    EXPECT_FALSE(nextPosition());

    send(kRecorder);
    send(kRecord);
    EXPECT_EQ(nextState().state, 1) << "recording needs a disk";
    media.setDiskInserted(true);
    send(kRecord);
    media.setDiskInserted(false);
    EXPECT_EQ(nextState().state, 1);
}

TEST_F(MediaStatusTest, TheClockMovesThePlayingSongOnAndNothingElse) {
    const DiskFile& first = *disk().song(1);
    send(kPlayer);
    runFor(5000, 1000);
    EXPECT_EQ(nextState().seconds, 0) << "stopped";

    send(kPlay);
    runFor(61 * 1000, 1000);
    const StateReport playing = nextState();
    EXPECT_EQ(playing.minutes * 60 + playing.seconds, 61);
    const std::optional<PositionReport> position = nextPosition();
    ASSERT_TRUE(position);
    EXPECT_EQ(position->seconds, 1);
    EXPECT_EQ(position->totalMinutes * 60 + position->totalSeconds,
              static_cast<int>(first.durationS));
    EXPECT_EQ(position->fileId, first.id);

    send(kPause);
    runFor(30 * 1000, 1000);
    const StateReport paused = nextState();
    EXPECT_EQ(paused.minutes * 60 + paused.seconds, 61);
}

TEST_F(MediaStatusTest, AtTheEndOfASongRepeatAllGoesOnAndRepeatOnePlaysItAgain) {
    const DiskFile& first = *disk().song(1);
    const DiskFile& second = *disk().song(2);
    send(kPlayer);
    send(kPlay);
    // One step over the end of the song, as a stalled loop would take it.
    runFor(first.durationS * 1000 + 3000, first.durationS * 1000 + 3000);
    StateReport report = nextState();
    EXPECT_EQ(report.currentSong, 2);
    EXPECT_EQ(report.minutes * 60 + report.seconds, 3);
    EXPECT_EQ(nextPosition()->fileId, second.id);

    send(kRepeat);
    runFor(second.durationS * 1000, 1000);
    report = nextState();
    EXPECT_EQ(report.currentSong, 2);
    EXPECT_EQ(report.minutes * 60 + report.seconds, 3);
}

TEST_F(MediaStatusTest, TheRecorderCountsTheTimeOfTheRecording) {
    send(kRecorder);
    send(kRecord);
    runFor(75 * 1000, 1000);
    const StateReport recording = nextState();
    EXPECT_EQ(recording.state, 5);
    EXPECT_EQ(recording.minutes * 60 + recording.seconds, 75);

    send(kRecord);
    const StateReport stopped = nextState();
    EXPECT_EQ(stopped.minutes * 60 + stopped.seconds, 0);
}

TEST_F(MediaStatusTest, APhoneThatLeavesStopsPlaying) {
    send(kBluetooth);
    send(kBluetoothPlayPause);
    ASSERT_TRUE(nextState().bluetoothPlaying);

    media.setBluetoothConnected(false);
    const StateReport gone = nextState();
    EXPECT_FALSE(gone.bluetoothConnected);
    EXPECT_FALSE(gone.bluetoothPlaying);
    send(kBluetoothPlayPause);
    EXPECT_FALSE(nextState().bluetoothPlaying);
}

} // namespace
} // namespace v32::dc
