#include "ui/toolkit/accessibility/FaderAccessible.h"

#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValueText.h"
#include "ui/toolkit/widgets/Fader.h"

namespace v32 {

namespace {

QString levelText(int kind, double decibels) {
    return QString::fromUtf8(valueText(kind, toRaw(kind, decibels)).c_str());
}

} // namespace

FaderAccessible::FaderAccessible(Fader* fader)
    : QAccessibleWidget(fader, QAccessible::Slider) {}

Fader* FaderAccessible::fader() const {
    return static_cast<Fader*>(widget());
}

QString FaderAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Value) {
        return QAccessibleWidget::text(t);
    }
    const Fader* f = fader();
    switch (f->mode()) {
    case FaderScale::Mode::Main:
        return levelText(ValueFaderLevel, f->value());
    case FaderScale::Mode::Send:
        return levelText(ValueSendLevel, f->value());
    case FaderScale::Mode::Table:
    case FaderScale::Mode::Linear:
        break;
    }
    return QString::number(f->value());
}

QAccessible::State FaderAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = fader()->isGrabbed();
    return state;
}

void* FaderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant FaderAccessible::currentValue() const {
    return fader()->value();
}

void FaderAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant FaderAccessible::maximumValue() const {
    return fader()->scale().highest();
}

QVariant FaderAccessible::minimumValue() const {
    return fader()->scale().lowest();
}

QVariant FaderAccessible::minimumStepSize() const {
    return fader()->mode() == FaderScale::Mode::Linear ? 1.0 : 0.1;
}

} // namespace v32
