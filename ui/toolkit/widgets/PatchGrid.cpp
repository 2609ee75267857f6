#include "ui/toolkit/widgets/PatchGrid.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(480, 320);
constexpr int kPadding = 6;
constexpr int kRadius = 4;
constexpr int kFontPixels = 14;
constexpr int kLabelGapX = 8;
constexpr int kLabelGapY = 6;
constexpr std::uint16_t kTextColour = palette::kWhite;
constexpr std::uint16_t kLineColour = palette::kGrey80;
constexpr std::uint16_t kUnderFingerColour = palette::kYellow;
constexpr std::uint16_t kDotBorderColour = palette::kAccentBlue;
constexpr int kDotBorderOpacity = 178;
constexpr qreal kDash = 4;
constexpr qreal kDashGap = 6;
constexpr int kSmallestDot = 6;
constexpr int kLargestDot = 14;

BoxStyle gridStyle() {
    BoxStyle style = BoxStyle::plain();
    style.padding = QMargins(kPadding, kPadding, kPadding, kPadding);
    style.radius = kRadius;
    return style;
}

// Positions from first to last, evenly spaced; a single position sits at the first.
std::vector<int> evenlySpaced(int first, int last, int count) {
    std::vector<int> positions(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        positions[static_cast<std::size_t>(i)] =
            count > 1 ? first + (last - first) * i / (count - 1) : first;
    }
    return positions;
}

// The index whose band (its position plus or minus half the spacing) holds the point.
int bandAt(const std::vector<int>& positions, int point) {
    if (positions.size() < 2) {
        return -1;
    }
    const int halfSpacing = std::abs(positions[1] - positions[0]) / 2;
    int best = -1;
    int bestDistance = halfSpacing + 1;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int distance = std::abs(point - positions[i]);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

QPen linePen(bool underFinger, bool dashed) {
    QPen pen(rgb565ToColor(underFinger ? kUnderFingerColour : kLineColour), 1);
    pen.setCapStyle(Qt::FlatCap);
    if (dashed) {
        pen.setDashPattern({kDash, kDashGap});
    }
    return pen;
}

} // namespace

PatchGrid::PatchGrid(FontCache& fonts, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, gridStyle()) {
    setFont(fonts.fontOfSize(kFontPixels));
    setAccessibleRole(QAccessible::Table);
    setAccessibleName(QStringLiteral("Patch grid"));
    resetLabels();
    resetMap();
    layoutGrid();
}

QSize PatchGrid::sizeHint() const {
    return kDefaultSize;
}

bool PatchGrid::setDimensions(int rows, int columns) {
    if (rows < kMinimumCount || rows > kMaximumRows || columns < kMinimumCount ||
        columns > kMaximumColumns) {
        return false;
    }
    m_rowCount = rows;
    m_columnCount = columns;
    m_underFinger = {};
    m_highlighted = {};
    resetLabels();
    resetMap();
    layoutGrid();
    update();
    return true;
}

void PatchGrid::setColumnLabel(int index, const QString& text) {
    if (index < 0 || index >= m_columnCount) {
        return;
    }
    m_columnLabels[static_cast<std::size_t>(index)] = text.left(kLabelLength);
    layoutGrid();
    update();
}

QString PatchGrid::rowLabel(int index) const {
    return index >= 0 && index < m_rowCount ? m_rowLabels[static_cast<std::size_t>(index)]
                                            : QString();
}

QString PatchGrid::columnLabel(int index) const {
    return index >= 0 && index < m_columnCount ? m_columnLabels[static_cast<std::size_t>(index)]
                                               : QString();
}

void PatchGrid::setConnection(int row, int column) {
    if (row == -1 && column == -1) {
        resetMap();
    } else if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount) {
        return;
    } else if (columnsAreShorterAxis()) {
        m_map[static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(row);
    } else {
        m_map[static_cast<std::size_t>(row)] = static_cast<std::uint8_t>(column);
    }
    updateAccessibleDescription();
    update();
}

void PatchGrid::setHighlightedDot(int row, int column, std::uint16_t colour) {
    m_highlighted = {row, column};
    m_highlightColour = colour;
    update();
}

void PatchGrid::clearHighlightedDot() {
    m_highlighted = {};
    update();
}

int PatchGrid::rowY(int row) const {
    return row >= 0 && row < m_rowCount ? m_rowYs[static_cast<std::size_t>(row)] : -1;
}

int PatchGrid::columnX(int column) const {
    return column >= 0 && column < m_columnCount ? m_columnXs[static_cast<std::size_t>(column)]
                                                 : -1;
}

void PatchGrid::resetLabels() {
    for (std::size_t i = 0; i < m_rowLabels.size(); ++i) {
        m_rowLabels[i] = QStringLiteral("REC%1").arg(i + 1);
    }
    for (std::size_t i = 0; i < m_columnLabels.size(); ++i) {
        m_columnLabels[i] = QString::number(i + 1);
    }
}

// The diagonal: element i of either axis meets element i of the other.
void PatchGrid::resetMap() {
    const int larger = std::max(m_rowCount, m_columnCount);
    for (std::size_t i = 0; i < m_map.size(); ++i) {
        m_map[i] = static_cast<int>(i) < larger ? static_cast<std::uint8_t>(i) : kNotConnected;
    }
    updateAccessibleDescription();
}

void PatchGrid::updateAccessibleDescription() {
    QStringList pairs;
    for (const Crossing& crossing : connections()) {
        pairs << QStringLiteral("%1-%2").arg(rowLabel(crossing.row), columnLabel(crossing.column));
    }
    setAccessibleDescription(pairs.join(QStringLiteral(", ")));
}

void PatchGrid::layoutGrid() {
    const QFontMetrics metrics = fontMetrics();
    m_widestRowLabel = 0;
    for (int row = 0; row < m_rowCount; ++row) {
        m_widestRowLabel = std::max(m_widestRowLabel, metrics.horizontalAdvance(rowLabel(row)));
    }
    const QRect content = contentsRect();
    const int lastLabelWidth = metrics.horizontalAdvance(columnLabel(m_columnCount - 1));
    const int firstX = content.left() + m_widestRowLabel + kLabelGapX;
    const int lastX = content.left() + content.width() - lastLabelWidth / 2;
    const int firstY = content.top() + metrics.height() + kLabelGapY;
    const int lastY = content.top() + content.height() - metrics.height() / 2;
    m_columnXs = evenlySpaced(firstX, lastX, m_columnCount);
    m_rowYs = evenlySpaced(firstY, lastY, m_rowCount);
}

PatchGrid::Crossing PatchGrid::crossingAt(QPoint point) const {
    return {bandAt(m_rowYs, point.y()), bandAt(m_columnXs, point.x())};
}

std::vector<PatchGrid::Crossing> PatchGrid::connections() const {
    std::vector<Crossing> crossings;
    const bool byColumn = columnsAreShorterAxis();
    const int shorter = byColumn ? m_columnCount : m_rowCount;
    const int longer = byColumn ? m_rowCount : m_columnCount;
    for (int i = 0; i < shorter; ++i) {
        const int partner = m_map[static_cast<std::size_t>(i)];
        if (partner < longer) {
            crossings.push_back(byColumn ? Crossing{partner, i} : Crossing{i, partner});
        }
    }
    return crossings;
}

int PatchGrid::dotDiameter() const {
    const int rowSpacing = m_rowYs[1] - m_rowYs[0];
    const int columnSpacing = m_columnXs[1] - m_columnXs[0];
    return std::clamp(std::min(rowSpacing, columnSpacing) * 3 / 5, kSmallestDot, kLargestDot);
}

void PatchGrid::paintEvent(QPaintEvent* event) {
    StyledWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRows(painter);
    paintColumns(painter);
    paintDots(painter);
}

// Lines sit on pixel centres so that one-pixel lines stay crisp.
void PatchGrid::paintRows(QPainter& painter) const {
    const qreal left = m_columnXs.front() + 0.5;
    const qreal right = m_columnXs.back() + 0.5;
    const int labelRight = m_columnXs.front() - kLabelGapX;
    const int lineHeight = fontMetrics().height();
    for (int row = 0; row < m_rowCount; ++row) {
        const int y = rowY(row);
        const bool outer = row == 0 || row == m_rowCount - 1;
        painter.setPen(linePen(row == m_underFinger.row, !outer));
        painter.drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
        painter.setPen(rgb565ToColor(kTextColour));
        const QRect labelBox(labelRight - m_widestRowLabel, y - lineHeight / 2, m_widestRowLabel,
                             lineHeight);
        painter.drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter, rowLabel(row));
    }
}

void PatchGrid::paintColumns(QPainter& painter) const {
    const qreal top = m_rowYs.front() + 0.5;
    const qreal bottom = m_rowYs.back() + 0.5;
    const QFontMetrics metrics = fontMetrics();
    const int labelBottom = m_rowYs.front() - kLabelGapY;
    for (int column = 0; column < m_columnCount; ++column) {
        const int x = columnX(column);
        const bool outer = column == 0 || column == m_columnCount - 1;
        painter.setPen(linePen(column == m_underFinger.column, !outer));
        painter.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
        painter.setPen(rgb565ToColor(kTextColour));
        const QString label = columnLabel(column);
        const int width = metrics.horizontalAdvance(label);
        const QRect labelBox(x - width / 2, labelBottom - metrics.height(), width + 1,
                             metrics.height());
        painter.drawText(labelBox, Qt::AlignCenter, label);
    }
}

void PatchGrid::paintDots(QPainter& painter) const {
    const qreal radius = dotDiameter() / 2.0;
    painter.setPen(QPen(rgb565ToColor(kDotBorderColour, kDotBorderOpacity), 1));
    for (const Crossing& crossing : connections()) {
        const bool highlighted =
            crossing.row == m_highlighted.row && crossing.column == m_highlighted.column;
        painter.setBrush(rgb565ToColor(highlighted ? m_highlightColour : kDotColour));
        const QPointF centre(columnX(crossing.column) + 0.5, rowY(crossing.row) + 0.5);
        painter.drawEllipse(centre, radius, radius);
    }
}

void PatchGrid::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    layoutGrid();
}

void PatchGrid::changeEvent(QEvent* event) {
    StyledWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layoutGrid();
    }
}

void PatchGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_underFinger = crossingAt(event->position().toPoint());
    update();
}

void PatchGrid::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        return;
    }
    const Crossing crossing = crossingAt(event->position().toPoint());
    if (crossing.row != m_underFinger.row || crossing.column != m_underFinger.column) {
        m_underFinger = crossing;
        update();
    }
}

void PatchGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint point = event->position().toPoint();
    m_underFinger = {};
    const Crossing crossing = crossingAt(point);
    if (rect().contains(point) && crossing.isValid()) {
        setConnection(crossing.row, crossing.column);
    }
    update();
}

} // namespace v32
