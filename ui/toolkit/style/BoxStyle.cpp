#include "ui/toolkit/style/BoxStyle.h"

#include "ui/toolkit/style/Palette.h"

namespace v32 {

BoxStyle BoxStyle::theme() {
    BoxStyle style;
    style.background = palette::kThemeBackground;
    style.backgroundOpacity = 255;
    style.border = palette::kThemeBorder;
    style.borderWidth = 1;
    return style;
}

} // namespace v32
