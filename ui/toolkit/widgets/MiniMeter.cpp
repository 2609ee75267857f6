#include "ui/toolkit/widgets/MiniMeter.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

BoxStyle trackStyle() {
    BoxStyle style;
    style.background = MiniMeter::kTrackColour;
    style.backgroundOpacity = 255;
    return style;
}

} // namespace

MiniMeter::MiniMeter(QWidget* parent)
    : StyledWidget(parent, QSize(kDefaultWidth, 32), trackStyle()) {
    setAccessibleRole(QAccessible::Indicator);
    setFixedWidth(kDefaultWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void MiniMeter::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum + 1, maximum);
    update();
}

void MiniMeter::setValue(int value) {
    if (value != m_value) {
        m_value = value;
        update();
    }
}

void MiniMeter::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    const QRect inner = rect().adjusted(kLevelInset, kLevelInset, -kLevelInset, -kLevelInset);
    const int clamped = std::clamp(m_value, m_minimum, m_maximum);
    const int level = inner.height() * (clamped - m_minimum) / (m_maximum - m_minimum);
    if (level > 0) {
        painter.fillRect(QRect(inner.left(), inner.bottom() - level + 1, inner.width(), level),
                         rgb565ToColor(kLevelColour));
    }
}

} // namespace v32
