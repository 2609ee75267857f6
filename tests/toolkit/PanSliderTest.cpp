#include "ui/toolkit/widgets/PanSlider.h"

#include "ui/toolkit/widgets/IndicatorBar.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class PanSliderTest : public testing::Test {
protected:
    PanSliderTest() { m_slider.resize(140, 30); }

    // The point at a share of the half track from the centre, -1 left end, +1 right end.
    QPoint atShare(double share) const {
        const QRect track = m_slider.trackRect();
        const double half = track.width() / 2.0;
        return QPoint(static_cast<int>(std::lround(track.left() + half + share * (half + 0.5))),
                      track.center().y());
    }

    int valueAfterTouch(double share) {
        QTest::mousePress(&m_slider, Qt::LeftButton, {}, atShare(share));
        QTest::mouseRelease(&m_slider, Qt::LeftButton, {}, atShare(share));
        return m_slider.value();
    }

    PanSlider m_slider;
};

TEST_F(PanSliderTest, TheCentreCatchesTheFinger) {
    m_slider.setValue(40);
    EXPECT_EQ(valueAfterTouch(0.09), 0);
    EXPECT_EQ(valueAfterTouch(-0.09), 0);
    EXPECT_GT(valueAfterTouch(0.2), 10);
    EXPECT_LT(valueAfterTouch(-0.2), -10);
}

TEST_F(PanSliderTest, DraggingBeyondTheEndsStopsAtFullLeftAndRight) {
    QSignalSpy moved(&m_slider, &PanSlider::valueChanged);
    QTest::mousePress(&m_slider, Qt::LeftButton, {}, atShare(0.0));
    EXPECT_TRUE(m_slider.isGrabbed());
    EXPECT_EQ(moved.count(), 0);
    QTest::mouseMove(&m_slider, QPoint(m_slider.width() + 30, 10));
    EXPECT_EQ(m_slider.value(), PanSlider::kMaximum);
    QTest::mouseMove(&m_slider, QPoint(m_slider.width() + 40, 10));
    EXPECT_EQ(moved.count(), 1);
    QTest::mouseMove(&m_slider, QPoint(-30, 10));
    EXPECT_EQ(m_slider.value(), PanSlider::kMinimum);
    QTest::mouseRelease(&m_slider, Qt::LeftButton, {}, QPoint(-30, 10));
    EXPECT_FALSE(m_slider.isGrabbed());
    EXPECT_EQ(moved.count(), 2);
}

TEST_F(PanSliderTest, SetValueClampsAndEmitsNothing) {
    QSignalSpy moved(&m_slider, &PanSlider::valueChanged);
    m_slider.setValue(300);
    EXPECT_EQ(m_slider.value(), 100);
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(PanSliderTest, AssistiveToolsReadThePanAsTheMixerShowsIt) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&m_slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("L = R"));
    m_slider.setValue(-30);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("L 30%"));
}

TEST(IndicatorBar, FillsItsShareOfTheHeightFromTheBottom) {
    IndicatorBar bar;
    EXPECT_EQ(bar.size(), QSize(12, 200));
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(bar.indicatorRect(), QRect(0, 100, 12, 100));
    bar.setValue(130);
    EXPECT_EQ(bar.indicatorRect(), QRect(0, 0, 12, 200));
    bar.setValue(-1);
    EXPECT_EQ(bar.indicatorRect().height(), 0);
    EXPECT_EQ(bar.accessibleDescription(), QStringLiteral("0%"));
}

} // namespace
} // namespace v32
