#include "sampling/FrozenPick.h"
#include "sampling/MiniPicker.h"
#include "sampling/ScreenSampler.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/SamplingHelpers.h"
#include "widgets/Swatch.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace tw;
using namespace tw::test;
using Outcome = platform::ScreenshotPortal::Outcome;
using Result = platform::ScreenshotPortal::Result;

Q_DECLARE_METATYPE(Outcome)

namespace {

// White where x + y is even, black elsewhere: a 3x3 square centred on a white pixel holds five white ones.
QImage Checkerboard(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

Result Taken(const QImage& image)
{
    Result result;
    result.outcome = Outcome::Taken;
    result.image = image;
    return result;
}

// A started main window on a fake desktop the size of the (offscreen) screen, so the picture is in the
// desktop's device pixels, with the history calls counted.
struct Frozen {
    MainWindowFixture f;
    ScreenSampler* s = Look(f.window).sampler();
    QImage desktop = NumberedScreen(
        QGuiApplication::primaryScreen()->geometry().width(), QGuiApplication::primaryScreen()->geometry().height());
    QSignalSpy history { &f.window.colors(), &WorkingColors::recorded };

    Frozen()
    {
        f.fakes.screen.image = desktop;
        f->setColor(QStringLiteral("255"), true); // Color #2 red
        f->setColor(QStringLiteral("16711680"), false); // Color #1 blue
        history.clear();
    }
    core::ColorValue color(ColorSlot slot) { return f.window.colors().color(slot); }
    core::ColorValue pixel(QPoint p) const { return PixelOf(desktop, p.x(), p.y()); }
    QWidget* surface() const
    {
        FrozenPick* pick = s->frozenPick();
        return pick ? pick->windows().front() : nullptr;
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(surface(), Qt::Key(key), modifiers);
    }
    // The surface is a window of its own; the pick's end removes it once events run.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class FrozenPickTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Where the desktop lets no program read the screen, a press asks the portal; its picture becomes the
    // frozen surface, on which moves set the colour live, the arrows move the point by one pixel (ten with
    // Shift) and Enter picks for the button of the press.
    void aPortalPictureIsPickedOnTheFrozenSurface_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<ColorSlot>("slot");
        QTest::newRow("left, Color #1") << Qt::LeftButton << ColorSlot::One;
        QTest::newRow("right, Color #2") << Qt::RightButton << ColorSlot::Two;
    }
    void aPortalPictureIsPickedOnTheFrozenSurface()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(ColorSlot, slot);
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        t.f.fakes.screen.image = QImage();
        const core::ColorValue other = t.color(slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One);
        Press(t.s->Picture1, button);
        Release(t.s->Picture1, button);
        QCOMPARE(t.f.fakes.portal.screenshots, 1);
        QVERIFY(!t.s->blnDragging());
        QVERIFY(!t.s->frozenPick());
        // A second press while the desktop takes the picture asks nothing more.
        Press(t.s->Picture1, button);
        Release(t.s->Picture1, button);
        QCOMPARE(t.f.fakes.portal.screenshots, 1);

        t.f.fakes.portal.answer(Taken(t.desktop));
        QVERIFY(t.surface());
        QVERIFY(t.surface()->isVisible());
        QVERIFY(t.f.fakes.prompter.prompts.isEmpty());
        SendMouse(t.surface(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(100, 50));
        QCOMPARE(t.color(slot), t.pixel({ 100, 50 }));
        t.key(Qt::Key_Right);
        t.key(Qt::Key_Right);
        t.key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(t.s->frozenPick()->point(), QPoint(102, 60));
        QCOMPARE(t.color(slot), t.pixel({ 102, 60 }));
        QCOMPARE(t.history.size(), 0);
        // The release of the press that asked for the picture picks nothing on the surface.
        Release(t.surface(), button);
        QVERIFY(t.s->frozenPick());
        t.key(Qt::Key_Return);
        t.settle();
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(t.color(slot), t.pixel({ 102, 60 }));
        QCOMPARE(t.history.size(), 1);
        QCOMPARE(t.color(slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One), other);
        // The magnifier keeps the picture, as after a drag.
        QVERIFY(t.s->picDesk());
    }

    // A surface that appears under a pointer at rest takes the pointer's place from its entry: Enter then
    // picks that pixel, not the middle of the picture.
    void thePointersEntryPlacesThePoint()
    {
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        t.f.fakes.screen.image = QImage();
        Press(t.s->Picture1, Qt::LeftButton);
        Release(t.s->Picture1, Qt::LeftButton);
        t.f.fakes.portal.answer(Taken(t.desktop));
        QWidget* surface = t.surface();
        QVERIFY(surface);
        const QPointF local(70, 30);
        QEnterEvent enter(local, local, surface->mapToGlobal(local));
        QCoreApplication::sendEvent(surface, &enter);
        t.key(Qt::Key_Return);
        t.settle();
        QCOMPARE(t.color(ColorSlot::One), t.pixel({ 70, 30 }));
    }

    void aClickOnTheSurfacePicksWithItsButton()
    {
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        Press(t.s->Picture1, Qt::LeftButton);
        t.f.fakes.portal.answer(Taken(t.desktop));
        QVERIFY(t.surface());
        SendMouse(t.surface(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(7, 9));
        SendMouse(t.surface(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, QPoint(7, 9));
        t.settle();
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(t.color(ColorSlot::Two), t.pixel({ 7, 9 }));
        QCOMPARE(t.history.size(), 1);
    }

    void escapeCancelsAndChangesNothing()
    {
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        const core::ColorValue one = t.color(ColorSlot::One);
        const core::ColorValue two = t.color(ColorSlot::Two);
        Press(t.s->Picture1, Qt::RightButton);
        t.f.fakes.portal.answer(Taken(t.desktop));
        SendMouse(t.surface(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(30, 40));
        QCOMPARE(t.color(ColorSlot::Two), t.pixel({ 30, 40 }));
        t.key(Qt::Key_Escape);
        t.settle();
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(t.color(ColorSlot::One), one);
        QCOMPARE(t.color(ColorSlot::Two), two);
        QCOMPARE(t.history.size(), 0);
    }

    // Each way the portal can fail says so plainly and changes nothing. A portal without screenshots may
    // still pick one colour itself.
    void aPortalWithoutAPictureSaysWhy_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<bool>("asksForAColor");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused") << Outcome::Refused << false << "The desktop did not allow a picture";
        QTest::newRow("no answer") << Outcome::NoAnswer << false << "The desktop did not answer";
        QTest::newRow("missing") << Outcome::Missing << true << "This desktop does not let programs read";
        QTest::newRow("failed") << Outcome::Failed << true << "The desktop could not take a picture";
    }
    void aPortalWithoutAPictureSaysWhy()
    {
        QFETCH(Outcome, outcome);
        QFETCH(bool, asksForAColor);
        QFETCH(QString, message);
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        const core::ColorValue one = t.color(ColorSlot::One);
        Press(t.s->Picture1, Qt::LeftButton);
        Result result;
        result.outcome = outcome;
        result.detail = QStringLiteral("<b>not</b> today");
        t.f.fakes.portal.answer(result);
        QCOMPARE(t.f.fakes.portal.colorPicks, asksForAColor ? 1 : 0);
        if (asksForAColor) {
            Result none;
            none.outcome = Outcome::Missing;
            t.f.fakes.portal.answer(none);
        }
        QCOMPARE(t.f.fakes.prompter.prompts.size(), 1);
        QVERIFY2(
            t.f.fakes.prompter.prompts[0].text.startsWith(message), qPrintable(t.f.fakes.prompter.prompts[0].text));
        QCOMPARE(t.f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        if (outcome == Outcome::Failed) // the desktop's words, shown as they are
            QVERIFY(t.f.fakes.prompter.prompts[0].text.endsWith(QStringLiteral("<b>not</b> today")));
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(t.color(ColorSlot::One), one);
        QCOMPARE(t.history.size(), 0);
        // The next press asks again.
        Press(t.s->Picture1, Qt::LeftButton);
        QCOMPARE(t.f.fakes.portal.screenshots, 2);
    }

    void aPortalThatOnlyPicksColorsGivesOnePick()
    {
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        Press(t.s->Picture1, Qt::RightButton);
        Result failed;
        failed.outcome = Outcome::Failed;
        t.f.fakes.portal.answer(failed);
        Result color;
        color.outcome = Outcome::Taken;
        color.color = 0x0080FF;
        t.f.fakes.portal.answer(color);
        QCOMPARE(t.color(ColorSlot::Two), 0x0080FF);
        QCOMPARE(t.history.size(), 1);
        QVERIFY(t.f.fakes.prompter.prompts.isEmpty());
    }

    // The mini picker's target picks the same way; the pick goes to its own view, and only "Done" hands it to
    // the working colours.
    void theMiniPickersTargetPicksFromThePortalsPicture()
    {
        Frozen t;
        t.f.fakes.screen.portalOnly = true;
        t.f.fakes.screen.image = QImage();
        t.s->cmdMini_Click();
        MiniPicker* mini = t.s->miniPicker();
        QVERIFY(mini);
        Press(mini->Picture1, Qt::RightButton);
        Release(mini->Picture1, Qt::RightButton);
        QCOMPARE(t.f.fakes.portal.screenshots, 1);
        t.f.fakes.portal.answer(Taken(t.desktop));
        QVERIFY(t.surface());
        SendMouse(t.surface(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(30, 40));
        t.key(Qt::Key_Right);
        t.key(Qt::Key_Return);
        t.settle();
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(mini->picColor->color(), t.pixel({ 31, 40 }));
        QVERIFY(mini->blnColor2);
        QCOMPARE(t.color(ColorSlot::Two), core::ColorValue(255));
        QCOMPARE(t.history.size(), 0);
        mini->cmdDone_Click();
        QCOMPARE(t.color(ColorSlot::Two), t.pixel({ 31, 40 }));
        QCOMPARE(t.history.size(), 1);
        QVERIFY(t.f.fakes.prompter.prompts.isEmpty());
    }

    // "Freeze Screen While Picking" on a readable screen: the press freezes the picture at once; the drag
    // goes on over the surface with the button held on the target, the arrows move the pointer by one device
    // pixel, and the release picks.
    void theFreezeOptionPicksWhereTheArrowsLeadTheDrag()
    {
        Frozen t;
        Look(t.f.window).action("mnuFreeze")->setChecked(true);
        t.f.fakes.screen.cursor = QPoint(200, 100);
        Press(t.s->Picture1, Qt::LeftButton);
        QCOMPARE(t.f.fakes.screen.grabs, 1);
        QVERIFY(t.surface());
        QCOMPARE(t.s->frozenPick()->point(), QPoint(200, 100));
        t.f.fakes.screen.cursor = QPoint(210, 120);
        Move(t.s->Picture1, Qt::LeftButton);
        QCOMPARE(t.color(ColorSlot::One), t.pixel({ 210, 120 }));
        t.key(Qt::Key_Left);
        t.key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(t.f.fakes.screen.placements, 2);
        QCOMPARE(t.f.fakes.screen.cursor, QPoint(209, 110));
        Move(t.s->Picture1, Qt::LeftButton); // the pointer the arrows placed
        Release(t.s->Picture1, Qt::LeftButton);
        t.settle();
        QVERIFY(!t.s->frozenPick());
        QCOMPARE(t.color(ColorSlot::One), t.pixel({ 209, 110 }));
        QCOMPARE(t.history.size(), 1);
    }

    // The average is the mean of the square round the point, on the surface and in an ordinary drag.
    void aPickAveragesTheChosenSquare()
    {
        Frozen t;
        t.desktop = Checkerboard(t.desktop.size());
        t.f.fakes.screen.image = t.desktop;
        Look(t.f.window).action("mnuAvg1")->trigger(); // 3 x 3
        QCOMPARE(t.s->average(), 3);
        // 5 white and 4 black pixels: 255 * 5 / 9 = 141.7.
        const core::ColorValue mean = core::MakeColor(142, 142, 142);

        t.f.fakes.screen.cursor = QPoint(10, 20);
        Press(t.s->Picture1, Qt::LeftButton);
        t.f.fakes.screen.cursor = QPoint(12, 20);
        Move(t.s->Picture1, Qt::LeftButton);
        QCOMPARE(t.color(ColorSlot::One), mean);
        // During a drag the arrows move the pointer, and the next move samples there.
        QTest::keyClick(&t.f.window, Qt::Key_Right);
        QCOMPARE(t.f.fakes.screen.cursor, QPoint(13, 20));
        Move(t.s->Picture1, Qt::LeftButton);
        QCOMPARE(t.color(ColorSlot::One), core::MakeColor(113, 113, 113)); // 4 white of 9
        Release(t.s->Picture1, Qt::LeftButton);

        Look(t.f.window).action("mnuFreeze")->setChecked(true);
        Look(t.f.window).action("mnuAvg3")->trigger(); // 9 x 9 at the corner: 5 x 5 inside, 13 white of 25
        t.f.fakes.screen.cursor = QPoint(0, 0);
        Press(t.s->Picture1, Qt::RightButton);
        t.key(Qt::Key_Space);
        t.settle();
        QCOMPARE(t.color(ColorSlot::Two), core::MakeColor(133, 133, 133));
    }

    void zoomKeysOnTheSurfaceZoomTheMagnifier()
    {
        Frozen t;
        Look(t.f.window).action("mnuFreeze")->setChecked(true);
        QComboBox* zoom = t.s->fraZoom->cboZoom;
        const int before = zoom->currentIndex();
        Press(t.s->Picture1, Qt::LeftButton);
        t.key(Qt::Key_Plus);
        QCOMPARE(zoom->currentIndex(), before + 1);
        Wheel(t.surface(), -120);
        Wheel(t.surface(), -120);
        QCOMPARE(zoom->currentIndex(), before - 1);
        t.key(Qt::Key_Escape);
    }

    void freezeAndAverageAreSaved_data()
    {
        QTest::addColumn<QStringList>("stored"); // freeze, average
        QTest::addColumn<bool>("freeze");
        QTest::addColumn<int>("average");
        QTest::addColumn<QStringList>("saved");
        QTest::newRow("stored") << QStringList { "True", "5" } << true << 5 << QStringList { "True", "5" };
        QTest::newRow("garbage") << QStringList { "yes", "7" } << false << 1 << QStringList { "False", "1" };
    }
    void freezeAndAverageAreSaved()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, freeze);
        QFETCH(int, average);
        QFETCH(QStringList, saved);
        FakeServices fakes;
        const QStringList keys { "freeze", "average" };
        for (int i = 0; i < keys.size(); ++i)
            QVERIFY(fakes.settings.write(QStringLiteral("Main"), keys[i], stored[i]));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QCOMPARE(Look(window).action("mnuFreeze")->isChecked(), freeze);
        QCOMPARE(Look(window).sampler()->average(), average);
        const char* items[] = { "mnuAvg0", "mnuAvg1", "mnuAvg2", "mnuAvg3" };
        const int sizes[] = { 1, 3, 5, 9 };
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Look(window).action(items[i])->isChecked(), sizes[i] == average);
        window.saveSettings();
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(fakes.settings.read(QStringLiteral("Main"), keys[i]), saved[i]);
    }
};

QTEST_MAIN(FrozenPickTest)
#include "FrozenPickTest.moc"
