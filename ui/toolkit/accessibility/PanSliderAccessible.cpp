#include "ui/toolkit/accessibility/PanSliderAccessible.h"

#include "app/protocol/ValueKindId.h"
#include "app/values/ValueText.h"
#include "ui/toolkit/widgets/PanSlider.h"

namespace v32 {

namespace {

constexpr int kPanCentreRaw = 100;

} // namespace

PanSliderAccessible::PanSliderAccessible(PanSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

PanSlider* PanSliderAccessible::slider() const {
    return static_cast<PanSlider*>(widget());
}

QString PanSliderAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Value) {
        return QAccessibleWidget::text(t);
    }
    const auto raw = static_cast<std::uint16_t>(slider()->value() + kPanCentreRaw);
    return QString::fromUtf8(valueText(ValuePan, raw).c_str());
}

void* PanSliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant PanSliderAccessible::currentValue() const {
    return slider()->value();
}

void PanSliderAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant PanSliderAccessible::maximumValue() const {
    return PanSlider::kMaximum;
}

QVariant PanSliderAccessible::minimumValue() const {
    return PanSlider::kMinimum;
}

QVariant PanSliderAccessible::minimumStepSize() const {
    return 1;
}

} // namespace v32
