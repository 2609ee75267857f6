#pragma once

#include <functional>

namespace v32 {

// Whether windows can be opened at all: without a display, the window system plugin would
// abort the program before it could say why.
class DisplayAvailability {
public:
    // Returns the value of an environment variable, or null when it is not set.
    using EnvironmentLookup = std::function<const char*(const char* name)>;

    static constexpr const char* kNoDisplayMessage =
        "velmar32: there is no display to open the window on (neither DISPLAY nor "
        "WAYLAND_DISPLAY is set, and QT_QPA_PLATFORM does not name a platform).\n"
        "Run it under a virtual X server instead:  xvfb-run -a scripts/run\n";

    static bool hasDisplay(const EnvironmentLookup& lookup);
    static bool hasDisplay();
};

} // namespace v32
