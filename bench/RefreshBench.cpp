// A new working colour through the model, with every view of it refreshed (swatch, six notations, slides),
// offscreen.
#include "bench/QtBenchmarkMain.h"
#include "mainwindow/MainWindow.h"
#include "model/WorkingColors.h"
#include "tests/fakes/FakeServices.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RefreshColor1(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    tw::core::ColorValue value = 0;
    for (auto _ : state) {
        value = (value + 40503) & 0xFFFFFF;
        window.colors().take(tw::ColorSlot::One, value, tw::WithoutRecord());
    }
}
BENCHMARK(BM_RefreshColor1);

void BM_RefreshColor2(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    tw::core::ColorValue value = 0;
    for (auto _ : state) {
        value = (value + 40503) & 0xFFFFFF;
        window.colors().take(tw::ColorSlot::Two, value, tw::WithoutRecord());
    }
}
BENCHMARK(BM_RefreshColor2);

} // namespace

int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv);
}
