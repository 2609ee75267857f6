#pragma once

namespace v32 {

// Diagnostic and behaviour switches. The debug chooser sets all of them before the window
// opens; -ps and -pr set the two print switches from the command line.
struct DebugSwitches {
    bool disable_spectrum = false;
    bool disable_online_lock = false;
    bool heartbeat = true;
    bool disable_reconnect = false;
    bool print_bluetooth = false;
    bool print_sent = false;
    bool print_received = false;
    bool take_over_panel = false;
    bool print_writes = false;
};

} // namespace v32
