#pragma once

#include "app/core/StartupHost.h"

namespace v32 {

// Start-up's desktop side before the main window exists: the Shift key, the debug start
// dialog and the splash. Needs a QApplication.
class QtStartupHost final : public StartupHost {
public:
    static constexpr const char* kErrorCaption = "错误";
    static constexpr const char* kPictureMissingText = "无法加载位图资源";

    bool factoryKeyHeld() override;
    bool chooseDebugSettings(DebugSwitches& switches, SerialSettings& serial) override;
    // A missing picture is reported and start-up goes on without a splash.
    void showSplash() override;
};

} // namespace v32
