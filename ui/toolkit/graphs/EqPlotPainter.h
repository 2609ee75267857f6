#pragma once

#include "ui/toolkit/graphs/EqGridRow.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <span>

class QPainter;

namespace v32 {

// The drawing the EQ, dynamics and gate graphs share: grid lines one pixel wide on
// whole pixels, axis captions and round handles. Grid rows hold widget pixel positions.
class EqPlotPainter {
public:
    struct GridColours {
        QColor outer;
        QColor inner;
    };

    // Vertical lines at the rows' x from the top to the bottom of the extent, both
    // included; the inner lines dashed when asked.
    static void drawVerticalGrid(QPainter& painter, std::span<const EqGridRow> rows,
                                 const QRect& extent, GridColours colours, bool dashed);
    static void drawHorizontalGrid(QPainter& painter, std::span<const EqGridRow> rows,
                                   const QRect& extent, GridColours colours, bool dashed);
    static void drawHorizontalLine(QPainter& painter, int y, int left, int right,
                                   const QColor& colour, bool dashed);

    // Captions right-aligned to the column before right, centred on their rows' y.
    static void drawLeftLabels(QPainter& painter, std::span<const EqGridRow> rows, int right,
                               const QColor& colour);
    // Captions centred on their rows' x, their tops at top.
    static void drawBottomLabels(QPainter& painter, std::span<const EqGridRow> rows, int top,
                                 const QColor& colour);

    // A filled circle of the given diameter with its text centred in it.
    static void drawHandle(QPainter& painter, QPoint centre, int diameter, const QColor& fill,
                           const QString& text, const QColor& textColour);
};

} // namespace v32
