// The palette and colour file texts: encoding, decoding and the strict palette parse of a whole palette.
#include "core/FileText.h"
#include "core/PaletteText.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

namespace {

const std::string& PalettePlain()
{
    static const std::string plain = tw::core::BuildPaletteText(tw::core::DefaultPalette());
    return plain;
}

void BM_EncodePalette(benchmark::State& state)
{
    const tw::core::UnitRandom random = tw::core::SystemUnitRandom();
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::core::EncodeFileText(PalettePlain(), random));
}
BENCHMARK(BM_EncodePalette);

void BM_DecodeAndParsePalette(benchmark::State& state)
{
    const std::string encoded = tw::core::EncodeFileText(PalettePlain(), tw::core::SystemUnitRandom());
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::core::ParsePaletteText(tw::core::DecodeFileText(encoded)));
}
BENCHMARK(BM_DecodeAndParsePalette);

void BM_DecodeLargestFile(benchmark::State& state)
{
    // About as long as the largest file a reader looks at (64 KiB), and decodable to its end: the worst case.
    std::string encoded = tw::core::EncodeFileText(std::string(9000, 'A'), tw::core::SystemUnitRandom());
    encoded.resize(std::min<std::size_t>(encoded.size(), 64 * 1024));
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::core::DecodeFileText(encoded));
    state.SetBytesProcessed(static_cast<std::int64_t>(encoded.size()) * state.iterations());
}
BENCHMARK(BM_DecodeLargestFile);

} // namespace

BENCHMARK_MAIN();
