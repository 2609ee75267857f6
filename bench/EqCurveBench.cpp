// The cost of the equaliser curve: one recomputation of every band and the sum after a
// burst of parameter changes, on the plot of the graph's default size and on a plot as
// wide as the equaliser page's, with both filters and the seven bands of a bus; and one
// paint of the full graph with the analyser bars behind the curve.

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/graphs/EqCurve.h"
#include "ui/toolkit/graphs/EqGraph.h"
#include "ui/toolkit/style/FontCache.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <vector>

namespace v32 {
namespace {

constexpr int kBandCount = 7;
constexpr int kWidePlotWidth = 1000;
constexpr int kWidePlotHeight = 300;

void addBusEqualiser(EqCurve& curve) {
    curve.addHighPass(80.0, 26);
    curve.addLowPass(12000.0, 31);
    curve.populate(kBandCount, [] { return 180U; });
}

// Every band changes between passes, as when a scene recall moves them all.
void changeEveryBand(EqCurve& curve, std::int64_t pass) {
    const double shift = pass % 2 == 0 ? 1.0 : -1.0;
    curve.highPass()->setFrequency(80.0 + shift);
    curve.lowPass()->setFrequency(12000.0 + shift);
    for (int i = 0; i < curve.bandCount(); ++i) {
        curve.band(i)->setGain(3.0 * shift);
    }
}

void recomputeAfterChangingEveryBand(benchmark::State& state, int width, int height) {
    EqCurve curve;
    addBusEqualiser(curve);
    curve.setPlotSize(width, height);
    std::int64_t pass = 0;
    for (auto _ : state) {
        changeEveryBand(curve, pass++);
        curve.recomputeChanged();
        benchmark::DoNotOptimize(curve.curve().data());
    }
    state.counters["plot_width"] = width;
}

void eqRecomputeDefaultGraph(benchmark::State& state) {
    const ResourceDisk disk;
    FontCache fonts(disk);
    const EqGraph graph(fonts);
    recomputeAfterChangingEveryBand(state, graph.plot().width, graph.plot().height);
}
BENCHMARK(eqRecomputeDefaultGraph)->Unit(benchmark::kMicrosecond);

void eqRecomputeWidePlot(benchmark::State& state) {
    recomputeAfterChangingEveryBand(state, kWidePlotWidth, kWidePlotHeight);
}
BENCHMARK(eqRecomputeWidePlot)->Unit(benchmark::kMicrosecond);

void eqPaintWithAnalyser(benchmark::State& state) {
    const ResourceDisk disk;
    FontCache fonts(disk);
    EqGraph graph(fonts);
    graph.addHighPass(80.0, 26);
    graph.addLowPass(12000.0, 31);
    graph.populate(kBandCount);
    graph.setRtaOn(true);
    graph.setRtaGradient(true);
    graph.setRtaValues(std::vector<int>(32, 60));
    graph.resize(kWidePlotWidth, kWidePlotHeight);
    QImage target(graph.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        graph.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(eqPaintWithAnalyser)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace v32
