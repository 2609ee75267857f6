#pragma once

namespace v32 {

// Run-time conditions that other parts of the program own and the parameter model reads.
struct ModelConditions {
    // A data centre answered on this computer at start, so it drives a control panel.
    bool localDevice = false;
    // The lock screen is up: live data is not asked for while nobody can see it.
    bool uiLocked = false;
};

} // namespace v32
