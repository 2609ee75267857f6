#pragma once

#include "ui/toolkit/style/FlexLayout.h"

#include <cstdint>

namespace v32 {

class StyledWidget;

// A box size: a positive number of pixels, kContentSize to keep the size the content asks
// for, or grow(n) to take a share n of the free space of the parent's flow instead.
inline constexpr int kContentSize = 0;
constexpr int grow(int factor) {
    return -factor;
}

struct BoxSpec {
    int width = kContentSize;
    int height = kContentSize;
    // Negative keeps the current padding, and so does a negative radius.
    int padding = -1;
    int backgroundOpacity = 0;
    std::uint16_t background = 0;
    int radius = -1;
    int borderWidth = 0;
};

// The box every screen sets up the same way: padding, background, radius, border, size.
void applyBoxStyle(StyledWidget& widget, const BoxSpec& box);

// Lays the widget's children out as a flex flow; a negative gap keeps the current gap. The
// children join in the order they are added to the returned layout.
FlexLayout* applyFlexStyle(QWidget& widget, FlexFlow flow, FlexAlign main, FlexAlign cross,
                           FlexAlign track, int gap);

} // namespace v32
