#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QPointer>
#include <vector>

namespace v32 {

// Pages laid on top of each other, filling the container, one visible at a time.
class StackContainer : public StyledWidget {
    Q_OBJECT

public:
    explicit StackContainer(QWidget* parent = nullptr);

    // Takes the widget in, plain and full size; it is shown only when it is the first one.
    void add(QWidget* widget);
    // Shows that child and hides the others; a widget that is not a child changes nothing.
    void show(QWidget* widget);
    // The same by position; an index beyond the count changes nothing.
    void showIndex(int index);
    QWidget* firstVisible() const;
    int count() const { return static_cast<int>(m_children.size()); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QPointer<QWidget>> m_children;
};

} // namespace v32
