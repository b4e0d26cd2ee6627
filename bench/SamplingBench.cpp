// Screen sampling: one live step of a drag (the pointer moves, the magnifier redraws, the colour's six
// notations refresh) at three zoom levels, and a press on the target (snapshot of the real screen plus the
// first redraw) beside a bare QScreen::grabWindow of the same screen.
#include "bench/QtBenchmarkMain.h"
#include "mainwindow/MainWindow.h"
#include "platform/qt/QtScreen.h"
#include "sampling/ScreenSampler.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "tests/fakes/FakeServices.h"
#include "tests/gui/SamplingHelpers.h"

#include <QComboBox>
#include <QScreen>
#include <benchmark/benchmark.h>

#ifdef TW_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

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

// A main window on the fakes but the real screen, shown.
struct OnRealScreen {
    tw::test::FakeServices fakes;
    tw::platform::QtScreen screen;
    tw::MainWindow window { { fakes.prompter, fakes.systemColors, fakes.settings, fakes.clipboard, screen,
        fakes.fileDialogs, fakes.tray, fakes.colorDialog, fakes.associations, fakes.shell, fakes.portal } };
    OnRealScreen()
    {
        window.continueFormLoad();
        window.show();
    }
    tw::ScreenSampler& sampler() { return *window.findChild<tw::ScreenSampler*>(); }
};

void BM_PressOnTarget(benchmark::State& state)
{
    if (!ScreenReadable()) {
        state.SkipWithError("the screen cannot be read here (run under xvfb-run)");
        return;
    }
    OnRealScreen real;
    tw::ScreenSampler& sampler = real.sampler();
    for (auto _ : state) {
        sampler.Picture1_MouseDown(Qt::LeftButton);
        state.PauseTiming();
        sampler.Picture1_MouseUp(Qt::LeftButton);
        state.ResumeTiming();
    }
    const QSize size = sampler.picDesk() ? sampler.picDesk()->size() : QSize();
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

// A round trip to the X server: everything sent before it has been drawn when it returns.
void SyncWithDisplay()
{
#ifdef TW_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

// A press on the target as the window system delivers it, until its first magnified frame is drawn on the
// X server: the press's own work, the window's repaint that follows it, and the server drawing the result.
void BM_PressToFirstFrame(benchmark::State& state)
{
    if (!ScreenReadable()) {
        state.SkipWithError("the screen cannot be read here (run under xvfb-run)");
        return;
    }
    OnRealScreen real;
    QCoreApplication::processEvents();
    tw::ScreenSampler& sampler = real.sampler();
    for (auto _ : state) {
        tw::test::Press(sampler.Picture1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(&real.window, QEvent::UpdateRequest);
        SyncWithDisplay();
        state.PauseTiming();
        // The whole snapshot is in before the next press, so that no grab of one round runs into the next.
        benchmark::DoNotOptimize(sampler.picDesk());
        tw::test::Release(sampler.Picture1, Qt::LeftButton);
        QCoreApplication::processEvents();
        SyncWithDisplay();
        state.ResumeTiming();
    }
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
// A fixed count: the paused part (the rest of the screen, the release) outweighs the timed one, and a count
// taken from the timed time alone would run for minutes.
BENCHMARK(BM_PressToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(25)->Repetitions(5);

} // namespace

// Without a display the live steps still run offscreen; the press needs a real (or virtual) screen.
int main(int argc, char** argv)
{
    return tw::bench::RunQtBenchmarks(argc, argv, tw::bench::Display::RealWhenAvailable);
}
