#include "ui/toolkit/style/Rgb565.h"

namespace v32 {

namespace {

int expand5(int bits) {
    return (bits << 3) | (bits >> 2);
}

int expand6(int bits) {
    return (bits << 2) | (bits >> 4);
}

} // namespace

QColor rgb565ToColor(std::uint16_t colour, int alpha) {
    const int red = expand5((colour >> 11) & 0x1F);
    const int green = expand6((colour >> 5) & 0x3F);
    const int blue = expand5(colour & 0x1F);
    return QColor(red, green, blue, alpha);
}

} // namespace v32
