// The benchmarks' entry point. Widgets need one application object, made before any
// benchmark runs and destroyed before the program's exit handlers, which tear down what
// Qt's destructor still uses. The benchmarks draw on the offscreen platform.

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // A screen larger than the program's window, which the platform's small default screen
    // would have maximised onto it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELMAR32_BENCH_SCREEN);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
