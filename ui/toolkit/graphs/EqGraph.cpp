#include "ui/toolkit/graphs/EqGraph.h"

#include "app/values/ValueText.h"
#include "ui/toolkit/graphs/EqPlotPainter.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace v32 {

namespace {

constexpr int kFontPixels = 10;
constexpr std::uint16_t kTextColour = palette::kWhite;
constexpr std::uint16_t kBackground = palette::kBlack;
constexpr int kRadius = 3;

constexpr std::uint16_t kOuterGridColour = palette::kGrey44;
constexpr std::uint16_t kInnerGridColour = palette::kGrey28;
constexpr std::uint16_t kCompactZeroLineColour = palette::kGrey19;

constexpr std::uint16_t kDraggedResponseColour = palette::kGrey28;
constexpr int kDraggedResponseOpacity = 127;

constexpr std::uint16_t kHighPassHandleColour = palette::kRed;
constexpr std::uint16_t kLowPassHandleColour = palette::kBlue;
constexpr std::uint16_t kBandHandleColour = palette::kPink;
constexpr int kBandHandleOpacity = 153;
constexpr std::uint16_t kDraggedHandleColour = palette::kGreen;

constexpr int kTooltipWidth = 64;
constexpr int kTooltipLines = 3;
constexpr std::uint16_t kTooltipColour = palette::kPink;
constexpr int kTooltipOpacity = 76;
constexpr int kTooltipPadding = 3;

constexpr int kRtaFlatOpacity = 76;
constexpr int kRtaGradientTopOpacity = 255;
constexpr int kRtaGradientBottomOpacity = 51;

// The fill is blended in steps of 1/32, as the display blends.
int fillAlpha(int opacity) {
    return (opacity + 4) / 8 * 255 / 32;
}

BoxStyle graphStyle() {
    BoxStyle style = BoxStyle::plain();
    style.background = kBackground;
    style.backgroundOpacity = 255;
    style.radius = kRadius;
    return style;
}

QString handleText(const EqBand& band) {
    switch (band.kind()) {
    case EqBandKind::HighPass:
        return QStringLiteral("H");
    case EqBandKind::LowPass:
        return QStringLiteral("L");
    case EqBandKind::Parametric:
        break;
    }
    return QString::number(band.number());
}

QColor handleColour(const EqBand& band, bool dragged) {
    if (dragged) {
        return rgb565ToColor(kDraggedHandleColour);
    }
    switch (band.kind()) {
    case EqBandKind::HighPass:
        return rgb565ToColor(kHighPassHandleColour);
    case EqBandKind::LowPass:
        return rgb565ToColor(kLowPassHandleColour);
    case EqBandKind::Parametric:
        break;
    }
    return rgb565ToColor(kBandHandleColour, kBandHandleOpacity);
}

QString tooltipText(const EqBand& band) {
    const FixedText text = band.isFilter() ? bandText(band.frequency())
                                           : bandText(band.frequency(), band.gain(), band.q());
    return QString::fromUtf8(text.c_str());
}

} // namespace

EqGraph::EqGraph(FontCache& fonts, QWidget* parent, std::vector<EqGridRow> frequencyGrid,
                 std::vector<EqGridRow> gainGrid)
    : EqGraph(parent, std::move(frequencyGrid), std::move(gainGrid)) {
    setFont(fonts.fontOfSize(kFontPixels));
}

EqGraph::EqGraph(QWidget* parent)
    : EqGraph(parent, {}, {}) {}

EqGraph::EqGraph(QWidget* parent, std::vector<EqGridRow> frequencyGrid,
                 std::vector<EqGridRow> gainGrid)
    : StyledWidget(parent, kDefaultSize, graphStyle())
    , m_curve(std::move(frequencyGrid), std::move(gainGrid))
    , m_textColour(kTextColour) {
    setAccessibleRole(QAccessible::Chart);
    setAccessibleName(QStringLiteral("EQ response curve"));
    m_recomputeTimer.setInterval(kRecomputeIntervalMs);
    m_recomputeTimer.setSingleShot(true);
    connect(&m_recomputeTimer, &QTimer::timeout, this, &EqGraph::recompute);
    m_curve.setChangeHandler([this] { scheduleRecompute(); });
    layOut();
}

void EqGraph::setCompact(bool compact) {
    m_compact = compact;
    layOut();
}

void EqGraph::setSolidGrid(bool solid) {
    m_solidGrid = solid;
    layOut();
}

void EqGraph::setCurveColour(std::uint16_t colour) {
    m_curveColour = colour;
    update();
}

void EqGraph::setCurveLine(bool on) {
    m_curveLine = on;
    update();
}

void EqGraph::setCurveFill(bool on) {
    m_curveFill = on;
    update();
}

void EqGraph::setFillOpacity(int opacity) {
    m_fillOpacity = std::clamp(opacity, 0, 255);
    update();
}

void EqGraph::setTextColour(std::uint16_t colour) {
    m_textColour = colour;
    update();
}

void EqGraph::populate(int count) {
    m_curve.populate(count, [] { return QRandomGenerator::global()->generate(); });
}

void EqGraph::replacePopulate(int count) {
    m_curve.replacePopulate(count, [] { return QRandomGenerator::global()->generate(); });
}

void EqGraph::setRtaOn(bool on) {
    m_rtaOn = on;
    m_rta.clear();
    update();
}

void EqGraph::setRtaGradient(bool on) {
    m_rtaGradient = on;
    update();
}

void EqGraph::setRtaColour(std::uint16_t colour) {
    m_rtaColour = colour;
    update();
}

void EqGraph::setRtaValues(std::span<const int> values) {
    if (m_rta.setValues(values)) {
        update();
    }
}

void EqGraph::resizeEvent(QResizeEvent* /*event*/) {
    layOut();
}

void EqGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layOut();
    }
    StyledWidget::changeEvent(event);
}

// Captions are sized on the widest gain caption the grid can have, so that the plot
// does not move when the texts change.
void EqGraph::layOut() {
    const QFontMetrics metrics = fontMetrics();
    m_labelWidth = metrics.horizontalAdvance(QStringLiteral("888"));
    m_labelHeight = metrics.height();
    m_plot = EqPlotLayout::of(width(), height(), m_labelWidth, m_labelHeight, m_compact);
    m_curve.setPlotSize(m_plot.width, m_plot.height);
    updateAccessibleDescription();
    update();
}

void EqGraph::scheduleRecompute() {
    if (m_recomputePending) {
        return;
    }
    m_recomputePending = true;
    m_recomputeTimer.start();
}

void EqGraph::recompute() {
    m_curve.recomputeChanged();
    m_recomputePending = false;
    updateAccessibleDescription();
    update();
}

void EqGraph::updateAccessibleDescription() {
    QStringList parts;
    const auto describe = [&parts](const EqBand* band, const QString& name) {
        if (band != nullptr) {
            parts << name + QLatin1Char(' ') + tooltipText(*band).replace(QLatin1Char('\n'), ' ');
        }
    };
    describe(m_curve.highPass(), QStringLiteral("High-pass"));
    describe(m_curve.lowPass(), QStringLiteral("Low-pass"));
    for (int i = 0; i < m_curve.bandCount(); ++i) {
        describe(m_curve.band(i), QStringLiteral("Band %1").arg(m_curve.band(i)->number()));
    }
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
}

QPoint EqGraph::plotPoint(QPoint widgetPoint) const {
    return widgetPoint - QPoint(m_plot.x, m_plot.y);
}

QRect EqGraph::plotRect() const {
    return QRect(m_plot.x, m_plot.y, m_plot.width, m_plot.height);
}

int EqGraph::rowY(int offset) const {
    return m_plot.y + m_curve.rowOfOffset(offset);
}

void EqGraph::mousePressEvent(QMouseEvent* event) {
    const QPoint point = plotPoint(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !m_curve.press(point.x(), point.y(), handleSize())) {
        // Not on a handle: the press belongs to whatever holds the graph.
        event->ignore();
        return;
    }
    update();
}

void EqGraph::mouseMoveEvent(QMouseEvent* event) {
    EqBand* dragged = m_curve.draggedBand();
    if (dragged == nullptr) {
        event->ignore();
        return;
    }
    const QPoint point = plotPoint(event->position().toPoint());
    if (!m_curve.dragTo(point.x(), point.y())) {
        return;
    }
    // The handle follows the finger at once; the curve catches up with the next
    // recomputation.
    update();
    emit bandChanged(*dragged);
}

void EqGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (m_curve.draggedBand() == nullptr) {
        event->ignore();
        return;
    }
    m_curve.release();
    update();
}

void EqGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    painter.save();
    painter.setClipRect(plotRect());
    if (m_rtaOn) {
        paintRta(painter);
    }
    painter.setClipRect(plotRect().adjusted(-1, -1, 1, 1));
    paintGrid(painter);
    painter.setClipRect(plotRect());
    paintCurve(painter);
    paintDraggedResponse(painter);
    painter.restore();
    if (!m_compact) {
        paintLabels(painter);
    }
    paintHandles(painter);
}

void EqGraph::paintRta(QPainter& painter) const {
    QBrush brush(rgb565ToColor(m_rtaColour, kRtaFlatOpacity));
    if (m_rtaGradient) {
        QLinearGradient fade(0, m_plot.y, 0, m_plot.bottom());
        fade.setColorAt(0, rgb565ToColor(m_rtaColour, kRtaGradientTopOpacity));
        fade.setColorAt(1, rgb565ToColor(m_rtaColour, kRtaGradientBottomOpacity));
        brush = QBrush(fade);
    }
    for (const RtaBars::Bar& bar : m_rta.layout(m_plot.width, m_plot.height)) {
        painter.fillRect(m_plot.x + bar.left, m_plot.bottom() - bar.height, bar.right - bar.left,
                         bar.height, brush);
    }
}

void EqGraph::paintGrid(QPainter& painter) const {
    if (m_compact) {
        EqPlotPainter::drawHorizontalLine(painter, rowY(m_curve.yOffsetOfGain(0.0)), m_plot.x,
                                          m_plot.right() - 1, rgb565ToColor(kCompactZeroLineColour),
                                          false);
        return;
    }
    std::vector<EqGridRow> columns = m_curve.frequencyGrid();
    for (EqGridRow& column : columns) {
        column.position += m_plot.x;
    }
    std::vector<EqGridRow> rows = m_curve.gainGrid();
    for (EqGridRow& row : rows) {
        row.position = rowY(row.position);
    }
    const EqPlotPainter::GridColours colours{rgb565ToColor(kOuterGridColour),
                                             rgb565ToColor(kInnerGridColour)};
    const QRect extent = plotRect().adjusted(-1, -1, 1, 1);
    EqPlotPainter::drawVerticalGrid(painter, columns, extent, colours, !m_solidGrid);
    EqPlotPainter::drawHorizontalGrid(painter, rows, extent, colours, !m_solidGrid);
}

// Each column joins the previous column's height with a vertical run, so that steep
// slopes stay unbroken; the fill reaches from the curve to the 0 dB line.
void EqGraph::paintCurve(QPainter& painter) const {
    const std::span<const std::int16_t> curve = m_curve.curve();
    const int zeroY = rowY(m_curve.yOffsetOfGain(0.0));
    const QColor line = rgb565ToColor(m_curveColour);
    const QColor fill = rgb565ToColor(m_curveColour, fillAlpha(m_fillOpacity));
    for (std::size_t x = 0; x < curve.size(); ++x) {
        const int column = m_plot.x + static_cast<int>(x);
        const int y = rowY(curve[x]);
        if (m_curveFill && y != zeroY) {
            const int top = std::min(y + 1, zeroY);
            const int bottom = std::max(y - 1, zeroY);
            painter.fillRect(column, top, 1, bottom - top + 1, fill);
        }
        if (m_curveLine) {
            const int previous = x > 0 ? rowY(curve[x - 1]) : y;
            painter.fillRect(column, std::min(previous, y), 1, std::abs(previous - y) + 1, line);
        }
    }
}

void EqGraph::paintDraggedResponse(QPainter& painter) const {
    const EqBand* dragged = m_curve.draggedBand();
    if (dragged == nullptr) {
        return;
    }
    const std::span<const std::int16_t> response = dragged->response();
    const QColor colour = rgb565ToColor(kDraggedResponseColour, kDraggedResponseOpacity);
    int previous = 0;
    for (std::size_t x = 0; x < response.size(); ++x) {
        const int y = rowY(m_curve.offsetOfResponse(response[x]));
        if (x == 0) {
            previous = y;
        }
        painter.fillRect(m_plot.x + static_cast<int>(x), std::min(previous, y), 1,
                         std::abs(previous - y) + 1, colour);
        previous = y;
    }
}

void EqGraph::paintLabels(QPainter& painter) const {
    const QColor colour = rgb565ToColor(m_textColour);
    std::vector<EqGridRow> rows = m_curve.gainGrid();
    for (EqGridRow& row : rows) {
        row.position = rowY(row.position);
    }
    EqPlotPainter::drawLeftLabels(painter, rows, m_plot.x - EqPlotLayout::kLabelGap, colour);
    std::vector<EqGridRow> columns = m_curve.frequencyGrid();
    for (EqGridRow& column : columns) {
        column.position += m_plot.x;
    }
    EqPlotPainter::drawBottomLabels(painter, columns, m_plot.bottom() + 1, colour);
}

void EqGraph::paintHandles(QPainter& painter) const {
    if (handleSize() == 0) {
        return;
    }
    const EqBand* dragged = m_curve.draggedBand();
    const auto paintUnlessDragged = [&](const EqBand* band) {
        if (band != nullptr && band != dragged) {
            paintHandle(painter, *band);
        }
    };
    paintUnlessDragged(m_curve.highPass());
    paintUnlessDragged(m_curve.lowPass());
    for (int i = 0; i < m_curve.bandCount(); ++i) {
        paintUnlessDragged(m_curve.band(i));
    }
    if (dragged != nullptr) {
        paintHandle(painter, *dragged);
        paintTooltip(painter, *dragged);
    }
}

void EqGraph::paintHandle(QPainter& painter, const EqBand& band) const {
    const QPoint centre(m_plot.x + m_curve.handleX(band), m_plot.y + m_curve.handleY(band));
    EqPlotPainter::drawHandle(painter, centre, handleSize(),
                              handleColour(band, &band == m_curve.draggedBand()), handleText(band),
                              rgb565ToColor(m_textColour));
}

void EqGraph::paintTooltip(QPainter& painter, const EqBand& band) const {
    const int size = handleSize();
    const QPoint centre(m_plot.x + m_curve.handleX(band), m_plot.y + m_curve.handleY(band));
    QRect box(centre.x() + size / 2, centre.y() + size / 2, kTooltipWidth, kTooltipLines * size);
    if (box.right() >= m_plot.right()) {
        box.moveRight(centre.x() - size / 2 - 1);
    }
    if (box.bottom() >= m_plot.bottom()) {
        box.moveBottom(centre.y() - size / 2 - 1);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb565ToColor(kTooltipColour, kTooltipOpacity));
    painter.drawRoundedRect(box, kRadius, kRadius);
    painter.setPen(rgb565ToColor(m_textColour));
    const Qt::Alignment vertical = band.isFilter() ? Qt::AlignVCenter : Qt::AlignTop;
    painter.drawText(box.adjusted(kTooltipPadding, 0, -kTooltipPadding, 0),
                     Qt::AlignLeft | vertical, tooltipText(band));
    painter.restore();
}

} // namespace v32
