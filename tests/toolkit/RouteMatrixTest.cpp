#include "ui/toolkit/widgets/RouteMatrix.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/RouteMatrixSection.h"
#include "ui/toolkit/widgets/RouteMatrixSlider.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

class RouteMatrixTest : public testing::Test {
protected:
    // Every slider that no longer shows its starting value.
    std::vector<std::pair<int, int>> movedCells(const RouteMatrix& matrix) const {
        std::vector<std::pair<int, int>> moved;
        for (int section = 0; section < RouteMatrix::kSectionCount; ++section) {
            for (int cell = 0; cell < matrix.section(section)->cellCount(); ++cell) {
                if (matrix.slider(section, cell)->value() != 50) {
                    moved.emplace_back(section, cell);
                }
            }
        }
        return moved;
    }

    const ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
};

TEST_F(RouteMatrixTest, AShownSendMovesOnlyItsCell) {
    struct Case {
        int section;
        int cell;
    };
    const Case cases[] = {
        {RouteMatrix::SectionAux, 0},  {RouteMatrix::SectionAux, 7}, {RouteMatrix::SectionMain, 0},
        {RouteMatrix::SectionMain, 1}, {RouteMatrix::SectionFx, 0},  {RouteMatrix::SectionFx, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "section " << c.section << " cell " << c.cell);
        RouteMatrix matrix(m_fonts);
        matrix.showSend(c.section, c.cell, 100, false);
        EXPECT_EQ(matrix.slider(c.section, c.cell)->value(), 100);
        const std::vector<std::pair<int, int>> expected{{c.section, c.cell}};
        EXPECT_EQ(movedCells(matrix), expected);
        matrix.showSend(c.section, c.cell, 0, false);
        EXPECT_EQ(matrix.slider(c.section, c.cell)->value(), 0);
    }
}

TEST_F(RouteMatrixTest, SendsForCellsTheSectionsDoNotHaveAreIgnored) {
    struct Case {
        const char* what;
        int section;
        int cell;
    };
    const Case cases[] = {
        {"an aux beyond the cells", RouteMatrix::SectionAux, 8},
        {"an effect send beyond the cells", RouteMatrix::SectionFx, 2},
        {"a third main cell", RouteMatrix::SectionMain, 2},
        {"a negative cell", RouteMatrix::SectionAux, -1},
        {"no such section", RouteMatrix::kSectionCount, 0},
    };
    RouteMatrix matrix(m_fonts);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        matrix.showSend(c.section, c.cell, 100, true);
        EXPECT_TRUE(movedCells(matrix).empty());
    }
}

TEST_F(RouteMatrixTest, PreFaderSendsAreGreenAndTurnBackWhenSwitchedToPostFader) {
    RouteMatrix matrix(m_fonts);
    RouteMatrixSlider* slider = matrix.slider(RouteMatrix::SectionAux, 1);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPostFaderColour);

    matrix.showSend(RouteMatrix::SectionAux, 1, 100, true);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPreFaderColour);
    EXPECT_EQ(slider->value(), 100);

    matrix.showSend(RouteMatrix::SectionAux, 1, 100, false);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPostFaderColour);
    EXPECT_EQ(slider->value(), 100);
}

TEST_F(RouteMatrixTest, EachSectionIsShownOrHiddenByItself) {
    struct Case {
        bool aux;
        bool fx;
        bool main;
    };
    const Case cases[] = {
        {true, true, true},
        {true, false, true},
        {false, false, false},
        {false, true, false},
    };
    RouteMatrix matrix(m_fonts);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.aux << c.fx << c.main);
        matrix.setSectionShown(RouteMatrix::SectionAux, c.aux);
        matrix.setSectionShown(RouteMatrix::SectionFx, c.fx);
        matrix.setSectionShown(RouteMatrix::SectionMain, c.main);
        EXPECT_EQ(!matrix.section(RouteMatrix::SectionAux)->isHidden(), c.aux);
        EXPECT_EQ(!matrix.section(RouteMatrix::SectionFx)->isHidden(), c.fx);
        EXPECT_EQ(!matrix.section(RouteMatrix::SectionMain)->isHidden(), c.main);
    }
}

// The free height per stacked cell, which must be the same in every visible section.
double spacingOf(const RouteMatrixSection* section) {
    return static_cast<double>(section->height() - section->fixedHeight()) /
           section->stackedCellCount();
}

TEST_F(RouteMatrixTest, SectionsShareTheHeightSoThatTheCellSpacingIsEqual) {
    struct Case {
        const char* what;
        bool rotated;
        bool fx;
    };
    const Case cases[] = {
        {"upright, all sections", true, true},
        {"upright, no FX", true, false},
        {"lying, all sections", false, true},
        {"lying, no FX", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RouteMatrix matrix(m_fonts);
        matrix.resize(200, 600);
        matrix.setRotated(c.rotated);
        matrix.setSectionShown(RouteMatrix::SectionFx, c.fx);
        int used = 0;
        int shown = 0;
        std::vector<double> spacings;
        for (int i = 0; i < RouteMatrix::kSectionCount; ++i) {
            const RouteMatrixSection* section = matrix.section(i);
            if (!section->isHidden()) {
                used += section->height();
                ++shown;
                spacings.push_back(spacingOf(section));
            }
        }
        EXPECT_EQ(used + 8 * (shown - 1), matrix.height());
        for (double spacing : spacings) {
            EXPECT_GT(spacing, 0);
            EXPECT_NEAR(spacing, spacings.front(), 1.0);
        }
    }
}

TEST_F(RouteMatrixTest, CompactSectionsKeepTheHeightTheyNeed) {
    RouteMatrix matrix(m_fonts);
    matrix.resize(200, 600);
    matrix.setCompact(true);
    for (int i = 0; i < RouteMatrix::kSectionCount; ++i) {
        EXPECT_EQ(matrix.section(i)->height(), matrix.section(i)->fixedHeight());
    }
    EXPECT_LT(matrix.section(RouteMatrix::SectionMain)->geometry().bottom(), matrix.height() - 100);
}

TEST_F(RouteMatrixTest, SizesOutsideTheBusCountsAreRefused) {
    RouteMatrix matrix(m_fonts);
    for (const auto& [aux, fx] : {std::pair{0, 2}, {15, 2}, {8, 0}, {8, 5}}) {
        EXPECT_FALSE(matrix.setSizes(aux, fx)) << aux << ", " << fx;
    }
    EXPECT_EQ(matrix.section(RouteMatrix::SectionAux)->cellCount(), 8);
    ASSERT_TRUE(matrix.setSizes(14, 4));
    EXPECT_EQ(matrix.section(RouteMatrix::SectionAux)->cellCount(), 14);
    EXPECT_EQ(matrix.section(RouteMatrix::SectionFx)->cellCount(), 4);
    EXPECT_EQ(matrix.section(RouteMatrix::SectionMain)->cellCount(), 2);
    matrix.showSend(RouteMatrix::SectionAux, 13, 100, false);
    matrix.showSend(RouteMatrix::SectionFx, 3, 100, false);
    EXPECT_EQ(matrix.slider(RouteMatrix::SectionAux, 13)->value(), 100);
    EXPECT_EQ(matrix.slider(RouteMatrix::SectionFx, 3)->value(), 100);
}

TEST_F(RouteMatrixTest, UserMovesAreReportedWithTheirCellAndProgramMovesAreNot) {
    RouteMatrix matrix(m_fonts);
    matrix.setRotated(false);
    matrix.resize(200, 400);
    std::vector<RouteMatrixEvent> events;
    QObject::connect(&matrix, &RouteMatrix::cellMoved,
                     [&](const RouteMatrixEvent& event) { events.push_back(event); });
    matrix.showSend(RouteMatrix::SectionFx, 0, 100, false);
    EXPECT_TRUE(events.empty());

    RouteMatrixSlider* slider = matrix.slider(RouteMatrix::SectionFx, 1);
    const int middle = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(0, middle));
    QTest::mouseMove(slider, QPoint(slider->width() - 1, middle));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() - 1, middle));

    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].section, RouteMatrix::SectionFx);
    EXPECT_EQ(events[0].cell, 1);
    EXPECT_EQ(events[0].slider, slider);
    EXPECT_EQ(events[0].value, 0);
    EXPECT_DOUBLE_EQ(events[0].normalised, 0.0);
    EXPECT_EQ(events[1].value, 100);
    EXPECT_DOUBLE_EQ(events[1].normalised, 1.0);
}

TEST_F(RouteMatrixTest, UprightSlidersGrowFromTheBottom) {
    RouteMatrix matrix(m_fonts);
    std::vector<int> values;
    QObject::connect(&matrix, &RouteMatrix::cellMoved,
                     [&](const RouteMatrixEvent& event) { values.push_back(event.value); });
    RouteMatrixSlider* slider = matrix.slider(RouteMatrix::SectionAux, 0);
    ASSERT_EQ(slider->orientation(), Qt::Vertical);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, 0));
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() / 2, slider->height() - 1));
    EXPECT_EQ(values, (std::vector<int>{100, 0}));
}

TEST_F(RouteMatrixTest, CellLabelWidthsFollowTheWidestOnceTheChangesAreDone) {
    RouteMatrix matrix(m_fonts);
    matrix.setRotated(false);
    matrix.resize(200, 400);
    QCoreApplication::processEvents();
    const int before = matrix.slider(RouteMatrix::SectionAux, 0)->width();
    matrix.setCellLabel(RouteMatrix::SectionMain, 0, "LEFT");
    QCoreApplication::processEvents();
    const int after = matrix.slider(RouteMatrix::SectionAux, 0)->width();
    EXPECT_LT(after, before);
    for (int section = 0; section < RouteMatrix::kSectionCount; ++section) {
        for (int cell = 0; cell < matrix.section(section)->cellCount(); ++cell) {
            EXPECT_EQ(matrix.slider(section, cell)->width(), after) << section << ", " << cell;
        }
    }
}

} // namespace
} // namespace v32
