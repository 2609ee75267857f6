#include "ui/toolkit/widgets/Button.h"

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
        return gradientLook(0xE002, 0x7800);
    case ButtonColour::Orange:
        return gradientLook(0xF4C0, 0x6A40);
    case ButtonColour::Teal:
        return gradientLook(0x156C, 0x0286);
    case ButtonColour::Green:
        return gradientLook(0x2567, 0x0300);
    case ButtonColour::Blue:
        break;
    }
    return gradientLook(0x34DF, 0x020F);
}

} // namespace v32
