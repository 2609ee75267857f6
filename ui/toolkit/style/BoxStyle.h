#pragma once

#include <QMargins>
#include <cstdint>

namespace v32 {

// How a box paints itself: a filled rounded rectangle with an optional border, and the
// padding that keeps its content off the edge. Colours are RGB 5-6-5, opacities 0..255.
struct BoxStyle {
    std::uint16_t background = 0;
    int backgroundOpacity = 0;
    std::uint16_t border = 0;
    int borderWidth = 0;
    int borderOpacity = 255;
    int radius = 0;
    QMargins padding;

    // Nothing painted and no padding: a plain container.
    static BoxStyle plain() { return {}; }
    // The dark theme every widget class starts from before its own styles are applied.
    static BoxStyle theme();
};

} // namespace v32
