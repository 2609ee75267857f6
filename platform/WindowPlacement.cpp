#include "platform/WindowPlacement.h"

namespace v32 {

bool WindowPlacement::shouldMaximise(QSize availableScreen) {
    return availableScreen.width() < kLogicalWidth || availableScreen.height() < kLogicalHeight;
}

} // namespace v32
