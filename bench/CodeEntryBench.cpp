// Typing codes: the pure checks of each notation, the converter, and a confirmed entry in the main window
// with everything it refreshes (offscreen).
#include "bench/QtBenchmarkMain.h"
#include "codes/CodeEntry.h"
#include "codes/Sliders.h"
#include "core/CodeChecks.h"
#include "core/Converter.h"
#include "mainwindow/MainWindow.h"
#include "tests/fakes/FakeServices.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void BM_CheckHexCodes(benchmark::State& state)
{
    using tw::core::NotifyCorrections;
    const tw::core::SystemColorLookup lookup = [](int) { return 0xF0F0F0; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(tw::core::CheckHtmlHex("FF8000", NotifyCorrections::On));
        benchmark::DoNotOptimize(tw::core::CheckVbHex("&h8000000F", NotifyCorrections::On, lookup));
        benchmark::DoNotOptimize(tw::core::CheckDelphiHex("00FF0000", NotifyCorrections::On));
        benchmark::DoNotOptimize(tw::core::CheckCppHex("0X00FF00", NotifyCorrections::On));
    }
}
BENCHMARK(BM_CheckHexCodes);

void BM_Convert(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::core::ConvertCode("#FF8000", tw::core::NumberReading::Rgb));
}
BENCHMARK(BM_Convert);

void BM_ConfirmHtmlEntry(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    QLineEdit* field = window.findChild<tw::CodeFrame*>(QStringLiteral("Frame1"))->field(tw::CodeField::Html);
    int value = 0;
    for (auto _ : state) {
        value = (value + 40503) & 0xFFFFFF;
        field->setText(QStringLiteral("#%1").arg(value, 6, 16, QLatin1Char('0')).toUpper());
        window.findChild<tw::CodeEntry*>()->confirm(tw::ColorSlot::One, tw::CodeField::Html);
    }
}
BENCHMARK(BM_ConfirmHtmlEntry);

void BM_SpinStepHue(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    window.setColor(QStringLiteral("255"), false);
    int delta = 1;
    int hue = 0;
    for (auto _ : state) {
        if (hue == 239 || (hue == 0 && delta < 0))
            delta = -delta;
        hue += delta;
        window.findChild<tw::Sliders*>()->step(tw::ColorSlot::One, tw::CodeField::Hue, delta);
    }
}
BENCHMARK(BM_SpinStepHue);

} // namespace

int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv);
}
