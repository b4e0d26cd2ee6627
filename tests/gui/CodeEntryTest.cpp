#include "codes/CodeEntry.h"
#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

const QString kHashNote = QStringLiteral("Rememeber, HTML hex code must start with \"#\" (number sign).\n\n"
                                         "Number sign has been added by Tintwise Color Picker.");
const QString kPadNote = QStringLiteral("HTML hex code must be six characters long. Tintwise Color Picker will now "
                                        "adjust your HTML Hex length by adding the necessary number of leading zeros.");
const QString kDollarNote = QStringLiteral("Rememeber, Delphi hex code must start with \"$\" (dollar sign).\n\n"
                                           "Dollar sign has been added by Tintwise Color Picker.");
const QString kVbEndNote = QStringLiteral("VB Hex color codes must end with \"&\". \"&\" has been added.");

QLineEdit* Field(MainWindowFixture& f, const QString& name)
{
    auto* edit = f->findChild<QLineEdit*>(name);
    if (!edit)
        qFatal("no field %s", qPrintable(name));
    return edit;
}

// Puts the focus into a field as a click would, and replaces its text as a user typing over it would.
void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void Activate(MainWindowFixture& f)
{
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(&f.window))
        qWarning("main window not active");
}

} // namespace

class CodeEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterChecksTheEntry_data()
    {
        QTest::addColumn<int>("start"); // Color #1 and Color #2 before the entry
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("notify");
        QTest::addColumn<int>("color"); // of the field's colour afterwards
        QTest::addColumn<QString>("shown"); // what the field shows afterwards
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("recorded"); // History calls

        const int red = 0x0000FF; // 255, 0, 0: Hue 0, Sat 240, Lum 120
        QTest::newRow("red 255") << 0 << "txtRed"
                                 << "255" << true << 0x0000FF << "255" << QStringList() << 1;
        QTest::newRow("red 12.6 rounds") << 0 << "txtRed"
                                         << "12.6" << true << 13 << "13" << QStringList() << 1;
        QTest::newRow("red 256") << 0 << "txtRed"
                                 << "256" << true << 0 << "0" << QStringList { "Each RGB value cannot exceed 255" }
                                 << 1;
        QTest::newRow("red -1") << 0 << "txtRed"
                                << "-1" << true << 0 << "0" << QStringList { "Each RGB value cannot be less than 0" }
                                << 1;
        QTest::newRow("red abc") << 0 << "txtRed"
                                 << "abc" << true << 0 << "0" << QStringList { "abc is not a valid RGB value." } << 1;
        QTest::newRow("red emptied") << 0 << "txtRed"
                                     << "" << true << 0 << "0" << QStringList() << 1;
        QTest::newRow("blue of Color #2") << 0 << "txtBlue2"
                                          << "128" << true << 0x800000 << "128" << QStringList() << 1;
        QTest::newRow("hue 239") << red << "txtHue"
                                 << "239" << true << 0x0700FF << "239" << QStringList() << 1;
        QTest::newRow("hue 240") << red << "txtHue"
                                 << "240" << true << red << "0" << QStringList { "Hue cannot exceed 239" } << 1;
        QTest::newRow("sat 240 of Color #2") << 0x808040 << "txtSat2"
                                             << "240" << true << 0xC1C200 << "240" << QStringList() << 1;
        QTest::newRow("lum 240") << red << "txtLum"
                                 << "240" << true << 0xFFFFFF << "240" << QStringList() << 1;
        QTest::newRow("hue of black")
            << 0 << "txtHue"
            << "100" << true << 0 << "160"
            << QStringList { "Hue cannot be altered when color is true black (Red = 0, Green = 0, "
                             "Blue = 0)" }
            << 1;
        QTest::newRow("sat of white")
            << 0xFFFFFF << "txtSat"
            << "100" << true << 0xFFFFFF << "0"
            << QStringList { "Sat cannot be altered when color is true white (Red = 255, Green = "
                             "255, Blue = 255)" }
            << 1;
        QTest::newRow("lum of black") << 0 << "txtLum"
                                      << "120" << true << 0x808080 << "120" << QStringList() << 1;
        QTest::newRow("html without sign")
            << 0 << "txtHex"
            << "FF8000" << true << 0x0080FF << "#FF8000" << QStringList { kHashNote } << 1;
        QTest::newRow("html without sign, quiet") << 0 << "txtHex"
                                                  << "FF8000" << false << 0x0080FF << "#FF8000" << QStringList() << 1;
        QTest::newRow("html short") << 0 << "txtHex"
                                    << "#F80" << true << 0x800F00 << "#000F80" << QStringList { kPadNote } << 1;
        QTest::newRow("html seven digits") << 0 << "txtHex"
                                           << "#FF80001" << true << 0 << "#000000"
                                           << QStringList { "HTML hex code must be six characters long." } << 0;
        QTest::newRow("html lower case") << 0 << "txtHex2"
                                         << "ff8000" << false << 0 << "#000000"
                                         << QStringList { "ff8000 is not a valid HTML hex code." } << 0;
        QTest::newRow("vb system colour") << 0 << "txtVBHex"
                                          << "&h8000000F" << true << 0xC0D0E0 << "&HC0D0E0&"
                                          << QStringList { kVbEndNote,
                                                 "You entered a VB System Color Constant. As a result, Tintwise "
                                                 "Color Picker will now change the VB Hex format to its equivalent "
                                                 "fixed (non-system constant) VB Hex format to render it compatible "
                                                 "on all systems.\n\nThis will only change the formatting of the VB "
                                                 "Hex Color Code and will not modify the actual color or any of its "
                                                 "properties." }
                                          << 1;
        // The program writes black as &H0&: every all-zero VB code is black.
        QTest::newRow("vb zeros") << red << "txtVBHex"
                                  << "&H000&" << false << 0 << "&H0&" << QStringList {} << 1;
        QTest::newRow("delphi without sign")
            << 0 << "txtDelphi"
            << "00FF0000" << true << 0xFF0000 << "$00FF0000" << QStringList { kDollarNote } << 1;
        QTest::newRow("delphi without $00")
            << 0 << "txtDelphi"
            << "FF0000" << true << 0 << "$000" << QStringList { kDollarNote, "$FF0000 is not a valid Delphi hex code." }
            << 0;
        QTest::newRow("c++ upper X") << 0 << "txtC"
                                     << "0X00FF00" << true << 0x00FF00 << "0xFF00" << QStringList() << 1;
        QTest::newRow("c++ too long") << red << "txtC2"
                                      << "0x1000000" << true << red << "0xFF"
                                      << QStringList { "Incorrect input:\n\n0x1000000 is not a color: a color has at "
                                                       "most six significant hex digits, and 0xFFFFFF is white." }
                                      << 0;
    }

    void enterChecksTheEntry()
    {
        QFETCH(int, start);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, notify);
        QFETCH(int, color);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        QFETCH(int, recorded);

        MainWindowFixture f;
        Activate(f);
        f.fakes.systemColors.colors[15] = 0xC0D0E0;
        Look(f.window).action("mnuNotify")->setChecked(notify);
        const bool second = field.endsWith(QLatin1Char('2'));
        const ColorSlot slot = second ? ColorSlot::Two : ColorSlot::One;
        const ColorSlot other = second ? ColorSlot::One : ColorSlot::Two;
        // The other colour is set last, so it is the current one when the entry is made.
        const int otherColor = 0x336699;
        f->setColor(QString::number(start), second);
        f->setColor(QString::number(otherColor), !second);
        const QStringList otherTexts = [&] {
            QStringList texts;
            for (int i = 0; i < kCodeFieldCount; ++i)
                texts << f.text(other, static_cast<CodeField>(i));
            return texts;
        }();
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);

        QLineEdit* edit = Field(f, field);
        TypeInto(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(f.fakes.prompter.texts(), messages);
        for (const auto& prompt : f.fakes.prompter.prompts)
            QCOMPARE(prompt.title, QStringLiteral("Tintwise Color Picker"));
        QCOMPARE(Look(f.window).color(slot), color);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(history.count(), recorded);
        if (recorded > 0)
            QCOMPARE(HistoryNumberOf(history.first().first().value<ColorSlot>()), second ? 2 : 1);
        // The other colour and its fields are untouched, whatever the entry did.
        QCOMPARE(Look(f.window).color(other), otherColor);
        for (int i = 0; i < kCodeFieldCount; ++i)
            QCOMPARE(f.text(other, static_cast<CodeField>(i)), otherTexts[i]);
        if (recorded > 0)
            QCOMPARE(Look(f.window).Combo1()->currentIndex(), ListIndexOf(slot));
    }

    void enterOnAnUnchangedNumberDoesNothing()
    {
        MainWindowFixture f;
        Activate(f);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        for (const char* name : { "txtRed", "txtLum2" }) {
            QLineEdit* edit = Field(f, QString::fromLatin1(name));
            edit->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(edit, Qt::Key_Return);
        }
        QCOMPARE(history.count(), 0);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void leavingByMouseAbandonsTheEntry()
    {
        MainWindowFixture f;
        Activate(f);
        f->setColor(QString::number(0x0080FF), false);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        QLineEdit* hex = Field(f, QStringLiteral("txtHex"));
        TypeInto(hex, QStringLiteral("#123456"));
        QTest::mouseClick(Field(f, QStringLiteral("txtGreen")), Qt::LeftButton);
        QCOMPARE(hex->text(), QStringLiteral("#FF8000"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x0080FF);
        QCOMPARE(history.count(), 0);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());

        // After Enter a later, unconfirmed change goes back to the confirmed colour, not to the older text.
        QLineEdit* red = Field(f, QStringLiteral("txtRed"));
        TypeInto(red, QStringLiteral("200"));
        QTest::keyClick(red, Qt::Key_Return);
        QTest::keyClicks(red, QStringLiteral("7"));
        QTest::mouseClick(Field(f, QStringLiteral("txtBlue")), Qt::LeftButton);
        QCOMPARE(red->text(), QStringLiteral("200"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x0080C8);
    }

    void aFieldChangedByTheProgramKeepsItsNewNumber()
    {
        // A palette or magnifier click refreshes the colour without taking the focus from the field: leaving
        // the field afterwards must keep the new number, or the next entry builds the colour from a stale one.
        MainWindowFixture f;
        Activate(f);
        QLineEdit* red = Field(f, QStringLiteral("txtRed"));
        red->setFocus(Qt::MouseFocusReason);
        f->setColor(QString::number(0x0000FF), false); // red, as a palette box gives it
        QCOMPARE(red->text(), QStringLiteral("255"));
        QLineEdit* green = Field(f, QStringLiteral("txtGreen"));
        TypeInto(green, QStringLiteral("10"));
        QCOMPARE(red->text(), QStringLiteral("255"));
        QTest::keyClick(green, Qt::Key_Return);
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x000AFF);

        // A spin step on another field leaves an unconfirmed entry here unconfirmed.
        TypeInto(red, QStringLiteral("200"));
        f->findChild<QScrollBar*>(QStringLiteral("vsBlue"))->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QTest::mouseClick(Field(f, QStringLiteral("txtHue")), Qt::LeftButton);
        QCOMPARE(red->text(), QStringLiteral("255"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x010AFF);
    }

    void theVbCodeOfBlackIsAccepted()
    {
        // Black's own VB code has no digits left once its leading zeros go; it is what the program writes, so
        // Enter on it, or on any all-zero code typed anew, gives black without a word.
        MainWindowFixture f;
        Activate(f);
        QLineEdit* vb = Field(f, QStringLiteral("txtVBHex"));
        vb->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(vb, Qt::Key_Return);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
        QCOMPARE(vb->text(), QStringLiteral("&H0&"));
        f->setColor(QStringLiteral("255"), false);
        TypeInto(vb, QStringLiteral("&H000&"));
        QTest::keyClick(vb, Qt::Key_Return);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
        QCOMPARE(vb->text(), QStringLiteral("&H0&"));
    }

    void anEntryLeftWhileTheWindowWasInactiveIsAbandoned()
    {
        // A message box or another program can hold the activation while the focus moves on inside the
        // main window; the field is not told then, and must still give up its unconfirmed entry.
        MainWindowFixture f;
        Activate(f);
        QLineEdit* cpp = Field(f, QStringLiteral("txtC"));
        TypeInto(cpp, QStringLiteral("0x123"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(cpp->text(), QStringLiteral("0x123")); // leaving the window is no leaving of the field
        Field(f, QStringLiteral("txtDelphi"))->setFocus(Qt::TabFocusReason);
        Activate(f);
        QTRY_COMPARE(cpp->text(), QStringLiteral("0x0"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
    }

    void tabConfirmsAndMovesOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab);
    }
    void tabConfirmsAndMovesOn()
    {
        QFETCH(int, key);
        MainWindowFixture f;
        Activate(f);
        QLineEdit* hex = Field(f, QStringLiteral("txtHex2"));
        TypeInto(hex, QStringLiteral("#FF8000"));
        QTest::keyClick(hex, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY(!hex->hasFocus());
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x0080FF);
        QCOMPARE(hex->text(), QStringLiteral("#FF8000"));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Red), QStringLiteral("255"));

        // A refused entry is put back, and the focus still moves on.
        QLineEdit* red = Field(f, QStringLiteral("txtRed2"));
        TypeInto(red, QStringLiteral("300"));
        QTest::keyClick(red, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY(!red->hasFocus());
        QCOMPARE(red->text(), QStringLiteral("255"));
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "Each RGB value cannot exceed 255" });
    }

    void highlightSelectsTheTextOnFocus_data()
    {
        QTest::addColumn<bool>("high");
        QTest::addColumn<bool>("byTab");
        QTest::newRow("on, click") << true << false;
        QTest::newRow("on, tab") << true << true;
        QTest::newRow("off, click") << false << false;
        QTest::newRow("off, tab") << false << true;
    }
    void highlightSelectsTheTextOnFocus()
    {
        QFETCH(bool, high);
        QFETCH(bool, byTab);
        MainWindowFixture f;
        Activate(f);
        Look(f.window).action("mnuHigh")->setChecked(high);
        QLineEdit* edit = Field(f, QStringLiteral("txtVBHex"));
        if (byTab) {
            Field(f, QStringLiteral("txtHex"))->setFocus(Qt::MouseFocusReason);
            edit->setFocus(Qt::TabFocusReason);
        } else {
            QTest::mouseClick(edit, Qt::LeftButton);
        }
        QTRY_VERIFY(edit->hasFocus());
        // The selection is made (or taken back) once the events queued by the focus change are through.
        QCoreApplication::processEvents();
        QCOMPARE(edit->selectedText(), high ? QStringLiteral("&H0&") : QString());
    }

    void optionsComeFromAndGoToTheSettings()
    {
        test::FakeServices fakes;
        QVERIFY(fakes.settings.write(QStringLiteral("Main"), QStringLiteral("NOTIFY"), QStringLiteral("False")));
        QVERIFY(fakes.settings.write(QStringLiteral("Main"), QStringLiteral("high"), QStringLiteral("False")));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        QVERIFY(Look(window).action("mnuNotify")->isEnabled());
        QVERIFY(Look(window).action("mnuHigh")->isEnabled());
        QVERIFY(!Look(window).action("mnuNotify")->isChecked());
        QVERIFY(!Look(window).action("mnuHigh")->isChecked());
        Look(window).action("mnuHigh")->trigger(); // choosing the item toggles its check mark
        window.saveSettings();
        QCOMPARE(fakes.settings.read(QStringLiteral("Main"), QStringLiteral("notify")), QStringLiteral("False"));
        QCOMPARE(fakes.settings.read(QStringLiteral("Main"), QStringLiteral("high")), QStringLiteral("True"));

        // A first start: both on.
        test::FakeServices fresh;
        MainWindow first(fresh.services());
        first.continueFormLoad();
        QVERIFY(Look(first).action("mnuNotify")->isChecked());
        QVERIFY(Look(first).action("mnuHigh")->isChecked());
    }
};

QTEST_MAIN(CodeEntryTest)
#include "CodeEntryTest.moc"
