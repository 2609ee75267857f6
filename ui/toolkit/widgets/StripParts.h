#pragma once

#include "app/values/UnitDisplay.h"
#include "ui/toolkit/widgets/Button.h"

#include <QFont>
#include <QString>

namespace v32 {

class TextLabel;

// The pieces the channel strips are built from, made the same way on every strip.

// A push button with a fixed caption (looked up in the language table), the strip's button
// font and a height of its own; checkable buttons keep the state the owner last set.
Button* makeStripButton(QWidget* parent, const char* caption, ButtonColour colour, bool checkable,
                        const QFont& font, int height);

// A white, centred text line in the given font.
TextLabel* makeStripLabel(QWidget* parent, const QString& text, const QFont& font);

// A fader level in dB as the mixer shows it: "-∞" at the bottom, else one decimal.
QString faderLevelText(double decibels, UnitDisplay unit);

} // namespace v32
