#include "ui/toolkit/widgets/ScrollList.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QVariantAnimation>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

constexpr int kRowHeight = 20;
constexpr QSize kListSize(200, 100); // five rows in view

class ScrollListTest : public testing::Test {
protected:
    void fill(ScrollList& list, int count) {
        m_keys.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            m_keys[static_cast<std::size_t>(i)] = 7 * i + 3;
            list.addEntry(-1, QStringLiteral("Entry %1").arg(i),
                          m_keys[static_cast<std::size_t>(i)]);
        }
    }

    void setUp(ScrollList& list, int count) {
        list.resize(kListSize);
        list.setRowHeight(kRowHeight);
        fill(list, count);
    }

    // A press, one move by dy and the release there, all at x = 50.
    void drag(ScrollList& list, int fromY, int dy) {
        QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(50, fromY));
        QTest::mouseMove(&list, QPoint(50, fromY + dy));
        QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(50, fromY + dy));
    }

    // Runs the spring-back or glide to its end; false when none runs.
    bool finishSettling(ScrollList& list) {
        auto* animation = list.findChild<QVariantAnimation*>();
        if (animation == nullptr || animation->state() != QAbstractAnimation::Running) {
            return false;
        }
        m_lastDuration = animation->duration();
        animation->setCurrentTime(animation->duration());
        return true;
    }

    int threshold() const { return QGuiApplication::styleHints()->startDragDistance(); }

    const ResourceDisk m_disk;
    FontCache m_fonts{m_disk};
    std::vector<int> m_keys;
    int m_lastDuration = 0;
};

TEST_F(ScrollListTest, ATapSelectsTheRowUnderTheFingerAndReportsItsKey) {
    struct Case {
        int y;
        int row;
    };
    const Case cases[] = {{1, 0}, {19, 0}, {20, 1}, {59, 2}, {99, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        ScrollList list(m_fonts);
        setUp(list, 10);
        QSignalSpy changed(&list, &ScrollList::valueChanged);
        std::vector<std::pair<int, int>> reports;
        QObject::connect(&list, &ScrollList::rowSelected,
                         [&](int index, int key) { reports.emplace_back(index, key); });
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(50, c.y));
        EXPECT_EQ(list.selectedIndex(), c.row);
        EXPECT_EQ(changed.count(), 1);
        const std::vector<std::pair<int, int>> expected{
            {c.row, m_keys[static_cast<std::size_t>(c.row)]}};
        EXPECT_EQ(reports, expected);
    }
}

TEST_F(ScrollListTest, ATapBelowTheLastEntrySelectsNothing) {
    ScrollList list(m_fonts);
    setUp(list, 3);
    QSignalSpy changed(&list, &ScrollList::valueChanged);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(50, 3 * kRowHeight + 5));
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(ScrollListTest, AMoveUpToTheScrollThresholdIsATapAndBeyondItScrolls) {
    struct Case {
        int dy;
        int offset;
        int selected;
    };
    const Case cases[] = {
        {threshold(), 0, 2},        // the release lands on row 2 (y = 15 + 2 rows)
        {-threshold(), 0, 0},       // lands back on row 0
        {-threshold() - 1, -1, -1}, // one pixel past: dragging, threshold subtracted
        {-threshold() - 30, -30, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dy);
        ScrollList list(m_fonts);
        setUp(list, 50);
        const int fromY = c.dy > 0 ? 45 - c.dy : 15 - c.dy;
        QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(50, fromY));
        QTest::mouseMove(&list, QPoint(50, fromY + c.dy));
        EXPECT_EQ(list.scrollOffset(), c.offset);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(50, fromY + c.dy));
        EXPECT_EQ(list.selectedIndex(), c.selected);
    }
}

TEST_F(ScrollListTest, AListPulledPastAnEndSpringsBackWithinTwoHundredMilliseconds) {
    struct Case {
        const char* what;
        int count;
        int dy;
        int settled;
    };
    const Case cases[] = {
        {"first entry pulled down", 50, 60, 0},
        {"short list pushed up", 3, -60, 0},
        {"last entry pulled up", 8, -200, kListSize.height() - 8 * kRowHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScrollList list(m_fonts);
        setUp(list, c.count);
        drag(list, 50, c.dy);
        EXPECT_NE(list.scrollOffset(), c.settled);
        ASSERT_TRUE(finishSettling(list));
        EXPECT_LE(m_lastDuration, ScrollList::kSpringBackMs);
        EXPECT_EQ(list.scrollOffset(), c.settled);
    }
}

TEST_F(ScrollListTest, AFlingGlidesOnButNeverPastTheEnd) {
    ScrollList list(m_fonts);
    setUp(list, 50);
    const int end = kListSize.height() - 50 * kRowHeight;
    QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(50, 90));
    QTest::mouseMove(&list, QPoint(50, 70), 10);
    QTest::mouseMove(&list, QPoint(50, 40), 10);
    QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(50, 40), 5);
    const int released = list.scrollOffset();
    ASSERT_TRUE(finishSettling(list));
    EXPECT_EQ(m_lastDuration, ScrollList::kGlideMs);
    EXPECT_LT(list.scrollOffset(), released);
    EXPECT_GE(list.scrollOffset(), end);
}

TEST_F(ScrollListTest, TenThousandEntriesPaintOnlyTheRowsInView) {
    ScrollList list(m_fonts);
    setUp(list, 10000);
    ASSERT_EQ(list.count(), 10000);
    EXPECT_EQ(list.entry(9999)->text, "Entry 9999");
    EXPECT_EQ(list.entry(5000)->key, m_keys[5000]);

    list.grab();
    EXPECT_EQ(list.paintedRowCount(), 5);

    list.setScrollOffset(-4321 * kRowHeight - 7);
    list.grab();
    EXPECT_EQ(list.paintedRowCount(), 6);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(50, 1));
    EXPECT_EQ(list.selectedIndex(), 4321);

    list.setScrollOffset(-1000000);
    EXPECT_EQ(list.scrollOffset(), kListSize.height() - 10000 * kRowHeight);
    list.grab();
    EXPECT_EQ(list.paintedRowCount(), 5);
}

TEST_F(ScrollListTest, EntriesAreInsertedInPlaceAndCutToSixtyThreeCharacters) {
    ScrollList list(m_fonts);
    setUp(list, 3);
    ASSERT_TRUE(list.select(1));
    EXPECT_EQ(list.addEntry(0, QString(80, QLatin1Char('x'))), 0);
    EXPECT_EQ(list.entry(0)->text.size(), ScrollList::kTextLength);
    EXPECT_EQ(list.entry(1)->text, "Entry 0");
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.entry(2)->text, "Entry 1");
    EXPECT_EQ(list.addEntry(99, "last"), 4);
    EXPECT_EQ(list.entry(4)->text, "last");
    EXPECT_EQ(list.entry(5), nullptr);
    EXPECT_EQ(list.entry(-1), nullptr);
}

TEST_F(ScrollListTest, SelectTakesOnlyExistingRowsAndClearStartsOver) {
    ScrollList list(m_fonts);
    setUp(list, 30);
    QSignalSpy changed(&list, &ScrollList::valueChanged);
    EXPECT_FALSE(list.select(30));
    EXPECT_FALSE(list.select(-1));
    EXPECT_EQ(changed.count(), 0);
    ASSERT_TRUE(list.select(12));
    list.setScrollOffset(-200);
    list.clear();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.scrollOffset(), 0);
    list.addEntry(-1, "again");
    list.grab();
    EXPECT_EQ(list.paintedRowCount(), 1);
}

} // namespace
} // namespace v32
