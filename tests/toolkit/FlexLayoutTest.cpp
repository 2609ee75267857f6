#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

// Three fixed boxes of 20 x 10 in a 100 x 50 parent, laid out by one flex style.
struct Row {
    QWidget parent;
    std::vector<StyledWidget*> boxes;

    Row(FlexFlow flow, FlexAlign main, FlexAlign cross, int gap, int count = 3) {
        parent.resize(100, 50);
        FlexLayout* layout = applyFlexStyle(parent, flow, main, cross, FlexAlign::Start, gap);
        for (int index = 0; index < count; ++index) {
            auto* box = new StyledWidget(&parent);
            applyBoxStyle(*box, {.width = 20, .height = 10});
            layout->addWidget(box);
            boxes.push_back(box);
        }
        parent.layout()->activate();
    }

    std::vector<QPoint> positions() const {
        std::vector<QPoint> result;
        for (const StyledWidget* box : boxes) {
            result.push_back(box->pos());
        }
        return result;
    }
};

TEST(FlexLayoutTest, PlacesFreeSpaceByTheMainAlignment) {
    const struct {
        FlexAlign main;
        FlexAlign cross;
        std::vector<QPoint> positions;
    } cases[] = {
        {FlexAlign::Start, FlexAlign::Start, {{0, 0}, {25, 0}, {50, 0}}},
        {FlexAlign::End, FlexAlign::End, {{30, 40}, {55, 40}, {80, 40}}},
        {FlexAlign::Center, FlexAlign::Center, {{15, 20}, {40, 20}, {65, 20}}},
        {FlexAlign::SpaceBetween, FlexAlign::Start, {{0, 0}, {40, 0}, {80, 0}}},
        {FlexAlign::SpaceEvenly, FlexAlign::Start, {{7, 0}, {39, 0}, {71, 0}}},
        {FlexAlign::SpaceAround, FlexAlign::Start, {{5, 0}, {40, 0}, {75, 0}}},
    };
    for (const auto& testCase : cases) {
        const Row row(FlexFlow::Row, testCase.main, testCase.cross, 5);
        EXPECT_EQ(row.positions(), testCase.positions)
            << static_cast<int>(testCase.main) << "/" << static_cast<int>(testCase.cross);
    }
}

TEST(FlexLayoutTest, GrowingItemsShareTheFreeSpaceAndHiddenOnesTakeNone) {
    Row row(FlexFlow::Row, FlexAlign::Center, FlexAlign::Start, 5);
    applyBoxStyle(*row.boxes[0], {.width = grow(1), .height = 10});
    row.boxes[0]->setMinimumWidth(0);
    row.boxes[0]->setMaximumWidth(QWIDGETSIZE_MAX);
    row.boxes[1]->hide();
    row.parent.layout()->activate();
    EXPECT_EQ(row.boxes[0]->geometry(), QRect(0, 0, 75, 10));
    EXPECT_EQ(row.boxes[2]->pos(), QPoint(80, 0));
}

TEST(FlexLayoutTest, AWrappingFlowStartsANewTrackWhenTheRowIsFull) {
    const Row row(FlexFlow::RowWrap, FlexAlign::Start, FlexAlign::Start, 5, 5);
    EXPECT_EQ(row.positions(), (std::vector<QPoint>{{0, 0}, {25, 0}, {50, 0}, {75, 0}, {0, 15}}));
}

TEST(FlexLayoutTest, AColumnStacksDownwardsWithItsPadding) {
    Row row(FlexFlow::Column, FlexAlign::Start, FlexAlign::Center, 2);
    row.parent.setContentsMargins(4, 4, 4, 4);
    row.parent.layout()->activate();
    EXPECT_EQ(row.positions(), (std::vector<QPoint>{{40, 4}, {40, 16}, {40, 28}}));
}

} // namespace
} // namespace v32
