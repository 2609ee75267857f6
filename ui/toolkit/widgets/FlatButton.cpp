#include "ui/toolkit/widgets/FlatButton.h"

namespace v32 {

namespace {

constexpr QSize kDefaultSize(80, 40);

ButtonLook flatLook(std::uint16_t background, std::uint16_t border, int borderOpacity = 255) {
    return {background, background, border, borderOpacity};
}

} // namespace

FlatButton::FlatButton(QWidget* parent, const QString& text)
    : ButtonBase(parent, kDefaultSize,
                 flatLook(kIdleBackground, BoxStyle::theme().border, kBorderOpacity),
                 activeLook(FlatButtonColour::Blue)) {
    setText(text);
}

void FlatButton::setColour(FlatButtonColour colour) {
    m_colour = colour;
    setActiveLook(activeLook(colour));
}

ButtonLook FlatButton::activeLook(FlatButtonColour colour) {
    switch (colour) {
    case FlatButtonColour::Red:
        return flatLook(0xE002, kActiveBorder);
    case FlatButtonColour::Orange:
        return flatLook(0xF4C0, kActiveBorder);
    case FlatButtonColour::Teal:
        return flatLook(0x156C, kActiveBorder);
    case FlatButtonColour::Green:
        return flatLook(0x2567, kActiveBorder);
    case FlatButtonColour::DarkGreen:
        return flatLook(0x12E3, 0x1E26);
    case FlatButtonColour::Purple:
        return flatLook(0x8050, 0xC8D9);
    case FlatButtonColour::Gold:
        return flatLook(0xE505, 0xFEE5);
    case FlatButtonColour::Blue:
        break;
    }
    return flatLook(0x34DF, kActiveBorder);
}

} // namespace v32
