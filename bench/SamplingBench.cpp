// Screen sampling: one live step of a drag (the pointer moves, the magnifier redraws, the colour's six
// notations refresh) at three zoom levels, and a press on the target (snapshot of the real screen plus the
// first redraw) beside a bare QScreen::grabWindow of the same screen.
#include "bench/QtBenchmarkMain.h"
#include "mainwindow/MainWindow.h"
#include "platform/qt/QtScreen.h"
#include "sampling/ScreenSampler.h"
#include "sampling/ZoomFrame.h"
#include "tests/fakes/FakeServices.h"

#include <QComboBox>
#include <QScreen>
#include <benchmark/benchmark.h>

namespace {

QImage ScreenPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return image;
}

void BM_LiveDragStep(benchmark::State& state)
{
    tw::test::FakeServices fakes;
    fakes.screen.image = ScreenPicture(1920, 1080);
    tw::MainWindow window(fakes.services());
    window.continueFormLoad();
    window.show();
    tw::ScreenSampler& sampler = *window.findChild<tw::ScreenSampler*>();
    QComboBox* zoom = sampler.fraZoom->cboZoom;
    zoom->setCurrentIndex(zoom->findText(QString::number(state.range(0))));
    sampler.Picture1_MouseDown(Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 997;
        sampler.Picture1_MouseMove(Qt::LeftButton, QPoint(300 + step, 200 + step % 677));
    }
    sampler.Picture1_MouseUp(Qt::LeftButton);
}
BENCHMARK(BM_LiveDragStep)->Arg(25)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond)->Repetitions(5);

bool ScreenReadable()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && !screen->grabWindow(0).isNull();
}

void BM_PressOnTarget(benchmark::State& state)
{
    if (!ScreenReadable()) {
        state.SkipWithError("the screen cannot be read here (run under xvfb-run)");
        return;
    }
    tw::test::FakeServices fakes;
    tw::platform::QtScreen screen;
    tw::MainWindow window({ fakes.prompter, fakes.systemColors, fakes.settings, fakes.clipboard, screen,
        fakes.fileDialogs, fakes.tray, fakes.colorDialog, fakes.associations, fakes.shell, fakes.portal });
    window.continueFormLoad();
    window.show();
    tw::ScreenSampler& sampler = *window.findChild<tw::ScreenSampler*>();
    for (auto _ : state) {
        sampler.Picture1_MouseDown(Qt::LeftButton);
        state.PauseTiming();
        sampler.Picture1_MouseUp(Qt::LeftButton);
        state.ResumeTiming();
    }
    const QSize size = sampler.picDesk() ? sampler.picDesk()->size() : QSize();
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

void BM_BareGrabWindow(benchmark::State& state)
{
    if (!ScreenReadable()) {
        state.SkipWithError("the screen cannot be read here (run under xvfb-run)");
        return;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size;
    for (auto _ : state) {
        const QPixmap pixmap = screen->grabWindow(0);
        benchmark::DoNotOptimize(pixmap.cacheKey());
        size = pixmap.size();
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

// Side by side in one run; with --benchmark_enable_random_interleaving their repetitions alternate.
BENCHMARK(BM_BareGrabWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PressOnTarget)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

// Without a display the live steps still run offscreen; the press needs a real (or virtual) screen.
int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv, tw::bench::Display::RealWhenAvailable);
}
