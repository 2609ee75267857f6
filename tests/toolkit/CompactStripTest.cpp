#include "ui/toolkit/widgets/CompactStrip.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

class CompactStripTest : public testing::Test {
protected:
    CompactStripTest() {
        m_strip.setExtraButtons(QStringLiteral("POS"), QStringLiteral("PRE"));
        m_strip.show();
        QObject::connect(&m_strip, &CompactStrip::actionTaken,
                         [this](CompactStrip::Action action) { m_actions.push_back(action); });
    }

    ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    ImageCache m_images{m_disk};
    CompactStrip m_strip{m_fonts, m_images};
    std::vector<int> m_actions;
};

TEST_F(CompactStripTest, ReportsEachChildWithItsActionCode) {
    struct Case {
        StyledWidget* child;
        int action;
    };
    const Case cases[] = {
        {m_strip.nameButton(), 1},        {m_strip.muteButton(), 2},
        {m_strip.soloButton(), 3},        {m_strip.firstExtraButton(), 6},
        {m_strip.secondExtraButton(), 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        m_actions.clear();
        QTest::mouseClick(c.child, Qt::LeftButton);
        EXPECT_EQ(m_actions, std::vector<int>{c.action});
    }
}

TEST_F(CompactStripTest, TheFaderReportsAClickAndEachMove) {
    Fader& fader = *m_strip.fader();
    const QPoint knob = fader.knobRect().center();
    QTest::mouseClick(&fader, Qt::LeftButton, {}, knob);
    EXPECT_EQ(m_actions, std::vector<int>{CompactStrip::FaderClicked});

    m_actions.clear();
    QTest::mousePress(&fader, Qt::LeftButton, {}, knob);
    QTest::mouseMove(&fader, knob - QPoint(0, 10));
    QTest::mouseMove(&fader, knob - QPoint(0, 20));
    EXPECT_EQ(m_actions, (std::vector<int>{CompactStrip::FaderMoved, CompactStrip::FaderMoved}));
    EXPECT_EQ(m_strip.levelLabel()->text().endsWith(QStringLiteral("dB")), false);
    QTest::mouseRelease(&fader, Qt::LeftButton, {}, knob - QPoint(0, 20));
}

TEST_F(CompactStripTest, TheLevelIsShownWithoutItsUnit) {
    m_strip.setFaderLevel(-7.1);
    EXPECT_EQ(m_strip.levelLabel()->text(), QStringLiteral("-7.1"));
    m_strip.setFaderLevel(-120.0);
    EXPECT_EQ(m_strip.levelLabel()->text(), QStringLiteral("-∞"));
}

TEST_F(CompactStripTest, EmptyCaptionsHideTheExtraButtons) {
    EXPECT_FALSE(m_strip.firstExtraButton()->isHidden());
    m_strip.setExtraButtons(QString(), QString());
    EXPECT_TRUE(m_strip.firstExtraButton()->isHidden());
    EXPECT_TRUE(m_strip.secondExtraButton()->isHidden());
    EXPECT_TRUE(m_strip.firstExtraButton()->parentWidget()->isHidden());
}

} // namespace
} // namespace v32
