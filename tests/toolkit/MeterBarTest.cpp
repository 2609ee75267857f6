#include "ui/toolkit/widgets/MeterBar.h"

#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/MeterLevel.h"
#include "ui/toolkit/widgets/ScaleMeter.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace v32 {
namespace {

QColor colourAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// The 5-6-5 colour a pixel would be on the display.
std::uint16_t to565(const QColor& colour) {
    return static_cast<std::uint16_t>(((colour.red() >> 3) << 11) | ((colour.green() >> 2) << 5) |
                                      (colour.blue() >> 3));
}

// What the bar paints over a white background.
QImage rendered(QWidget& widget) {
    QImage picture(widget.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    widget.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return picture;
}

TEST(MeterBar, KeepsItsValueInsideTheRange) {
    MeterBar bar;
    EXPECT_FALSE(bar.setRange(10, 10));
    EXPECT_EQ(bar.maximum(), 1000);
    bar.setValue(1500);
    EXPECT_EQ(bar.value(), 1000);
    ASSERT_TRUE(bar.setRange(0, 120));
    EXPECT_EQ(bar.value(), 120);
    EXPECT_EQ(bar.amberThreshold(), 70);
    EXPECT_EQ(bar.redThreshold(), 110);
    bar.setValue(-5);
    EXPECT_EQ(bar.value(), 0);
}

TEST(MeterBar, RendersItsZonesOncePerSize) {
    MeterBar bar;
    bar.resize(12, 240);
    bar.show();
    const QImage& lit = bar.litImage();
    ASSERT_FALSE(lit.isNull());
    EXPECT_EQ(lit.format(), MeterBar::kDrawnFormat);
    EXPECT_EQ(lit.size(), QSize(12, 240));
    const qint64 litKey = lit.cacheKey();

    EXPECT_EQ(colourAt(lit, 6, 239), rgb565ToColor(MeterBar::kGreen));
    // Amber spans rows 20 to 99 from the top; its middle is away from both blends.
    EXPECT_EQ(colourAt(lit, 6, 60), rgb565ToColor(MeterBar::kAmber));
    EXPECT_EQ(colourAt(lit, 6, 0), rgb565ToColor(MeterBar::kRed));
    EXPECT_EQ(colourAt(bar.unlitImage(), 6, 120), rgb565ToColor(MeterBar::kUnlit));
    // Gradients included, every pixel is a colour the display can show exactly.
    for (int y = 0; y < lit.height(); ++y) {
        const QColor colour = colourAt(lit, 6, y);
        ASSERT_EQ(rgb565ToColor(to565(colour)), colour) << "row " << y;
    }

    bar.setValue(500);
    EXPECT_EQ(bar.litImage().cacheKey(), litKey);
    bar.resize(12, 200);
    EXPECT_NE(bar.litImage().cacheKey(), litKey);
}

TEST(MeterBar, LightsFromTheBottomUpToItsValue) {
    MeterBar bar;
    bar.resize(10, 120);
    bar.setValue(1000 * 7 / 12);
    EXPECT_EQ(bar.litHeight(), 70);
    const QImage picture = rendered(bar);
    EXPECT_EQ(colourAt(picture, 5, 119), rgb565ToColor(MeterBar::kGreen));
    EXPECT_NE(colourAt(picture, 5, 50), rgb565ToColor(MeterBar::kUnlit));
    EXPECT_EQ(colourAt(picture, 5, 49), rgb565ToColor(MeterBar::kUnlit));
}

TEST(MeterBar, ABarTooSmallForThreeZonesDrawsNothing) {
    for (QSize size : {QSize(12, 2), QSize(0, 200)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        MeterBar bar;
        bar.resize(size);
        bar.setValue(1000);
        EXPECT_TRUE(bar.litImage().isNull());
        if (!size.isEmpty()) {
            const QImage picture = rendered(bar);
            EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
        }
    }
}

TEST(MeterBar, AssistiveToolsReadTheLevelInDecibels) {
    MeterBar bar;
    bar.setAccessibleName(QStringLiteral("CH3"));
    bar.setValue(1000 * 7 / 12 + 1);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("CH3"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("0 dB"));
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), 584);
}

class ScaleMeterTest : public testing::Test {
protected:
    ScaleMeterTest() { m_meter.resize(32, 320); }

    int lit() const { return m_meter.bar()->value(); }

    ScaleMeter m_meter;
};

TEST_F(ScaleMeterTest, StartsDarkAndLightsTheLevelsOfTheScale) {
    EXPECT_EQ(lit(), 0);
    struct Case {
        int decibels;
        int value;
    };
    const Case cases[] = {{-50, 0}, {-40, 0}, {-1, 541}, {0, 583}, {14, 1000}, {20, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decibels);
        m_meter.setLevel(static_cast<std::int8_t>(c.decibels), 0);
        EXPECT_EQ(lit(), c.value);
    }
    m_meter.setLevel(0, 0);
    EXPECT_EQ(m_meter.shownLevel(), 0);
}

TEST_F(ScaleMeterTest, NeedsTenUpdatesToFallFromFullScaleAtTheStripRate) {
    m_meter.setLevel(14, 10);
    ASSERT_EQ(lit(), 1000);
    for (int update = 1; update <= 9; ++update) {
        m_meter.setLevel(-40, 10);
        EXPECT_EQ(lit(), 1000 - update * 100);
    }
    m_meter.setLevel(-40, 10);
    EXPECT_EQ(lit(), 0);
}

TEST_F(ScaleMeterTest, SilenceEmptiesItAtOnce) {
    m_meter.setLevel(14, 10);
    m_meter.setLevel(kMeterSilence, 10);
    EXPECT_EQ(lit(), 0);
    m_meter.setLevel(14, 0);
    m_meter.setLevel(kMeterSilence, 0);
    EXPECT_EQ(lit(), 0);
}

TEST_F(ScaleMeterTest, HidingTheCaptionsLeavesOnlyTheBar) {
    const int withCaptions = m_meter.sizeHint().width();
    m_meter.setLabelsShown(false);
    EXPECT_EQ(m_meter.sizeHint().width(), ScaleMeter::kBarWidth);
    EXPECT_LT(m_meter.sizeHint().width(), withCaptions);
    EXPECT_EQ(m_meter.bar()->x(), 0);
}

} // namespace
} // namespace v32
