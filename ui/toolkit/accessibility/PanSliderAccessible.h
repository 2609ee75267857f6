#pragma once

#include <QAccessibleWidget>

namespace v32 {

class PanSlider;

// A pan control as assistive tools see it: a slider whose value text reads like the
// mixer's own, "L 30%", "L = R" or "R 30%".
class PanSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PanSliderAccessible(PanSlider* slider);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    // Pan moves only under the user's finger or from the mixer; nothing else sets it.
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    PanSlider* slider() const;
};

} // namespace v32
