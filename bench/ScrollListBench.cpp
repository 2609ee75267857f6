// The cost of the scroll list with a USB disk's worth of files: filling it with 10,000
// entries, and one frame of a drag (move the list by a few pixels and repaint what is in
// view) near the top, in the middle and at the end of the list. A frame must stay far
// below the 16 ms of a 60 Hz display wherever the list stands.

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/ScrollList.h"

#include <QImage>
#include <QString>
#include <benchmark/benchmark.h>

namespace v32 {
namespace {

constexpr int kEntryCount = 10000;
constexpr QSize kListSize(400, 480);
constexpr int kDragStep = 7;

void fillList(ScrollList& list) {
    for (int i = 0; i < kEntryCount; ++i) {
        list.addEntry(-1, QStringLiteral("Track %1 - live take.wav").arg(i + 1));
    }
}

void fillTenThousandEntries(benchmark::State& state) {
    ResourceDisk disk;
    FontCache fonts(disk);
    for (auto _ : state) {
        ScrollList list(fonts);
        fillList(list);
        benchmark::DoNotOptimize(list.count());
    }
}

// Where the drag happens, as a share of the list's length: 0 top, 50 middle, 100 end.
void dragFrameInTenThousandEntries(benchmark::State& state) {
    ResourceDisk disk;
    FontCache fonts(disk);
    fonts.loadNamedFonts();
    ScrollList list(fonts);
    list.resize(kListSize);
    fillList(list);
    list.setSecondText(kEntryCount / 2, QStringLiteral("04:31"));
    const int end = -(kEntryCount * list.rowHeight() - kListSize.height());
    const int start = static_cast<int>(end * state.range(0) / 100);
    QImage target(kListSize, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        // Back and forth over a few rows, so that every frame moves the list.
        const int direction = (step++ / 20) % 2 == 0 ? -1 : 1;
        list.setScrollOffset(list.scrollOffset() + direction * kDragStep);
        if (step == 1) {
            list.setScrollOffset(start);
        }
        list.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["rows_painted"] = list.paintedRowCount();
}

BENCHMARK(fillTenThousandEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(dragFrameInTenThousandEntries)
    ->Arg(0)
    ->Arg(50)
    ->Arg(100)
    ->ArgName("position_percent")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace v32
