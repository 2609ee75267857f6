#include "ui/toolkit/framework/Spinner.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>

namespace v32 {

namespace {

// Qt measures arcs in sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int kQtDegree = 16;

} // namespace

Spinner::Spinner(QWidget* parent, int periodMs, int arcDegrees)
    : StyledWidget(parent, QSize(kDefaultSize, kDefaultSize), BoxStyle::plain())
    , m_arcDegrees(arcDegrees) {
    setAccessibleRole(QAccessible::Animation);
    setAccessibleName(QStringLiteral("busy"));
    setFixedSize(kDefaultSize, kDefaultSize);
    m_turn.setStartValue(0);
    m_turn.setEndValue(360);
    m_turn.setDuration(periodMs);
    m_turn.setLoopCount(-1);
    m_turn.setEasingCurve(QEasingCurve::InOutSine);
    connect(&m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toInt();
        update();
    });
}

QSize Spinner::sizeHint() const {
    return QSize(kDefaultSize, kDefaultSize);
}

void Spinner::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - kArcWidth;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(rgb565ToColor(kRingColour), kArcWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(circle);
    painter.setPen(QPen(rgb565ToColor(kArcColour), kArcWidth, Qt::SolidLine, Qt::RoundCap));
    // Clockwise from twelve o'clock, as a clock hand runs.
    painter.drawArc(circle, (90 - m_angle) * kQtDegree, -m_arcDegrees * kQtDegree);
}

void Spinner::showEvent(QShowEvent* event) {
    m_turn.start();
    StyledWidget::showEvent(event);
}

void Spinner::hideEvent(QHideEvent* event) {
    m_turn.stop();
    StyledWidget::hideEvent(event);
}

} // namespace v32
