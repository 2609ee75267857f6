#include "ui/toolkit/graphs/DynamicsGraph.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

QPoint pointOf(DynamicsCurve::Point point) {
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

class DynamicsGraphTest : public testing::Test {
protected:
    DynamicsGraphTest() {
        holder.resize(400, 300);
        holder.show();
    }

    const ResourceDisk disk;
    FontCache fonts{disk};
    Holder holder;
    DynamicsGraph& graph = *new DynamicsGraph(fonts, &holder);
    QSignalSpy changes{&graph, &DynamicsGraph::valueChanged};
};

TEST_F(DynamicsGraphTest, DraggingTheThresholdEmitsAndHoldsRedrawsBack) {
    const EqPlotLayout& plot = graph.curve().plot();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !graph.isRedrawPending(); }, 5000));
    const QPoint threshold = pointOf(graph.curve().thresholdPoint());
    QTest::mousePress(&graph, Qt::LeftButton, {}, threshold);
    QTest::mouseMove(&graph, QPoint(plot.x + plot.width / 2, threshold.y()));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_NEAR(graph.threshold(), -30.0, 0.5);
    EXPECT_TRUE(graph.isRedrawPending());
    QTest::mouseMove(&graph, QPoint(plot.x + plot.width / 2, threshold.y() + 30));
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, threshold);
    EXPECT_EQ(graph.curve().draggedHandle(), DynamicsCurve::Handle::None);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !graph.isRedrawPending(); }, 5000));
}

TEST_F(DynamicsGraphTest, DraggingTheRatioHandleEmits) {
    const QPoint end = pointOf(graph.curve().end());
    const QPoint threshold = pointOf(graph.curve().thresholdPoint());
    QTest::mousePress(&graph, Qt::LeftButton, {}, end);
    QTest::mouseMove(&graph, QPoint(end.x(), threshold.y() + 10));
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, QPoint(end.x(), threshold.y() + 10));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(graph.ratio(), DynamicsCurve::kInfiniteRatio);
}

TEST_F(DynamicsGraphTest, ADisabledGraphTakesNoTouches) {
    graph.setEnabled(false);
    const QPoint threshold = pointOf(graph.curve().thresholdPoint());
    QTest::mousePress(&graph, Qt::LeftButton, {}, threshold);
    QTest::mouseMove(&graph, threshold + QPoint(40, 0));
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, threshold + QPoint(40, 0));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(graph.threshold(), DynamicsCurve::kDefaultThreshold);
    EXPECT_EQ(holder.presses, 1);
}

TEST_F(DynamicsGraphTest, CompactFormHasNeitherCaptionMarginsNorHandles) {
    graph.setCompact(true);
    EXPECT_EQ(graph.curve().plot().x, 2);
    EXPECT_EQ(graph.curve().plot().width, 320 - 4);
    EXPECT_EQ(graph.handleSize(), 0);
    const QPoint threshold = pointOf(graph.curve().thresholdPoint());
    QTest::mousePress(&graph, Qt::LeftButton, {}, threshold);
    EXPECT_EQ(graph.curve().draggedHandle(), DynamicsCurve::Handle::None);
    EXPECT_EQ(holder.presses, 1);
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, threshold);
}

TEST_F(DynamicsGraphTest, AssistiveToolsReadThresholdAndRatio) {
    graph.setThreshold(-12.5);
    graph.setRatio(4.0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&graph);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Chart);
    EXPECT_EQ(accessible->text(QAccessible::Description),
              QStringLiteral("Threshold -12.5 dB, ratio 1 : 4"));
}

} // namespace
} // namespace v32
