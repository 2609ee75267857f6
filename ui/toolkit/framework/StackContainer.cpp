#include "ui/toolkit/framework/StackContainer.h"

#include <algorithm>

namespace v32 {

StackContainer::StackContainer(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {}

void StackContainer::add(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    std::erase_if(m_children, [](const QPointer<QWidget>& child) { return child.isNull(); });
    widget->setParent(this);
    if (auto* styled = qobject_cast<StyledWidget*>(widget)) {
        BoxStyle style = BoxStyle::plain();
        style.padding = styled->boxStyle().padding;
        styled->setBoxStyle(style);
    }
    widget->setGeometry(rect());
    m_children.emplace_back(widget);
    widget->setVisible(m_children.size() == 1);
}

void StackContainer::show(QWidget* widget) {
    const auto found = std::find(m_children.begin(), m_children.end(), widget);
    if (widget == nullptr || found == m_children.end()) {
        return;
    }
    for (const QPointer<QWidget>& child : m_children) {
        if (child) {
            child->setVisible(child == widget);
        }
    }
}

void StackContainer::showIndex(int index) {
    if (index >= 0 && index < count()) {
        show(m_children[static_cast<std::size_t>(index)]);
    }
}

QWidget* StackContainer::firstVisible() const {
    for (const QPointer<QWidget>& child : m_children) {
        if (child && !child->isHidden()) {
            return child;
        }
    }
    return nullptr;
}

void StackContainer::resizeEvent(QResizeEvent* event) {
    for (const QPointer<QWidget>& child : m_children) {
        if (child) {
            child->setGeometry(rect());
        }
    }
    StyledWidget::resizeEvent(event);
}

} // namespace v32
