#include "core/ZoomGeometry.h"
#include "platform/Screen.h"
#include "sampling/ScreenSampler.h"
#include "sampling/TargetCursor.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "sampling/ZoomView.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/SamplingHelpers.h"
#include "widgets/Swatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tw;
using namespace tw::test;

namespace {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// A started main window on a fake screen of numbered pixels, with the history calls counted.
struct Sampling {
    MainWindowFixture f;
    ScreenSampler* s = Look(f.window).sampler();
    ZoomFrame* zoom = Look(f.window).sampler()->fraZoom;
    QImage screen = NumberedScreen(kScreenW, kScreenH);
    QSignalSpy history { &f.window.colors(), &WorkingColors::recorded };

    Sampling() { f.fakes.screen.image = screen; }

    QWidget* target() const { return s->Picture1; }
    void moveTo(QPoint pixel, Qt::MouseButtons held)
    {
        f.fakes.screen.cursor = pixel;
        Move(s->Picture1, held);
    }
    void drag(Qt::MouseButton button, QPoint to)
    {
        Press(target(), button);
        moveTo(to, button);
        Release(target(), button);
    }
    core::ColorValue pixel(QPoint p) const { return PixelOf(screen, p.x(), p.y()); }
    QList<int> recorded() const
    {
        QList<int> which;
        for (const QList<QVariant>& call : history)
            which << HistoryNumberOf(call.at(0).value<ColorSlot>());
        return which;
    }
    void setZoom(int percent) { zoom->cboZoom->setCurrentIndex(zoom->cboZoom->findText(QString::number(percent))); }
    // Sets both colours without a drag and forgets the history calls that made.
    void setColors(core::ColorValue one, core::ColorValue two)
    {
        f->setColor(QString::number(two), true);
        f->setColor(QString::number(one), false);
        history.clear();
    }
};

bool PointerOverridden()
{
    return QGuiApplication::overrideCursor() != nullptr;
}

// Counts the screen's grabs at the moment the window repaints.
struct GrabsAtRepaint : QObject {
    const FakeScreen& screen;
    QList<int> grabs;
    explicit GrabsAtRepaint(const FakeScreen& watched)
        : screen(watched)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            grabs.append(static_cast<int>(screen.grabbed.size()));
        return false;
    }
};

} // namespace

class ScreenSamplingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buildsTheTargetAndTheMagnifier()
    {
        Sampling t;
        for (const char* name : { "Picture1", "fraZoom", "picZoom", "vsbZoomY", "hsbZoomX", "cboZoom", "lblZoom",
                 "chkGrid", "chkCross", "cmdClear", "picClear", "cmdMini" })
            QVERIFY2(t.f->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(t.zoom->title(), QStringLiteral("External Color Zoom"));
        QCOMPARE(t.zoom->cboZoom->count(), 26);
        QCOMPARE(t.zoom->cboZoom->itemText(0), QStringLiteral("25"));
        QCOMPARE(t.zoom->cboZoom->itemText(25), QStringLiteral("3000"));
        // First start: 1000 %, no grid, crosshair on; no snapshot, so the scroll bars wait for one.
        QCOMPARE(t.zoom->cboZoom->currentText(), QStringLiteral("1000"));
        QVERIFY(!t.zoom->chkGrid->isChecked());
        QVERIFY(t.zoom->chkCross->isChecked());
        QVERIFY(!t.zoom->vsbZoomY->isEnabled());
        QCOMPARE(t.zoom->picZoom->size(), QSize(176, 176));
        QCOMPARE(t.zoom->picZoom->colorAt({ 88, 88 }), kZoomBackground);
    }

    // The picture leaves the box while it serves as the pointer and comes back, drawn the same, after it.
    void theTargetShowsItsPictureOutsideADrag()
    {
        Sampling t;
        const QImage before = t.target()->grab().toImage();
        QCOMPARE(before.pixel(18, 18), kTargetRed);
        Press(t.target(), Qt::LeftButton);
        QVERIFY(t.target()->grab().toImage().pixel(18, 18) != kTargetRed);
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(t.target()->grab().toImage(), before);
    }

    // The pointer of a drag is the target drawn in device pixels, and its hot spot, the pixel that lands on the
    // pointer's position and is sampled, is the bullseye's centre at every scale. The X server takes both as
    // they are; the end-to-end tests read them back from it.
    void targetPointerAimsWithTheBullseye_data()
    {
        QTest::addColumn<double>("ratio");
        for (const double ratio : { 1.0, 1.25, 1.5, 2.0, 3.0 })
            QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
    }
    void targetPointerAimsWithTheBullseye()
    {
        QFETCH(double, ratio);
        const QCursor cursor = TargetCursor(ratio);
        const QImage image = cursor.pixmap().toImage();
        QCOMPARE(image.size(), QSize(qRound(kTargetSize * ratio), qRound(kTargetSize * ratio)));
        QRect red;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == kTargetRed)
                    red |= QRect(x, y, 1, 1);
        QVERIFY(!red.isEmpty());
        // In half pixels: the red's centre is (left + right) / 2, and the hot spot may be one pixel off it.
        const QPoint hotSpot = cursor.hotSpot();
        QVERIFY2(qAbs(2 * hotSpot.x() - red.left() - red.right()) <= 2
                && qAbs(2 * hotSpot.y() - red.top() - red.bottom()) <= 2,
            qPrintable(QStringLiteral("hot spot %1, %2; red from %3, %4 to %5, %6")
                           .arg(hotSpot.x())
                           .arg(hotSpot.y())
                           .arg(red.left())
                           .arg(red.top())
                           .arg(red.right())
                           .arg(red.bottom())));
    }

    void dragSetsTheColourOfTheButtonLive_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left: Color #1") << int(Qt::LeftButton);
        QTest::newRow("right: Color #2") << int(Qt::RightButton);
    }
    void dragSetsTheColourOfTheButtonLive()
    {
        QFETCH(int, button);
        const auto pressed = static_cast<Qt::MouseButton>(button);
        const ColorSlot slot = pressed == Qt::LeftButton ? ColorSlot::One : ColorSlot::Two;
        const ColorSlot other = slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One;
        Sampling t;
        t.setColors(0x111111, 0x222222);
        const core::ColorValue otherBefore = Look(t.f.window).color(other);

        Press(t.target(), pressed);
        QVERIFY(t.s->blnDragging());
        QVERIFY(PointerOverridden());
        QVERIFY(!t.s->Picture1->imageShown());
        QVERIFY(t.zoom->hsbZoomX->isEnabled());
        QCOMPARE(t.zoom->hsbZoomX->maximum(), kScreenW - 1);
        QCOMPARE(t.zoom->vsbZoomY->maximum(), kScreenH - 1);
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), ListIndexOf(slot));

        t.moveTo({ 300, 200 }, pressed);
        QCOMPARE(Look(t.f.window).color(slot), t.pixel({ 300, 200 }));
        t.moveTo({ 301, 17 }, pressed);
        QCOMPARE(Look(t.f.window).color(slot), t.pixel({ 301, 17 }));
        QCOMPARE(t.f.text(slot, CodeField::Red), QStringLiteral("45")); // 301 & 0xFF
        QCOMPARE(t.f.text(slot, CodeField::Html), QStringLiteral("#2D1110"));
        // The view follows: the centre cell shows the sampled pixel.
        QCOMPARE(t.zoom->hsbZoomX->value(), 301);
        QCOMPARE(t.zoom->vsbZoomY->value(), 17);
        QCOMPARE(t.zoom->picZoom->colorAt({ 85, 85 }), t.pixel({ 301, 17 }));
        QVERIFY(t.recorded().isEmpty());

        const int grabs = t.f.fakes.screen.grabs;
        Release(t.target(), pressed);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!PointerOverridden());
        QVERIFY(t.s->Picture1->imageShown());
        QCOMPARE(t.recorded(), QList<int> { HistoryNumberOf(slot) });
        QCOMPARE(Look(t.f.window).color(slot), t.pixel({ 301, 17 }));
        QCOMPARE(Look(t.f.window).color(other), otherBefore);
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), ListIndexOf(slot));
        // The release does not read the screen again.
        QCOMPARE(t.f.fakes.screen.grabs, grabs);
        // The snapshot stays for the view until the next press.
        QVERIFY(t.s->picDesk().has_value());
    }

    void secondButtonDuringADrag()
    {
        Sampling t;
        Press(t.target(), Qt::LeftButton);
        Press(t.target(), Qt::RightButton, Qt::LeftButton);
        QVERIFY(t.s->blnIgnoreUp());
        // Both held: Color #1.
        t.moveTo({ 10, 20 }, Qt::LeftButton | Qt::RightButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 10, 20 }));
        // The first release is ignored; the drag goes on.
        Release(t.target(), Qt::LeftButton, Qt::RightButton);
        QVERIFY(t.s->blnDragging());
        QVERIFY(!t.s->blnIgnoreUp());
        QVERIFY(PointerOverridden());
        // The first move after it still serves Color #1, then the right button takes over.
        t.moveTo({ 11, 21 }, Qt::RightButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 11, 21 }));
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), 1);
        t.moveTo({ 12, 22 }, Qt::RightButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), t.pixel({ 12, 22 }));
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 11, 21 }));
        Release(t.target(), Qt::RightButton);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!PointerOverridden());
        QCOMPARE(t.recorded(), QList<int> { 2 });
        QCOMPARE(t.f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#0C1600"));
    }

    void middleButtonEndingALeftDragGivesThePointerBack()
    {
        Sampling t;
        Press(t.target(), Qt::LeftButton);
        Press(t.target(), Qt::MiddleButton, Qt::LeftButton);
        Release(t.target(), Qt::LeftButton, Qt::MiddleButton); // ignored
        Release(t.target(), Qt::MiddleButton);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!PointerOverridden());
        QVERIFY(t.s->Picture1->imageShown());
        QVERIFY(t.recorded().isEmpty());
    }

    void aLostReleaseEndsTheDragAtTheNextMove()
    {
        Sampling t;
        Press(t.target(), Qt::LeftButton);
        t.moveTo({ 30, 40 }, Qt::LeftButton);
        t.moveTo({ 31, 41 }, Qt::NoButton);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!PointerOverridden());
        QCOMPARE(t.recorded(), QList<int> { 1 });
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 30, 40 }));
    }

    void pressAndReleaseWithoutMovingKeepsTheColourButRecordsIt()
    {
        Sampling t;
        t.setColors(0x00336699, 0x00AABBCC);
        t.drag(Qt::LeftButton, {});
        t.history.clear();
        // A second press starts at the last sampled point (0, 0), whose pixel differs from the colour.
        Press(t.target(), Qt::LeftButton);
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 0, 0 }));
        t.setColors(0x00336699, 0x00AABBCC);
        Press(t.target(), Qt::RightButton);
        QCOMPARE(t.f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#CCBBAA"));
        Release(t.target(), Qt::RightButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), 0x00AABBCC);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0x00336699);
        QCOMPARE(t.recorded(), QList<int> { 2 });
    }

    void middleButtonChangesColor1LiveAndRecordsNothing()
    {
        Sampling t;
        t.setColors(0x00336699, 0x00AABBCC);
        Look(t.f.window).setCurrentColor(ColorSlot::Two);
        Press(t.target(), Qt::MiddleButton);
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), 0);
        QVERIFY(!PointerOverridden());
        QVERIFY(t.s->Picture1->imageShown());
        t.moveTo({ 40, 50 }, Qt::MiddleButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 40, 50 }));
        // The wheel stays off during a middle-button drag.
        const int zoom = t.zoom->cboZoom->currentIndex();
        Wheel(t.target(), 120);
        QCOMPARE(t.zoom->cboZoom->currentIndex(), zoom);
        Release(t.target(), Qt::MiddleButton);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(t.recorded().isEmpty());
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 40, 50 }));
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), 0x00AABBCC);
    }

    void movingOverTheTargetWithoutAButtonMakesColor1Current()
    {
        Sampling t;
        Look(t.f.window).setCurrentColor(ColorSlot::Two);
        t.moveTo({ 5, 5 }, Qt::NoButton);
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), 0);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0);
        QCOMPARE(t.f.fakes.screen.grabs, 0);
        // Hovering never asks the display server where the pointer is.
        QCOMPARE(t.f.fakes.screen.cursorReads, 0);
    }

    void aPointerOffTheScreenKeepsThatAxis()
    {
        Sampling t;
        Press(t.target(), Qt::LeftButton);
        t.moveTo({ 100, 100 }, Qt::LeftButton);
        t.moveTo({ -30, 120 }, Qt::LeftButton); // a monitor left of this one
        QCOMPARE(t.zoom->hsbZoomX->value(), 100);
        QCOMPARE(t.zoom->vsbZoomY->value(), 120);
        t.moveTo({ 130, kScreenH }, Qt::LeftButton);
        QCOMPARE(QPoint(t.zoom->hsbZoomX->value(), t.zoom->vsbZoomY->value()), QPoint(130, 120));
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 130, 120 }));
    }

    void unreadableScreenIsReportedAndChangesNothing()
    {
        Sampling t;
        t.setColors(0x00336699, 0x00AABBCC);
        t.f.fakes.screen.image = QImage();
        Press(t.target(), Qt::LeftButton);
        QCOMPARE(t.f.fakes.prompter.prompts.size(), 1);
        QVERIFY(t.f.fakes.prompter.prompts[0].text.startsWith(QStringLiteral("The screen could not be read")));
        QCOMPARE(t.f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!PointerOverridden());
        t.moveTo({ 3, 3 }, Qt::LeftButton);
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0x00336699);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), 0x00AABBCC);
        QVERIFY(t.recorded().isEmpty());
        QVERIFY(!t.zoom->hsbZoomX->isEnabled());
    }

    // At every zoom level the live colour is the snapshot's pixel at the sampled point, also where a reduced
    // view does not show that pixel.
    void liveColourIsTheExactPixelAtEveryZoom_data()
    {
        QTest::addColumn<int>("percent");
        for (const int percent : { 25, 50, 75, 150, 1000, 3000 })
            QTest::newRow(qPrintable(QString::number(percent))) << percent;
    }
    void liveColourIsTheExactPixelAtEveryZoom()
    {
        QFETCH(int, percent);
        Sampling t;
        t.setZoom(percent);
        Press(t.target(), Qt::LeftButton);
        for (const QPoint p : { QPoint(401, 303), QPoint(0, 0), QPoint(kScreenW - 1, kScreenH - 1), QPoint(257, 1) }) {
            t.moveTo(p, Qt::LeftButton);
            QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel(p));
        }
        Release(t.target(), Qt::LeftButton);
    }

    // A press reads only the part of the screen its first frame shows, which is drawn at once; the rest is
    // read once the event loop has sent that frame on its way. The screen may change in between (the press
    // redraws parts of this window): what the first frame showed keeps the pixels it was drawn from.
    void aPressReadsTheFirstFrameFirstAndTheRestAfterIt()
    {
        Sampling t;
        t.setZoom(1000);
        Press(t.target(), Qt::LeftButton);
        QList<QRect>& grabbed = t.f.fakes.screen.grabbed;
        QCOMPARE(grabbed.size(), 1);
        QVERIFY(grabbed[0].contains(QRect(0, 0, 9, 9)));
        QVERIFY(grabbed[0].width() * grabbed[0].height() < kScreenW * kScreenH / 100);
        QCOMPARE(t.zoom->picZoom->colorAt({ 85, 85 }), t.pixel({ 0, 0 }));

        t.f.fakes.screen.image.fill(Qt::white);
        t.moveTo({ 2, 3 }, Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 2, 3 }));
        QCOMPARE(grabbed.size(), 1);

        // The event loop repaints the window before it reads the rest.
        GrabsAtRepaint repaints(t.f.fakes.screen);
        t.f.window.installEventFilter(&repaints);
        QCoreApplication::sendPostedEvents();
        t.f.window.removeEventFilter(&repaints);
        QVERIFY(!repaints.grabs.isEmpty());
        QCOMPARE(repaints.grabs.first(), 1);
        QCOMPARE(grabbed.size(), 2);
        QCOMPARE(grabbed[1], QRect(0, 0, kScreenW, kScreenH));
        t.moveTo({ 3, 2 }, Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 3, 2 }));
        t.moveTo({ 500, 400 }, Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0x00FFFFFF);
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(t.s->picDesk()->size(), QSize(kScreenW, kScreenH));
        QCOMPARE(grabbed.size(), 2);
    }

    // A move, a zoom or a click in the view that needs more than the first part before the rest came reads
    // the rest at once; a screen that will not give the rest gives each use the part it needs. The colours
    // are the screen's own pixels either way.
    void usesBeforeTheRestCameReadWhatTheyNeed_data()
    {
        QTest::addColumn<qint64>("largestGrab");
        QTest::newRow("the rest read at once") << qint64(kScreenW) * kScreenH;
        QTest::newRow("only small parts readable") << qint64(64 * 64);
    }
    void usesBeforeTheRestCameReadWhatTheyNeed()
    {
        QFETCH(qint64, largestGrab);
        Sampling t;
        t.f.fakes.screen.failGrabsLargerThan = largestGrab;
        t.setZoom(3000);
        Press(t.target(), Qt::LeftButton);
        for (const QPoint p : { QPoint(kScreenW - 1, kScreenH - 1), QPoint(kScreenW - 1, 0), QPoint(300, 200) }) {
            t.moveTo(p, Qt::LeftButton);
            QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel(p));
            QCOMPARE(t.zoom->picZoom->colorAt({ 85, 85 }), t.pixel(p));
        }
        t.setZoom(300);
        const core::ZoomGeometry g = core::ComputeZoomGeometry({ 176, 176, 3.0, 300, 200, kScreenW, kScreenH });
        QCOMPARE(t.zoom->picZoom->colorAt({ g.cellX - 3 * 20, g.cellY + 3 * 20 }), t.pixel({ 300 - 20, 200 + 20 }));
        Release(t.target(), Qt::LeftButton);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel({ 300, 200 }));
    }

    // The view shows, in every cell, the screen pixel the geometry puts there, up to the screen's edges,
    // with background beyond them.
    void viewShowsTheScreenCellByCell_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("1000 grid inside") << 1000 << true << QPoint(200, 150);
        QTest::newRow("1000 pixel 0") << 1000 << true << QPoint(0, 0);
        QTest::newRow("1000 last column") << 1000 << false << QPoint(kScreenW - 1, kScreenH - 1);
        QTest::newRow("400 grid") << 400 << true << QPoint(3, 470);
        QTest::newRow("300 grid") << 300 << true << QPoint(320, 240);
        QTest::newRow("100") << 100 << false << QPoint(600, 10);
        QTest::newRow("3000 grid") << 3000 << true << QPoint(1, 1);
    }
    void viewShowsTheScreenCellByCell()
    {
        QFETCH(int, percent);
        QFETCH(bool, grid);
        QFETCH(QPoint, point);
        Sampling t;
        t.zoom->chkGrid->setChecked(grid);
        t.setZoom(percent);
        Press(t.target(), Qt::LeftButton);
        t.moveTo(point, Qt::LeftButton);
        Release(t.target(), Qt::LeftButton);
        const double z = core::ZoomFactor(percent, grid);
        const core::ZoomGeometry g
            = core::ComputeZoomGeometry({ 176, 176, z, point.x(), point.y(), kScreenW, kScreenH });
        const int cell = static_cast<int>(z);
        for (int vy = 0; vy < 176; ++vy) {
            for (int vx = 0; vx < 176; ++vx) {
                const int dx = vx - g.destination.x;
                const int dy = vy - g.destination.y;
                const bool drawn = dx >= 0 && dy >= 0 && dx < g.destination.width && dy < g.destination.height;
                const core::ColorValue expected
                    = drawn ? t.pixel({ g.source.x + dx / cell, g.source.y + dy / cell }) : kZoomBackground;
                if (t.zoom->picZoom->colorAt({ vx, vy }) != expected)
                    QFAIL(qPrintable(QStringLiteral("view pixel %1, %2").arg(vx).arg(vy)));
            }
        }
        QCOMPARE(t.zoom->picZoom->colorAt({ g.cellX, g.cellY }), t.pixel(point));
    }

    void gridAndCrosshairAreDrawnOverTheView()
    {
        Sampling t;
        t.zoom->chkGrid->setChecked(true);
        t.setZoom(400);
        t.drag(Qt::LeftButton, { 100, 50 });
        // 5 view pixels per screen pixel, a black line every 5 from -4; the red box from 86 to 91.
        const QImage shown = t.zoom->picZoom->shownPicture();
        QCOMPARE(QColor(shown.pixel(1, 40)), QColor(Qt::black));
        QCOMPARE(QColor(shown.pixel(6, 40)), QColor(Qt::black));
        QCOMPARE(QColor(shown.pixel(40, 11)), QColor(Qt::black));
        QCOMPARE(QColor(shown.pixel(88, 86)), QColor(Qt::red));
        QCOMPARE(QColor(shown.pixel(91, 88)), QColor(Qt::red));
        QCOMPARE(platform::FromQRgb(shown.pixel(2, 40)), t.pixel({ 83, 40 }));
        t.setZoom(300);
        QCOMPARE(platform::FromQRgb(t.zoom->picZoom->shownPicture().pixel(1, 40)),
            t.zoom->picZoom->colorAt({ 1, 40 })); // no grid below 400 %
        t.zoom->chkCross->setChecked(false);
        QCOMPARE(t.zoom->picZoom->shownPicture(), t.zoom->picZoom->picture());
    }

    // A click on a grid line or on the box takes the screen pixel of the cell under the mouse.
    void clickInTheViewTakesThePixelOfItsCell_data()
    {
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("grid line and box corner") << QPoint(86, 86) << QPoint(100, 50);
        QTest::newRow("box's right edge on the next cell's line") << QPoint(91, 88) << QPoint(101, 50);
        QTest::newRow("grid line far left") << QPoint(1, 40) << QPoint(83, 40);
        QTest::newRow("inside a cell") << QPoint(174, 3) << QPoint(117, 33);
    }
    void clickInTheViewTakesThePixelOfItsCell()
    {
        QFETCH(QPoint, click);
        QFETCH(QPoint, pixel);
        Sampling t;
        t.zoom->chkGrid->setChecked(true);
        t.setZoom(400);
        t.drag(Qt::LeftButton, { 100, 50 });
        t.setColors(0x00336699, 0x00AABBCC);

        QTest::mouseClick(t.zoom->picZoom, Qt::LeftButton, {}, click);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), t.pixel(pixel));
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), 0);
        QTest::mouseClick(t.zoom->picZoom, Qt::RightButton, {}, click);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), t.pixel(pixel));
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), 1);
        QCOMPARE(t.recorded(), (QList<int> { 1, 2 }));
        QCOMPARE(t.f.text(ColorSlot::Two, CodeField::Red), QString::number(pixel.x()));
        QTest::mouseClick(t.zoom->picZoom, Qt::MiddleButton, {}, QPoint(5, 5));
        QCOMPARE(t.recorded().size(), 2);
    }

    void afterClearAClickGivesTheBackground()
    {
        Sampling t;
        t.zoom->chkGrid->setChecked(true);
        t.drag(Qt::LeftButton, { 100, 50 });
        t.zoom->cmdClear->click();
        QVERIFY(!t.s->picDesk().has_value());
        QVERIFY(!t.zoom->hsbZoomX->isEnabled());
        QVERIFY(!t.zoom->vsbZoomY->isEnabled());
        for (const QPoint click : { QPoint(88, 88), QPoint(82, 82), QPoint(0, 0) }) {
            QTest::mouseClick(t.zoom->picZoom, Qt::LeftButton, {}, click);
            QCOMPARE(Look(t.f.window).color(ColorSlot::One), kZoomBackground);
        }
        // Grid and box are still drawn over the empty view.
        const QImage drawn = t.zoom->picZoom->grab().toImage();
        QCOMPARE(drawn.pixelColor(82, 100), QColor(Qt::black));
        QCOMPARE(drawn.pixelColor(85, 82), QColor(Qt::red));
    }

    void optionsAndZoomLeaveBothColoursAlone()
    {
        Sampling t;
        t.drag(Qt::LeftButton, { 100, 50 });
        t.setColors(0x00336699, 0x00AABBCC);
        const QStringList fields { t.f.text(ColorSlot::One, CodeField::Html),
            t.f.text(ColorSlot::Two, CodeField::Html) };
        t.zoom->chkGrid->click();
        t.zoom->chkCross->click();
        t.setZoom(25);
        t.s->stepZoom(+1);
        t.zoom->hsbZoomX->setValue(7);
        t.zoom->cmdClear->click();
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0x00336699);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), 0x00AABBCC);
        QCOMPARE(QStringList({ t.f.text(ColorSlot::One, CodeField::Html), t.f.text(ColorSlot::Two, CodeField::Html) }),
            fields);
        QVERIFY(t.recorded().isEmpty());
        // During a drag a new zoom level redraws but takes no colour.
        Press(t.target(), Qt::LeftButton);
        t.moveTo({ 9, 9 }, Qt::LeftButton);
        t.f.colors().take(ColorSlot::One, 0x00010203, WithoutRecord());
        Wheel(t.target(), 120);
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0x00010203);
        Release(t.target(), Qt::LeftButton);
    }

    void zoomKeysAndWheelStopAtBothEnds()
    {
        Sampling t;
        QComboBox* box = t.zoom->cboZoom;
        t.s->Picture1->setFocus();
        box->setCurrentIndex(24);
        QTest::keyClick(t.s->Picture1, Qt::Key_Plus);
        QCOMPARE(box->currentIndex(), 25);
        QTest::keyClick(t.s->Picture1, Qt::Key_Equal);
        QCOMPARE(box->currentIndex(), 25);
        QTest::keyClick(t.s->Picture1, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(box->currentIndex(), 24);
        box->setCurrentIndex(1);
        QTest::keyClick(t.s->Picture1, Qt::Key_Minus);
        QCOMPARE(box->currentIndex(), 0);
        QTest::keyClick(t.s->Picture1, Qt::Key_Underscore, Qt::ShiftModifier);
        QCOMPARE(box->currentIndex(), 0);
        QTest::keyClick(t.zoom->cmdClear, Qt::Key_Plus); // from a button too
        QCOMPARE(box->currentIndex(), 1);
        // A code field takes "-" as text.
        QTest::keyClick(Look(t.f.window).codeFrame(ColorSlot::One)->field(CodeField::Html), Qt::Key_Minus, {}, 0);
        QCOMPARE(box->currentIndex(), 1);

        // The wheel steps only during a left or right drag.
        Wheel(t.target(), 120);
        QCOMPARE(box->currentIndex(), 1);
        Press(t.target(), Qt::RightButton);
        Wheel(t.target(), -120);
        QCOMPARE(box->currentIndex(), 0);
        Wheel(t.target(), -120);
        QCOMPARE(box->currentIndex(), 0);
        Wheel(t.f->centralWidget(), 60); // half a notch waits for the other half
        QCOMPARE(box->currentIndex(), 0);
        Wheel(t.f->centralWidget(), 60);
        QCOMPARE(box->currentIndex(), 1);
        box->setCurrentIndex(25);
        Wheel(t.target(), 120);
        QCOMPARE(box->currentIndex(), 25);
        QCOMPARE(t.zoom->hsbZoomX->pageStep(), 6); // 176 / 31, rounded as the view draws it
        Release(t.target(), Qt::RightButton);
        Wheel(t.target(), -120);
        QCOMPARE(box->currentIndex(), 25);
    }

    void ctrlJTogglesTheSelSetting()
    {
        Sampling t;
        QTest::keyClick(t.s->Picture1, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(t.s->sel());
        QTest::keyClick(t.s->Picture1, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(!t.s->sel());
        QTest::keyClick(t.s->Picture1, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier); // not Ctrl alone
        QCOMPARE(t.f.fakes.prompter.texts(),
            QStringList({ "Ctrl+J: the hidden switch is now on.", "Ctrl+J: the hidden switch is now off." }));
        for (const platform::Prompt& prompt : t.f.fakes.prompter.prompts) {
            QCOMPARE(prompt.icon, core::MessageIcon::None);
            QCOMPARE(prompt.buttons, platform::PromptButtons::Ok);
        }
        QTest::keyClick(t.s->Picture1, Qt::Key_ScrollLock, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(t.f.fakes.prompter.prompts.size(), 3);
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<QStringList>("stored"); // newzoom, grid, cross, sel
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<bool>("cross");
        QTest::addColumn<bool>("sel");
        QTest::addColumn<QStringList>("saved");
        QTest::newRow("stored values") << QStringList { "5", "1", "0", "True" } << "200" << true << false << true
                                       << QStringList { "5", "1", "0", "True" };
        QTest::newRow("garbage reads as defaults") << QStringList { "26", "2", "x", "maybe" } << "1000" << false << true
                                                   << false << QStringList { "13", "0", "1", "False" };
        QTest::newRow("negative zoom") << QStringList { "-1", "0", "1", "true" } << "1000" << false << true << true
                                       << QStringList { "13", "0", "1", "True" };
    }
    void settingsRoundTrip()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, zoom);
        QFETCH(bool, grid);
        QFETCH(bool, cross);
        QFETCH(bool, sel);
        QFETCH(QStringList, saved);
        FakeServices fakes;
        const QStringList keys { "newzoom", "grid", "cross", "sel" };
        for (int i = 0; i < keys.size(); ++i)
            QVERIFY(fakes.settings.write(QStringLiteral("Main"), keys[i], stored[i]));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QCOMPARE(Look(window).sampler()->fraZoom->cboZoom->currentText(), zoom);
        QCOMPARE(Look(window).sampler()->fraZoom->chkGrid->isChecked(), grid);
        QCOMPARE(Look(window).sampler()->fraZoom->chkCross->isChecked(), cross);
        QCOMPARE(Look(window).sampler()->sel(), sel);
        window.saveSettings();
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(fakes.settings.read(QStringLiteral("Main"), keys[i]), saved[i]);
    }

    void devicePixelsOfScaledPositions_data()
    {
        QTest::addColumn<QPointF>("global");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QPoint>("device");
        QTest::newRow("unscaled") << QPointF(10, 20) << QPointF(0, 0) << 1.0 << QPoint(10, 20);
        QTest::newRow("odd pixel at 2x") << QPointF(528.5, 432.5) << QPointF(0, 0) << 2.0 << QPoint(1057, 865);
        QTest::newRow("1.5x a hair below") << QPointF(101 / 1.5, 0) << QPointF(0, 0) << 1.5 << QPoint(101, 0);
        QTest::newRow("screen origin") << QPointF(1930, 5) << QPointF(1920, 0) << 2.0 << QPoint(20, 10);
        QTest::newRow("left of the screen") << QPointF(-3, 0) << QPointF(0, 0) << 2.0 << QPoint(-6, 0);
    }
    void devicePixelsOfScaledPositions()
    {
        QFETCH(QPointF, global);
        QFETCH(QPointF, origin);
        QFETCH(double, ratio);
        QFETCH(QPoint, device);
        QCOMPARE(platform::DevicePixelOf(global, origin, ratio), device);
    }
};

QTEST_MAIN(ScreenSamplingTest)
#include "ScreenSamplingTest.moc"
