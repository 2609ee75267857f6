#include "ui/toolkit/graphs/EqPlotPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

constexpr int kDash = 4;
constexpr int kDashGap = 5;

bool isOuter(std::size_t index, std::size_t count) {
    return index == 0 || index + 1 == count;
}

void drawVerticalLine(QPainter& painter, int x, int top, int bottom, const QColor& colour,
                      bool dashed) {
    if (!dashed) {
        painter.fillRect(x, top, 1, bottom - top + 1, colour);
        return;
    }
    for (int y = top; y <= bottom; y += kDash + kDashGap) {
        painter.fillRect(x, y, 1, std::min(kDash, bottom - y + 1), colour);
    }
}

} // namespace

void EqPlotPainter::drawVerticalGrid(QPainter& painter, std::span<const EqGridRow> rows,
                                     const QRect& extent, GridColours colours, bool dashed) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool outer = isOuter(i, rows.size());
        drawVerticalLine(painter, rows[i].position, extent.top(), extent.bottom(),
                         outer ? colours.outer : colours.inner, dashed && !outer);
    }
}

void EqPlotPainter::drawHorizontalGrid(QPainter& painter, std::span<const EqGridRow> rows,
                                       const QRect& extent, GridColours colours, bool dashed) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool outer = isOuter(i, rows.size());
        drawHorizontalLine(painter, rows[i].position, extent.left(), extent.right(),
                           outer ? colours.outer : colours.inner, dashed && !outer);
    }
}

void EqPlotPainter::drawHorizontalLine(QPainter& painter, int y, int left, int right,
                                       const QColor& colour, bool dashed) {
    if (!dashed) {
        painter.fillRect(left, y, right - left + 1, 1, colour);
        return;
    }
    for (int x = left; x <= right; x += kDash + kDashGap) {
        painter.fillRect(x, y, std::min(kDash, right - x + 1), 1, colour);
    }
}

void EqPlotPainter::drawLeftLabels(QPainter& painter, std::span<const EqGridRow> rows, int right,
                                   const QColor& colour) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(colour);
    for (const EqGridRow& row : rows) {
        if (row.label.empty()) {
            continue;
        }
        const QString text = QString::fromStdString(row.label);
        const int width = metrics.horizontalAdvance(text);
        const QRect box(right - width, row.position - metrics.height() / 2, width,
                        metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void EqPlotPainter::drawBottomLabels(QPainter& painter, std::span<const EqGridRow> rows, int top,
                                     const QColor& colour) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(colour);
    for (const EqGridRow& row : rows) {
        if (row.label.empty()) {
            continue;
        }
        const QString text = QString::fromStdString(row.label);
        const int width = metrics.horizontalAdvance(text);
        const QRect box(row.position - width / 2, top, width, metrics.height());
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void EqPlotPainter::drawHandle(QPainter& painter, QPoint centre, int diameter, const QColor& fill,
                               const QString& text, const QColor& textColour) {
    if (diameter <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const QRectF circle(centre.x() - diameter / 2.0 + 0.5, centre.y() - diameter / 2.0 + 0.5,
                        diameter, diameter);
    painter.drawEllipse(circle);
    if (!text.isEmpty()) {
        painter.setPen(textColour);
        painter.drawText(circle, Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace v32
