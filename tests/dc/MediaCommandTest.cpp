#include "tools/velmar32-dc/MediaCommand.h"

#include <gtest/gtest.h>
#include <vector>

namespace v32::dc {
namespace {

using Kind = MediaCommand::Kind;

TEST(MediaCommandTest, UnitsReadAsTheCommandsTheyCarry) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> payload;
        std::vector<MediaCommand> commands;
    };
    const Case cases[] = {
        {"play", {0, 0, 0xA0}, {{Kind::Play, 0}}},
        {"each one-unit command",
         {0, 0, 0xA1, 0, 0, 0xA2, 0, 0, 0xA4, 0, 0, 0xA6, 0, 0, 0xAA,
          0, 0, 0xA8, 0, 0, 0xC8, 0, 0, 0xC7, 0, 0, 0xB5, 0, 0, 0xE0},
         {{Kind::Pause, 0},
          {Kind::BluetoothPlayPause, 0},
          {Kind::Previous, 0},
          {Kind::Next, 0},
          {Kind::Repeat, 0},
          {Kind::SourcePlayer, 0},
          {Kind::SourceRecorder, 0},
          {Kind::SourceBluetooth, 0},
          {Kind::SourceUsbAudio, 0},
          {Kind::Record, 0}}},
        {"the optical input, value low byte first", {3, 0, 0xC3}, {{Kind::SourceSpdif, 3}}},
        {"report the playing file", {5, 0, 0xD0}, {{Kind::ReportPlayingFile, 0}}},
        {"play file: high half, low half, number 1",
         {0x00, 0x46, 0xD1, 0x09, 0x01, 0xD2, 1, 0, 0xD0},
         {{Kind::PlayFile, 0x46000109}}},
        {"enter folder",
         {0x00, 0x44, 0xD1, 0x02, 0x00, 0xD2, 2, 0, 0xD0},
         {{Kind::EnterFolder, 0x44000002}}},
        {"query item after index 0x0102",
         {0x02, 0x01, 0xD1, 8, 0, 0xD0},
         {{Kind::QueryItem, 0x0102}}},
        {"arguments do not carry over to the next numbered command",
         {0x00, 0x44, 0xD1, 0x02, 0x00, 0xD2, 2, 0, 0xD0, 0, 0, 0xD2, 2, 0, 0xD0},
         {{Kind::EnterFolder, 0x44000002}, {Kind::EnterFolder, 0}}},
        {"unknown tags and command numbers are passed over",
         {0, 0, 0x11, 9, 0, 0xD0, 0, 0, 0xA6},
         {{Kind::Next, 0}}},
        {"an unfinished unit at the end is passed over", {0, 0, 0xA0, 0, 0}, {{Kind::Play, 0}}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MediaCommand::readAll(c.payload), c.commands);
    }
}

} // namespace
} // namespace v32::dc
