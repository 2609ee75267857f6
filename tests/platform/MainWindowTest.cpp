#include "platform/MainWindow.h"

#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace v32 {
namespace {

struct ScreenCase {
    QSize available;
    bool maximised;
};

TEST(WindowPlacementTest, MaximisesOnlyWhereThePanelDoesNotFit) {
    const ScreenCase cases[] = {
        {{1280, 800}, false}, {{1920, 1080}, false}, {{2560, 1600}, false}, {{1279, 800}, true},
        {{1280, 799}, true},  {{1366, 768}, true},   {{1024, 1280}, true},  {{0, 0}, true},
    };
    for (const ScreenCase& c : cases) {
        EXPECT_EQ(WindowPlacement::shouldMaximise(c.available), c.maximised)
            << c.available.width() << " x " << c.available.height();
    }
}

struct PlacementCase {
    QSize clientArea;
    QSize minimum;
    QSize maximum;
    QRect placed;
};

TEST(WindowPlacementTest, PlacesTheScreenWithinItsBounds) {
    const QSize anySize(0, 0);
    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize panel(1280, 800);
    const PlacementCase cases[] = {
        {{1280, 800}, anySize, unbounded, {0, 0, 1280, 800}},
        {{1024, 600}, anySize, unbounded, {0, 0, 1024, 600}},
        {{1280, 800}, panel, panel, {0, 0, 1280, 800}},
        {{1920, 1200}, panel, panel, {320, 200, 1280, 800}},
        {{1281, 801}, panel, panel, {0, 0, 1280, 800}},
        {{1366, 700}, panel, panel, {43, 0, 1280, 800}},
        {{800, 600}, panel, panel, {0, 0, 1280, 800}},
        {{2000, 1000}, {100, 100}, {1600, 900}, {200, 50, 1600, 900}},
    };
    for (const PlacementCase& c : cases) {
        EXPECT_EQ(WindowPlacement::screenRect(c.clientArea, c.minimum, c.maximum), c.placed)
            << c.clientArea.width() << " x " << c.clientArea.height();
    }
}

// Stands in for the root screen: remembers the pointer presses it got.
class PointerTarget : public QWidget {
public:
    QPoint lastPress{-1, -1};
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        lastPress = event->position().toPoint();
        ++presses;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { window.setScreen(target); }

    QWheelEvent wheelAt(QPointF position, int delta) const {
        return QWheelEvent(position, window.mapToGlobal(position), QPoint(), QPoint(0, delta),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    }

    MainWindow window;
    PointerTarget* target = new PointerTarget;
};

TEST_F(MainWindowTest, IsTitledAfterTheProductAndSizedAsThePanel) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("VELMAR32"));
    EXPECT_EQ(window.size(), QSize(1280, 800));
}

TEST_F(MainWindowTest, OpensMaximisedOnAScreenSmallerThanThePanel) {
    const QSize available = window.screen()->availableGeometry().size();
    ASSERT_TRUE(WindowPlacement::shouldMaximise(available))
        << "the offscreen screen is expected to be smaller than the panel";
    window.present();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, ResizableScreenFillsTheClientAreaAfterEachResize) {
    window.show();
    for (const QSize size : {QSize(1000, 700), QSize(1601, 999), QSize(1280, 800)}) {
        window.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(target->geometry(), QRect(QPoint(0, 0), size));
    }
}

TEST_F(MainWindowTest, FixedScreenKeepsItsSizeAsTheWindowResizes) {
    target->setFixedSize(WindowPlacement::logicalSize());
    window.show();
    window.resize(1400, 900);
    QApplication::processEvents();
    EXPECT_EQ(target->geometry(), QRect(60, 50, 1280, 800));
    window.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(target->geometry(), QRect(0, 0, 1280, 800));
    EXPECT_LT(window.minimumWidth(), 1000) << "the window may still be made smaller";
}

TEST_F(MainWindowTest, ClosingAsksTheProgramToEnd) {
    QSignalSpy closed(&window, &MainWindow::closed);
    window.show();
    window.close();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, WheelOverTheScreenTurnsTheEncoderAndGoesNoFurther) {
    QWheelEvent wheel = wheelAt(QPointF(100, 100), 240);
    QApplication::sendEvent(target, &wheel);
    EXPECT_EQ(window.wheelEncoder().takeSteps(), -2);
}

TEST_F(MainWindowTest, WheelInAnotherWindowLeavesTheEncoderAlone) {
    QWidget other;
    QWheelEvent wheel = wheelAt(QPointF(10, 10), 120);
    QApplication::sendEvent(&other, &wheel);
    EXPECT_EQ(window.wheelEncoder().takeSteps(), 0);
}

TEST_F(MainWindowTest, TouchReachesTheScreenAsAPointerPress) {
    // The application owns the device; one serves every run of the test.
    static QPointingDevice* const touchScreen = QTest::createTouchDevice();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::touchEvent(&window, touchScreen).press(0, QPoint(321, 123));
    QTest::touchEvent(&window, touchScreen).release(0, QPoint(321, 123));

    EXPECT_EQ(target->presses, 1);
    EXPECT_EQ(target->lastPress, QPoint(321, 123));
}

} // namespace
} // namespace v32
