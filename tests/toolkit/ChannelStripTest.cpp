#include "ui/toolkit/widgets/ChannelStrip.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

// Drags a fader's knob up by a few pixels, as a finger would.
void nudgeFader(Fader& fader) {
    const QPoint knob = fader.knobRect().center();
    QTest::mousePress(&fader, Qt::LeftButton, {}, knob);
    QTest::mouseMove(&fader, knob - QPoint(0, 20));
    QTest::mouseRelease(&fader, Qt::LeftButton, {}, knob - QPoint(0, 20));
}

class ChannelStripTest : public testing::Test {
protected:
    ChannelStripTest() {
        m_strip.setEnterShown(true);
        m_strip.setOffShown(true);
        m_strip.setLevelTextShown(true);
        m_strip.show();
        QObject::connect(&m_strip, &ChannelStrip::actionTaken,
                         [this](ChannelStrip::Action action) { m_actions.push_back(action); });
    }

    ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    ImageCache m_images{m_disk};
    ChannelStrip m_strip{m_fonts, m_images};
    std::vector<int> m_actions;
};

TEST_F(ChannelStripTest, ReportsEachChildWithItsActionCode) {
    struct Case {
        Button* button;
        int action;
    };
    const Case cases[] = {
        {m_strip.enterButton(), ChannelStrip::Enter},
        {m_strip.offButton(), ChannelStrip::Off},
        {m_strip.muteButton(), ChannelStrip::Mute},
        {m_strip.soloButton(), ChannelStrip::Solo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        m_actions.clear();
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(m_actions, std::vector<int>{c.action});
    }
    EXPECT_EQ(ChannelStrip::Enter, 1);
    EXPECT_EQ(ChannelStrip::FaderMoved, 5);
    m_actions.clear();
    nudgeFader(*m_strip.fader());
    EXPECT_EQ(m_actions, std::vector<int>{ChannelStrip::FaderMoved});
}

TEST_F(ChannelStripTest, TheToggleButtonsKeepTheStateTheOwnerSets) {
    m_strip.setMuted(true);
    m_strip.setSoloed(true);
    m_strip.setOff(true);
    EXPECT_TRUE(m_strip.muteButton()->isChecked());
    EXPECT_TRUE(m_strip.soloButton()->isChecked());
    EXPECT_TRUE(m_strip.offButton()->isChecked());
    m_strip.setMuted(false);
    EXPECT_FALSE(m_strip.muteButton()->isChecked());
    EXPECT_FALSE(m_strip.enterButton()->isCheckable());
}

TEST_F(ChannelStripTest, TheFaderLevelMovesTheFaderAndWritesTheLevelText) {
    struct Case {
        double decibels;
        const char* text;
    };
    const Case cases[] = {{-10.0, "-10.0dB"}, {-120.0, "-∞"}, {10.0, "10.0dB"}, {0.0, "0.0dB"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_strip.setFaderLevel(c.decibels);
        EXPECT_DOUBLE_EQ(m_strip.faderLevel(), c.decibels);
        EXPECT_EQ(m_strip.levelLabel()->text(), QString::fromUtf8(c.text));
    }
    EXPECT_TRUE(m_actions.empty());
}

TEST_F(ChannelStripTest, TheFaderUsesTheSmallKnobAndTheStripsName) {
    m_strip.setName(QStringLiteral("DCA2"));
    EXPECT_EQ(m_strip.nameLabel()->text(), QStringLiteral("DCA2"));
    EXPECT_EQ(m_strip.fader()->knobImagePath(), QStringLiteral("res/common/img_slider_small.png"));
    EXPECT_TRUE(m_strip.fader()->hasKnobImage());
    QAccessibleInterface* fader = QAccessible::queryAccessibleInterface(m_strip.fader());
    ASSERT_NE(fader, nullptr);
    EXPECT_EQ(fader->text(QAccessible::Name), QStringLiteral("DCA2"));
}

TEST_F(ChannelStripTest, OptionalPartsStayHiddenUntilAsked) {
    ChannelStrip plain(m_fonts, m_images);
    EXPECT_TRUE(plain.enterButton()->isHidden());
    EXPECT_TRUE(plain.offButton()->isHidden());
    EXPECT_TRUE(plain.levelLabel()->isHidden());
    EXPECT_FALSE(plain.muteButton()->isHidden());
}

} // namespace
} // namespace v32
