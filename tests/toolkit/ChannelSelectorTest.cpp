#include "ui/toolkit/widgets/ChannelSelector.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/ImageCache.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class ChannelSelectorTest : public testing::Test {
protected:
    ChannelSelectorTest() {
        QObject::connect(&m_selector, &ChannelSelector::arrowClicked,
                         [this](ChannelSelector::Arrow arrow) { m_arrows.push_back(arrow); });
    }

    QPoint middleOf(ChannelSelector::Arrow arrow) const {
        return m_selector.arrowRect(arrow).center();
    }

    ResourceDisk m_disk;
    ImageCache m_images{m_disk};
    ChannelSelector m_selector{m_images};
    std::vector<int> m_arrows;
};

TEST_F(ChannelSelectorTest, ReportsAShortClickOnEachArrow) {
    QSignalSpy clicks(&m_selector, &StyledWidget::clicked);
    QTest::mouseClick(&m_selector, Qt::LeftButton, {}, middleOf(ChannelSelector::Previous));
    QTest::mouseClick(&m_selector, Qt::LeftButton, {}, middleOf(ChannelSelector::Next));
    EXPECT_EQ(m_arrows, (std::vector<int>{0, 1}));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ChannelSelectorTest, TheNameIsAClickOfTheSelectorItself) {
    QSignalSpy clicks(&m_selector, &StyledWidget::clicked);
    QTest::mouseClick(&m_selector, Qt::LeftButton, {}, m_selector.rect().center());
    EXPECT_TRUE(m_arrows.empty());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(m_selector.text(), QStringLiteral("CH1"));
}

TEST_F(ChannelSelectorTest, SlidingOffAnArrowBeforeLettingGoReportsNothing) {
    QTest::mousePress(&m_selector, Qt::LeftButton, {}, middleOf(ChannelSelector::Previous));
    QTest::mouseRelease(&m_selector, Qt::LeftButton, {}, middleOf(ChannelSelector::Next));
    EXPECT_TRUE(m_arrows.empty());
}

} // namespace
} // namespace v32
