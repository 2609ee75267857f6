#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/SteadyClock.h"
#include "app/link/FrameDump.h"
#include "app/link/UdpLink.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"
#include "bench/BenchDispatcher.h"
#include "bench/LoopbackDataCentre.h"
#include "bench/NotifyStreamLink.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace v32::bench {

namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr auto kReadTimeout = std::chrono::seconds(10);

// Notifications of 60 pairs, cut into the blocks a threaded link hands over, through the
// frame reader and the dispatcher: echo, store, page hook. Counts frames handled per second.
void notifyFramesThroughDispatcher(benchmark::State& state) {
    NotifyStreamLink link;
    UiWakeup wakeup;
    const ManualClock clock;
    BenchDispatcher bench(link, wakeup, clock);

    for (auto pass : state) {
        bench.dispatcher().runPass();
    }

    state.counters["frames"] = static_cast<double>(link.echoes());
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(link.echoes()), benchmark::Counter::kIsRate);
}

bool readIsComplete(const ParamModel& model) {
    return model.status().isSet(StatusBytes::kFullReadDone) && model.store().requestSet().isEmpty();
}

// Every identifier read from a data centre on the loopback interface through the UDP link,
// the main loop and the dispatcher, 60 identifiers per request.
void fullReadOverLoopbackUdp(benchmark::State& state) {
    const LoopbackDataCentre dataCentre;
    if (dataCentre.port() == 0) {
        state.SkipWithError("no loopback socket");
        return;
    }
    const SteadyClock clock;
    const DebugSwitches quiet;
    const FrameDump dump(quiet, clock);
    UdpTarget target;
    UiWakeup wakeup;
    UdpLink udp(target, wakeup, dump, dataCentre.port());
    BenchDispatcher bench(udp, wakeup, clock);
    target.set(kLoopback);
    bench.link().open();
    bench.mainLoop().enableDispatch();

    for (auto read : state) {
        bench.model().readAllParameters();
        const auto deadline = std::chrono::steady_clock::now() + kReadTimeout;
        while (!readIsComplete(bench.model())) {
            if (std::chrono::steady_clock::now() > deadline) {
                state.SkipWithError("the read did not finish");
                return;
            }
            bench.mainLoop().runPass();
        }
    }
    const bool valuesArrived =
        bench.model().value(kLastParam) == LoopbackDataCentre::valueOf(kLastParam);
    state.counters["values arrived"] = valuesArrived ? 1 : 0;
}

} // namespace

BENCHMARK(notifyFramesThroughDispatcher)->UseRealTime();
BENCHMARK(fullReadOverLoopbackUdp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace v32::bench
