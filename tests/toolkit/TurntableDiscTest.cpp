#include "ui/toolkit/widgets/TurntableDisc.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/ImageCache.h"

#include <QTimer>
#include <QVariantAnimation>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

class TurntableDiscTest : public testing::Test {
protected:
    QVariantAnimation* swing(TurntableDisc& disc) const {
        return disc.findChild<QVariantAnimation*>();
    }

    QTimer* spinTimer(TurntableDisc& disc) const { return disc.findChild<QTimer*>(); }

    void tick(TurntableDisc& disc, int times) const {
        for (int i = 0; i < times; ++i) {
            QMetaObject::invokeMethod(spinTimer(disc), "timeout");
        }
    }

    // The tonearm angle at a moment of the running swing.
    int angleAt(TurntableDisc& disc, int ms) const {
        swing(disc)->setCurrentTime(ms);
        return disc.tonearmAngle();
    }

    const ResourceDisk m_disk;
    ImageCache m_images{m_disk};
};

TEST_F(TurntableDiscTest, ADiscNeverPlayedStandsWithTheTonearmAtRest) {
    TurntableDisc disc(m_images);
    EXPECT_FALSE(disc.isPlaying());
    EXPECT_EQ(disc.tonearmAngle(), 3400);
    EXPECT_EQ(disc.discAngle(), 0);
    ASSERT_NE(spinTimer(disc), nullptr);
    EXPECT_FALSE(spinTimer(disc)->isActive());
    EXPECT_EQ(spinTimer(disc)->interval(), 80);
}

TEST_F(TurntableDiscTest, TheTonearmEasesInAndOutOntoTheRecord) {
    TurntableDisc disc(m_images);
    disc.play();
    ASSERT_EQ(swing(disc)->state(), QAbstractAnimation::Running);
    EXPECT_EQ(swing(disc)->duration(), 500);
    EXPECT_EQ(angleAt(disc, 0), 3400);
    // Slower than a straight line near both ends, half-way at half time.
    EXPECT_LT(angleAt(disc, 50), 3420);
    EXPECT_NEAR(angleAt(disc, 250), 3500, 1);
    EXPECT_GT(angleAt(disc, 450), 3580);
    // Rising all the way, and the second half mirrors the first.
    std::vector<int> angles;
    for (int ms = 0; ms < 500; ms += 25) {
        angles.push_back(angleAt(disc, ms));
    }
    for (std::size_t i = 1; i < angles.size(); ++i) {
        EXPECT_GE(angles[i], angles[i - 1]) << i * 25 << " ms";
        EXPECT_NEAR(angles[i] - 3400, 3600 - angles[angles.size() - i], 1) << i * 25 << " ms";
    }
    EXPECT_FALSE(spinTimer(disc)->isActive());
    swing(disc)->setCurrentTime(500);
    EXPECT_EQ(disc.tonearmAngle(), 3600);
    EXPECT_TRUE(spinTimer(disc)->isActive());
}

TEST_F(TurntableDiscTest, TheRecordTurnsTwoDegreesATickAndNeverBackToZero) {
    TurntableDisc disc(m_images);
    tick(disc, 1);
    EXPECT_EQ(disc.discAngle(), 20);
    tick(disc, 179);
    EXPECT_EQ(disc.discAngle(), 1);
    tick(disc, 1);
    EXPECT_EQ(disc.discAngle(), 21);
}

TEST_F(TurntableDiscTest, StopHaltsTheRecordAtOnceAndSwingsTheTonearmBack) {
    TurntableDisc disc(m_images);
    disc.play();
    swing(disc)->setCurrentTime(500);
    tick(disc, 7);
    disc.stop();
    EXPECT_FALSE(disc.isPlaying());
    EXPECT_FALSE(spinTimer(disc)->isActive());
    EXPECT_EQ(disc.tonearmAngle(), 3600);
    EXPECT_NEAR(angleAt(disc, 250), 3500, 1);
    swing(disc)->setCurrentTime(500);
    EXPECT_EQ(disc.tonearmAngle(), 3400);
    EXPECT_EQ(disc.discAngle(), 140);
}

TEST_F(TurntableDiscTest, StoppingHalfWayTurnsTheTonearmBackFromWhereItIs) {
    TurntableDisc disc(m_images);
    disc.play();
    swing(disc)->setCurrentTime(250);
    const int halfWay = disc.tonearmAngle();
    disc.stop();
    EXPECT_EQ(disc.tonearmAngle(), halfWay);
    swing(disc)->setCurrentTime(500);
    EXPECT_EQ(disc.tonearmAngle(), 3400);
    EXPECT_FALSE(spinTimer(disc)->isActive());
}

TEST_F(TurntableDiscTest, TheWidgetHoldsTheRecordAndTheTonearmsReach) {
    TurntableDisc disc(m_images);
    const QImage body = m_images.image(u"res/media/img_disc_body.png");
    const QImage tonearm = m_images.image(u"res/media/img_disc_tonearm.png");
    ASSERT_FALSE(body.isNull());
    ASSERT_FALSE(tonearm.isNull());
    EXPECT_EQ(disc.size(), QSize(body.width() / 2 + 42 + tonearm.width(), body.height()));
}

} // namespace
} // namespace v32
