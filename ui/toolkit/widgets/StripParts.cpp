#include "ui/toolkit/widgets/StripParts.h"

#include "app/core/Translation.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValueText.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <algorithm>

namespace v32 {

namespace {

constexpr double kLowestLevel = -120.0;
constexpr double kHighestLevel = 10.0;

} // namespace

Button* makeStripButton(QWidget* parent, const char* caption, ButtonColour colour, bool checkable,
                        const QFont& font, int height) {
    auto* button = new Button(parent, QString::fromUtf8(translate(caption)));
    button->setColour(colour);
    button->setCheckable(checkable);
    button->setFont(font);
    button->setFixedHeight(height);
    return button;
}

TextLabel* makeStripLabel(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new TextLabel(parent, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QString faderLevelText(double decibels, UnitDisplay unit) {
    const double level = std::clamp(decibels, kLowestLevel, kHighestLevel);
    return QString::fromUtf8(
        valueText(ValueFaderLevel, toRaw(ValueFaderLevel, level), unit).c_str());
}

} // namespace v32
