#pragma once

#include <QAccessibleWidget>

namespace v32 {

class MeterBar;

// A level bar as assistive tools see it: a progress bar whose value text is the level in
// dB on the meter scale; the owner's accessible name says which channel it shows.
class MeterBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit MeterBarAccessible(MeterBar* bar);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    MeterBar* bar() const;
};

} // namespace v32
