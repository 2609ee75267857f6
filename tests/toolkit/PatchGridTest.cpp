#include "ui/toolkit/widgets/PatchGrid.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

class PatchGridTest : public testing::Test {
protected:
    std::vector<int> mapOf(const PatchGrid& grid) const {
        return std::vector<int>(grid.map().begin(), grid.map().end());
    }

    std::vector<int> diagonal(int larger) const {
        std::vector<int> expected(PatchGrid::kMaximumColumns, PatchGrid::kNotConnected);
        for (int i = 0; i < larger; ++i) {
            expected[static_cast<std::size_t>(i)] = i;
        }
        return expected;
    }

    void click(PatchGrid& grid, int row, int column) {
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(grid.columnX(column), grid.rowY(row)));
    }

    const ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
};

TEST_F(PatchGridTest, StartsWithEightTracksOnSixteenChannelsAlongTheDiagonal) {
    PatchGrid grid(m_fonts);
    EXPECT_EQ(grid.rowCount(), 8);
    EXPECT_EQ(grid.columnCount(), 16);
    EXPECT_EQ(grid.rowLabel(0), "REC1");
    EXPECT_EQ(grid.rowLabel(7), "REC8");
    EXPECT_EQ(grid.columnLabel(15), "16");
    EXPECT_EQ(mapOf(grid), diagonal(16));
}

TEST_F(PatchGridTest, RefusesDimensionsOutsideTheGridLimits) {
    struct Case {
        int rows;
        int columns;
    };
    const Case refused[] = {{1, 8}, {8, 35}, {33, 8}, {8, 1}, {-1, -1}};
    PatchGrid grid(m_fonts);
    grid.setConnection(3, 9);
    const std::vector<int> before = mapOf(grid);
    for (const Case& c : refused) {
        SCOPED_TRACE(testing::Message() << c.rows << " x " << c.columns);
        EXPECT_FALSE(grid.setDimensions(c.rows, c.columns));
        EXPECT_EQ(grid.rowCount(), 8);
        EXPECT_EQ(grid.columnCount(), 16);
        EXPECT_EQ(mapOf(grid), before);
    }
}

TEST_F(PatchGridTest, NewDimensionsStartOverFromTheDiagonalAndTheDefaultLabels) {
    PatchGrid grid(m_fonts);
    grid.setColumnLabel(2, "CH3");
    grid.setConnection(0, 5);
    ASSERT_TRUE(grid.setDimensions(32, 30));
    EXPECT_EQ(grid.columnLabel(2), "3");
    EXPECT_EQ(grid.rowLabel(31), "REC32");
    EXPECT_EQ(mapOf(grid), diagonal(32));
}

TEST_F(PatchGridTest, ColumnLabelsKeepSevenCharactersAndOnlyExistingColumns) {
    PatchGrid grid(m_fonts);
    grid.setColumnLabel(0, "MAIN LEFT");
    grid.setColumnLabel(16, "beyond");
    EXPECT_EQ(grid.columnLabel(0), "MAIN LE");
    EXPECT_EQ(grid.columnLabel(16), QString());
}

// Whichever axis is shorter owns the map: one entry per element, naming its partner.
TEST_F(PatchGridTest, ClickingACrossingMovesTheDotOfTheShorterAxisElementThere) {
    struct Case {
        int rows;
        int columns;
        int row;
        int column;
        int entry;
        int partner;
    };
    const Case cases[] = {
        {8, 16, 2, 5, 2, 5},  // fewer rows: row 2 moves to column 5
        {32, 30, 7, 3, 3, 7}, // fewer columns: column 3 moves to row 7
        {10, 10, 9, 0, 9, 0}, // equal: rows own the map
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " x " << c.columns);
        PatchGrid grid(m_fonts);
        grid.resize(600, 500);
        ASSERT_TRUE(grid.setDimensions(c.rows, c.columns));
        click(grid, c.row, c.column);
        std::vector<int> expected = diagonal(std::max(c.rows, c.columns));
        expected[static_cast<std::size_t>(c.entry)] = c.partner;
        EXPECT_EQ(mapOf(grid), expected);
    }
}

TEST_F(PatchGridTest, ATouchOutsideEveryBandConnectsNothing) {
    PatchGrid grid(m_fonts);
    grid.setConnection(1, 1);
    const std::vector<int> before = mapOf(grid);
    const QPoint outside[] = {{2, 2}, {2, grid.rowY(3)}, {grid.columnX(3), 2}};
    for (const QPoint& point : outside) {
        QTest::mouseClick(&grid, Qt::LeftButton, {}, point);
    }
    EXPECT_EQ(mapOf(grid), before);
}

TEST_F(PatchGridTest, SetConnectionIgnoresValuesOutsideTheGridAndMinusOnesRestoreTheDiagonal) {
    PatchGrid grid(m_fonts);
    grid.setConnection(4, 11);
    const std::vector<int> moved = mapOf(grid);
    EXPECT_EQ(moved[4], 11);
    for (const auto& [row, column] : {std::pair{8, 0}, {0, 16}, {-1, 3}, {3, -1}}) {
        grid.setConnection(row, column);
        EXPECT_EQ(mapOf(grid), moved) << row << ", " << column;
    }
    grid.setConnection(-1, -1);
    EXPECT_EQ(mapOf(grid), diagonal(16));
}

TEST_F(PatchGridTest, TheHighlightedDotIsDrawnInItsOwnColour) {
    PatchGrid grid(m_fonts);
    grid.setHighlightedDot(2, 2, 0x07E0);
    const QImage picture = grid.grab().toImage();
    EXPECT_EQ(picture.pixelColor(grid.columnX(1), grid.rowY(1)),
              rgb565ToColor(PatchGrid::kDotColour));
    EXPECT_EQ(picture.pixelColor(grid.columnX(2), grid.rowY(2)), rgb565ToColor(0x07E0));
    grid.clearHighlightedDot();
    const QImage cleared = grid.grab().toImage();
    EXPECT_EQ(cleared.pixelColor(grid.columnX(2), grid.rowY(2)),
              rgb565ToColor(PatchGrid::kDotColour));
}

} // namespace
} // namespace v32
