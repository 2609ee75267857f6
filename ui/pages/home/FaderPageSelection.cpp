#include "ui/pages/home/FaderPageSelection.h"

#include "ui/toolkit/StyledWidget.h"

namespace v32 {

namespace {

constexpr std::uint16_t kSelectedFrame = 0x061E;
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
