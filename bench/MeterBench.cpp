// The cost of the level meters on the home screen: one meter taking a new level and
// repainting, and a whole screen's worth of meters (51 bridge bars and the two meters of
// each of 14 bank strips) taking new levels and repainting at once, as the meter timers do
// ten times a second. Everything is drawn offscreen into an image of the window's size.

#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/MeterLevel.h"
#include "ui/toolkit/widgets/ScaleMeter.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegion>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace v32 {
namespace {

constexpr QSize kScreenSize(1280, 800);
constexpr int kStripColumns = 7;
constexpr int kStripRows = 2;
constexpr int kBridgeBars = 51;
constexpr int kBridgeBarWidth = 16;
constexpr int kBridgeTop = 600;
constexpr int kBridgeBarHeight = 160;

// Two levels far enough apart that every update moves every meter.
std::int8_t levelOfPass(std::int64_t pass, int channel) {
    return static_cast<std::int8_t>((pass + channel) % 2 == 0 ? -6 : 4);
}

void meterLevelChangeWithRepaint(benchmark::State& state) {
    ScaleMeter meter;
    meter.resize(32, 320);
    MeterBar& bar = *meter.bar();
    QImage target(meter.size(), QImage::Format_ARGB32_Premultiplied);
    std::int64_t pass = 0;
    for (auto _ : state) {
        meter.setLevel(levelOfPass(pass++, 0), 0);
        bar.render(&target, bar.pos());
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The bank overview as the home screen lays it out: two rows of strips over the bridge.
class HomeScreenMeters {
public:
    HomeScreenMeters()
        : m_fonts(m_disk)
        , m_images(m_disk)
        , m_target(kScreenSize, QImage::Format_ARGB32_Premultiplied) {
        m_fonts.loadNamedFonts();
        m_screen.resize(kScreenSize);
        for (int i = 0; i < kStripColumns * kStripRows; ++i) {
            auto* strip = new BriefStrip(m_fonts, m_images, &m_screen);
            strip->move(40 + (i % kStripColumns) * 172, 8 + (i / kStripColumns) * 290);
            m_strips.push_back(strip);
        }
        for (int i = 0; i < kBridgeBars; ++i) {
            auto* bar = new MeterBar(&m_screen);
            bar->setRange(0, 120);
            bar->setGeometry(12 + i * 24, kBridgeTop, kBridgeBarWidth, kBridgeBarHeight);
            m_bridge.push_back(bar);
        }
        m_screen.show();
        QCoreApplication::processEvents();
    }

    void takeLevels(std::int64_t pass) {
        int channel = 0;
        for (BriefStrip* strip : m_strips) {
            strip->setMeterLevels(levelOfPass(pass, channel), levelOfPass(pass, channel + 1));
            channel += 2;
        }
        for (MeterBar* bar : m_bridge) {
            bar->setValue(meterSegmentCount(levelOfPass(pass, channel++)) * 10);
        }
    }

    // What the meters cover: the part of the screen a meter update repaints.
    QRegion meterRegion() const {
        QRegion region;
        for (const BriefStrip* strip : m_strips) {
            for (const ScaleMeter* meter : {strip->leftMeter(), strip->rightMeter()}) {
                const MeterBar* bar = meter->bar();
                region += QRect(bar->mapTo(&m_screen, QPoint()), bar->size());
            }
        }
        for (const MeterBar* bar : m_bridge) {
            region += bar->geometry();
        }
        return region;
    }

    void render(const QRegion& region) {
        m_screen.render(&m_target, QPoint(), region);
        benchmark::DoNotOptimize(m_target.constBits());
    }

private:
    ResourceDisk m_disk;
    FontCache m_fonts;
    ImageCache m_images;
    QWidget m_screen;
    std::vector<BriefStrip*> m_strips;
    std::vector<MeterBar*> m_bridge;
    QImage m_target;
};

void screenOfMetersRepaint(benchmark::State& state) {
    HomeScreenMeters screen;
    const QRegion meters = screen.meterRegion();
    std::int64_t pass = 0;
    for (auto _ : state) {
        screen.takeLevels(pass++);
        screen.render(meters);
    }
}

// The same update with the whole screen redrawn around it: the bound for a page that
// repaints everything, such as the first frame after a bank change.
void screenOfMetersFullRepaint(benchmark::State& state) {
    HomeScreenMeters screen;
    std::int64_t pass = 0;
    for (auto _ : state) {
        screen.takeLevels(pass++);
        screen.render(QRegion(QRect(QPoint(), kScreenSize)));
    }
}

BENCHMARK(meterLevelChangeWithRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(screenOfMetersRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(screenOfMetersFullRepaint)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace v32
