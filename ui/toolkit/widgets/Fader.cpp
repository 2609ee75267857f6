#include "ui/toolkit/widgets/Fader.h"

#include "ui/toolkit/accessibility/FaderAccessible.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(130, 130);
constexpr char kDefaultKnob[] = "res/common/img_slider_normal.png";
constexpr double kLowestLevel = -120.0;
constexpr int kFallbackKnobRadius = 4;
constexpr int kOutlineWidth = 2;

QString tickCaption(double decibels) {
    if (decibels <= kLowestLevel) {
        return QStringLiteral("-∞");
    }
    return QString::number(static_cast<int>(decibels));
}

} // namespace

Fader::Fader(ImageCache& images, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::plain())
    , m_images(images) {
    // Registered before anything asks, so that assistive tools get this interface rather
    // than the general one of the widget base class.
    QAccessible::registerAccessibleInterface(new FaderAccessible(this));
    setClickable(true);
    setKnobImage(QString::fromLatin1(kDefaultKnob));
}

void Fader::setKnobImage(const QString& path) {
    m_knobPath = path;
    m_knob = m_images.image(path);
    relayout();
}

QSize Fader::knobSize() const {
    return m_knob.isNull() ? kFallbackKnobSize : m_knob.size();
}

void Fader::useMainTable() {
    m_scale.useMainTable();
    relayout();
}

void Fader::useSendTable() {
    m_scale.useSendTable();
    relayout();
}

bool Fader::setTable(std::span<const double> points) {
    if (!m_scale.useTable(points)) {
        return false;
    }
    relayout();
    return true;
}

bool Fader::setRange(int minimum, int maximum) {
    if (!m_scale.useLinearRange(minimum, maximum)) {
        return false;
    }
    setValue(m_value);
    relayout();
    return true;
}

void Fader::setValue(double value) {
    m_value = m_scale.fit(value);
    m_intValue = static_cast<int>(std::lround(m_value));
    update();
}

double Fader::value() const {
    return mode() == FaderScale::Mode::Linear ? m_intValue : m_value;
}

void Fader::setTrackWidth(int width) {
    m_trackWidth = width;
    relayout();
}

void Fader::setTickLength(int length) {
    m_tickLength = length;
    relayout();
}

void Fader::setTickGap(int gap) {
    m_requestedTickGap = gap;
    relayout();
}

void Fader::setTickLabelGap(int gap) {
    m_tickLabelGap = gap;
    relayout();
}

void Fader::setTrackOffset(int offset) {
    m_trackOffset = offset;
    relayout();
}

void Fader::setHighlightRadius(int radius) {
    m_highlightRadius = radius;
    update();
}

void Fader::setLabelsShown(bool shown) {
    m_labelsShown = shown;
    relayout();
}

void Fader::setTrackCentred(bool centred) {
    m_trackCentred = centred;
    relayout();
}

void Fader::setFillShown(bool shown) {
    m_fillShown = shown;
    update();
}

void Fader::setGrabOutlineShown(bool shown) {
    m_grabOutlineShown = shown;
    update();
}

QSize Fader::sizeHint() const {
    return kDefaultSize;
}

int Fader::labelColumnWidth() const {
    const bool levelScale = mode() == FaderScale::Mode::Main || mode() == FaderScale::Mode::Send;
    if (!m_labelsShown || !levelScale) {
        return 0;
    }
    return fontMetrics().horizontalAdvance(QStringLiteral("-00"));
}

void Fader::relayout() {
    const QMargins padding = contentsMargins();
    const int centreX =
        m_trackCentred ? width() / 2 : (width() + labelColumnWidth() + m_tickLabelGap) / 2;
    const int left = centreX + m_trackOffset - m_trackWidth / 2;
    const int top = padding.top();
    const int bottom = height() - padding.bottom() - 1;
    m_track = QRect(QPoint(left, top), QPoint(left + m_trackWidth - 1, bottom));

    const QSize knob = knobSize();
    if (m_requestedTickGap != kAutomaticTickGap) {
        m_tickGap = m_requestedTickGap;
    } else {
        const int half = (knob.width() - m_tickLength - m_trackWidth) / 2;
        m_tickGap = half < 5 ? 4 : half;
    }
    m_travelTop = knob.height() / 2 + padding.top();
    m_travelBottom = height() - padding.bottom() - knob.height() / 2;
    update();
}

int Fader::knobCentreY(double position) const {
    const int travel = m_travelBottom - m_travelTop + 1;
    return m_travelBottom - static_cast<int>(travel * position / FaderScale::kTop);
}

QRect Fader::knobRect() const {
    const QSize knob = knobSize();
    const int centreX = m_track.left() + m_trackWidth / 2;
    const int top = knobCentreY(m_scale.positionOf(m_value)) - knob.height() / 2;
    return QRect(QPoint(centreX - knob.width() / 2, top), knob);
}

void Fader::resizeEvent(QResizeEvent* event) {
    relayout();
    StyledWidget::resizeEvent(event);
}

void Fader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        relayout();
    }
    StyledWidget::changeEvent(event);
}

void Fader::mousePressEvent(QMouseEvent* event) {
    StyledWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (!knobRect().contains(point)) {
        return;
    }
    m_grabbed = true;
    m_lastPoint = point;
    update();
}

void Fader::mouseMoveEvent(QMouseEvent* event) {
    if (!m_grabbed) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (point == m_lastPoint) {
        return;
    }
    m_lastPoint = point;
    followFinger(point.y());
}

void Fader::followFinger(int y) {
    if (m_travelBottom <= m_travelTop) {
        return;
    }
    const double position =
        static_cast<double>(m_travelBottom - y) * FaderScale::kTop / (m_travelBottom - m_travelTop);
    const double value = m_scale.valueAt(position);
    const bool unchanged = mode() == FaderScale::Mode::Linear
                               ? static_cast<int>(value) == m_intValue
                               : value == m_value;
    if (unchanged) {
        return;
    }
    m_value = value;
    m_intValue = static_cast<int>(std::lround(value));
    update();
    emit valueChanged(this->value());
}

void Fader::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_grabbed) {
        m_grabbed = false;
        update();
    }
    StyledWidget::mouseReleaseEvent(event);
}

// While the knob is held the wheel must not scroll the page under the finger.
void Fader::wheelEvent(QWheelEvent* event) {
    if (m_grabbed) {
        event->accept();
        return;
    }
    event->ignore();
}

void Fader::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb565ToColor(kTrackColour));
    const qreal trackRadius = m_trackWidth / 2.0;
    painter.drawRoundedRect(QRectF(m_track), trackRadius, trackRadius);
    paintTicks(painter);
    if (m_fillShown) {
        paintFill(painter);
    }
    paintKnob(painter);
}

void Fader::paintTicks(QPainter& painter) const {
    const QColor colour = rgb565ToColor(kTickColour);
    const bool captions = labelColumnWidth() > 0;
    const int leftTickStart = m_track.left() - m_tickGap - m_tickLength;
    const int rightTickStart = m_track.right() + m_tickGap + 1;
    const int lineHeight = fontMetrics().height();
    painter.setPen(colour);
    for (const FaderScale::Tick& tick : m_scale.ticks()) {
        const int y = knobCentreY(tick.position);
        painter.fillRect(QRect(leftTickStart, y, m_tickLength, 1), colour);
        painter.fillRect(QRect(rightTickStart, y, m_tickLength, 1), colour);
        if (captions) {
            const int right = leftTickStart - m_tickLabelGap;
            const QRect label(0, y - lineHeight / 2, right, lineHeight);
            painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tickCaption(tick.decibels));
        }
    }
}

void Fader::paintFill(QPainter& painter) const {
    const int top = knobCentreY(m_scale.positionOf(m_value));
    if (top >= m_track.bottom()) {
        return;
    }
    const QRectF fill(QPointF(m_track.left(), top),
                      QPointF(m_track.right() + 1, m_track.bottom() + 1));
    const qreal radius = m_trackWidth / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb565ToColor(kFillColour));
    painter.drawRoundedRect(fill, radius, radius);
}

void Fader::paintKnob(QPainter& painter) const {
    const QRect knob = knobRect();
    if (m_grabbed && m_grabOutlineShown) {
        const qreal inset = kOutlineWidth / 2.0;
        const QRectF outline = QRectF(knob).adjusted(-kOutlineWidth - inset, -kOutlineWidth - inset,
                                                     kOutlineWidth + inset, kOutlineWidth + inset);
        painter.setPen(QPen(rgb565ToColor(kFillColour), kOutlineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outline, m_highlightRadius, m_highlightRadius);
    }
    if (m_knob.isNull()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(rgb565ToColor(kFallbackKnobColour));
        painter.drawRoundedRect(QRectF(knob), kFallbackKnobRadius, kFallbackKnobRadius);
        return;
    }
    painter.drawImage(knob.topLeft(), m_knob);
}

} // namespace v32
