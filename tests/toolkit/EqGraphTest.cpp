#include "ui/toolkit/graphs/EqGraph.h"

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/style/FontCache.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace v32 {
namespace {

// Stands for the screen that holds the graph: it takes the presses the graph leaves.
class Holder : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

struct Report {
    int band;
    double frequency;
    double gain;
};

class EqGraphTest : public testing::Test {
protected:
    EqGraphTest() {
        holder.resize(400, 300);
        holder.show();
        QObject::connect(graph, &EqGraph::bandChanged, [this](const EqBand& band) {
            reports.push_back({band.number(), band.frequency(), band.gain()});
        });
    }

    QPoint handleCentre(const EqBand& band) const {
        return QPoint(graph->plot().x + graph->curve().handleX(band),
                      graph->plot().y + graph->curve().handleY(band));
    }

    bool waitForRecompute() {
        return QTest::qWaitFor([this] { return !graph->isRecomputePending(); }, 5000);
    }

    const ResourceDisk disk;
    FontCache fonts{disk};
    Holder holder;
    EqGraph* graph = new EqGraph(fonts, &holder);
    std::vector<Report> reports;
};

TEST_F(EqGraphTest, LaysThePlotOutBesideItsCaptions) {
    const QFontMetrics metrics = graph->fontMetrics();
    const EqPlotLayout& plot = graph->plot();
    EXPECT_EQ(graph->size(), EqGraph::kDefaultSize);
    EXPECT_EQ(plot.x, metrics.horizontalAdvance(QStringLiteral("888")) + 4 + 2);
    EXPECT_EQ(plot.y, 2 + metrics.height() / 2);
    EXPECT_EQ(plot.bottom() + metrics.height() + 2, 140);
    EXPECT_EQ(plot.right() + metrics.height() / 2 + 2, 304);
    EXPECT_EQ(graph->curve().plotWidth(), plot.width);
    EXPECT_EQ(graph->handleSize(), metrics.height());
}

TEST_F(EqGraphTest, BandChangesAreMergedIntoOneLaterRecomputation) {
    graph->addBand(1000.0, 0.0, 1.0);
    ASSERT_TRUE(waitForRecompute());
    const int x = graph->xOfFrequency(1000.0);
    const std::int16_t flat = graph->curve().curve()[x];

    EqBand& band = *graph->band(0);
    band.setGain(6.0);
    band.setGain(9.0);
    band.setFrequency(1000.0);
    EXPECT_TRUE(graph->isRecomputePending());
    EXPECT_EQ(graph->curve().curve()[x], flat);
    ASSERT_TRUE(waitForRecompute());
    EXPECT_FALSE(band.isDirty());
    EXPECT_EQ(graph->curve().curve()[x], graph->yOffsetOfGain(9.0));

    band.setGain(9.004);
    EXPECT_FALSE(graph->isRecomputePending());
}

TEST_F(EqGraphTest, ResizingRecomputesAtOnce) {
    graph->addBand(1000.0, 6.0, 1.0);
    graph->resize(500, 200);
    EXPECT_FALSE(graph->band(0)->isDirty());
    EXPECT_EQ(graph->curve().curve().size(), static_cast<std::size_t>(graph->plot().width));
    EXPECT_EQ(graph->curve().curve()[graph->xOfFrequency(1000.0)], graph->yOffsetOfGain(6.0));
}

TEST_F(EqGraphTest, DraggingAHandleReportsEachChange) {
    graph->addBand(1000.0, 0.0, 1.0);
    const QPoint start = handleCentre(*graph->band(0));
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    ASSERT_EQ(graph->curve().draggedBand(), graph->band(0));

    QTest::mouseMove(graph, QPoint(start.x(), 1));
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports[0].band, 1);
    EXPECT_DOUBLE_EQ(reports[0].gain, 12.0);
    EXPECT_NEAR(reports[0].frequency, 1000.0, 30.0);

    QTest::mouseMove(graph, QPoint(start.x(), 2));
    EXPECT_EQ(reports.size(), 1U);
    QTest::mouseMove(graph, QPoint(3, start.y()));
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_DOUBLE_EQ(reports[1].frequency, 19.7);

    QTest::mouseRelease(graph, Qt::LeftButton, {}, QPoint(3, start.y()));
    EXPECT_EQ(graph->curve().draggedBand(), nullptr);
    EXPECT_EQ(holder.presses, 0);
}

TEST_F(EqGraphTest, PressesOffTheHandlesGoToTheHolder) {
    graph->addHighPass(100.0, 8);
    QTest::mousePress(graph, Qt::LeftButton, {}, QPoint(200, 20));
    EXPECT_EQ(graph->curve().draggedBand(), nullptr);
    EXPECT_EQ(holder.presses, 1);
    QTest::mouseMove(graph, QPoint(100, 20));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_TRUE(reports.empty());
}

TEST_F(EqGraphTest, CompactFormHasNeitherCaptionsNorHandles) {
    graph->addBand(1000.0, 0.0, 1.0);
    graph->setCompact(true);
    EXPECT_EQ(graph->plot().x, 2);
    EXPECT_EQ(graph->plot().y, 2);
    EXPECT_EQ(graph->plot().width, 304 - 4);
    EXPECT_EQ(graph->handleSize(), 0);
    QTest::mousePress(graph, Qt::LeftButton, {}, handleCentre(*graph->band(0)));
    EXPECT_EQ(graph->curve().draggedBand(), nullptr);
    EXPECT_EQ(holder.presses, 1);
    QTest::mouseRelease(graph, Qt::LeftButton, {}, handleCentre(*graph->band(0)));
}

TEST_F(EqGraphTest, SwitchingTheAnalyserClearsItsBars) {
    const std::vector<int> levels(32, 40);
    graph->setRtaValues(levels);
    EXPECT_EQ(graph->rta().values()[5], 40);
    graph->setRtaOn(true);
    EXPECT_EQ(graph->rta().values()[5], 0);
}

TEST_F(EqGraphTest, AssistiveToolsSeeAChartDescribingTheBands) {
    graph->addHighPass(19.6, 8);
    graph->addBand(1000.0, 3.0, 1.4);
    ASSERT_TRUE(waitForRecompute());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(graph);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Chart);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("EQ response curve"));
    EXPECT_EQ(accessible->text(QAccessible::Description),
              QStringLiteral("High-pass OFF, Band 1 F:1k G:3.0 Q:1.4"));
}

TEST(EqCompactGraph, StartsFlatAtItsFixedSizeAndFollowsParameters) {
    EqCompactGraph graph(nullptr, 7);
    EXPECT_EQ(graph.size(), EqCompactGraph::kSize);
    EXPECT_EQ(graph.minimumSize(), graph.maximumSize());
    EXPECT_TRUE(graph.isCompact());
    EXPECT_TRUE(graph.testAttribute(Qt::WA_TransparentForMouseEvents));
    ASSERT_EQ(graph.bandCount(), 7);
    ASSERT_TRUE(graph.highPass()->isOff());
    ASSERT_TRUE(graph.lowPass()->isOff());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !graph.isRecomputePending(); }, 5000));
    for (const std::int16_t offset : graph.curve().curve()) {
        ASSERT_EQ(offset, graph.yOffsetOfGain(0.0));
    }

    EXPECT_TRUE(graph.setParam(EqCurve::Param::BandFrequency, 6, 4000));
    EXPECT_TRUE(graph.setParam(EqCurve::Param::BandGain, 6, 620));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !graph.isRecomputePending(); }, 5000));
    EXPECT_EQ(graph.curve().curve()[graph.xOfFrequency(4000.0)], graph.yOffsetOfGain(12.0));
}

} // namespace
} // namespace v32
