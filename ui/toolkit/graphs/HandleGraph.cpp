#include "ui/toolkit/graphs/HandleGraph.h"

#include "ui/toolkit/graphs/EqPlotPainter.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace v32 {

namespace {

constexpr int kFontPixels = 12;
constexpr std::uint16_t kTextColour = palette::kWhite;
constexpr std::uint16_t kBackground = palette::kBlack;
constexpr int kRadius = 3;
constexpr std::uint16_t kOuterGridColour = palette::kGrey38;
constexpr std::uint16_t kInnerGridColour = palette::kGrey25;
constexpr int kEnabledFillOpacity = 153;
constexpr int kDisabledFillOpacity = 76;
constexpr std::uint16_t kEnabledHandleColour = palette::kSelectionOrange;
constexpr std::uint16_t kDisabledHandleColour = palette::kGrey61;

BoxStyle graphStyle() {
    BoxStyle style = BoxStyle::plain();
    style.background = kBackground;
    style.backgroundOpacity = 255;
    style.radius = kRadius;
    return style;
}

} // namespace

HandleGraph::HandleGraph(FontCache& fonts, QWidget* parent, QSize defaultSize, const QString& name,
                         const QString& captionSample)
    : StyledWidget(parent, defaultSize, graphStyle())
    , m_captionSample(captionSample)
    , m_textColour(kTextColour) {
    setFont(fonts.fontOfSize(kFontPixels));
    setAccessibleRole(QAccessible::Chart);
    setAccessibleName(name);
    m_redrawTimer.setInterval(kRedrawIntervalMs);
    m_redrawTimer.setSingleShot(true);
    connect(&m_redrawTimer, &QTimer::timeout, this, &HandleGraph::redraw);
}

void HandleGraph::setCompact(bool compact) {
    m_compact = compact;
    layOut();
}

void HandleGraph::setTextColour(std::uint16_t colour) {
    m_textColour = colour;
    update();
}

void HandleGraph::layOut() {
    m_modelReady = true;
    const QFontMetrics metrics = fontMetrics();
    m_labelHeight = metrics.height();
    placePlot(EqPlotLayout::of(width(), height(), metrics.horizontalAdvance(m_captionSample),
                               m_labelHeight, m_compact));
    setAccessibleDescription(accessibleSummary());
    update();
}

void HandleGraph::requestRedraw() {
    setAccessibleDescription(accessibleSummary());
    if (m_redrawPending) {
        return;
    }
    m_redrawPending = true;
    m_redrawTimer.start();
}

void HandleGraph::redraw() {
    m_redrawPending = false;
    update();
}

QColor HandleGraph::areaColour(std::uint16_t colour) const {
    return rgb565ToColor(colour, isEnabled() ? kEnabledFillOpacity : kDisabledFillOpacity);
}

QColor HandleGraph::handleColour() const {
    return rgb565ToColor(isEnabled() ? kEnabledHandleColour : kDisabledHandleColour);
}

QRect HandleGraph::plotExtent() const {
    const EqPlotLayout& area = plot();
    return {area.x, area.y, area.width + 1, area.height + 1};
}

void HandleGraph::resizeEvent(QResizeEvent* /*event*/) {
    if (m_modelReady) {
        layOut();
    }
}

void HandleGraph::changeEvent(QEvent* event) {
    if (!m_modelReady) {
        StyledWidget::changeEvent(event);
        return;
    }
    if (event->type() == QEvent::FontChange) {
        layOut();
    } else if (event->type() == QEvent::EnabledChange) {
        releaseHandle();
        update();
    }
    StyledWidget::changeEvent(event);
}

void HandleGraph::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !pressHandle(point.x(), point.y())) {
        event->ignore();
        return;
    }
    requestRedraw();
}

void HandleGraph::mouseMoveEvent(QMouseEvent* event) {
    if (!isDragging()) {
        event->ignore();
        return;
    }
    const QPoint point = event->position().toPoint();
    if (dragHandleTo(point.x(), point.y())) {
        emit valueChanged();
        requestRedraw();
    }
}

void HandleGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (!isDragging()) {
        event->ignore();
        return;
    }
    releaseHandle();
    requestRedraw();
}

void HandleGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    const EqPlotLayout& area = plot();
    if (!m_compact) {
        const QColor text = rgb565ToColor(m_textColour);
        EqPlotPainter::drawLeftLabels(painter, leftGrid(), area.x - EqPlotLayout::kLabelGap, text);
        EqPlotPainter::drawBottomLabels(painter, bottomGrid(), area.bottom() + 1, text);
    }
    const EqPlotPainter::GridColours colours{rgb565ToColor(kOuterGridColour),
                                             rgb565ToColor(kInnerGridColour)};
    EqPlotPainter::drawVerticalGrid(painter, bottomGrid(), plotExtent(), colours, false);
    EqPlotPainter::drawHorizontalGrid(painter, leftGrid(), plotExtent(), colours, false);
    paintContent(painter);
}

} // namespace v32
