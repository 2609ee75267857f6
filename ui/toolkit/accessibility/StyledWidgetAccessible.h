#pragma once

#include <QAccessibleWidget>

namespace v32 {

class StyledWidget;

// What assistive tools and UI automation see of a self-painted widget: its own role, its
// caption as the name, its checked state, and a press action for the clickable ones.
class StyledWidgetAccessible : public QAccessibleWidget {
public:
    explicit StyledWidgetAccessible(StyledWidget* widget);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes Qt ask this class for every StyledWidget; safe to call any number of times.
    static void installFactory();

private:
    StyledWidget* styledWidget() const;
};

} // namespace v32
