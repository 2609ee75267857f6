#include "ui/toolkit/accessibility/MeterBarAccessible.h"

#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/MeterLevel.h"

namespace v32 {

MeterBarAccessible::MeterBarAccessible(MeterBar* bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

MeterBar* MeterBarAccessible::bar() const {
    return static_cast<MeterBar*>(widget());
}

QString MeterBarAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Value) {
        return QAccessibleWidget::text(t);
    }
    const MeterBar* meter = bar();
    const double fraction = static_cast<double>(meter->value() - meter->minimum()) /
                            (meter->maximum() - meter->minimum());
    return QStringLiteral("%1 dB").arg(meterDecibels(fraction));
}

void* MeterBarAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant MeterBarAccessible::currentValue() const {
    return bar()->value();
}

// A meter shows what the mixer measures; nothing outside may move it.
void MeterBarAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant MeterBarAccessible::maximumValue() const {
    return bar()->maximum();
}

QVariant MeterBarAccessible::minimumValue() const {
    return bar()->minimum();
}

QVariant MeterBarAccessible::minimumStepSize() const {
    return 1;
}

} // namespace v32
