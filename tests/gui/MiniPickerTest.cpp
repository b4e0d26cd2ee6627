#include "sampling/MiniPicker.h"
#include "sampling/ScreenSampler.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomView.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/SamplingHelpers.h"
#include "widgets/Swatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tw;
using namespace tw::test;

namespace {

// The main window with its mini picker open, on a fake screen of numbered pixels.
struct Mini {
    MainWindowFixture f;
    QImage screen = NumberedScreen(320, 240);
    QSignalSpy history { &f.window.colors(), &WorkingColors::recorded };
    QPointer<MiniPicker> mini;

    Mini()
    {
        f.fakes.screen.image = screen;
        f.window.findChild<QPushButton*>(QStringLiteral("cmdMini"))->click();
        mini = Look(f.window).sampler()->miniPicker();
    }
    void drag(Qt::MouseButton button, QPoint to)
    {
        Press(mini->Picture1, button);
        f.fakes.screen.cursor = to;
        Move(mini->Picture1, button);
        Release(mini->Picture1, button);
    }
    core::ColorValue pixel(QPoint p) const { return PixelOf(screen, p.x(), p.y()); }
    // Waits for the closed window to be deleted.
    bool closed()
    {
        return QTest::qWaitFor([this] { return mini.isNull(); }, 1000);
    }
};

} // namespace

class MiniPickerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theMainWindowComesBackWhereItWas()
    {
        MainWindowFixture f;
        f->move(137, 91);
        const QPoint before = f->pos();
        f.window.findChild<QPushButton*>(QStringLiteral("cmdMini"))->click();
        QPointer<MiniPicker> mini = Look(f.window).sampler()->miniPicker();
        QVERIFY(!f->isVisible());
        // Moved meanwhile, as a window manager may place a window shown again anew.
        f->move(5, 5);
        mini->cmdDone->click();
        QVERIFY(f->isVisible());
        QCOMPARE(f->pos(), before);
    }

    void opensInPlaceOfTheMainWindow()
    {
        Mini t;
        QVERIFY(t.mini);
        QVERIFY(t.mini->isVisible());
        QVERIFY(t.mini->isWindow());
        QVERIFY(!t.mini->parentWidget());
        QVERIFY(!t.f->isVisible());
        QCOMPARE(t.mini->windowTitle(), QStringLiteral("Mini Color Picker"));
        QVERIFY(t.mini->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(t.mini->chkTop->isChecked());
        QCOMPARE(t.mini->picColor->color(), core::kEmptyColor);
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("RGB Value"));
        for (const char* name :
            { "Picture1", "picZoom", "picColor", "lblRGB", "chkTop", "cmdMin", "cmdCopy", "cmdDone" })
            QVERIFY2(t.mini->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(t.mini->cmdDone->text(), QStringLiteral("&Done"));
    }

    void goesWithTheMainWindow()
    {
        QPointer<MiniPicker> mini;
        {
            Mini t;
            mini = t.mini;
            Press(mini->Picture1, Qt::LeftButton);
            QVERIFY(QGuiApplication::overrideCursor());
        }
        QVERIFY(mini.isNull());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void doneWithoutAPickChangesNothing()
    {
        Mini t;
        t.mini->cmdDone->click();
        QVERIFY(t.closed());
        QVERIFY(t.f->isVisible());
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0);
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), 0);
        QCOMPARE(t.history.size(), 0);
    }

    void closingTheWindowHandsNothingOver()
    {
        Mini t;
        t.drag(Qt::LeftButton, { 30, 40 });
        t.mini->close();
        QVERIFY(t.closed());
        QVERIFY(t.f->isVisible());
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), 0);
    }

    void dragThenDoneSetsTheColourOfTheButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("slot");
        QTest::newRow("left: Color #1") << int(Qt::LeftButton) << int(ColorSlot::One);
        QTest::newRow("right: Color #2") << int(Qt::RightButton) << int(ColorSlot::Two);
    }
    void dragThenDoneSetsTheColourOfTheButton()
    {
        QFETCH(int, button);
        QFETCH(int, slot);
        const auto target = static_cast<ColorSlot>(slot);
        Mini t;
        Press(t.mini->Picture1, static_cast<Qt::MouseButton>(button));
        QVERIFY(QGuiApplication::overrideCursor());
        QVERIFY(!t.mini->Picture1->imageShown());
        t.f.fakes.screen.cursor = { 258, 17 };
        Move(t.mini->Picture1, static_cast<Qt::MouseButton>(button));
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("2, 17, 16"));
        Release(t.mini->Picture1, static_cast<Qt::MouseButton>(button));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(t.mini->Picture1->imageShown());
        QCOMPARE(t.mini->picColor->color(), t.pixel({ 258, 17 }));
        // The view shows the picked pixel in its centre cell, 4.5 view pixels wide.
        QCOMPARE(t.mini->picZoom->colorAt({ 50, 50 }), t.pixel({ 258, 17 }));
        QCOMPARE(t.mini->picZoom->colorAt({ 46, 50 }), t.pixel({ 257, 17 }));
        QCOMPARE(t.history.size(), 0); // nothing reaches the main window before Done

        t.mini->cmdDone->click();
        QVERIFY(t.closed());
        QVERIFY(t.f->isVisible());
        QCOMPARE(Look(t.f.window).color(target), t.pixel({ 258, 17 }));
        QCOMPARE(Look(t.f.window).color(target == ColorSlot::One ? ColorSlot::Two : ColorSlot::One), 0);
        QCOMPARE(Look(t.f.window).Combo1()->currentIndex(), ListIndexOf(target));
        QCOMPARE(t.history.size(), 1);
        QCOMPARE(HistoryNumberOf(t.history[0][0].value<ColorSlot>()), HistoryNumberOf(target));
    }

    void clickInTheViewPicksOneColourForSwatchTextCopyAndDone()
    {
        Mini t;
        t.drag(Qt::RightButton, { 100, 100 });
        // The box outline around the centre cell: the click takes the pixel of that cell, not red.
        QTest::mouseClick(t.mini->picZoom, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(t.mini->picColor->color(), t.pixel({ 100, 100 }));
        QTest::mouseClick(t.mini->picZoom, Qt::LeftButton, {}, QPoint(60, 50));
        QCOMPARE(t.mini->picColor->color(), t.pixel({ 102, 100 }));
        // One pick, one colour: the label, and so "C", say what the swatch shows and "Done" hands over.
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("102, 100, 0"));
        t.mini->cmdCopy->click();
        QCOMPARE(t.f.fakes.clipboard.lastText, QStringLiteral("102, 100, 0"));
        t.mini->cmdDone->click();
        QVERIFY(t.closed());
        QCOMPARE(Look(t.f.window).color(ColorSlot::Two), t.pixel({ 102, 100 }));
    }

    void aPressWithoutMovingTakesThePixelOfTheLastPosition()
    {
        Mini t;
        Press(t.mini->Picture1, Qt::LeftButton);
        Release(t.mini->Picture1, Qt::LeftButton);
        QCOMPARE(t.mini->picColor->color(), t.pixel({ 0, 0 }));
        t.drag(Qt::LeftButton, { 7, 9 });
        t.f.fakes.screen.cursor = { 200, 200 };
        Press(t.mini->Picture1, Qt::LeftButton);
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("7, 9, 0"));
        Release(t.mini->Picture1, Qt::LeftButton);
    }

    void aLostReleaseEndsTheDragAtTheNextMove()
    {
        Mini t;
        Press(t.mini->Picture1, Qt::LeftButton);
        t.f.fakes.screen.cursor = { 30, 40 };
        Move(t.mini->Picture1, Qt::LeftButton);
        const int reads = t.f.fakes.screen.cursorReads;
        t.f.fakes.screen.cursor = { 31, 41 };
        Move(t.mini->Picture1, Qt::NoButton);
        QVERIFY(!t.mini->blnDragging());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(t.mini->Picture1->imageShown());
        Move(t.mini->Picture1, Qt::NoButton);
        QCOMPARE(t.mini->picColor->color(), t.pixel({ 30, 40 }));
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("30, 40, 0"));
        // Neither the move that ended the drag nor hovering asks the display server for the pointer.
        QCOMPARE(t.f.fakes.screen.cursorReads, reads);
    }

    void copyPutsTheShownTextOnTheClipboard()
    {
        Mini t;
        t.mini->cmdCopy->click();
        QCOMPARE(t.f.fakes.clipboard.lastText, QStringLiteral("RGB Value"));
        t.drag(Qt::LeftButton, { 255, 128 });
        t.mini->cmdCopy->click();
        QCOMPARE(t.f.fakes.clipboard.lastText, QStringLiteral("255, 128, 0"));
    }

    // The colour used to mark an empty box is a colour like any other once it is picked.
    void pickingTheEmptyColourStillHandsItOver()
    {
        Mini t;
        t.f.fakes.screen.image.setPixel(3, 4, qRgb(237, 232, 215));
        t.drag(Qt::LeftButton, { 3, 4 });
        QCOMPARE(t.mini->picColor->color(), core::kEmptyColor);
        t.mini->cmdDone->click();
        QVERIFY(t.closed());
        QCOMPARE(Look(t.f.window).color(ColorSlot::One), core::kEmptyColor);
        QCOMPARE(t.history.size(), 1);
    }

    void unreadableScreenIsReported()
    {
        Mini t;
        t.f.fakes.screen.image = QImage();
        Press(t.mini->Picture1, Qt::LeftButton);
        QCOMPARE(t.f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(t.f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QVERIFY(!t.mini->blnDragging());
        QVERIFY(!QGuiApplication::overrideCursor());
        Release(t.mini->Picture1, Qt::LeftButton);
        QCOMPARE(t.mini->picColor->color(), core::kEmptyColor);
        QCOMPARE(t.mini->lblRGB->text(), QStringLiteral("RGB Value"));
    }

    void alwaysOnTopFollowsTheCheckBox()
    {
        Mini t;
        t.mini->chkTop->click();
        QVERIFY(!(t.mini->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(t.mini->isVisible());
        t.mini->chkTop->click();
        QVERIFY(t.mini->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(t.mini->isVisible());
    }
};

QTEST_MAIN(MiniPickerTest)
#include "MiniPickerTest.moc"
