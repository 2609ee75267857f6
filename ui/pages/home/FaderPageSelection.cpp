#include "ui/pages/home/FaderPageSelection.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

namespace v32 {

namespace {

// The bank overview frames its selected cell the same way.
constexpr std::uint16_t kSelectedFrame = palette::kSelectionOrange;
constexpr int kSelectedFrameWidth = 2;

} // namespace

void markSelected(StyledWidget& strip, bool selected) {
    const BoxStyle theme = BoxStyle::theme();
    if (selected) {
        strip.setBorder(kSelectedFrameWidth, kSelectedFrame);
    } else {
        strip.setBorder(theme.borderWidth, theme.border, theme.borderOpacity);
    }
}

} // namespace v32
