#pragma once

#include <cstdint>

namespace v32 {

class ParamModel;
class UdpTarget;
struct LinkSupervisorState;

// What choosing a mixer on the device list does to the link and the model. While the list
// is open no mixer is chosen: nothing goes out, the link reads as offline and the
// supervisor leaves the heartbeat off.
class DeviceSelection {
public:
    DeviceSelection(UdpTarget& target, LinkSupervisorState& linkState, ParamModel& model);

    // Forgets the mixer chosen before, and everything still queued for it, so that none of
    // it reaches the next one.
    void listOpened();
    void listClosed();
    bool isListOpen() const;

    // Talks to the mixer at this address (host byte order) from now on and reads its whole
    // state.
    void connectTo(std::uint32_t address);

private:
    UdpTarget& m_target;
    LinkSupervisorState& m_linkState;
    ParamModel& m_model;
};

} // namespace v32
