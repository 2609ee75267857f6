#include "ui/toolkit/widgets/MeterBar.h"

#include "ui/toolkit/accessibility/MeterBarAccessible.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

constexpr int kLongestBlend = 24;

// The zones in pixel rows counted from the bottom of the bar.
struct ZoneRows {
    int green;
    int amberEnd;
    int height;

    int amber() const { return amberEnd - green; }
    int red() const { return height - amberEnd; }
    bool allShown() const { return green > 0 && amber() > 0 && red() > 0; }
};

ZoneRows zoneRows(int height) {
    return {height * 7 / 12, height * 11 / 12, height};
}

// A soft edge where two zones meet, centred on their boundary and never wider than either.
void paintBlend(QPainter& painter, int width, int height, int boundary, int lowerRows,
                int upperRows, std::uint16_t lower, std::uint16_t upper) {
    const int rows = std::min({kLongestBlend, lowerRows, upperRows});
    const int bottom = height - (boundary - rows / 2);
    const int top = bottom - rows;
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, rgb565ToColor(upper));
    gradient.setColorAt(1.0, rgb565ToColor(lower));
    painter.fillRect(QRect(0, top, width, rows), gradient);
}

} // namespace

MeterBar::MeterBar(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    // Registered before anything asks, so that assistive tools get this interface rather
    // than the general one of the widget base class.
    QAccessible::registerAccessibleInterface(new MeterBarAccessible(this));
}

bool MeterBar::setRange(int minimum, int maximum) {
    if (minimum >= maximum) {
        return false;
    }
    m_minimum = minimum;
    m_maximum = maximum;
    m_value = std::clamp(m_value, minimum, maximum);
    update();
    return true;
}

void MeterBar::setValue(int value) {
    const int clamped = std::clamp(value, m_minimum, m_maximum);
    if (clamped == m_value) {
        return;
    }
    m_value = clamped;
    update();
}

// Rounded rather than cut, so that a level on a scale mark lights exactly that mark's rows.
int MeterBar::litHeight() const {
    const int span = m_maximum - m_minimum;
    return ((m_value - m_minimum) * height() * 2 + span) / (2 * span);
}

void MeterBar::resizeEvent(QResizeEvent* event) {
    renderImages();
    StyledWidget::resizeEvent(event);
}

// The zones are drawn in the display's 5-6-5 colours, gradients included, and then kept in
// the format the painter copies fastest: copying 5-6-5 rows onto a 32-bit surface costs more
// than ten times as much, on every level change of every bar.
void MeterBar::renderImages() {
    m_unlit = QImage();
    m_lit = QImage();
    const ZoneRows rows = zoneRows(height());
    if (width() <= 0 || !rows.allShown()) {
        return;
    }
    QImage unlit(size(), QImage::Format_RGB16);
    unlit.fill(rgb565ToColor(kUnlit));

    QImage lit(size(), QImage::Format_RGB16);
    QPainter painter(&lit);
    const int w = width();
    const int h = height();
    painter.fillRect(QRect(0, h - rows.green, w, rows.green), rgb565ToColor(kGreen));
    painter.fillRect(QRect(0, h - rows.amberEnd, w, rows.amber()), rgb565ToColor(kAmber));
    painter.fillRect(QRect(0, 0, w, rows.red()), rgb565ToColor(kRed));
    paintBlend(painter, w, h, rows.green, rows.green, rows.amber(), kGreen, kAmber);
    paintBlend(painter, w, h, rows.amberEnd, rows.amber(), rows.red(), kAmber, kRed);
    painter.end();

    m_unlit = unlit.convertToFormat(kDrawnFormat);
    m_lit = lit.convertToFormat(kDrawnFormat);
}

void MeterBar::paintEvent(QPaintEvent* event) {
    if (m_lit.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(event->rect());
    const int litTop = height() - litHeight();
    const QRect unlitRows(0, 0, width(), litTop);
    const QRect litRows(0, litTop, width(), height() - litTop);
    const int radius = std::min(boxStyle().radius, std::min(width(), height()) / 2);
    if (radius > 0) {
        paintRounded(painter, unlitRows, m_unlit, radius);
        paintRounded(painter, litRows, m_lit, radius);
    } else {
        painter.drawImage(unlitRows, m_unlit, unlitRows);
        painter.drawImage(litRows, m_lit, litRows);
    }
    paintBox(painter);
}

// Only the rows of the rounded ends are filled as a smoothed shape; the straight middle is a
// plain copy, which costs a tenth as much.
void MeterBar::paintRounded(QPainter& painter, const QRect& rows, const QImage& image,
                            int radius) const {
    const QRect middle(0, radius, width(), height() - 2 * radius);
    const QRect straight = rows.intersected(middle);
    if (!straight.isEmpty()) {
        painter.drawImage(straight, image, straight);
    }
    const QRect ends[] = {QRect(0, 0, width(), radius),
                          QRect(0, height() - radius, width(), radius)};
    for (const QRect& end : ends) {
        const QRect part = rows.intersected(end);
        if (part.isEmpty()) {
            continue;
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setClipRect(part, Qt::IntersectClip);
        painter.setBrush(QBrush(image));
        painter.drawRoundedRect(QRectF(rect()), radius, radius);
        painter.restore();
    }
}

} // namespace v32
