#include "ui/toolkit/accessibility/StyledWidgetAccessible.h"

#include "ui/toolkit/style/StyledWidget.h"

namespace v32 {

namespace {

QAccessibleInterface* createForStyledWidget(const QString& /*className*/, QObject* object) {
    if (auto* widget = qobject_cast<StyledWidget*>(object)) {
        return new StyledWidgetAccessible(widget);
    }
    return nullptr;
}

} // namespace

StyledWidgetAccessible::StyledWidgetAccessible(StyledWidget* widget)
    : QAccessibleWidget(widget, widget->accessibleRole()) {}

StyledWidget* StyledWidgetAccessible::styledWidget() const {
    return static_cast<StyledWidget*>(widget());
}

// The role is read each time because a widget becomes a button when it is made clickable,
// after Qt may already have asked for it.
QAccessible::Role StyledWidgetAccessible::role() const {
    return styledWidget()->accessibleRole();
}

QAccessible::State StyledWidgetAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checked = styledWidget()->isChecked();
    return state;
}

QStringList StyledWidgetAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (styledWidget()->isClickable()) {
        names.prepend(pressAction());
    }
    return names;
}

void StyledWidgetAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        styledWidget()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void StyledWidgetAccessible::installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(createForStyledWidget);
        return true;
    }();
    (void)installed;
}

} // namespace v32
