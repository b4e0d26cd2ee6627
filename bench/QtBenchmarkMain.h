#pragma once
// The main() of the benchmarks that need widgets: a QApplication (offscreen unless the benchmark needs a
// real screen) around Google Benchmark's runner.
#include <QApplication>
#include <benchmark/benchmark.h>

namespace tw::bench {

enum class Display { Offscreen, RealWhenAvailable };

inline int RunQtBenchmarks(int argc, char** argv, Display display = Display::Offscreen)
{
    if (display == Display::Offscreen || qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tw::bench
