#include "ui/toolkit/framework/Toast.h"

#include "ScreenRig.h"
#include "Touch.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class ToastTest : public testing::Test {
protected:
    // Runs the toast's check as its timer does, every 100 ms of the clock, until it hides;
    // returns the time from showing to hiding.
    std::uint32_t timeUntilHidden(Toast& toast) {
        const std::uint32_t shownAt = rig.clock.nowMs();
        while (toast.isVisible() && rig.clock.elapsedSince(shownAt) < 60000) {
            rig.clock.advance(Toast::kCheckPeriodMs);
            toast.checkExpiry();
        }
        return rig.clock.elapsedSince(shownAt);
    }

    ScreenRig rig;
    std::unique_ptr<RootScreen> root = rig.makeRoot();
};

TEST_F(ToastTest, DisappearsWithinOneCheckAfterItsDuration) {
    Toast& toast = root->toast();
    for (const std::uint32_t duration : {1500u, 1550u, 5000u, 0u}) {
        SCOPED_TRACE(duration);
        toast.showMessage(QStringLiteral("SAVE SUCCESS!"), 0x07E0, duration);
        EXPECT_TRUE(toast.isVisible());
        EXPECT_TRUE(toast.checkTimer().isActive());
        EXPECT_EQ(toast.checkTimer().interval(), 100);
        const std::uint32_t shownFor = timeUntilHidden(toast);
        EXPECT_GE(shownFor, duration);
        EXPECT_LE(shownFor, duration + 100);
        EXPECT_FALSE(toast.isVisible());
        EXPECT_FALSE(toast.checkTimer().isActive());
    }
}

TEST_F(ToastTest, ShowsTheTextInItsColourOverEverything) {
    Toast& toast = root->toast();
    toast.showMessage(QStringLiteral("CALL FAIL!"), 0xF800, 1500);
    EXPECT_EQ(toast.label().text(), QStringLiteral("CALL FAIL!"));
    EXPECT_EQ(toast.label().accessibleName(), QStringLiteral("CALL FAIL!"));
    EXPECT_EQ(toast.label().font().pixelSize(), 16);
    EXPECT_EQ(toast.geometry(), root->rect());
    const QObjectList layers = root->children();
    EXPECT_GT(layers.indexOf(&toast), layers.indexOf(&root->screenLayer()))
        << "the toast lies above the screen";
    const QImage picture = toast.grab().toImage();
    EXPECT_EQ(picture.pixelColor(toast.label().geometry().topLeft() + QPoint(20, 0)),
              QColor(Qt::white))
        << "the white border";
}

TEST_F(ToastTest, ANewToastReplacesTheShownOneAndStartsItsTimeAgain) {
    Toast& toast = root->toast();
    toast.showMessage(QStringLiteral("first"), 0x07E0, 1500);
    rig.clock.advance(1400);
    toast.checkExpiry();
    toast.showMessage(QStringLiteral("second"), 0xF800, 1500);
    EXPECT_EQ(toast.label().text(), QStringLiteral("second"));
    const std::uint32_t shownFor = timeUntilHidden(toast);
    EXPECT_GE(shownFor, 1500u);
    EXPECT_LT(shownFor, 1600u);
}

TEST_F(ToastTest, OnlyAModalToastTakesTheTouchesMeantForTheScreen) {
    auto* button = new QPushButton(QStringLiteral("under"), &root->screenLayer());
    button->setGeometry(10, 10, 100, 40);
    button->show();
    QSignalSpy clicks(button, &QPushButton::clicked);

    root->toast().showMessage(QStringLiteral("not modal"), 0xFFFF, 1500, std::nullopt, false);
    touch(*root, QPoint(60, 30));
    EXPECT_EQ(clicks.count(), 1);

    root->toast().showMessage(QStringLiteral("modal"), 0xFFFF, 1500, std::nullopt, true);
    touch(*root, QPoint(60, 30));
    EXPECT_EQ(clicks.count(), 1);

    root->toast().hideMessage();
    touch(*root, QPoint(60, 30));
    EXPECT_EQ(clicks.count(), 2) << "a hidden modal toast takes nothing";
}

} // namespace
} // namespace v32
