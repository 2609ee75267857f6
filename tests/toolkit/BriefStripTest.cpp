#include "ui/toolkit/widgets/BriefStrip.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/MeterLevel.h"
#include "ui/toolkit/widgets/PanSlider.h"
#include "ui/toolkit/widgets/ScaleMeter.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

class BriefStripTest : public testing::Test {
protected:
    BriefStripTest() {
        m_strip.show();
        QObject::connect(&m_strip, &BriefStrip::actionTaken,
                         [this](BriefStrip::Action action) { m_actions.push_back(action); });
    }

    ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    ImageCache m_images{m_disk};
    BriefStrip m_strip{m_fonts, m_images};
    std::vector<int> m_actions;
};

TEST_F(BriefStripTest, ReportsEachChildWithItsActionCode) {
    struct Case {
        Button* button;
        int action;
    };
    const Case cases[] = {
        {m_strip.nameButton(), 1},
        {m_strip.muteButton(), 2},
        {m_strip.soloButton(), 3},
        {m_strip.phantomButton(), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        m_actions.clear();
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(m_actions, std::vector<int>{c.action});
    }

    m_actions.clear();
    Fader& fader = *m_strip.fader();
    const QPoint knob = fader.knobRect().center();
    QTest::mousePress(&fader, Qt::LeftButton, {}, knob);
    QTest::mouseMove(&fader, knob - QPoint(0, 10));
    QTest::mouseRelease(&fader, Qt::LeftButton, {}, knob - QPoint(0, 10));
    EXPECT_EQ(m_actions, std::vector<int>{BriefStrip::FaderMoved});

    m_actions.clear();
    PanSlider& pan = *m_strip.panSlider();
    QTest::mousePress(&pan, Qt::LeftButton, {}, QPoint(pan.width() - 1, pan.height() / 2));
    QTest::mouseRelease(&pan, Qt::LeftButton, {}, QPoint(pan.width() - 1, pan.height() / 2));
    EXPECT_EQ(m_actions, std::vector<int>{BriefStrip::PanMoved});
}

TEST_F(BriefStripTest, TheLampsShowTheirStateButTakeNoTouch) {
    m_strip.setGateOn(true);
    EXPECT_TRUE(m_strip.gateLamp()->isChecked());
    EXPECT_FALSE(m_strip.compressorLamp()->isChecked());
    QTest::mouseClick(m_strip.compressorLamp(), Qt::LeftButton);
    EXPECT_FALSE(m_strip.compressorLamp()->isChecked());
    EXPECT_TRUE(m_actions.empty());
    m_strip.setCompressorCaption(QStringLiteral("COMP"));
    EXPECT_EQ(m_strip.compressorLamp()->text(), QStringLiteral("COMP"));
}

TEST_F(BriefStripTest, SettersWriteTheGainAndLevelTexts) {
    EXPECT_EQ(m_strip.gainLabel()->text(), QStringLiteral("GAIN\n-119.9dB"));
    m_strip.setGain(12.34);
    EXPECT_EQ(m_strip.gainLabel()->text(), QStringLiteral("GAIN\n12.3dB"));
    m_strip.setGain(0.0);
    EXPECT_EQ(m_strip.gainLabel()->text(), QStringLiteral("GAIN\n0.0dB"));
    m_strip.setFaderLevel(-3.3);
    EXPECT_EQ(m_strip.levelLabel()->text(), QStringLiteral("-3.3dB"));
    m_strip.setMuted(true);
    m_strip.setPhantom(true);
    EXPECT_TRUE(m_strip.muteButton()->isChecked());
    EXPECT_TRUE(m_strip.phantomButton()->isChecked());
    m_strip.setPan(-50);
    EXPECT_EQ(m_strip.panSlider()->value(), -50);
    EXPECT_TRUE(m_actions.empty());
}

TEST_F(BriefStripTest, MetersFallAtTheStripRateAndSilenceAtOnce) {
    m_strip.setMeterLevels(14, 0);
    EXPECT_EQ(m_strip.leftMeter()->bar()->value(), 1000);
    EXPECT_EQ(m_strip.rightMeter()->bar()->value(), 583);
    m_strip.setMeterLevels(-40, kMeterSilence);
    EXPECT_EQ(m_strip.leftMeter()->bar()->value(), 900);
    EXPECT_EQ(m_strip.rightMeter()->bar()->value(), 0);

    m_strip.setMetersShown(false);
    EXPECT_TRUE(m_strip.leftMeter()->isHidden());
    EXPECT_TRUE(m_strip.rightMeter()->isHidden());
}

TEST_F(BriefStripTest, ReturnsAndBusesHideTheInputControls) {
    m_strip.setInputControlsShown(false);
    EXPECT_TRUE(m_strip.gainLabel()->isHidden());
    EXPECT_TRUE(m_strip.phantomButton()->isHidden());
    EXPECT_TRUE(m_strip.panSlider()->isHidden());
    EXPECT_TRUE(m_strip.gateLamp()->isHidden());
    EXPECT_FALSE(m_strip.compressorLamp()->isHidden());

    EXPECT_EQ(m_strip.eqGraph()->bandCount(), BriefStrip::kDefaultEqBands);
    m_strip.setEqBandCount(7);
    EXPECT_EQ(m_strip.eqGraph()->bandCount(), 7);
    EXPECT_EQ(m_strip.eqGraph()->parentWidget(), &m_strip);
}

} // namespace
} // namespace v32
