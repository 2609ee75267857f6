#pragma once

#include <QRect>
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

    // Where the UI's screen goes in a client area of that size: a screen that can take the
    // size fills it; one whose size is bounded keeps within its bounds, centred where the
    // window is larger and from the top-left corner where it is smaller, so that the start
    // of every row and column stays in view.
    static QRect screenRect(QSize clientArea, QSize minimumSize, QSize maximumSize);
};

} // namespace v32
