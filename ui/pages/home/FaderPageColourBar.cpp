#include "ui/pages/home/FaderPageColourBar.h"

#include "app/model/ChannelColour.h"

namespace v32 {

FaderPageColourBar::FaderPageColourBar(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    setFixedHeight(kHeight);
    setRadius(kHeight / 2);
    setAccessibleRole(QAccessible::Indicator);
    setColour(ChannelColour::kNoColour);
}

void FaderPageColourBar::setColour(std::uint16_t colour) {
    setBackground(colour);
    setAccessibleName(QStringLiteral("#%1").arg(colour, 4, 16, QLatin1Char('0')));
}

} // namespace v32
