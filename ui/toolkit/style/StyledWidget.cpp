#include "ui/toolkit/style/StyledWidget.h"

#include "ui/toolkit/accessibility/StyledWidgetAccessible.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QMouseEvent>
#include <QPainter>

namespace v32 {

StyledWidget::StyledWidget(QWidget* parent, QSize defaultSize, const BoxStyle& style)
    : QWidget(parent)
    , m_style(style) {
    StyledWidgetAccessible::installFactory();
    setContentsMargins(style.padding);
    if (defaultSize.isValid()) {
        resize(defaultSize);
    }
}

void StyledWidget::setBoxStyle(const BoxStyle& style) {
    m_style = style;
    setContentsMargins(style.padding);
    update();
}

void StyledWidget::setBackground(std::uint16_t colour, int opacity) {
    m_style.background = colour;
    m_style.backgroundOpacity = opacity;
    update();
}

void StyledWidget::setBorder(int width, std::uint16_t colour, int opacity) {
    m_style.borderWidth = width;
    m_style.border = colour;
    m_style.borderOpacity = opacity;
    update();
}

void StyledWidget::setRadius(int radius) {
    m_style.radius = radius;
    update();
}

void StyledWidget::setPadding(int all) {
    setPadding(QMargins(all, all, all, all));
}

void StyledWidget::setPadding(const QMargins& padding) {
    m_style.padding = padding;
    setContentsMargins(padding);
}

void StyledWidget::setCheckedBackground(std::uint16_t colour, int opacity) {
    BoxStyle checked = m_style;
    checked.background = colour;
    checked.backgroundOpacity = opacity;
    m_checkedStyle = checked;
    update();
}

// Whatever can be touched is a button to automation, unless the class says otherwise.
void StyledWidget::setClickable(bool clickable) {
    m_clickable = clickable;
    const bool passive = m_role == QAccessible::Pane || m_role == QAccessible::StaticText ||
                         m_role == QAccessible::Graphic;
    if (clickable && passive) {
        m_role = QAccessible::Button;
    }
}

void StyledWidget::setChecked(bool checked) {
    if (checked == m_checked) {
        return;
    }
    m_checked = checked;
    update();
    emit checkedChanged(checked);
}

void StyledWidget::click() {
    if (m_clickable) {
        emit clicked();
    }
}

void StyledWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
}

void StyledWidget::paintBox(QPainter& painter) const {
    BoxStyle style = m_style;
    if (m_checked && m_checkedStyle) {
        style.background = m_checkedStyle->background;
        style.backgroundOpacity = m_checkedStyle->backgroundOpacity;
    }
    const bool hasBorder = style.borderWidth > 0 && style.borderOpacity > 0;
    if (style.backgroundOpacity <= 0 && !hasBorder) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, style.radius > 0);
    const qreal inset = hasBorder ? style.borderWidth / 2.0 : 0.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(hasBorder
                       ? QPen(rgb565ToColor(style.border, style.borderOpacity), style.borderWidth)
                       : QPen(Qt::NoPen));
    painter.setBrush(style.backgroundOpacity > 0
                         ? QBrush(rgb565ToColor(style.background, style.backgroundOpacity))
                         : QBrush(Qt::NoBrush));
    const qreal radius = std::max<qreal>(0.0, style.radius - inset);
    painter.drawRoundedRect(box, radius, radius);
    painter.restore();
}

void StyledWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_clickable || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
}

void StyledWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_clickable || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace v32
