#include "mainwindow/StartUp.h"
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "files/EncodedFile.h"
#include "tests/fakes/FakeSingleInstance.h"
#include "tests/gui/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tw;
using tw::test::FakeServices;
using tw::test::FakeSingleInstance;
using tw::test::Look;
using tw::test::MainWindowFixture;
using Role = platform::SingleInstance::Role;

namespace {

const QString kMain = QStringLiteral("Main");

const QString kCodesTip = QStringLiteral(
    "Shrink the window size of this program by hiding color codes you don't use. Click on \"Visible Color Codes\" "
    "in the \"Options\" menu.\n\nThis tip will not appear again.");

// One line per entry: caption (or "-" for a separator), "[x]" for a check item, "(o)" for a radio item,
// sub-menus indented.
void Describe(const QMenu& menu, const QString& indent, QStringList& lines)
{
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines << indent + u'-';
            continue;
        }
        QString line = indent + action->text();
        if (action->isCheckable())
            line += action->actionGroup() ? QStringLiteral(" (o)") : QStringLiteral(" [x]");
        lines << line;
        if (action->menu())
            Describe(*action->menu(), indent + QStringLiteral("  "), lines);
    }
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFirstStartShowsTheCodesTipOnceOverTheWindow()
    {
        FakeServices fakes;
        {
            MainWindow window(fakes.services());
            window.continueFormLoad();
            window.show();
            QVERIFY(fakes.prompter.prompts.isEmpty()); // not before the window is there
            QTRY_COMPARE(fakes.prompter.texts(), QStringList { kCodesTip });
            QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Tintwise Color Picker Tip"));
            QCOMPARE(fakes.prompter.prompts[0].icon, core::MessageIcon::Information);
            QCOMPARE(fakes.prompter.prompts[0].buttons, platform::PromptButtons::Ok);
            QCOMPARE(fakes.settings.read(kMain, QStringLiteral("blnCodesTip")), QStringLiteral("True"));
        }
        MainWindow again(fakes.services());
        again.continueFormLoad();
        again.show();
        // The tip waits only for the events already queued when the window was shown.
        QCoreApplication::processEvents();
        QCOMPARE(fakes.prompter.prompts.size(), 1);
    }

    void theIconsOfTheWindowAndTheTrayFollowTheFirstFrame()
    {
        FakeServices fakes;
        QVERIFY(fakes.settings.writeBool(kMain, QStringLiteral("blnCodesTip"), true));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QVERIFY(window.windowIcon().isNull());
        QVERIFY(!fakes.tray.shown);
        QVERIFY(!Look(window).action("mnuExitMin")->isEnabled());
        window.show();
        QTRY_VERIFY(fakes.tray.shown);
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(128, 128)));
        QVERIFY(!fakes.tray.icon.isNull());
        QVERIFY(Look(window).action("mnuExitMin")->isEnabled());
    }

    void aFirstStartWritesOnlyTheCommandLine()
    {
        FakeServices fakes;
        FakeSingleInstance instance;
        QCOMPARE(ClaimOrHandOver(fakes.settings, fakes.prompter, instance, QStringLiteral("/home/u/a.tcpc")),
            StartDecision::RunHere);
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QCOMPARE(fakes.settings.writeCount(), 1);
        QCOMPARE(fakes.settings.read(kMain, QStringLiteral("Cmd")), QStringLiteral("/home/u/a.tcpc"));
        QCOMPARE(instance.claims, 1);
        QVERIFY(instance.handedOver.isEmpty());
        QVERIFY(!Look(window).startupFlag());
        QCOMPARE(Look(window).color(ColorSlot::One), 0);
        QCOMPARE(Look(window).color(ColorSlot::Two), 0);
    }

    // The usual start, without a file, finds "Cmd" empty already and writes nothing at all.
    void aStartWithTheStoredCommandLineWritesNothing()
    {
        FakeServices fakes;
        FakeSingleInstance instance;
        QVERIFY(fakes.settings.write(kMain, QStringLiteral("Cmd"), QString()));
        const int writes = fakes.settings.writeCount();
        QCOMPARE(ClaimOrHandOver(fakes.settings, fakes.prompter, instance, QString()), StartDecision::RunHere);
        QCOMPARE(fakes.settings.writeCount(), writes);
        QCOMPARE(ClaimOrHandOver(fakes.settings, fakes.prompter, instance, QStringLiteral("/home/u/a.tcpc")),
            StartDecision::RunHere);
        QCOMPARE(fakes.settings.writeCount(), writes + 1);
        QCOMPARE(ClaimOrHandOver(fakes.settings, fakes.prompter, instance, QString()), StartDecision::RunHere);
        QCOMPARE(fakes.settings.read(kMain, QStringLiteral("Cmd")), QString());
    }

    void aSecondStartHandsOverAndEnds_data()
    {
        QTest::addColumn<bool>("delivered");
        QTest::newRow("delivered") << true;
        QTest::newRow("not delivered") << false;
    }
    void aSecondStartHandsOverAndEnds()
    {
        QFETCH(bool, delivered);
        FakeServices fakes;
        FakeSingleInstance instance;
        instance.role = Role::AnotherRuns;
        instance.delivered = delivered;
        QCOMPARE(ClaimOrHandOver(fakes.settings, fakes.prompter, instance, QStringLiteral("/tmp/b.tcpp")),
            delivered ? StartDecision::HandedOver : StartDecision::HandOverFailed);
        QCOMPARE(instance.handedOver, QStringList { QStringLiteral("/tmp/b.tcpp") });
        QCOMPARE(fakes.settings.read(kMain, QStringLiteral("Cmd")), QStringLiteral("/tmp/b.tcpp"));
        if (delivered) {
            QVERIFY(fakes.prompter.prompts.isEmpty());
            return;
        }
        QCOMPARE(fakes.prompter.texts(), QStringList { "Message could not be sent to the application." });
        QCOMPARE(fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
        QCOMPARE(fakes.prompter.prompts[0].buttons, platform::PromptButtons::Ok);
        QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Tintwise Color Picker"));
    }

    void theRunningCopyTakesTheHandOver()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("c.tcpc"));
        QVERIFY(WriteEncodedFile(path, core::BuildColorText({ 1, 255 }), core::SystemUnitRandom()).ok());
        MainWindowFixture f;
        f->showMinimized();
        f->receiveHandOver(path);
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("Cmd")), path);
        QCOMPARE(f->commandLine(), path);
        QCOMPARE(Look(f.window).color(ColorSlot::One), 255);
        QVERIFY(f->isVisible());
        QVERIFY(!f->isMinimized());
        // The later start wrote "Cmd" already: nothing more to write but the caption.
        const int writes = f.fakes.settings.writeCount();
        f->receiveHandOver(path);
        QCOMPARE(f.fakes.settings.writeCount(), writes + 1);
    }

    void theCommandLinePathBecomesAbsolute()
    {
        QCOMPARE(AbsoluteCommandLinePath(QString()), QString());
        QCOMPARE(AbsoluteCommandLinePath(QStringLiteral("/abs/x.tcpc")), QStringLiteral("/abs/x.tcpc"));
        QCOMPARE(AbsoluteCommandLinePath(QStringLiteral("rel/x.tcpc")), QDir::currentPath() + "/rel/x.tcpc");
    }

    void exitRunsTheShutdownOnce()
    {
        MainWindowFixture f;
        QVERIFY(
            f.fakes.settings.write(kMain, QStringLiteral("Cap"), QStringLiteral("Tintwise Color Picker - sky.tcpc")));
        QAction* exit = Look(f.window).action("mnuExit");
        QVERIFY(exit->isEnabled());
        exit->trigger();
        QVERIFY(!f->isVisible());
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("Cap"), QStringLiteral("<none>")), QString());
        const int writes = f.fakes.settings.writeCount();
        f->show();
        f->close();
        f->shutdown();
        QCOMPARE(f.fakes.settings.writeCount(), writes);
    }

    void theMenuItemsOfThisAreaWork()
    {
        MainWindowFixture f;
        QVERIFY(Look(f.window).action("mnuHistory")->isEnabled());
        QVERIFY(Look(f.window).action("mnuExit")->isEnabled());
        // Minimising to the tray needs a tray.
        QVERIFY(Look(f.window).action("mnuExitMin")->isEnabled());
        test::FakeServices noTray;
        noTray.tray.available = false;
        MainWindow window(noTray.services());
        for (const char* item : { "mnuExitMin", "mnuPOpen", "mnuPMini", "mnuPExit" })
            QVERIFY2(!Look(window).action(item)->isEnabled(), item);
    }

    void theMenuTreeIsComplete()
    {
        MainWindowFixture f;
        QStringList bar;
        for (const QAction* action : f->menuBar()->actions()) {
            bar << action->text();
            Describe(*action->menu(), QStringLiteral("  "), bar);
        }
        const QStringList expected {
            "&File",
            "  &New Color Palette",
            "  Open &Default Color Palette",
            "  Open &Color Palette...",
            "  Save C&olor Palette As...",
            "  -",
            "  &Open Color As Color #1...",
            "  O&pen Color As Color #2...",
            "  &Save Color #1 As...",
            "  S&ave Color #2 As...",
            "  -",
            "  Color &History...",
            "  -",
            "  &HTML Stylesheet Editor...",
            "  &Templates...",
            "  -",
            "  &Minimize to System Tray",
            "  E&xit",
            "&Options",
            "  &Visible Color Code Values",
            "    Show &All",
            "    Show &None",
            "    -",
            "    &RGB [x]",
            "    H&SL [x]",
            "    &C++ Hex [x]",
            "    &Delphi Hex [x]",
            "    &HTML Hex [x]",
            "    &VB Hex [x]",
            "    -",
            "    CSS N&otations",
            "      &hex [x]",
            "      &rgb() [x]",
            "      hs&l() [x]",
            "      h&wb() [x]",
            "      l&ab() [x]",
            "      l&ch() [x]",
            "      &oklab() [x]",
            "      o&klch() [x]",
            "  -",
            "  &Stick Color Boxes Together [x]",
            "  -",
            "  Always on &Top [x]",
            "  &Compact Mode [x]",
            "  &Transparent",
            "    &Very High Transparency (o)",
            "    &High Transparency (o)",
            "    &Medium Transparency (o)",
            "    &Low Transparency (o)",
            "    &No Transparency (o)",
            "  Window Color &Scheme",
            "    &Default (o)",
            "    &Mystic Night (o)",
            "    Sea Breeze &Blue (o)",
            "    Forest &Green (o)",
            "    &Purple Haze (o)",
            "    Dusty &Rose (o)",
            "  -",
            "  &Freeze Screen While Picking [x]",
            "  Pick &Average",
            "    &1 x 1 Pixel (o)",
            "    &3 x 3 Pixels (o)",
            "    &5 x 5 Pixels (o)",
            "    &9 x 9 Pixels (o)",
            "  -",
            "  &Notify Me When Auto-Correcting Code [x]",
            "  Auto &Highlight Code [x]",
            "&Help",
            "  Help &Topics...",
            "  -",
            "  Check for &Updates...",
            "  -",
            "  &About...",
            "  -",
            "  &Uninstall Tintwise Color Picker...",
        };
        QCOMPARE(bar, expected);

        QStringList popups;
        for (const char* name : { "mnuMenu", "mnuPop", "mnuEP" }) {
            const auto* menu = f->findChild<QMenu*>(QString::fromLatin1(name));
            QVERIFY2(menu, name);
            QVERIFY(!f->menuBar()->actions().contains(menu->menuAction()));
            popups << menu->title();
            Describe(*menu, QStringLiteral("  "), popups);
        }
        QCOMPARE(popups,
            QStringList(
                { "Menu", "  Set as Color #2", "  -", "  Set as &Active Link", "  Set as &Background", "  Set as &Link",
                    "  Set as &Text", "  Set as &Visited Link", "Pop", "  &Open", "  -", "  Mini Color &Picker", "  -",
                    "  E&xit", "Edit Pal", "  Add Color #&1", "  Add Color #&2", "  -", "  &Delete" }));
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
