#pragma once

namespace v32 {

// Where a graph's plot sits inside the graph: the axis captions take the left and bottom
// margins, and half a caption's height is kept free above and right of the plot so that
// the outer captions are not cut off. A compact graph has no captions and no room for
// them.
struct EqPlotLayout {
    static constexpr int kMargin = 2;
    static constexpr int kLabelGap = 4;

    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;

    // The plot is at least one pixel in each direction so that positions along the axes
    // stay defined in a graph squeezed to nothing.
    static EqPlotLayout of(int graphWidth, int graphHeight, int labelWidth, int labelHeight,
                           bool compact);

    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

} // namespace v32
