#include "ui/toolkit/widgets/Fader.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class FaderTest : public testing::Test {
protected:
    FaderTest() {
        m_page.resize(200, 400);
        m_fader = new Fader(m_images, &m_page);
        m_fader->setGeometry(0, 0, 130, 360);
        m_page.show();
    }

    QPoint knobCentre() const { return m_fader->knobRect().center(); }
    QPoint atTravel(int y) const { return QPoint(knobCentre().x(), y); }

    void press(QPoint point) { QTest::mousePress(m_fader, Qt::LeftButton, {}, point); }
    void moveTo(QPoint point) { QTest::mouseMove(m_fader, point); }
    void release(QPoint point) { QTest::mouseRelease(m_fader, Qt::LeftButton, {}, point); }

    // Whether the fader kept a wheel turn to itself instead of leaving it to the page.
    bool faderTakesWheel() {
        const QPointF point = knobCentre();
        QWheelEvent wheel(point, m_fader->mapToGlobal(point), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_fader, &wheel);
        return wheel.isAccepted();
    }

    ResourceDisk m_disk;
    ImageCache m_images{m_disk};
    QWidget m_page;
    Fader* m_fader;
};

TEST_F(FaderTest, StartsAtZeroDecibelsWithTheNormalKnob) {
    EXPECT_EQ(m_fader->mode(), FaderScale::Mode::Main);
    EXPECT_DOUBLE_EQ(m_fader->value(), 0.0);
    EXPECT_TRUE(m_fader->hasKnobImage());
    EXPECT_EQ(m_fader->knobSize(), QSize(56, 96));
    EXPECT_EQ(m_fader->travelTop(), 48);
    EXPECT_EQ(m_fader->travelBottom(), 360 - 48);
}

TEST_F(FaderTest, TheKnobSitsAtTheValuesPosition) {
    const int travel = m_fader->travelBottom() - m_fader->travelTop() + 1;
    struct Case {
        double decibels;
        int centreY;
    };
    const Case cases[] = {
        {-120.0, m_fader->travelBottom()},
        {0.0, m_fader->travelBottom() - travel * 800 / 1000},
        {10.0, m_fader->travelBottom() - travel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decibels);
        m_fader->setValue(c.decibels);
        const QRect knob = m_fader->knobRect();
        EXPECT_EQ(knob.top() + knob.height() / 2, c.centreY);
        EXPECT_EQ(knob.left() + knob.width() / 2, m_fader->trackRect().left() + 2);
    }
}

TEST_F(FaderTest, DraggingPastEitherEndStopsAtThatEndOfTheTable) {
    struct Case {
        bool send;
        int beyond;
        double expected;
    };
    const Case cases[] = {
        {false, -40, 10.0},
        {false, +40, -120.0},
        {true, -40, 0.0},
        {true, +40, -120.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "send " << c.send << " beyond " << c.beyond);
        if (c.send) {
            m_fader->useSendTable();
        } else {
            m_fader->useMainTable();
        }
        m_fader->setValue(-20.0);
        QSignalSpy moved(m_fader, &Fader::valueChanged);
        const QPoint start = knobCentre();
        press(start);
        const int end = c.beyond < 0 ? m_fader->travelTop() : m_fader->travelBottom();
        moveTo(atTravel(end + c.beyond));
        release(atTravel(end + c.beyond));
        EXPECT_DOUBLE_EQ(m_fader->value(), c.expected);
        ASSERT_EQ(moved.count(), 1);
        EXPECT_DOUBLE_EQ(moved.at(0).at(0).toDouble(), c.expected);
    }
}

TEST_F(FaderTest, FollowsTheFingerAlongTheTable) {
    m_fader->setValue(-120.0);
    press(knobCentre());
    const int top = m_fader->travelTop();
    const int bottom = m_fader->travelBottom();
    // 80 % of the travel is the 0 dB point of the main table.
    const int zeroDecibelRow = bottom - (bottom - top) * 8 / 10;
    moveTo(atTravel(zeroDecibelRow));
    EXPECT_NEAR(m_fader->value(), 0.0, 0.25);
    EXPECT_EQ(m_fader->intValue(), 0);
    release(atTravel(zeroDecibelRow));
    EXPECT_FALSE(m_fader->isGrabbed());
}

TEST_F(FaderTest, APressBesideTheKnobNeitherGrabsNorMovesIt) {
    m_fader->setValue(-10.0);
    const QRect knob = m_fader->knobRect();
    QSignalSpy moved(m_fader, &Fader::valueChanged);
    const QPoint outside[] = {
        QPoint(knob.left() - 1, knob.center().y()),
        QPoint(knob.right() + 1, knob.center().y()),
        QPoint(knob.center().x(), knob.top() - 1),
        QPoint(knob.center().x(), knob.bottom() + 1),
    };
    for (const QPoint& point : outside) {
        SCOPED_TRACE(testing::Message() << point.x() << "," << point.y());
        press(point);
        EXPECT_FALSE(m_fader->isGrabbed());
        moveTo(atTravel(m_fader->travelTop()));
        release(atTravel(m_fader->travelTop()));
    }
    EXPECT_DOUBLE_EQ(m_fader->value(), -10.0);
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(FaderTest, AValueFromTheMixerStaysWhileTheKnobIsHeldUntilTheFingerMoves) {
    m_fader->setValue(-10.0);
    QSignalSpy moved(m_fader, &Fader::valueChanged);
    const QPoint finger = knobCentre();
    press(finger);
    ASSERT_TRUE(m_fader->isGrabbed());

    m_fader->setValue(-30.0);
    EXPECT_DOUBLE_EQ(m_fader->value(), -30.0);
    moveTo(finger);
    EXPECT_DOUBLE_EQ(m_fader->value(), -30.0);
    EXPECT_EQ(moved.count(), 0);

    moveTo(finger + QPoint(0, -1));
    EXPECT_GT(m_fader->value(), -10.0);
    EXPECT_EQ(moved.count(), 1);
    release(finger + QPoint(0, -1));
}

TEST_F(FaderTest, SettingTheValueEmitsNothing) {
    QSignalSpy moved(m_fader, &Fader::valueChanged);
    m_fader->setValue(-5.0);
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(FaderTest, TheWheelCannotScrollThePageWhileTheKnobIsHeld) {
    EXPECT_FALSE(faderTakesWheel());
    press(knobCentre());
    EXPECT_TRUE(faderTakesWheel());
    release(knobCentre());
    EXPECT_FALSE(faderTakesWheel());
}

TEST_F(FaderTest, LinearRangeKeepsIntegersAndRefusesAnEmptyRange) {
    m_fader->setValue(12.6);
    EXPECT_FALSE(m_fader->setRange(4, 4));
    EXPECT_EQ(m_fader->mode(), FaderScale::Mode::Main);

    ASSERT_TRUE(m_fader->setRange(0, 10));
    EXPECT_EQ(m_fader->mode(), FaderScale::Mode::Linear);
    EXPECT_DOUBLE_EQ(m_fader->value(), 10.0);
    m_fader->setValue(3.4);
    EXPECT_DOUBLE_EQ(m_fader->value(), 3.0);
    EXPECT_EQ(m_fader->intValue(), 3);

    QSignalSpy moved(m_fader, &Fader::valueChanged);
    press(knobCentre());
    moveTo(atTravel(m_fader->travelTop() - 5));
    EXPECT_EQ(m_fader->intValue(), 10);
    moveTo(atTravel(m_fader->travelTop() - 6));
    EXPECT_EQ(moved.count(), 1);
    release(atTravel(m_fader->travelTop()));
}

TEST_F(FaderTest, TheTickGapFollowsTheKnobUnlessOneIsGiven) {
    // Half of knob width less tick length and track width: (56 - 6 - 4) / 2.
    EXPECT_EQ(m_fader->tickGap(), 23);
    m_fader->setTickLength(60);
    EXPECT_EQ(m_fader->tickGap(), 4);
    m_fader->setTickGap(1);
    EXPECT_EQ(m_fader->tickGap(), 1);
}

TEST_F(FaderTest, AMissingKnobPictureIsDrawnAsAGreenKnobThatStillMoves) {
    m_fader->setKnobImage(QStringLiteral("res/common/no_such_knob.png"));
    EXPECT_FALSE(m_fader->hasKnobImage());
    EXPECT_EQ(m_fader->knobSize(), Fader::kFallbackKnobSize);

    QImage picture(m_fader->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    m_fader->render(&picture);
    EXPECT_EQ(QColor(picture.pixel(knobCentre())), rgb565ToColor(Fader::kFallbackKnobColour));

    press(knobCentre());
    moveTo(atTravel(m_fader->travelTop()));
    EXPECT_DOUBLE_EQ(m_fader->value(), 10.0);
    release(atTravel(m_fader->travelTop()));
}

TEST_F(FaderTest, AssistiveToolsReadTheChannelAndTheLevel) {
    m_fader->setAccessibleName(QStringLiteral("CH7"));
    m_fader->setValue(-10.0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_fader);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("CH7"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("-10.0dB"));
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), -120.0);
    EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 10.0);
    m_fader->setValue(-120.0);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("-∞"));
}

} // namespace
} // namespace v32
