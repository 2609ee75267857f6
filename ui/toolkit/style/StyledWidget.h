#pragma once

#include "ui/toolkit/style/BoxStyle.h"

#include <QAccessible>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace v32 {

// The base of every widget class of the program. A class passes its own default size and
// box style to the constructor, so that whatever the screen sets afterwards wins. The box
// is painted here; subclasses paint their content inside contentsRect().
//
// Like a touch screen's objects, a widget takes touches only when it is clickable; other
// touches go on to the widget beneath. The checked state is what selection groups use.
class StyledWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkedChanged)

public:
    explicit StyledWidget(QWidget* parent = nullptr, QSize defaultSize = QSize(),
                          const BoxStyle& style = BoxStyle::theme());

    const BoxStyle& boxStyle() const { return m_style; }
    void setBoxStyle(const BoxStyle& style);
    void setBackground(std::uint16_t colour, int opacity = 255);
    void setBorder(int width, std::uint16_t colour, int opacity = 255);
    void setRadius(int radius);
    void setPadding(int all);
    void setPadding(const QMargins& padding);

    // The background shown while checked; without one the normal background stays.
    void setCheckedBackground(std::uint16_t colour, int opacity = 255);

    bool isClickable() const { return m_clickable; }
    void setClickable(bool clickable);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

    // What assistive tools and UI automation report this widget as.
    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }

    // The same as a touch: emits clicked() when the widget is clickable.
    void click();

signals:
    void clicked();
    void checkedChanged(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    void paintBox(QPainter& painter) const;

private:
    BoxStyle m_style;
    std::optional<BoxStyle> m_checkedStyle;
    QAccessible::Role m_role = QAccessible::Pane;
    bool m_clickable = false;
    bool m_checked = false;
    bool m_pressed = false;
};

} // namespace v32
