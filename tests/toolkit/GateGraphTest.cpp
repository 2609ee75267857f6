#include "ui/toolkit/graphs/GateGraph.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

QPoint pointOf(GateEnvelope::Point point) {
    return QPoint(point.x, point.y);
}

// Stands for the panel tile that holds the graph: it takes the presses the graph leaves.
class Holder : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

class GateGraphTest : public testing::Test {
protected:
    GateGraphTest() {
        holder.resize(400, 300);
        holder.show();
    }

    const ResourceDisk disk;
    FontCache fonts{disk};
    Holder holder;
    GateGraph& graph = *new GateGraph(fonts, &holder);
    QSignalSpy changes{&graph, &GateGraph::valueChanged};
};

TEST_F(GateGraphTest, DraggingTheHoldEndLeftOfTheAttackGivesTheShortestHold) {
    const QPoint holdEnd = pointOf(graph.envelope().point(2));
    const QPoint attackEnd = pointOf(graph.envelope().point(1));
    QTest::mousePress(&graph, Qt::LeftButton, {}, holdEnd);
    QTest::mouseMove(&graph, QPoint(attackEnd.x() - 20, holdEnd.y()));
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, QPoint(attackEnd.x() - 20, holdEnd.y()));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(graph.hold(), 2);
    EXPECT_EQ(graph.attack(), 80);
    EXPECT_TRUE(graph.isRedrawPending());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !graph.isRedrawPending(); }, 5000));
}

TEST_F(GateGraphTest, ADisabledGraphTakesNoTouches) {
    graph.setEnabled(false);
    const QPoint attackEnd = pointOf(graph.envelope().point(1));
    QTest::mousePress(&graph, Qt::LeftButton, {}, attackEnd);
    QTest::mouseMove(&graph, attackEnd + QPoint(30, 30));
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, attackEnd + QPoint(30, 30));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(graph.attack(), 80);
    EXPECT_EQ(graph.threshold(), GateEnvelope::kDefaultThreshold);
    EXPECT_EQ(holder.presses, 1);
}

TEST_F(GateGraphTest, CaptionMarginsFitFourCharacters) {
    const QFontMetrics metrics = graph.fontMetrics();
    EXPECT_EQ(graph.envelope().plot().x, metrics.horizontalAdvance(QStringLiteral("8888")) + 6);
    graph.setCompact(true);
    EXPECT_EQ(graph.envelope().plot().x, 2);
}

TEST_F(GateGraphTest, AssistiveToolsReadTheEnvelope) {
    graph.setDecay(2000);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&graph);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Chart);
    EXPECT_EQ(accessible->text(QAccessible::Description),
              QStringLiteral("Threshold -40.0 dB, attack 80, hold 1000, decay 2000"));
}

} // namespace
} // namespace v32
