#include "ui/toolkit/graphs/EqPlotLayout.h"

#include <algorithm>

namespace v32 {

EqPlotLayout EqPlotLayout::of(int graphWidth, int graphHeight, int labelWidth, int labelHeight,
                              bool compact) {
    if (compact) {
        labelWidth = 0;
        labelHeight = 0;
    }
    const int gap = compact ? 0 : kLabelGap;
    EqPlotLayout layout;
    layout.x = labelWidth + gap + kMargin;
    layout.y = kMargin + labelHeight / 2;
    layout.width = std::max(1, graphWidth - labelHeight / 2 - kMargin - layout.x);
    layout.height = std::max(1, graphHeight - layout.y - labelHeight - kMargin);
    return layout;
}

} // namespace v32
