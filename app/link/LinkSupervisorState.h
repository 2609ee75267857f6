#pragma once

#include <cstdint>

namespace v32 {

// What the dispatcher, the device list and the link supervisor share about the link. The
// dispatcher marks the link online with each parameter report; the supervisor judges
// silence and clears it; the device list clears it when it opens.
struct LinkSupervisorState {
    bool online = false;
    std::uint32_t lastHeardMs = 0;
    // The device list is on screen: no heartbeat then.
    bool deviceListOpen = false;
};

} // namespace v32
