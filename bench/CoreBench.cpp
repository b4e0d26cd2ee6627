// The pure colour model: the six notations of one colour from its value.
#include "core/Hsl.h"
#include "core/Notations.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DescribeColor(benchmark::State& state)
{
    tw::core::ColorValue value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tw::core::DescribeColor(value));
        value = (value + 40503) & 0xFFFFFF;
    }
}
BENCHMARK(BM_DescribeColor);

void BM_RgbToHslToRgb(benchmark::State& state)
{
    tw::core::ColorValue value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tw::core::HslToRgb(tw::core::RgbToHsl(value)));
        value = (value + 40503) & 0xFFFFFF;
    }
}
BENCHMARK(BM_RgbToHslToRgb);

} // namespace

BENCHMARK_MAIN();
