// One History call, with its write of the settings file, beside one atomic settings write of the same file.
// Both run on a settings file of the size a user's file has (the main table and ten history entries) in a
// temporary folder, so they include the lock file, the temporary file, fsync and the rename.
#include "bench/QtBenchmarkMain.h"
#include "history/ColorHistory.h"
#include "mainwindow/MainWindow.h"
#include "model/WorkingColors.h"
#include "platform/qt/IniSettingsStore.h"
#include "tests/fakes/FakeServices.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using tw::platform::IniSettingsStore;

// A store holding what a user's file holds after some use.
std::unique_ptr<IniSettingsStore> TypicalStore(const QTemporaryDir& dir)
{
    auto store = std::make_unique<IniSettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
    QList<tw::platform::SettingsChange> main;
    for (const char* key : { "newzoom", "grid", "top", "mode", "check1", "hide", "cross", "stick", "notify", "high",
             "scheme", "trans0", "trans1", "trans2", "trans3", "trans4", "sel", "blnCodesTip", "blnMinTip", "Cap" })
        main.append({ QString::fromLatin1(key), QStringLiteral("False") });
    main.append({ QStringLiteral("Cmd"), QStringLiteral("/home/user/Pictures/Palettes/website colours.tcpp") });
    bool written = store->apply(QStringLiteral("Main"), main);
    tw::ColorHistory history(*store);
    for (int i = 1; i <= tw::ColorHistory::kSize; ++i)
        written = history.record(i * 101) && written;
    if (!written)
        qFatal("the benchmark's settings file cannot be written");
    return store;
}

void BM_AtomicSettingsWrite(benchmark::State& state)
{
    QTemporaryDir dir;
    auto store = TypicalStore(dir);
    int round = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            store->write(QStringLiteral("Main"), QStringLiteral("Cap"), QString::number(++round & 1)));
}
BENCHMARK(BM_AtomicSettingsWrite)->Unit(benchmark::kMicrosecond);

void BM_ColorHistoryRecord(benchmark::State& state)
{
    QTemporaryDir dir;
    auto store = TypicalStore(dir);
    tw::ColorHistory history(*store);
    tw::core::ColorValue color = 0;
    for (auto _ : state) {
        color = (color + 40503) & 0xFFFFFF;
        benchmark::DoNotOptimize(history.record(color));
    }
}
BENCHMARK(BM_ColorHistoryRecord)->Unit(benchmark::kMicrosecond);

// What the main window runs when a colour change ends: History(1) on the real store.
void BM_MainWindowHistory(benchmark::State& state)
{
    QTemporaryDir dir;
    auto store = TypicalStore(dir);
    if (!store->writeBool(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), true)) {
        state.SkipWithError("the settings file cannot be written");
        return;
    }
    tw::test::FakeServices fakes;
    tw::MainWindow window({ fakes.prompter, fakes.systemColors, *store, fakes.clipboard, fakes.screen,
        fakes.fileDialogs, fakes.tray, fakes.colorDialog, fakes.associations, fakes.shell, fakes.portal });
    window.continueFormLoad();
    tw::core::ColorValue color = 0;
    for (auto _ : state) {
        state.PauseTiming();
        color = (color + 40503) & 0xFFFFFF;
        window.colors().take(tw::ColorSlot::One, color, tw::WithoutRecord());
        state.ResumeTiming();
        window.History(1);
    }
}
BENCHMARK(BM_MainWindowHistory)->Unit(benchmark::kMicrosecond);

// A read when the file did not change: one stat, no parse.
void BM_CachedRead(benchmark::State& state)
{
    QTemporaryDir dir;
    auto store = TypicalStore(dir);
    for (auto _ : state)
        benchmark::DoNotOptimize(store->read(QStringLiteral("History"), QStringLiteral("1")));
}
BENCHMARK(BM_CachedRead);

} // namespace

int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv);
}
