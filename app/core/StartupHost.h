#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/SerialSettings.h"

namespace v32 {

// What start-up needs from the desktop host before the window exists.
class StartupHost {
public:
    virtual ~StartupHost() = default;

    // Shift held down at start turns factory mode on.
    virtual bool factoryKeyHeld() = 0;

    // The debug chooser; false when the user leaves it without confirming, which ends the
    // program.
    virtual bool chooseDebugSettings(DebugSwitches& switches, SerialSettings& serial) = 0;

    virtual void showSplash() = 0;
};

} // namespace v32
