#pragma once

#include <QAccessibleWidget>

namespace v32 {

class Fader;

// A fader as assistive tools see it: a slider named after its channel by the owner, whose
// value text is the level as the mixer shows it.
class FaderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FaderAccessible(Fader* fader);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    // Faders move only under the user's finger or from the mixer; nothing else sets them.
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    Fader* fader() const;
};

} // namespace v32
