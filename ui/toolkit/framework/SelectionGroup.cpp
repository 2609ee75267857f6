#include "ui/toolkit/framework/SelectionGroup.h"

#include "ui/toolkit/style/StyledWidget.h"

#include <QAbstractButton>
#include <algorithm>

namespace v32 {

SelectionGroup::SelectionGroup(std::span<QWidget* const> members, QObject* parent)
    : QObject(parent) {
    replaceMembers(members);
}

SelectionGroup::~SelectionGroup() {
    detachAll();
}

SelectionGroup::Member SelectionGroup::attach(QWidget* widget) {
    if (widget == nullptr) {
        return {};
    }
    const auto onClick = [this, guarded = QPointer<QWidget>(widget)] {
        if (guarded) {
            onMemberClicked(guarded);
        }
    };
    if (auto* styled = qobject_cast<StyledWidget*>(widget)) {
        styled->setClickable(true);
        return {widget, connect(styled, &StyledWidget::clicked, this, onClick)};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setCheckable(true);
        return {widget, connect(button, &QAbstractButton::clicked, this, onClick)};
    }
    return {widget, {}};
}

void SelectionGroup::detachAll() {
    for (Member& member : m_members) {
        disconnect(member.click);
    }
    m_members.clear();
    m_selected = nullptr;
}

void SelectionGroup::replaceMembers(std::span<QWidget* const> members) {
    if (members.empty()) {
        detachAll();
        return;
    }
    if (m_members.size() < members.size()) {
        m_members.resize(members.size());
    }
    for (std::size_t index = 0; index < members.size(); ++index) {
        if (!m_members[index].widget) {
            m_members[index] = attach(members[index]);
        }
    }
}

int SelectionGroup::liveCount() const {
    return static_cast<int>(std::count_if(m_members.begin(), m_members.end(),
                                          [](const Member& member) { return member.widget; }));
}

QWidget* SelectionGroup::member(int index) const {
    if (index < 0 || index >= size()) {
        return nullptr;
    }
    return m_members[static_cast<std::size_t>(index)].widget;
}

void SelectionGroup::setChecked(QWidget* widget, bool checked) {
    widget->setProperty("checked", checked);
    widget->update();
}

void SelectionGroup::select(QWidget* widget) {
    if (widget == m_selected) {
        return;
    }
    if (m_selected) {
        setChecked(m_selected, false);
    }
    m_selected = widget;
    if (widget != nullptr) {
        setChecked(widget, true);
    }
}

// A click on the selected member goes through all of this again, so that screens can use
// it to refresh what the member stands for.
void SelectionGroup::onMemberClicked(QWidget* widget) {
    if (m_selected && m_selected != widget) {
        setChecked(m_selected, false);
    }
    setChecked(widget, true);
    m_selected = widget;
    emit memberChosen(widget);
}

} // namespace v32
