#include "ui/toolkit/widgets/RouteMatrixSection.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/RouteMatrixSlider.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

constexpr std::uint16_t kTopColour = palette::kGrey28;
constexpr std::uint16_t kBottomColour = palette::kGrey15;
constexpr std::uint16_t kBorderColour = palette::kGrey85;
constexpr int kBorderOpacity = 102;
constexpr int kBorderWidth = 1;
constexpr int kPadding = 4;
constexpr int kRadius = 4;
constexpr int kTitlePixels = 14;
constexpr int kLabelPixels = 12;
// A cell's row keeps its slider this far from the start and its label this far from the
// slider; standing upright, the start is the bottom.
constexpr int kCellStart = 7;
constexpr int kCellGap = 6;
constexpr int kThickness = 4;
constexpr int kCompactThickness = 6;
constexpr int kCompactUprightLength = 24;

BoxStyle sectionStyle() {
    BoxStyle style = BoxStyle::plain();
    style.border = kBorderColour;
    style.borderWidth = kBorderWidth;
    style.borderOpacity = kBorderOpacity;
    style.radius = kRadius;
    const int inset = kPadding + kBorderWidth;
    style.padding = QMargins(inset, inset, inset, inset);
    return style;
}

} // namespace

RouteMatrixSection::RouteMatrixSection(FontCache& fonts, const char* title, QWidget* parent)
    : StyledWidget(parent, QSize(), sectionStyle())
    , m_labelFont(fonts.fontOfSize(kLabelPixels))
    , m_title(new TextLabel(this)) {
    m_title->setCaption(title);
    m_title->setFont(fonts.fontOfSize(kTitlePixels));
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(m_title->text());
}

void RouteMatrixSection::setCells(const QStringList& labels) {
    for (const Cell& cell : m_cells) {
        delete cell.slider;
        delete cell.label;
    }
    m_cells.clear();
    for (const QString& text : labels) {
        Cell cell{new RouteMatrixSlider(this), new TextLabel(this)};
        cell.label->setFont(m_labelFont);
        cell.slider->setThickness(sliderThickness());
        cell.slider->setOrientation(m_rotated ? Qt::Vertical : Qt::Horizontal);
        m_cells.push_back(cell);
        setCellLabel(static_cast<int>(m_cells.size()) - 1, text);
        cell.slider->show();
        cell.label->show();
    }
    layoutCells();
}

RouteMatrixSlider* RouteMatrixSection::slider(int cell) const {
    if (cell < 0 || cell >= cellCount()) {
        return nullptr;
    }
    return m_cells[static_cast<std::size_t>(cell)].slider;
}

void RouteMatrixSection::setCellLabel(int cell, const QString& text) {
    if (cell < 0 || cell >= cellCount()) {
        return;
    }
    const Cell& target = m_cells[static_cast<std::size_t>(cell)];
    target.label->setText(text);
    target.slider->setAccessibleName(m_title->text() + QLatin1Char(' ') + text);
}

void RouteMatrixSection::setRotated(bool rotated) {
    m_rotated = rotated;
    for (const Cell& cell : m_cells) {
        cell.slider->setOrientation(rotated ? Qt::Vertical : Qt::Horizontal);
    }
    layoutCells();
}

void RouteMatrixSection::setCompact(bool compact) {
    m_compact = compact;
    for (const Cell& cell : m_cells) {
        cell.slider->setThickness(sliderThickness());
    }
    layoutCells();
}

int RouteMatrixSection::widestLabel() const {
    int widest = 0;
    for (const Cell& cell : m_cells) {
        widest = std::max(widest, cell.label->sizeHint().width());
    }
    return widest;
}

void RouteMatrixSection::setLabelWidth(int width) {
    m_labelWidth = width;
    layoutCells();
}

int RouteMatrixSection::titleHeight() const {
    return m_title->sizeHint().height();
}

int RouteMatrixSection::labelHeight() const {
    return QFontMetrics(m_labelFont).height();
}

int RouteMatrixSection::sliderThickness() const {
    return m_compact ? kCompactThickness : kThickness;
}

int RouteMatrixSection::cellHeight() const {
    const int knob = m_cells.empty() ? 0 : m_cells.front().slider->crossExtent();
    return std::max(labelHeight(), knob);
}

int RouteMatrixSection::fixedHeight() const {
    const QMargins padding = contentsMargins();
    const int frame = padding.top() + padding.bottom() + titleHeight();
    if (!m_rotated) {
        return frame + cellCount() * cellHeight();
    }
    const int upright = labelHeight() + kCellGap + kCellStart;
    return frame + upright + (m_compact ? kCompactUprightLength : 0);
}

int RouteMatrixSection::stackedCellCount() const {
    return m_rotated ? 1 : cellCount();
}

void RouteMatrixSection::place(const QRect& geometry) {
    setGeometry(geometry);
    layoutCells();
}

void RouteMatrixSection::layoutCells() {
    const QRect content = contentsRect();
    m_title->setGeometry(content.left(), content.top(), content.width(), titleHeight());
    if (m_cells.empty()) {
        return;
    }
    const int cellsTop = content.top() + titleHeight();
    const QRect area(content.left(), cellsTop, content.width(), content.bottom() + 1 - cellsTop);
    if (m_rotated) {
        layoutColumns(area);
    } else {
        layoutRows(area);
    }
}

// Each row gets an equal share of the height, its slider and label centred in it. A
// slider's box reaches past its track by the knob's radius, into the row's margins, so that
// the knob is whole at either end.
void RouteMatrixSection::layoutRows(const QRect& area) {
    const int count = cellCount();
    const int labelWidth = std::max(m_labelWidth, widestLabel());
    const int trackLeft = area.left() + kCellStart;
    const int trackLength = std::max(0, area.width() - kCellStart - kCellGap - labelWidth);
    for (int i = 0; i < count; ++i) {
        const Cell& cell = m_cells[static_cast<std::size_t>(i)];
        const int top = area.top() + area.height() * i / count;
        const int bottom = area.top() + area.height() * (i + 1) / count;
        const int middle = (top + bottom) / 2;
        const int extent = cell.slider->crossExtent();
        cell.slider->setGeometry(trackLeft - extent / 2, middle - extent / 2, trackLength + extent,
                                 extent);
        cell.label->setAlignment(Qt::AlignCenter);
        cell.label->setGeometry(trackLeft + trackLength + kCellGap, middle - labelHeight() / 2,
                                labelWidth, labelHeight());
    }
}

// Each column gets an equal share of the width: its label on top, its slider below.
void RouteMatrixSection::layoutColumns(const QRect& area) {
    const int count = cellCount();
    const int trackTop = area.top() + labelHeight() + kCellGap;
    const int trackLength = std::max(0, area.bottom() + 1 - kCellStart - trackTop);
    for (int i = 0; i < count; ++i) {
        const Cell& cell = m_cells[static_cast<std::size_t>(i)];
        const int left = area.left() + area.width() * i / count;
        const int right = area.left() + area.width() * (i + 1) / count;
        const int extent = cell.slider->crossExtent();
        cell.label->setAlignment(Qt::AlignCenter);
        cell.label->setGeometry(left, area.top(), right - left, labelHeight());
        cell.slider->setGeometry((left + right - extent) / 2, trackTop - extent / 2, extent,
                                 trackLength + extent);
    }
}

void RouteMatrixSection::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    layoutCells();
}

void RouteMatrixSection::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = kBorderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, rgb565ToColor(kTopColour));
    fill.setColorAt(1.0, rgb565ToColor(kBottomColour));
    painter.setBrush(fill);
    painter.setPen(QPen(rgb565ToColor(kBorderColour, kBorderOpacity), kBorderWidth));
    painter.drawRoundedRect(box, kRadius - inset, kRadius - inset);
}

} // namespace v32
