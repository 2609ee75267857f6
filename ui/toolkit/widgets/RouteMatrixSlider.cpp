#include "ui/toolkit/widgets/RouteMatrixSlider.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace v32 {

namespace {

constexpr int kColourOpacity = 76;
constexpr std::uint16_t kBorderColour = palette::kGrey85;
constexpr std::uint16_t kKnobColour = palette::kWhite;
constexpr int kKnobPadding = 3;
constexpr int kPressedGrowth = 1;

} // namespace

RouteMatrixSlider::RouteMatrixSlider(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    setAccessibleRole(QAccessible::Slider);
    showValue();
}

void RouteMatrixSlider::setValue(int value) {
    const int bounded = std::clamp(value, kMinimum, kMaximum);
    if (bounded == m_value) {
        return;
    }
    m_value = bounded;
    showValue();
    update();
}

void RouteMatrixSlider::setColour(std::uint16_t colour) {
    m_colour = colour;
    update();
}

void RouteMatrixSlider::setOrientation(Qt::Orientation orientation) {
    m_orientation = orientation;
    update();
}

void RouteMatrixSlider::setThickness(int thickness) {
    m_thickness = thickness;
    update();
}

int RouteMatrixSlider::knobRadius() const {
    return m_thickness / 2 + kKnobPadding + (m_pressed ? kPressedGrowth : 0);
}

int RouteMatrixSlider::crossExtent() const {
    return m_thickness + 2 * (kKnobPadding + kPressedGrowth);
}

// The track stops a knob's radius short of either end so that the knob is never cut off.
QRectF RouteMatrixSlider::trackRect() const {
    const qreal inset = crossExtent() / 2;
    const QRectF area = QRectF(rect());
    if (m_orientation == Qt::Horizontal) {
        return QRectF(area.left() + inset, area.center().y() - m_thickness / 2.0,
                      std::max<qreal>(0.0, area.width() - 2 * inset), m_thickness);
    }
    return QRectF(area.center().x() - m_thickness / 2.0, area.top() + inset, m_thickness,
                  std::max<qreal>(0.0, area.height() - 2 * inset));
}

// Upright sliders grow from the bottom.
int RouteMatrixSlider::valueAt(QPointF point) const {
    const QRectF track = trackRect();
    const qreal along = m_orientation == Qt::Horizontal
                            ? (point.x() - track.left()) / std::max<qreal>(1.0, track.width())
                            : (track.bottom() - point.y()) / std::max<qreal>(1.0, track.height());
    return static_cast<int>(std::lround(std::clamp<qreal>(along, 0.0, 1.0) * kMaximum));
}

void RouteMatrixSlider::followFinger(QPointF point) {
    const int value = valueAt(point);
    if (value == m_value) {
        return;
    }
    m_value = value;
    showValue();
    update();
    emit valueChanged(value);
}

void RouteMatrixSlider::showValue() {
    setAccessibleDescription(QStringLiteral("%1%").arg(m_value));
}

void RouteMatrixSlider::paintEvent(QPaintEvent* event) {
    StyledWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = trackRect();
    const qreal fraction = static_cast<qreal>(m_value - kMinimum) / (kMaximum - kMinimum);
    QRectF filled = track;
    QPointF knob;
    if (m_orientation == Qt::Horizontal) {
        filled.setWidth(track.width() * fraction);
        knob = QPointF(filled.right(), track.center().y());
    } else {
        filled.setTop(track.bottom() - track.height() * fraction);
        knob = QPointF(track.center().x(), filled.top());
    }
    const qreal trackRadius = m_thickness / 2.0;
    const QColor colour = rgb565ToColor(m_colour, kColourOpacity);
    painter.setPen(QPen(rgb565ToColor(kBorderColour), 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(track, trackRadius, trackRadius);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(filled, trackRadius, trackRadius);
    painter.setBrush(rgb565ToColor(kKnobColour));
    const qreal radius = knobRadius();
    painter.drawEllipse(knob, radius, radius);
}

void RouteMatrixSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    followFinger(event->position());
    update();
}

void RouteMatrixSlider::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed) {
        followFinger(event->position());
    }
}

void RouteMatrixSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = false;
    update();
}

} // namespace v32
