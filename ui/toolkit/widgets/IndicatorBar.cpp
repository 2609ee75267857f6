#include "ui/toolkit/widgets/IndicatorBar.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(12, 200);

QString percentText(int value) {
    return QStringLiteral("%1%").arg(value);
}

} // namespace

IndicatorBar::IndicatorBar(QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::plain()) {
    setAccessibleRole(QAccessible::ProgressBar);
    setAccessibleDescription(percentText(m_value));
}

void IndicatorBar::setValue(int value) {
    const int clamped = std::clamp(value, kMinimum, kMaximum);
    if (clamped == m_value) {
        return;
    }
    m_value = clamped;
    setAccessibleDescription(percentText(m_value));
    update();
}

QSize IndicatorBar::sizeHint() const {
    return kDefaultSize;
}

QRect IndicatorBar::indicatorRect() const {
    const int border = boxStyle().borderWidth;
    const QRect inner = contentsRect().adjusted(border, border, -border, -border);
    const int lit = (m_value - kMinimum) * inner.height() / (kMaximum - kMinimum);
    return QRect(inner.left(), inner.bottom() + 1 - lit, inner.width(), lit);
}

void IndicatorBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb565ToColor(kBackgroundColour));
    const qreal radius = width() / 2.0;
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
    const QRect indicator = indicatorRect();
    if (indicator.height() <= 0) {
        return;
    }
    const qreal indicatorRadius = indicator.width() / 2.0;
    painter.setBrush(rgb565ToColor(kIndicatorColour));
    painter.drawRoundedRect(QRectF(indicator), indicatorRadius, indicatorRadius);
}

} // namespace v32
