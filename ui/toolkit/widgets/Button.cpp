#include "ui/toolkit/widgets/Button.h"

#include "ui/toolkit/style/Palette.h"

namespace v32 {

namespace {

constexpr QSize kDefaultSize(80, 40);

ButtonLook idleLook() {
    return {Button::kIdleBackground, Button::kIdleGradient, BoxStyle::theme().border,
            ButtonBase::kBorderOpacity};
}

ButtonLook gradientLook(std::uint16_t background, std::uint16_t gradient) {
    return {background, gradient, BoxStyle::theme().border, ButtonBase::kBorderOpacity};
}

} // namespace

Button::Button(QWidget* parent, const QString& text)
    : ButtonBase(parent, kDefaultSize, idleLook(), activeLook(ButtonColour::Blue)) {
    setText(text);
}

void Button::setColour(ButtonColour colour) {
    m_colour = colour;
    setActiveLook(activeLook(colour));
}

ButtonLook Button::activeLook(ButtonColour colour) {
    switch (colour) {
    case ButtonColour::Red:
        return gradientLook(palette::kButtonRed, palette::kButtonRedShade);
    case ButtonColour::Orange:
        return gradientLook(palette::kButtonOrange, palette::kButtonOrangeShade);
    case ButtonColour::Teal:
        return gradientLook(palette::kButtonTeal, palette::kButtonTealShade);
    case ButtonColour::Green:
        return gradientLook(palette::kButtonGreen, palette::kButtonGreenShade);
    case ButtonColour::Blue:
        break;
    }
    return gradientLook(palette::kButtonBlue, palette::kButtonBlueShade);
}

} // namespace v32
