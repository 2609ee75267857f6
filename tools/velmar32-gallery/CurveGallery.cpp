#include "GalleryContext.h"
#include "GalleryScene.h"
#include "ui/toolkit/graphs/DynamicsGraph.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/graphs/EqGraph.h"
#include "ui/toolkit/graphs/GateGraph.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QMouseEvent>
#include <QPalette>
#include <span>
#include <vector>

namespace v32 {

namespace {

constexpr std::uint16_t kScreenBackground = palette::kScreenBackground;

// The screen's colour behind the widgets, as a page would have it.
QWidget* backdrop(QSize size) {
    auto* widget = new QWidget;
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, rgb565ToColor(kScreenBackground));
    widget->setPalette(palette);
    widget->resize(size);
    return widget;
}

// A vocal channel: rumble and hiss filtered off, warmth, a dip in the mud, presence and
// a little less sibilance.
void addVocalEqualiser(EqGraph& graph) {
    graph.addHighPass(80.0, 20);
    graph.addLowPass(12000.0, 9);
    graph.addBand(120.0, 4.0, 1.0);
    graph.addBand(500.0, -3.0, 2.0);
    graph.addBand(2500.0, 5.0, 1.4);
    graph.addBand(8000.0, -4.0, 0.8);
}

// Pink-ish programme material falling off towards the top octaves.
std::vector<int> analyserLevels() {
    const int levels[] = {38, 52, 61, 66, 70, 64, 58, 55, 60, 63, 57, 50, 47, 52, 55, 49,
                          44, 46, 41, 38, 43, 45, 39, 34, 30, 33, 27, 22, 18, 12, 6,  2};
    return {std::begin(levels), std::end(levels)};
}

// A press on a handle and a move, as a finger drags it.
void drag(QWidget& widget, QPoint from, QPoint to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, widget.mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// The equaliser page's curve with the analyser behind it, at the size of that page.
QWidget* showEqWithAnalyser(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(800, 360));
    auto* graph = new EqGraph(stage.context.fonts, screen);
    graph->setFont(stage.context.fonts.fontOfSize(12));
    addVocalEqualiser(*graph);
    graph->setRtaOn(true);
    graph->setRtaGradient(true);
    graph->setRtaValues(analyserLevels());
    graph->setGeometry(20, 20, 760, 320);
    return screen;
}

// The graph at its own size while band 3 is dragged: its own response in grey, the
// handle green and the tooltip beside it; the analyser without its gradient.
QWidget* showEqDragging(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(344, 180));
    auto* graph = new EqGraph(stage.context.fonts, screen);
    addVocalEqualiser(*graph);
    graph->setRtaOn(true);
    graph->setRtaValues(analyserLevels());
    graph->move(20, 20);
    const EqBand& band = *graph->band(2);
    const QPoint handle(graph->plot().x + graph->curve().handleX(band),
                        graph->plot().y + graph->curve().handleY(band));
    drag(*graph, handle, handle + QPoint(-12, -10));
    return screen;
}

// The small curves of two brief strips: an input with four bands, a bus with seven.
QWidget* showEqCompact(GalleryStage& /*stage*/) {
    QWidget* screen = backdrop(QSize(316, 88));
    auto* input = new EqCompactGraph(screen, 4);
    input->move(20, 20);
    input->setParam(EqCurve::Param::HighPassFrequency, 0, 100);
    input->setParam(EqCurve::Param::HighPassCode, 0, 20);
    input->setParam(EqCurve::Param::BandFrequency, 1, 400);
    input->setParam(EqCurve::Param::BandGain, 1, 450);
    input->setParam(EqCurve::Param::BandFrequency, 2, 3000);
    input->setParam(EqCurve::Param::BandGain, 2, 560);
    auto* bus = new EqCompactGraph(screen, 7);
    bus->move(168, 20);
    const std::uint16_t frequencies[] = {60, 150, 400, 1000, 2500, 6000, 12000};
    const std::uint16_t gains[] = {540, 520, 470, 500, 530, 480, 440};
    for (int band = 0; band < 7; ++band) {
        bus->setParam(EqCurve::Param::BandFrequency, band, frequencies[band]);
        bus->setParam(EqCurve::Param::BandGain, band, gains[band]);
    }
    return screen;
}

// A compressor at 4 : 1 from -30 dB with 6 dB of make-up gain.
QWidget* showCompressor(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(360, 280));
    auto* graph = new DynamicsGraph(stage.context.fonts, screen);
    graph->setThreshold(-30.0);
    graph->setRatio(4.0);
    graph->setGain(6.0);
    graph->move(20, 20);
    return screen;
}

QWidget* showGate(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(360, 280));
    auto* graph = new GateGraph(stage.context.fonts, screen);
    graph->move(20, 20);
    return screen;
}

// Switched off, and the small forms of the summary tiles.
QWidget* showDynamicsDisabledAndCompact(GalleryStage& stage) {
    QWidget* screen = backdrop(QSize(700, 420));
    auto* compressor = new DynamicsGraph(stage.context.fonts, screen);
    compressor->setThreshold(-30.0);
    compressor->setRatio(4.0);
    compressor->move(20, 20);
    compressor->setEnabled(false);
    auto* gate = new GateGraph(stage.context.fonts, screen);
    gate->move(360, 20);
    gate->setEnabled(false);
    auto* smallCompressor = new DynamicsGraph(stage.context.fonts, screen);
    smallCompressor->setCompact(true);
    smallCompressor->setThreshold(-30.0);
    smallCompressor->setRatio(4.0);
    smallCompressor->setGeometry(20, 280, 160, 120);
    auto* smallGate = new GateGraph(stage.context.fonts, screen);
    smallGate->setCompact(true);
    smallGate->setGeometry(360, 280, 160, 120);
    auto* smallDisabled = new GateGraph(stage.context.fonts, screen);
    smallDisabled->setCompact(true);
    smallDisabled->setEnabled(false);
    smallDisabled->setGeometry(530, 280, 160, 120);
    return screen;
}

const GalleryScene kCurveScenes[] = {
    {"eq-graph-analyser", {}, nullptr, showEqWithAnalyser},
    {"eq-graph-dragging", {}, nullptr, showEqDragging},
    {"eq-graph-compact", {}, nullptr, showEqCompact},
    {"dynamics-compressor", {}, nullptr, showCompressor},
    {"gate-envelope", {}, nullptr, showGate},
    {"dynamics-disabled-and-compact", {}, nullptr, showDynamicsDisabledAndCompact},
};

} // namespace

// The pictures of the equaliser curve, the dynamics transfer curve and the gate envelope.
std::span<const GalleryScene> curveGalleryScenes() {
    return kCurveScenes;
}

} // namespace v32
