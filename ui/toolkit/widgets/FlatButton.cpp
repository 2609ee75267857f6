#include "ui/toolkit/widgets/FlatButton.h"

#include "ui/toolkit/style/Palette.h"

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
        return flatLook(palette::kButtonRed, kActiveBorder);
    case FlatButtonColour::Orange:
        return flatLook(palette::kButtonOrange, kActiveBorder);
    case FlatButtonColour::Teal:
        return flatLook(palette::kButtonTeal, kActiveBorder);
    case FlatButtonColour::Green:
        return flatLook(palette::kButtonGreen, kActiveBorder);
    case FlatButtonColour::DarkGreen:
        return flatLook(palette::kFlatDarkGreen, palette::kFlatDarkGreenBorder);
    case FlatButtonColour::Purple:
        return flatLook(palette::kFlatPurple, palette::kFlatPurpleBorder);
    case FlatButtonColour::Gold:
        return flatLook(palette::kFlatGold, palette::kFlatGoldBorder);
    case FlatButtonColour::Blue:
        break;
    }
    return flatLook(palette::kButtonBlue, kActiveBorder);
}

} // namespace v32
