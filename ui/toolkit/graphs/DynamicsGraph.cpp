#include "ui/toolkit/graphs/DynamicsGraph.h"

#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValueText.h"
#include "ui/toolkit/graphs/EqPlotPainter.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>
#include <QPolygonF>
#include <utility>

namespace v32 {

DynamicsGraph::DynamicsGraph(FontCache& fonts, QWidget* parent, std::vector<EqGridRow> inputGrid,
                             std::vector<EqGridRow> outputGrid)
    : HandleGraph(fonts, parent, kDefaultSize, QStringLiteral("Dynamics transfer curve"),
                  QStringLiteral("888"))
    , m_curve(std::move(inputGrid), std::move(outputGrid)) {
    layOut();
}

void DynamicsGraph::setCurveColour(std::uint16_t colour) {
    m_curveColour = colour;
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

bool DynamicsGraph::pressHandle(int x, int y) {
    return m_curve.press(x, y, handleSize()) != DynamicsCurve::Handle::None;
}

bool DynamicsGraph::isDragging() const {
    return m_curve.draggedHandle() != DynamicsCurve::Handle::None;
}

QString DynamicsGraph::accessibleSummary() const {
    const FixedText ratioText =
        valueText(ValueCompressorRatio, toRaw(ValueCompressorRatio, m_curve.ratio()));
    return QStringLiteral("Threshold %1 dB, ratio %2")
        .arg(m_curve.threshold(), 0, 'f', 1)
        .arg(QString::fromUtf8(ratioText.c_str()));
}

void DynamicsGraph::paintContent(QPainter& painter) const {
    paintCurve(painter);
    paintHandles(painter);
}

void DynamicsGraph::paintCurve(QPainter& painter) const {
    const EqPlotLayout& area = m_curve.plot();
    const QPointF start = pixelCentre(m_curve.start());
    const QPointF threshold = pixelCentre(m_curve.thresholdPoint());
    const QPointF end = pixelCentre(m_curve.end());
    const qreal bottom = area.bottom() + 0.5;
    const QPolygonF fill{start, threshold, end, QPointF(end.x(), bottom),
                         QPointF(start.x(), bottom)};
    painter.save();
    painter.setClipRect(plotExtent());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(areaColour(m_curveColour));
    painter.drawPolygon(fill);
    if (isEnabled()) {
        painter.setPen(QPen(rgb565ToColor(m_curveColour), kLineWidth, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPolyline(QPolygonF{start, threshold, end});
    }
    painter.restore();
}

void DynamicsGraph::paintHandles(QPainter& painter) const {
    const QColor fill = handleColour();
    const QColor text = rgb565ToColor(textColour());
    const DynamicsCurve::Point threshold = m_curve.thresholdPoint();
    const DynamicsCurve::Point end = m_curve.end();
    EqPlotPainter::drawHandle(painter, QPoint(threshold.x, threshold.y), handleSize(), fill,
                              QStringLiteral("T"), text);
    EqPlotPainter::drawHandle(painter, QPoint(end.x, end.y), handleSize(), fill,
                              QStringLiteral("R"), text);
}

} // namespace v32
