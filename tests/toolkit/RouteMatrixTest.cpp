#include "ui/toolkit/widgets/RouteMatrix.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/RouteMatrixSection.h"
#include "ui/toolkit/widgets/RouteMatrixSlider.h"

#include <QCoreApplication>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

constexpr std::uint16_t kZeroDecibels = 1200;
constexpr std::uint16_t kPreFader = 0x8000;
constexpr ParamId kInputLinks = 5108;

class StoredParams : public ParamReader {
public:
    std::uint16_t value(ParamId id) const override { return id < kParamCount ? m_values[id] : 0; }
    void set(ParamId id, std::uint16_t value) { m_values[id] = value; }

private:
    std::array<std::uint16_t, kParamCount> m_values{};
};

struct CellValue {
    int section;
    int cell;
    int value;
};

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
    StoredParams m_params;
};

TEST_F(RouteMatrixTest, SendsOfTheShownChannelLandOnTheirCells) {
    struct Case {
        int kind;
        int number;
        int section;
        int cell;
    };
    const Case cases[] = {
        {KindInput, 13, RouteMatrix::SectionAux, 0},
        {KindInput, 20, RouteMatrix::SectionAux, 7},
        {KindInput, 29, RouteMatrix::SectionMain, 0},
        {KindInput, 30, RouteMatrix::SectionMain, 1},
        {KindInput, 33, RouteMatrix::SectionFx, 0},
        {KindInput, 34, RouteMatrix::SectionFx, 1},
        {KindEffect, 183, RouteMatrix::SectionAux, 0},
        {KindEffect, 190, RouteMatrix::SectionAux, 7},
        {KindEffect, 199, RouteMatrix::SectionMain, 0},
        {KindEffect, 200, RouteMatrix::SectionMain, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " number " << c.number);
        RouteMatrix matrix(m_params, m_fonts);
        matrix.setChannel(c.kind, 2);
        matrix.updateParameter(paramId(c.kind, 2, c.number), kZeroDecibels);
        EXPECT_EQ(matrix.slider(c.section, c.cell)->value(), 100);
        const std::vector<std::pair<int, int>> expected{{c.section, c.cell}};
        EXPECT_EQ(movedCells(matrix), expected);
        matrix.updateParameter(paramId(c.kind, 2, c.number), 0);
        EXPECT_EQ(matrix.slider(c.section, c.cell)->value(), 0);
    }
}

TEST_F(RouteMatrixTest, IgnoresParametersThatAreNotSendsOfTheShownChannel) {
    struct Case {
        const char* what;
        ParamId id;
    };
    const Case cases[] = {
        {"another input", paramId(KindInput, 5, 13)},
        {"the unlinked neighbour", paramId(KindInput, 3, 13)},
        {"the previous input", paramId(KindInput, 1, 13)},
        {"an effect return of the same index", paramId(KindEffect, 2, 183)},
        {"the shown input's fader", paramId(KindInput, 2, 12)},
        {"an aux beyond the cells", paramId(KindInput, 2, 21)},
        {"a monitor send", paramId(KindInput, 2, 31)},
    };
    RouteMatrix matrix(m_params, m_fonts);
    matrix.setChannel(KindInput, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        matrix.updateParameter(c.id, kZeroDecibels);
        EXPECT_TRUE(movedCells(matrix).empty());
    }
}

TEST_F(RouteMatrixTest, ALinkedPairShowsThePartnersSendsToo) {
    struct Case {
        const char* what;
        int shown;
        std::uint16_t links;
        bool partnerShown;
    };
    const Case cases[] = {
        {"mono pair with its link bit", 2, 0x0002, true},
        {"mono pair without it", 2, 0x0001, false},
        {"fixed stereo input", 28, 0x0000, true},
        {"right half of a linked pair", 3, 0x0002, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_params.set(kInputLinks, c.links);
        RouteMatrix matrix(m_params, m_fonts);
        matrix.setChannel(KindInput, c.shown);
        matrix.updateParameter(paramId(KindInput, c.shown + 1, 30), kZeroDecibels);
        EXPECT_EQ(matrix.slider(RouteMatrix::SectionMain, 1)->value(), c.partnerShown ? 100 : 50);
    }
}

TEST_F(RouteMatrixTest, PreFaderSendsAreGreenAndTurnBackWhenSwitchedToPostFader) {
    RouteMatrix matrix(m_params, m_fonts);
    matrix.setChannel(KindInput, 0);
    const ParamId send = paramId(KindInput, 0, 14);
    RouteMatrixSlider* slider = matrix.slider(RouteMatrix::SectionAux, 1);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPostFaderColour);

    matrix.updateParameter(send, kPreFader | kZeroDecibels);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPreFaderColour);
    EXPECT_EQ(slider->value(), 100);

    matrix.updateParameter(send, kZeroDecibels);
    EXPECT_EQ(slider->colour(), RouteMatrixSlider::kPostFaderColour);
    EXPECT_EQ(slider->value(), 100);
}

TEST_F(RouteMatrixTest, TheChannelKindDecidesWhichSectionsShow) {
    struct Case {
        int kind;
        bool aux;
        bool fx;
        bool main;
    };
    const Case cases[] = {
        {KindInput, true, true, true},
        {KindEffect, true, false, true},
        {KindBus, false, false, false},
    };
    RouteMatrix matrix(m_params, m_fonts);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        matrix.setChannel(c.kind, 0);
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
        int kind;
    };
    const Case cases[] = {
        {"upright, input", true, KindInput},
        {"upright, effect return", true, KindEffect},
        {"lying, input", false, KindInput},
        {"lying, effect return", false, KindEffect},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RouteMatrix matrix(m_params, m_fonts);
        matrix.resize(200, 600);
        matrix.setRotated(c.rotated);
        matrix.setChannel(c.kind, 0);
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
    RouteMatrix matrix(m_params, m_fonts);
    matrix.resize(200, 600);
    matrix.setCompact(true);
    for (int i = 0; i < RouteMatrix::kSectionCount; ++i) {
        EXPECT_EQ(matrix.section(i)->height(), matrix.section(i)->fixedHeight());
    }
    EXPECT_LT(matrix.section(RouteMatrix::SectionMain)->geometry().bottom(), matrix.height() - 100);
}

TEST_F(RouteMatrixTest, SizesOutsideTheBusCountsAreRefused) {
    RouteMatrix matrix(m_params, m_fonts);
    for (const auto& [aux, fx] : {std::pair{0, 2}, {15, 2}, {8, 0}, {8, 5}}) {
        EXPECT_FALSE(matrix.setSizes(aux, fx)) << aux << ", " << fx;
    }
    EXPECT_EQ(matrix.section(RouteMatrix::SectionAux)->cellCount(), 8);
    ASSERT_TRUE(matrix.setSizes(14, 4));
    EXPECT_EQ(matrix.section(RouteMatrix::SectionAux)->cellCount(), 14);
    EXPECT_EQ(matrix.section(RouteMatrix::SectionFx)->cellCount(), 4);
    EXPECT_EQ(matrix.section(RouteMatrix::SectionMain)->cellCount(), 2);
    matrix.setChannel(KindInput, 0);
    matrix.updateParameter(paramId(KindInput, 0, 26), kZeroDecibels);
    matrix.updateParameter(paramId(KindInput, 0, 36), kZeroDecibels);
    EXPECT_EQ(matrix.slider(RouteMatrix::SectionAux, 13)->value(), 100);
    EXPECT_EQ(matrix.slider(RouteMatrix::SectionFx, 3)->value(), 100);
}

TEST_F(RouteMatrixTest, UserMovesAreReportedWithTheirCellAndProgramMovesAreNot) {
    RouteMatrix matrix(m_params, m_fonts);
    matrix.setRotated(false);
    matrix.resize(200, 400);
    std::vector<RouteMatrixEvent> events;
    QObject::connect(&matrix, &RouteMatrix::cellMoved,
                     [&](const RouteMatrixEvent& event) { events.push_back(event); });
    matrix.setChannel(KindInput, 0);
    matrix.updateParameter(paramId(KindInput, 0, 33), kZeroDecibels);
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
    RouteMatrix matrix(m_params, m_fonts);
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
    RouteMatrix matrix(m_params, m_fonts);
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
