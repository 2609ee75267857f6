#include "ui/toolkit/style/BoxStyle.h"

namespace v32 {

namespace {

constexpr std::uint16_t kThemeBackground = 0x2946;
constexpr std::uint16_t kThemeBorder = 0x2986;

} // namespace

BoxStyle BoxStyle::theme() {
    BoxStyle style;
    style.background = kThemeBackground;
    style.backgroundOpacity = 255;
    style.border = kThemeBorder;
    style.borderWidth = 1;
    return style;
}

} // namespace v32
