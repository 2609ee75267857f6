#pragma once

#include "app/protocol/FixedParams.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/MediaSimulator.h"

#include <string>
#include <string_view>

namespace v32::dc {

// The "media" line commands: what happens at the mixer's media module by hand, plugging
// and pulling the disk and the USB audio, a phone coming and going, and another client
// taking the player. Each gives one reply line.
//
// Which client uses the player the mixer tells in the heartbeat words: the four from the first
// media owner word name the owner (bit 15 of the first set while it is owned), the next
// four the client that reads them, and then comes the in-use flag the owner keeps set. The data
// centre answers every client with the same words, so the stand-in cannot tell its clients apart
// there; what it can play is an owner that is none of them: "media owner other" names one and sets
// the flag, and every control surface then finds the player taken.
class MediaLineCommands {
public:
    static constexpr std::uint16_t kOwnedBit = 0x8000;

    MediaLineCommands(MediaSimulator& media, DataCentre& dataCentre);

    // The words after "media"; none for the state.
    std::string run(std::string_view arguments);
    std::string statusLine() const;
    static std::string_view help();

private:
    std::string plugDisk(std::string_view how);
    std::string plugUsbAudio(std::string_view how);
    std::string connectBluetooth(std::string_view how);
    std::string setOwner(std::string_view who);

    MediaSimulator& media_;
    DataCentre& dataCentre_;
};

} // namespace v32::dc
