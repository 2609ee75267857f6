#include "ui/toolkit/DynamicsGraph.h"

#include "ui/toolkit/EqPlotPainter.h"
#include "ui/toolkit/FontCache.h"
#include "ui/toolkit/Rgb565.h"
#include "ui/toolkit/values/ValueConversion.h"
#include "ui/toolkit/values/ValueText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
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
constexpr int kRatioKind = 12;

BoxStyle graphStyle() {
    BoxStyle style = BoxStyle::plain();
    style.background = kBackground;
    style.backgroundOpacity = 255;
    style.radius = kRadius;
    return style;
}

QPointF pixelCentre(DynamicsCurve::Point point) {
    return QPointF(point.x + 0.5, point.y + 0.5);
}

} // namespace

DynamicsGraph::DynamicsGraph(FontCache& fonts, QWidget* parent, std::vector<EqGridRow> inputGrid,
                             std::vector<EqGridRow> outputGrid)
    : StyledWidget(parent, kDefaultSize, graphStyle())
    , m_curve(std::move(inputGrid), std::move(outputGrid))
    , m_textColour(kTextColour) {
    setFont(fonts.fontOfSize(kFontPixels));
    setAccessibleRole(QAccessible::Chart);
    setAccessibleName(QStringLiteral("Dynamics transfer curve"));
    m_redrawTimer.setInterval(kRedrawIntervalMs);
    m_redrawTimer.setSingleShot(true);
    connect(&m_redrawTimer, &QTimer::timeout, this, &DynamicsGraph::redraw);
    layOut();
}

void DynamicsGraph::setCompact(bool compact) {
    m_compact = compact;
    layOut();
}

void DynamicsGraph::setCurveColour(std::uint16_t colour) {
    m_curveColour = colour;
    update();
}

void DynamicsGraph::setTextColour(std::uint16_t colour) {
    m_textColour = colour;
    update();
}

void DynamicsGraph::setThreshold(double threshold) {
    m_curve.setThreshold(threshold);
    requestRedraw();
}

void DynamicsGraph::setRatio(double ratio) {
    m_curve.setRatio(ratio);
    requestRedraw();
}

void DynamicsGraph::setGain(double gain) {
    m_curve.setGain(gain);
    requestRedraw();
}

void DynamicsGraph::resizeEvent(QResizeEvent* /*event*/) {
    layOut();
}

void DynamicsGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layOut();
    } else if (event->type() == QEvent::EnabledChange) {
        m_curve.release();
        update();
    }
    StyledWidget::changeEvent(event);
}

void DynamicsGraph::layOut() {
    const QFontMetrics metrics = fontMetrics();
    m_labelHeight = metrics.height();
    m_curve.setPlot(EqPlotLayout::of(width(), height(),
                                     metrics.horizontalAdvance(QStringLiteral("888")),
                                     m_labelHeight, m_compact));
    updateAccessibleDescription();
    update();
}

void DynamicsGraph::requestRedraw() {
    updateAccessibleDescription();
    if (m_redrawPending) {
        return;
    }
    m_redrawPending = true;
    m_redrawTimer.start();
}

void DynamicsGraph::redraw() {
    m_redrawPending = false;
    update();
}

void DynamicsGraph::updateAccessibleDescription() {
    const FixedText ratioText = valueText(kRatioKind, toRaw(kRatioKind, m_curve.ratio()));
    setAccessibleDescription(QStringLiteral("Threshold %1 dB, ratio %2")
                                 .arg(m_curve.threshold(), 0, 'f', 1)
                                 .arg(QString::fromUtf8(ratioText.c_str())));
}

void DynamicsGraph::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton ||
        m_curve.press(point.x(), point.y(), handleSize()) == DynamicsCurve::Handle::None) {
        event->ignore();
        return;
    }
    requestRedraw();
}

void DynamicsGraph::mouseMoveEvent(QMouseEvent* event) {
    if (m_curve.draggedHandle() == DynamicsCurve::Handle::None) {
        event->ignore();
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_curve.dragTo(point.x(), point.y())) {
        emit valueChanged();
        requestRedraw();
    }
}

void DynamicsGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (m_curve.draggedHandle() == DynamicsCurve::Handle::None) {
        event->ignore();
        return;
    }
    m_curve.release();
    requestRedraw();
}

void DynamicsGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    const EqPlotLayout& plot = m_curve.plot();
    if (!m_compact) {
        const QColor text = rgb565ToColor(m_textColour);
        EqPlotPainter::drawLeftLabels(painter, m_curve.outputGrid(),
                                      plot.x - EqPlotLayout::kLabelGap, text);
        EqPlotPainter::drawBottomLabels(painter, m_curve.inputGrid(), plot.bottom() + 1, text);
    }
    const QRect extent(plot.x, plot.y, plot.width + 1, plot.height + 1);
    const EqPlotPainter::GridColours colours{rgb565ToColor(kOuterGridColour),
                                             rgb565ToColor(kInnerGridColour)};
    EqPlotPainter::drawVerticalGrid(painter, m_curve.inputGrid(), extent, colours, false);
    EqPlotPainter::drawHorizontalGrid(painter, m_curve.outputGrid(), extent, colours, false);
    paintCurve(painter);
    paintHandles(painter);
}

void DynamicsGraph::paintCurve(QPainter& painter) const {
    const EqPlotLayout& plot = m_curve.plot();
    const QPointF start = pixelCentre(m_curve.start());
    const QPointF threshold = pixelCentre(m_curve.thresholdPoint());
    const QPointF end = pixelCentre(m_curve.end());
    const qreal bottom = plot.bottom() + 0.5;
    const QPolygonF area{start, threshold, end, QPointF(end.x(), bottom),
                         QPointF(start.x(), bottom)};
    painter.save();
    painter.setClipRect(QRect(plot.x, plot.y, plot.width + 1, plot.height + 1));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        rgb565ToColor(m_curveColour, isEnabled() ? kEnabledFillOpacity : kDisabledFillOpacity));
    painter.drawPolygon(area);
    if (isEnabled()) {
        painter.setPen(QPen(rgb565ToColor(m_curveColour), kLineWidth, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPolyline(QPolygonF{start, threshold, end});
    }
    painter.restore();
}

void DynamicsGraph::paintHandles(QPainter& painter) const {
    const QColor fill = rgb565ToColor(isEnabled() ? kEnabledHandleColour : kDisabledHandleColour);
    const QColor text = rgb565ToColor(m_textColour);
    const DynamicsCurve::Point threshold = m_curve.thresholdPoint();
    const DynamicsCurve::Point end = m_curve.end();
    EqPlotPainter::drawHandle(painter, QPoint(threshold.x, threshold.y), handleSize(), fill,
                              QStringLiteral("T"), text);
    EqPlotPainter::drawHandle(painter, QPoint(end.x, end.y), handleSize(), fill,
                              QStringLiteral("R"), text);
}

} // namespace v32
