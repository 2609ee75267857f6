#include "ui/toolkit/graphs/GateGraph.h"

#include "ui/toolkit/graphs/EqPlotPainter.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>
#include <QPolygonF>
#include <array>
#include <utility>

namespace v32 {

// The level captions are sized on four characters ("-80" and a sign to spare).
GateGraph::GateGraph(FontCache& fonts, QWidget* parent, std::vector<EqGridRow> timeGrid,
                     std::vector<EqGridRow> levelGrid)
    : HandleGraph(fonts, parent, kDefaultSize, QStringLiteral("Gate envelope"),
                  QStringLiteral("8888"))
    , m_envelope(std::move(timeGrid), std::move(levelGrid)) {
    layOut();
}

void GateGraph::setEnvelopeColour(std::uint16_t colour) {
    m_envelopeColour = colour;
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

bool GateGraph::pressHandle(int x, int y) {
    return m_envelope.press(x, y, handleSize()) != GateEnvelope::Corner::None;
}

bool GateGraph::isDragging() const {
    return m_envelope.draggedCorner() != GateEnvelope::Corner::None;
}

QString GateGraph::accessibleSummary() const {
    return QStringLiteral("Threshold %1 dB, attack %2, hold %3, decay %4")
        .arg(m_envelope.threshold(), 0, 'f', 1)
        .arg(m_envelope.attack())
        .arg(m_envelope.hold())
        .arg(m_envelope.decay());
}

void GateGraph::paintContent(QPainter& painter) const {
    paintEnvelope(painter);
    paintHandles(painter);
}

void GateGraph::paintEnvelope(QPainter& painter) const {
    const QPolygonF outline{pixelCentre(m_envelope.point(0)), pixelCentre(m_envelope.point(1)),
                            pixelCentre(m_envelope.point(2)), pixelCentre(m_envelope.point(3))};
    painter.save();
    painter.setClipRect(plotExtent());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(areaColour(m_envelopeColour));
    painter.drawPolygon(outline);
    painter.setPen(QPen(rgb565ToColor(m_envelopeColour), kLineWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPolyline(outline);
    painter.restore();
}

// The end of the attack carries "D" and the end of the hold "T"; the end of the decay
// is plain.
void GateGraph::paintHandles(QPainter& painter) const {
    const QColor fill = handleColour();
    const QColor text = rgb565ToColor(textColour());
    const std::array<QString, 3> letters = {QStringLiteral("D"), QStringLiteral("T"), QString()};
    for (int i = 1; i <= 3; ++i) {
        const GateEnvelope::Point corner = m_envelope.point(i);
        EqPlotPainter::drawHandle(painter, QPoint(corner.x, corner.y), handleSize(), fill,
                                  letters[static_cast<std::size_t>(i - 1)], text);
    }
}

} // namespace v32
