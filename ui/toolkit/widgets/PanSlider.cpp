#include "ui/toolkit/widgets/PanSlider.h"

#include "ui/toolkit/accessibility/PanSliderAccessible.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace v32 {

namespace {

constexpr int kContentWidth = 96;
constexpr double kLineHeightShare = 0.6;
constexpr double kTrackHeightShare = 0.3;
constexpr int kCaptionGap = 4;
constexpr int kKnobHeightInTracks = 3;

} // namespace

PanSlider::PanSlider(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    // Registered before anything asks, so that assistive tools get this interface rather
    // than the general one of the widget base class.
    QAccessible::registerAccessibleInterface(new PanSliderAccessible(this));
    setClickable(true);
    resize(sizeHint());
}

void PanSlider::setValue(int value) {
    const int clamped = std::clamp(value, kMinimum, kMaximum);
    if (clamped == m_value) {
        return;
    }
    m_value = clamped;
    update();
}

QSize PanSlider::sizeHint() const {
    const QMargins padding = contentsMargins();
    const int height = static_cast<int>(fontMetrics().height() / kLineHeightShare);
    return QSize(kContentWidth + padding.left() + padding.right(),
                 height + padding.top() + padding.bottom());
}

int PanSlider::captionWidth() const {
    return std::max(fontMetrics().horizontalAdvance(QLatin1Char('L')),
                    fontMetrics().horizontalAdvance(QLatin1Char('R')));
}

QRect PanSlider::trackRect() const {
    const QRect content = contentsRect();
    const int side = captionWidth() + kCaptionGap;
    const int trackHeight = std::max(1, static_cast<int>(content.height() * kTrackHeightShare));
    const int top = content.top() + (content.height() - trackHeight) / 2;
    return QRect(content.left() + side, top, std::max(0, content.width() - 2 * side), trackHeight);
}

int PanSlider::xOfValue(int value) const {
    const QRect track = trackRect();
    const double centre = track.left() + track.width() / 2.0;
    return static_cast<int>(std::lround(centre + track.width() / 2.0 * value / kMaximum));
}

void PanSlider::mousePressEvent(QMouseEvent* event) {
    StyledWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_grabbed = true;
    followFinger(static_cast<int>(event->position().x()));
}

void PanSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!m_grabbed) {
        return;
    }
    followFinger(static_cast<int>(event->position().x()));
}

void PanSlider::followFinger(int x) {
    const QRect track = trackRect();
    const double halfWidth = track.width() / 2.0;
    double distance = (x - (track.left() + halfWidth)) / (halfWidth + 0.5);
    if (std::abs(distance) <= kCentreDetent) {
        distance = 0.0;
    }
    const auto value = static_cast<int>(std::lround((kMaximum - kMinimum) * distance / 2.0));
    const int clamped = std::clamp(value, kMinimum, kMaximum);
    if (clamped == m_value) {
        return;
    }
    m_value = clamped;
    update();
    emit valueChanged(m_value);
}

void PanSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_grabbed = false;
    }
    StyledWidget::mouseReleaseEvent(event);
}

void PanSlider::wheelEvent(QWheelEvent* event) {
    if (m_grabbed) {
        event->accept();
        return;
    }
    event->ignore();
}

void PanSlider::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect());
    const QRect content = contentsRect();
    painter.setFont(font());
    painter.setPen(rgb565ToColor(kCaptionColour));
    painter.drawText(content, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("L"));
    painter.drawText(content, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("R"));

    const QRect track = trackRect();
    const qreal radius = track.height() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb565ToColor(kTrackColour));
    painter.drawRoundedRect(QRectF(track), radius, radius);

    const int centreX = xOfValue(0);
    const int valueX = xOfValue(m_value);
    const QRectF indicator(QPointF(std::min(centreX, valueX), track.top()),
                           QPointF(std::max(centreX, valueX), track.bottom() + 1));
    painter.setBrush(rgb565ToColor(kIndicatorColour));
    painter.drawRoundedRect(indicator, radius, radius);

    const int knobHeight = track.height() * kKnobHeightInTracks;
    const QRectF knob(valueX - track.height() / 2.0, track.center().y() + 0.5 - knobHeight / 2.0,
                      track.height(), knobHeight);
    painter.setBrush(rgb565ToColor(kKnobColour));
    painter.drawRoundedRect(knob, radius, radius);
}

} // namespace v32
