#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/ButtonBase.h"

namespace v32 {

// The colour a push button takes while pressed or checked.
enum class ButtonColour {
    Blue = 0,   // ordinary buttons, ENTER
    Red = 1,    // MUTE, M, 48v
    Orange = 2, // SOLO
    Teal = 3,   // S, OFF
    Green = 4,
};

// The raised push button: a grey face fading downwards that lights in its colour while
// pressed or checked.
class Button : public ButtonBase {
    Q_OBJECT

public:
    static constexpr std::uint16_t kIdleBackground = palette::kGrey35;
    static constexpr std::uint16_t kIdleGradient = palette::kGrey19;

    explicit Button(QWidget* parent = nullptr, const QString& text = QString());

    void setColour(ButtonColour colour);
    ButtonColour colour() const { return m_colour; }

    // The face while pressed or checked.
    static ButtonLook activeLook(ButtonColour colour);

private:
    ButtonColour m_colour = ButtonColour::Blue;
};

} // namespace v32
