#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

namespace v32 {

class FontCache;
class RouteMatrixSlider;
class TextLabel;

// One labelled box of the route matrix ("AUX", "FX" or "MAIN") with a slider and a label
// per cell. Lying flat, each cell is a row: slider, then its label. Rotated, the cells
// stand side by side, each an upright slider under its label.
class RouteMatrixSection : public StyledWidget {
    Q_OBJECT

public:
    RouteMatrixSection(FontCache& fonts, const char* title, QWidget* parent);

    // Replaces every cell; the labels name the cells in order.
    void setCells(const QStringList& labels);
    int cellCount() const { return static_cast<int>(m_cells.size()); }
    RouteMatrixSlider* slider(int cell) const;
    void setCellLabel(int cell, const QString& text);

    void setRotated(bool rotated);
    void setCompact(bool compact);

    // The widest label the cells need, and the width they all take, so that every slider
    // of the matrix ends at the same place.
    int widestLabel() const;
    void setLabelWidth(int width);

    // Moves the box and lays its cells out at once, shown or not.
    void place(const QRect& geometry);

    // Height taken by everything but the free space given to the cells.
    int fixedHeight() const;
    // How many cells lie one under the other, which is what shares the free space.
    int stackedCellCount() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Cell {
        RouteMatrixSlider* slider = nullptr;
        TextLabel* label = nullptr;
    };

    int titleHeight() const;
    int cellHeight() const;
    int labelHeight() const;
    int sliderThickness() const;
    void layoutCells();
    void layoutRows(const QRect& area);
    void layoutColumns(const QRect& area);

    QFont m_labelFont;
    TextLabel* m_title = nullptr;
    std::vector<Cell> m_cells;
    bool m_rotated = true;
    bool m_compact = false;
    int m_labelWidth = 0;
};

} // namespace v32
