#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace v32 {

class FontCache;

// A grid that connects the recorder's tracks to channels: one axis lists the tracks, the
// other the channels, and a dot at a crossing means "connected". Each element of the shorter
// axis connects to at most one element of the longer axis; the map holds, per element of
// the shorter axis, the element of the longer axis it is connected to. Tapping a crossing
// moves the dot of that element there. The page reads the map and applies it to the mixer.
class PatchGrid : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kMinimumCount = 2;
    static constexpr int kMaximumRows = 32;
    static constexpr int kMaximumColumns = 34;
    static constexpr int kLabelLength = 7;
    static constexpr std::uint8_t kNotConnected = 0xFF;
    static constexpr std::uint16_t kDotColour = palette::kRed;

    using PatchMap = std::array<std::uint8_t, kMaximumColumns>;

    explicit PatchGrid(FontCache& fonts, QWidget* parent = nullptr);

    int rowCount() const { return m_rowCount; }
    int columnCount() const { return m_columnCount; }

    // Refused (false, nothing changes) unless rows is 2 to 32 and columns 2 to 34; else the
    // labels and the map start over from the diagonal.
    bool setDimensions(int rows, int columns);

    // At most seven characters are kept; an index beyond the column count is ignored.
    void setColumnLabel(int index, const QString& text);
    QString rowLabel(int index) const;
    QString columnLabel(int index) const;

    // Connects row to column. Both -1 restores the diagonal; any other value outside the
    // grid leaves the map as it is.
    void setConnection(int row, int column);
    std::span<const std::uint8_t> map() const { return m_map; }

    // The dot of one crossing drawn in another colour, for the page to point at it.
    void setHighlightedDot(int row, int column, std::uint16_t colour);
    void clearHighlightedDot();

    // Grid positions after layout, for the page and for driving touches; -1 outside the grid.
    int rowY(int row) const;
    int columnX(int column) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Crossing {
        int row = -1;
        int column = -1;
        bool isValid() const { return row >= 0 && column >= 0; }
    };

    bool columnsAreShorterAxis() const { return m_columnCount < m_rowCount; }
    void resetLabels();
    void resetMap();
    void updateAccessibleDescription();
    void layoutGrid();
    Crossing crossingAt(QPoint point) const;
    std::vector<Crossing> connections() const;
    int dotDiameter() const;

    void paintRows(QPainter& painter) const;
    void paintColumns(QPainter& painter) const;
    void paintDots(QPainter& painter) const;

    int m_rowCount = 8;
    int m_columnCount = 16;
    std::array<QString, kMaximumRows> m_rowLabels;
    std::array<QString, kMaximumColumns> m_columnLabels;
    PatchMap m_map{};
    std::vector<int> m_rowYs;
    std::vector<int> m_columnXs;
    int m_widestRowLabel = 0;
    Crossing m_underFinger;
    Crossing m_highlighted;
    std::uint16_t m_highlightColour = kDotColour;
};

} // namespace v32
