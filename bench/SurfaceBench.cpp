// The control surface as a whole against the stand-in program on loopback: how much of one
// core it takes while it sits on the bank overview with the mixer's meters moving, and how
// long Connect on the device list takes to the end of the full read ("read finished!").
// The stand-in runs as a child process, so that its own work is not counted. The figures to
// stay under: 5 % of one core, and 300 ms.

#include "app/model/ParamModel.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/LiveData.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "bench/SurfaceSession.h"
#include "tests/e2e/StandInProcess.h"

#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace v32::bench {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

constexpr auto kReadPatience = 10s;
// Coming online starts another full read a second later; by then it is over and the raised
// faders are acknowledged, and the screen is as a user leaves it.
constexpr auto kSettleTime = 3s;
constexpr auto kIdleTime = 5s;
// The input meters, two inputs to a word.
constexpr ParamId kFirstMeterWord = LiveData::kFirstInputMeter;
constexpr ParamId kLastInputMeterWord =
    kFirstMeterWord + InputIndex::kCount / LiveData::kChannelsPerMeterWord - 1;

// The CPU time of every thread of this process, the stand-in's child not among them.
double processCpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

const std::vector<std::string> kStandInOptions = {"--no-tcp", "--udp-port", "0"};

// The factory leaves every fader down, and the mixer's meters show what passes the faders:
// a desk in use has them up.
void raiseTheInputFaders(ParamModel& model) {
    for (int input = 0; input < InputIndex::kCount; ++input) {
        const ParamId fader = paramId(KindInput, input, kNumberFader);
        if (fader != kInvalidParam) {
            model.write(ParamWrite::control(fader, toRaw(ValueFaderLevel, 0.0)));
        }
    }
}

// Counts the passes in which any input meter the model holds has moved.
class MeterWatch {
public:
    explicit MeterWatch(const ParamModel& model)
        : m_model(model) {
        take();
    }

    void take() {
        bool moved = false;
        for (ParamId id = kFirstMeterWord; id <= kLastInputMeterWord; ++id) {
            std::uint16_t& seen = m_seen[id - kFirstMeterWord];
            moved = moved || seen != m_model.value(id);
            seen = m_model.value(id);
        }
        m_changes += moved ? 1 : 0;
    }
    int changes() const { return m_changes; }

private:
    const ParamModel& m_model;
    std::array<std::uint16_t, kLastInputMeterWord - kFirstMeterWord + 1> m_seen{};
    int m_changes = 0;
};

void idleBankOverviewWithMovingMeters(benchmark::State& state) {
    e2e::StandInProcess standIn(kStandInOptions);
    if (!standIn.isReady()) {
        state.SkipWithError("the stand-in did not start");
        return;
    }
    double cpuPercent = 0;
    double meterChangesPerSecond = 0;
    for (auto _ : state) {
        SurfaceSession surface(standIn.udpPort());
        const char* error = "the program did not come up";
        surface.run([&] {
            error = "Connect did not aim the link at the stand-in";
            if (!surface.connect()) {
                return;
            }
            error = "the full read did not finish";
            if (!surface.passUntil([&] { return surface.readsFinished() > 0; }, kReadPatience)) {
                return;
            }
            raiseTheInputFaders(surface.application().model());
            surface.passFor(kSettleTime);
            MeterWatch meters(surface.application().model());
            const double cpuBefore = processCpuSeconds();
            const auto start = Steady::now();
            surface.passFor(kIdleTime, [&] { meters.take(); });
            const double wall = secondsSince(start);
            cpuPercent = 100.0 * (processCpuSeconds() - cpuBefore) / wall;
            meterChangesPerSecond = meters.changes() / wall;
            error = meters.changes() == 0 ? "the meters did not move" : nullptr;
        });
        if (error != nullptr) {
            state.SkipWithError(error);
            return;
        }
    }
    state.counters["cpu_percent"] = cpuPercent;
    state.counters["meter_updates_per_s"] = meterChangesPerSecond;
}

void connectToReadFinished(benchmark::State& state) {
    e2e::StandInProcess standIn(kStandInOptions);
    if (!standIn.isReady()) {
        state.SkipWithError("the stand-in did not start");
        return;
    }
    double totalMs = 0;
    for (auto _ : state) {
        SurfaceSession surface(standIn.udpPort());
        double seconds = -1;
        surface.run([&] {
            const auto start = Steady::now();
            if (surface.connect() &&
                surface.passUntil([&] { return surface.readsFinished() > 0; }, kReadPatience)) {
                seconds = secondsSince(start);
            }
        });
        if (seconds < 0) {
            state.SkipWithError("the full read did not finish");
            return;
        }
        state.SetIterationTime(seconds);
        totalMs += seconds * 1000.0;
    }
    state.counters["connect_to_read_finished_ms"] =
        totalMs / static_cast<double>(state.iterations());
}

BENCHMARK(idleBankOverviewWithMovingMeters)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(connectToReadFinished)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace v32::bench
