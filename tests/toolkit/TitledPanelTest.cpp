#include "ui/toolkit/widgets/TitledPanel.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(TitledPanel, TheBodyFillsThePanelBelowTheTitle) {
    TitledPanel panel;
    panel.resize(200, 120);
    panel.show();
    EXPECT_EQ(panel.title(), QStringLiteral("TITLE"));
    const QRect body = panel.body()->geometry();
    EXPECT_GT(body.top(), panel.fontMetrics().height());
    EXPECT_EQ(body.width(), panel.contentsRect().width());
    EXPECT_EQ(body.bottom(), panel.contentsRect().bottom());
}

TEST(TitledPanel, BarsAreSpreadEvenlyAndKeepTheirValuesInRange) {
    TitledPanel panel;
    panel.resize(200, 120);
    panel.show();
    panel.setBarCount(4);
    ASSERT_EQ(panel.barCount(), 4);
    EXPECT_EQ(panel.barValue(2), TitledPanel::kBarInitialValue);

    const QRect area = panel.body()->geometry().marginsRemoved(panel.body()->contentsMargins());
    const int firstSpace = panel.barRect(0).left() - area.left();
    for (int i = 1; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(panel.barRect(i).left() - panel.barRect(i - 1).right() - 1, firstSpace);
        EXPECT_EQ(panel.barRect(i).height(), area.height());
    }
    EXPECT_LE(area.right() - panel.barRect(3).right(), firstSpace + 4);

    panel.setBarValue(1, 130);
    panel.setBarValue(2, -4);
    panel.setBarValue(4, 20);
    EXPECT_EQ(panel.barValue(1), 100);
    EXPECT_EQ(panel.barValue(2), 0);
    EXPECT_EQ(panel.barValue(4), 0);

    panel.setBarCount(2);
    EXPECT_EQ(panel.barCount(), 2);
    EXPECT_EQ(panel.barValue(1), TitledPanel::kBarInitialValue);
}

} // namespace
} // namespace v32
