// The main window's full refresh of one colour (GetRGBValue + GetHEXValue) with its widgets, offscreen.
#include "bench/QtBenchmarkMain.h"
#include "mainwindow/MainWindow.h"
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
        window.setSwatchColor(tw::ColorSlot::One, value);
        window.GetRGBValue();
        window.GetHEXValue();
    }
}
BENCHMARK(BM_RefreshColor1);

void BM_RefreshColor2(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    window.setCurrentColor(tw::ColorSlot::Two);
    tw::core::ColorValue value = 0;
    for (auto _ : state) {
        value = (value + 40503) & 0xFFFFFF;
        window.setSwatchColor(tw::ColorSlot::Two, value);
        window.GetRGBValue2();
    }
}
BENCHMARK(BM_RefreshColor2);

} // namespace

int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv);
}
