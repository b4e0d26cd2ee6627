// Visible code rows, the window options and colour schemes, the tray icon, and what a screen reader is told.
#include "window/WindowOptions.h"
#include "html/HtmlEditor.h"
#include "tests/gui/MainWindowFixture.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QMenu>
#include <QTest>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

const QString kMain = QStringLiteral("Main");

QColor BaseOf(MainWindowFixture& f, const char* field)
{
    return f.find<QLineEdit>(field)->palette().color(QPalette::Base);
}

} // namespace

class WindowOptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hiddenRowsCloseUpInBothFramesAndTheWindowGetsShorter()
    {
        MainWindowFixture f;
        const int height = f->height();
        const int cppTop = f.find<QLineEdit>("txtC")->y();
        f.action("mnuVCode4")->trigger(); // HSL off
        QCoreApplication::processEvents();
        for (const char* name : { "txtHue", "txtSat2", "vsLum", "Label17", "Command14", "Command15" })
            QVERIFY2(f.find<QWidget>(name)->isHidden(), name);
        QTRY_VERIFY(f.find<QLineEdit>("txtC")->y() < cppTop);
        QCOMPARE(f.find<QLineEdit>("txtC")->y(), f.find<QLineEdit>("txtC2")->y());
        QTRY_VERIFY(f->height() < height);
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("cbocodes-4")), QStringLiteral("False"));

        f.action("mnuVCode1")->trigger(); // Show None
        QCoreApplication::processEvents();
        QVERIFY(f.find<QWidget>("Frame1")->isHidden());
        QVERIFY(f.find<QWidget>("Frame2")->isHidden());
        f.action("mnuVCode0")->trigger(); // Show All
        QCoreApplication::processEvents();
        QVERIFY(!f.find<QWidget>("Frame2")->isHidden());
        QVERIFY(!f.find<QWidget>("txtHue")->isHidden());
        QTRY_COMPARE(f->height(), height);
    }

    void hiddenRowsStayHiddenAfterARestart()
    {
        test::FakeServices fakes;
        // Written as "cbocodes-N", read under any case.
        QVERIFY(fakes.settings.write(kMain, QStringLiteral("cboCodes-7"), QStringLiteral("False")));
        QVERIFY(fakes.settings.write(kMain, QStringLiteral("CBOCODES-3"), QStringLiteral("False")));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QVERIFY(Look(window).action("mnuVCode3")->isChecked() == false);
        QVERIFY(Look(window).action("mnuVCode7")->isChecked() == false);
        QVERIFY(Look(window).action("mnuVCode8")->isChecked());
        QVERIFY(test::Find<QWidget>(window, QStringLiteral("txtHex2"))->isHidden());
        QVERIFY(test::Find<QWidget>(window, QStringLiteral("txtRed"))->isHidden());
        QVERIFY(!test::Find<QWidget>(window, QStringLiteral("txtVBHex"))->isHidden());
    }

    void compactModeCollapsesTheSlidesAndHidesColorTwoAndThePalette()
    {
        MainWindowFixture f;
        const int width = f->width();
        f.find<QCheckBox>("Check1")->click();
        QVERIFY(f.find<QGroupBox>("Frame3")->isVisible());
        f.action("mnuHide")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!f.find<QCheckBox>("Check1")->isChecked());
        QVERIFY(f.find<QGroupBox>("Frame3")->isHidden());
        QVERIFY(f.find<QWidget>("Frame2")->isHidden());
        QVERIFY(f.find<QWidget>("fraPal")->isHidden());
        QVERIFY(f.find<QWidget>("fraZoom")->isVisible());
        QTRY_VERIFY(f->width() < width * 2 / 3);
        f.action("mnuHide")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!f.find<QWidget>("Frame2")->isHidden());
        QVERIFY(!f.find<QWidget>("fraPal")->isHidden());
        QTRY_COMPARE(f->width(), width);
    }

    void schemesPaintEveryTextBoxButTheRgbFields()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x204080), false);
        const QColor red = BaseOf(f, "txtRed");
        f.action("mnuScheme5")->trigger(); // Dusty Rose
        for (const char* box : { "txtHex", "txtHue", "txtLum2", "txtVBHex2", "txtC" })
            QCOMPARE(BaseOf(f, box), QColor(192, 192, 192));
        QCOMPARE(BaseOf(f, "txtRed"), red);
        QCOMPARE(f->palette().color(QPalette::Window), QColor(128, 64, 64));
        f.action("mnuScheme1")->trigger(); // Mystic Night: black boxes, yellow text, green labels
        QCOMPARE(BaseOf(f, "txtDelphi"), QColor(0, 0, 0));
        QCOMPARE(f.find<QLineEdit>("txtDelphi")->palette().color(QPalette::Text), QColor(255, 255, 0));
        QCOMPARE(f.find<QLabel>("Label4")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(BaseOf(f, "txtRed"), red);
        QVERIFY(f.action("mnuScheme1")->isChecked() && !f.action("mnuScheme5")->isChecked());
        f->saveSettings();
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("scheme")), QStringLiteral("1"));
    }

    void noTransparencyAfterAnotherLevelIsOpaque()
    {
        MainWindowFixture f;
        QCOMPARE(f->windowOpacity(), 1.0);
        f.action("mnuTP1")->trigger();
        QCOMPARE(qRound(f->windowOpacity() * 255), 120);
        f.action("mnuTP4")->trigger();
        QCOMPARE(f->windowOpacity(), 1.0);
        f.action("mnuTP0")->trigger();
        f->saveSettings();
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("trans0")), QStringLiteral("True"));
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("trans4")), QStringLiteral("False"));
    }

    void stuckSwatchesTouchAndApartTheyAreSeparated()
    {
        MainWindowFixture f;
        auto* one = f.find<Swatch>("picHover");
        auto* two = f.find<Swatch>("picSelected");
        QVERIFY(f.action("mnuStick")->isChecked());
        QCOMPARE(one->size(), QSize(48, 48));
        QCOMPARE(two->x(), one->x() + 48);
        QVERIFY(f.find<QWidget>("Line1")->isHidden());
        f.action("mnuStick")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(one->size(), QSize(49, 49));
        QVERIFY(two->x() > one->x() + 49);
        QVERIFY(!f.find<QWidget>("Line1")->isHidden());
    }

    void alwaysOnTopKeepsThePlace()
    {
        MainWindowFixture f;
        f->move(120, 80);
        const QPoint place = f->pos();
        f.action("mnuTop")->trigger();
        QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(f->isVisible());
        QCOMPARE(f->pos(), place);
        f.action("mnuTop")->trigger();
        QVERIFY(!(f->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void optionsComeBackAfterARestart()
    {
        test::FakeServices fakes;
        {
            MainWindow window(fakes.services());
            window.continueFormLoad();
            Look(window).action("mnuStick")->trigger();
            Look(window).action("mnuHide")->trigger();
            Look(window).action("mnuTP2")->trigger();
            Look(window).action("mnuScheme3")->trigger();
            window.saveSettings();
        }
        MainWindow again(fakes.services());
        again.continueFormLoad();
        QVERIFY(!Look(again).action("mnuStick")->isChecked());
        QVERIFY(Look(again).action("mnuHide")->isChecked());
        QVERIFY(Look(again).action("mnuTP2")->isChecked());
        QVERIFY(Look(again).action("mnuScheme3")->isChecked());
        QCOMPARE(qRound(again.windowOpacity() * 255), 190);
        QCOMPARE(again.palette().color(QPalette::Window), QColor(49, 103, 53));
    }

    void minimisingGoesToTheTrayWithATipTheFirstTime()
    {
        MainWindowFixture f;
        QVERIFY(f.fakes.tray.shown);
        QCOMPARE(f.fakes.tray.tip, QStringLiteral("Tintwise Color Picker"));
        f->showMinimized();
        QTRY_VERIFY(!f->isVisible());
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "When you click the Minimize button, Tintwise Color Picker is minimized to the system "
                          "tray.\n\nThis tip will not appear again." });
        QCOMPARE(f.fakes.prompter.prompts[0].title, QStringLiteral("Tintwise Color Picker Tip"));
        QCOMPARE(f.fakes.settings.read(kMain, QStringLiteral("blnMinTip")), QStringLiteral("True"));

        f.fakes.tray.activate(platform::Tray::Activation::Click);
        QVERIFY(f->isVisible());
        QVERIFY(!f->isMinimized());
        f->showMinimized();
        QTRY_VERIFY(!f->isVisible());
        QCOMPARE(f.fakes.prompter.prompts.size(), 1); // the tip only once
        f.fakes.tray.activate(platform::Tray::Activation::DoubleClick);
        QVERIFY(f->isVisible());
        // The context menu, and Minimize to System Tray without a tip.
        f.fakes.tray.activate(platform::Tray::Activation::Context);
        QTRY_VERIFY(f.find<QMenu>("mnuPop")->isVisible());
        f.find<QMenu>("mnuPop")->hide();
        f.action("mnuExitMin")->trigger();
        QVERIFY(!f->isVisible());
        f.action("mnuPOpen")->trigger();
        QVERIFY(f->isVisible());
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
    }

    void theTraysOpenBringsBackAMinimisedStylesheetEditorOnly()
    {
        MainWindowFixture f;
        auto* editor = f->findChild<HtmlEditor*>();
        QVERIFY(editor);
        // Loaded by the swatch menu and never shown: Open leaves it hidden.
        HtmlWindow& loaded = editor->load();
        f.action("mnuPOpen")->trigger();
        QVERIFY(!loaded.isVisible());

        f.action("mnuHTML")->trigger();
        QVERIFY(loaded.isVisible());
        loaded.showMinimized();
        QVERIFY(editor->blnHtmlMinimized());
        f.action("mnuExitMin")->trigger();
        f.action("mnuPOpen")->trigger();
        QVERIFY(f->isVisible());
        QVERIFY(loaded.isVisible());
        QVERIFY(!loaded.isMinimized());
        QVERIFY(!editor->blnHtmlMinimized());
    }

    void withoutATrayTheWindowMinimisesAsUsual()
    {
        test::FakeServices fakes;
        fakes.tray.available = false;
        QVERIFY(fakes.settings.writeBool(kMain, QStringLiteral("blnCodesTip"), true));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!fakes.tray.shown);
        window.showMinimized();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(window.isVisible());
        QVERIFY(fakes.prompter.prompts.isEmpty());
        QVERIFY(!Look(window).action("mnuExitMin")->isEnabled());
    }

    void everyControlHasANameAScreenReaderCanSay()
    {
        MainWindowFixture f;
        f.find<QCheckBox>("Check1")->click();
        f.find<QCheckBox>("chkEditPal")->click();
        QStringList unnamed;
        const auto controls = f->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
                || qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control)
                || qobject_cast<Swatch*>(control) || control->inherits("tw::PaletteBox")
                || control->inherits("tw::ZoomView") || control->inherits("tw::TargetPicture");
            if (!isControl || !control->isVisible())
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << control->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
        // Every colour box says its colour.
        f->setColor(QString::number(0x0080FF), false);
        QCOMPARE(f.find<Swatch>("picHover")->accessibleDescription(), QStringLiteral("Red 255, green 128, blue 0"));
    }
};

QTEST_MAIN(WindowOptionsTest)
#include "WindowOptionsTest.moc"
