#pragma once

#include <QColor>
#include <cstdint>

namespace v32 {

// Colours are kept as the display's 16-bit 5-6-5 values throughout the program; this is
// the one place where they become Qt colours. The low bits are filled from the high ones
// so that white stays white and black stays black.
QColor rgb565ToColor(std::uint16_t colour, int alpha = 255);

} // namespace v32
