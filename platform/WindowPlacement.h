#pragma once

#include <QSize>

namespace v32 {

// The window stands in for the mixer's touch panel, so its client area is the panel's size
// in logical pixels; the screen's scale factor makes it larger on dense displays.
class WindowPlacement {
public:
    static constexpr int kLogicalWidth = 1280;
    static constexpr int kLogicalHeight = 800;

    static QSize logicalSize() { return {kLogicalWidth, kLogicalHeight}; }

    // A screen that cannot hold the whole panel gets a maximised window rather than one
    // that runs over its edges. Both sizes are logical.
    static bool shouldMaximise(QSize availableScreen);
};

} // namespace v32
