#pragma once

#include "tools/velmar32-dc/ClientTable.h"

#include <cstdint>
#include <span>

namespace v32::dc {

// The mixer's media player, recorder and USB disk behind the media commands. The data
// centre hands it every media command frame and a tick from its own; the module answers
// through the client table it is given with media status frames.
class MediaModule {
public:
    virtual ~MediaModule();

    // frame is a whole checked frame of the media command code.
    virtual void handleCommand(ClientId client, std::span<const std::uint8_t> frame) = 0;
    virtual void tick(std::uint32_t nowMs) = 0;
};

} // namespace v32::dc
