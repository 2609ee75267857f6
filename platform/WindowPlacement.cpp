#include "platform/WindowPlacement.h"

#include <algorithm>

namespace v32 {

bool WindowPlacement::shouldMaximise(QSize availableScreen) {
    return availableScreen.width() < kLogicalWidth || availableScreen.height() < kLogicalHeight;
}

QRect WindowPlacement::screenRect(QSize clientArea, QSize minimumSize, QSize maximumSize) {
    const QSize size = clientArea.boundedTo(maximumSize).expandedTo(minimumSize);
    const int left = std::max(0, (clientArea.width() - size.width()) / 2);
    const int top = std::max(0, (clientArea.height() - size.height()) / 2);
    return {QPoint(left, top), size};
}

} // namespace v32
