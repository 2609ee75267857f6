#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/ButtonBase.h"

namespace v32 {

// The colour a flat button takes while pressed or checked. Red to Green change only the
// fill; the last three also have a border of their own.
enum class FlatButtonColour {
    Blue = 0,
    Red = 1,
    Orange = 2,
    Teal = 3,
    Green = 4,
    DarkGreen = 5,
    Purple = 6,
    Gold = 7,
};

// A button without the raised gradient, for rows of choices; pressed or checked it fills
// with its colour and shows a bright border.
class FlatButton : public ButtonBase {
    Q_OBJECT

public:
    static constexpr std::uint16_t kIdleBackground = palette::kGrey35;
    static constexpr std::uint16_t kActiveBorder = palette::kCyan;

    explicit FlatButton(QWidget* parent = nullptr, const QString& text = QString());

    void setColour(FlatButtonColour colour);
    FlatButtonColour colour() const { return m_colour; }

    static ButtonLook activeLook(FlatButtonColour colour);

private:
    FlatButtonColour m_colour = FlatButtonColour::Blue;
};

} // namespace v32
