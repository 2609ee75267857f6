#include "ui/toolkit/GateGraph.h"

#include "ui/toolkit/EqPlotPainter.h"
#include "ui/toolkit/FontCache.h"
#include "ui/toolkit/Rgb565.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <array>
#include <utility>

namespace v32 {

namespace {

constexpr int kFontPixels = 12;
constexpr std::uint16_t kTextColour = 0xFFFF;
constexpr std::uint16_t kBackground = 0x0000;
constexpr int kRadius = 3;
constexpr std::uint16_t kOuterGridColour = 0x630C;
constexpr std::uint16_t kInnerGridColour = 0x4208;
constexpr int kEnabledFillOpacity = 153;
constexpr int kDisabledFillOpacity = 76;
constexpr qreal kLineWidth = 2.0;
constexpr std::uint16_t kEnabledHandleColour = 0xFCC0;
constexpr std::uint16_t kDisabledHandleColour = 0x9CF3;

BoxStyle graphStyle() {
    BoxStyle style = BoxStyle::plain();
    style.background = kBackground;
    style.backgroundOpacity = 255;
    style.radius = kRadius;
    return style;
}

QPointF pixelCentre(GateEnvelope::Point point) {
    return QPointF(point.x + 0.5, point.y + 0.5);
}

} // namespace

GateGraph::GateGraph(FontCache& fonts, QWidget* parent, std::vector<EqGridRow> timeGrid,
                     std::vector<EqGridRow> levelGrid)
    : StyledWidget(parent, kDefaultSize, graphStyle())
    , m_envelope(std::move(timeGrid), std::move(levelGrid))
    , m_textColour(kTextColour) {
    setFont(fonts.fontOfSize(kFontPixels));
    setAccessibleRole(QAccessible::Chart);
    setAccessibleName(QStringLiteral("Gate envelope"));
    m_redrawTimer.setInterval(kRedrawIntervalMs);
    m_redrawTimer.setSingleShot(true);
    connect(&m_redrawTimer, &QTimer::timeout, this, &GateGraph::redraw);
    layOut();
}

void GateGraph::setCompact(bool compact) {
    m_compact = compact;
    layOut();
}

void GateGraph::setEnvelopeColour(std::uint16_t colour) {
    m_envelopeColour = colour;
    update();
}

void GateGraph::setTextColour(std::uint16_t colour) {
    m_textColour = colour;
    update();
}

void GateGraph::setThreshold(double threshold) {
    m_envelope.setThreshold(threshold);
    requestRedraw();
}

void GateGraph::setAttack(double attack) {
    m_envelope.setAttack(attack);
    requestRedraw();
}

void GateGraph::setHold(double hold) {
    m_envelope.setHold(hold);
    requestRedraw();
}

void GateGraph::setDecay(double decay) {
    m_envelope.setDecay(decay);
    requestRedraw();
}

void GateGraph::resizeEvent(QResizeEvent* /*event*/) {
    layOut();
}

void GateGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layOut();
    } else if (event->type() == QEvent::EnabledChange) {
        m_envelope.release();
        update();
    }
    StyledWidget::changeEvent(event);
}

// The level captions are sized on four characters ("-80" and a sign to spare).
void GateGraph::layOut() {
    const QFontMetrics metrics = fontMetrics();
    m_labelHeight = metrics.height();
    m_envelope.setPlot(EqPlotLayout::of(width(), height(),
                                        metrics.horizontalAdvance(QStringLiteral("8888")),
                                        m_labelHeight, m_compact));
    updateAccessibleDescription();
    update();
}

void GateGraph::requestRedraw() {
    updateAccessibleDescription();
    if (m_redrawPending) {
        return;
    }
    m_redrawPending = true;
    m_redrawTimer.start();
}

void GateGraph::redraw() {
    m_redrawPending = false;
    update();
}

void GateGraph::updateAccessibleDescription() {
    setAccessibleDescription(QStringLiteral("Threshold %1 dB, attack %2, hold %3, decay %4")
                                 .arg(m_envelope.threshold(), 0, 'f', 1)
                                 .arg(m_envelope.attack())
                                 .arg(m_envelope.hold())
                                 .arg(m_envelope.decay()));
}

void GateGraph::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton ||
        m_envelope.press(point.x(), point.y(), handleSize()) == GateEnvelope::Corner::None) {
        event->ignore();
        return;
    }
    requestRedraw();
}

void GateGraph::mouseMoveEvent(QMouseEvent* event) {
    if (m_envelope.draggedCorner() == GateEnvelope::Corner::None) {
        event->ignore();
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_envelope.dragTo(point.x(), point.y())) {
        emit valueChanged();
        requestRedraw();
    }
}

void GateGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (m_envelope.draggedCorner() == GateEnvelope::Corner::None) {
        event->ignore();
        return;
    }
    m_envelope.release();
}

void GateGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    const EqPlotLayout& plot = m_envelope.plot();
    if (!m_compact) {
        const QColor text = rgb565ToColor(m_textColour);
        EqPlotPainter::drawLeftLabels(painter, m_envelope.levelGrid(),
                                      plot.x - EqPlotLayout::kLabelGap, text);
        EqPlotPainter::drawBottomLabels(painter, m_envelope.timeGrid(), plot.bottom() + 1, text);
    }
    const QRect extent(plot.x, plot.y, plot.width + 1, plot.height + 1);
    const EqPlotPainter::GridColours colours{rgb565ToColor(kOuterGridColour),
                                             rgb565ToColor(kInnerGridColour)};
    EqPlotPainter::drawVerticalGrid(painter, m_envelope.timeGrid(), extent, colours, false);
    EqPlotPainter::drawHorizontalGrid(painter, m_envelope.levelGrid(), extent, colours, false);
    paintEnvelope(painter);
    paintHandles(painter);
}

void GateGraph::paintEnvelope(QPainter& painter) const {
    const EqPlotLayout& plot = m_envelope.plot();
    const QPolygonF outline{pixelCentre(m_envelope.point(0)), pixelCentre(m_envelope.point(1)),
                            pixelCentre(m_envelope.point(2)), pixelCentre(m_envelope.point(3))};
    painter.save();
    painter.setClipRect(QRect(plot.x, plot.y, plot.width + 1, plot.height + 1));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        rgb565ToColor(m_envelopeColour, isEnabled() ? kEnabledFillOpacity : kDisabledFillOpacity));
    painter.drawPolygon(outline);
    painter.setPen(QPen(rgb565ToColor(m_envelopeColour), kLineWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPolyline(outline);
    painter.restore();
}

// The end of the attack carries "D" and the end of the hold "T"; the end of the decay
// is plain.
void GateGraph::paintHandles(QPainter& painter) const {
    const QColor fill = rgb565ToColor(isEnabled() ? kEnabledHandleColour : kDisabledHandleColour);
    const QColor text = rgb565ToColor(m_textColour);
    const std::array<QString, 3> letters = {QStringLiteral("D"), QStringLiteral("T"), QString()};
    for (int i = 1; i <= 3; ++i) {
        const GateEnvelope::Point corner = m_envelope.point(i);
        EqPlotPainter::drawHandle(painter, QPoint(corner.x, corner.y), handleSize(), fill,
                                  letters[static_cast<std::size_t>(i - 1)], text);
    }
}

} // namespace v32
