#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

QStringList AllTexts(const MainWindowFixture& f, ColorSlot slot)
{
    QStringList texts;
    for (int i = 0; i < kCodeFieldCount; ++i)
        texts << f.text(slot, static_cast<CodeField>(i));
    return texts;
}

const QStringList kBlack { "0", "0", "0", "160", "0", "0", "#000000", "&H0&", "$000", "0x0" };

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithBothColoursBlackInAllNotations()
    {
        MainWindowFixture f;
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
        QCOMPARE(AllTexts(f, ColorSlot::One), kBlack);
        QCOMPARE(AllTexts(f, ColorSlot::Two), kBlack);
        QVERIFY(Look(f.window).lblEmpty()->isHidden());
        QVERIFY(Look(f.window).lblEmpty2()->isHidden());
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 0);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
        for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two })
            for (const CodeField field : { CodeField::Red, CodeField::Green, CodeField::Blue })
                QCOMPARE(
                    Look(f.window).codeFrame(slot)->field(field)->palette().color(QPalette::Base), QColor(Qt::black));
    }

    void everyNamedControlCarriesItsName()
    {
        MainWindowFixture f;
        for (const char* name : { "picHover", "picSelected", "lblEmpty", "lblEmpty2", "Frame1", "Frame2", "Frame3",
                 "Combo1", "Check1", "hsbRed", "hsbGreen", "hsbBlue", "lblRed", "lblGreen", "lblBlue", "txtRed",
                 "txtLum2", "txtC2", "vsHue2", "Command13", "Command16", "cmdInvert", "cmdInvert2", "Command17",
                 "Command18", "cmdCopy", "cmdCopy2" })
            QVERIFY2(f->findChild<QWidget*>(QString::fromLatin1(name)), name);
        for (const char* name : { "mnuPNew", "mnuHistory", "mnuTP4", "mnuScheme5", "mnuVCode8", "mnuNotify", "mnuHigh",
                 "mnuUninstall", "mnuSet", "mnuPExit", "mnuEPDel" })
            QVERIFY2(Look(f.window).action(name), name);
    }

    void setColorRefreshesTheChosenColourOnly_data()
    {
        QTest::addColumn<bool>("forColor2");
        QTest::newRow("Color #1") << false;
        QTest::newRow("Color #2") << true;
    }
    void setColorRefreshesTheChosenColourOnly()
    {
        QFETCH(bool, forColor2);
        MainWindowFixture f;
        const ColorSlot slot = forColor2 ? ColorSlot::Two : ColorSlot::One;
        const ColorSlot other = forColor2 ? ColorSlot::One : ColorSlot::Two;
        QVERIFY(f->setColor(QStringLiteral("33023"), forColor2)); // 255, 128, 0
        QCOMPARE(AllTexts(f, slot),
            QStringList({ "255", "128", "0", "20", "240", "120", "#FF8000", "&H80FF&", "$0080FF", "0x80FF" }));
        QCOMPARE(AllTexts(f, other), kBlack);
        QCOMPARE(Look(f.window).color(slot), 33023);
        QCOMPARE(Look(f.window).color(other), 0);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), forColor2 ? 1 : 0);
        // The slides show the colour refreshed last; the field of each channel is painted in that channel.
        QCOMPARE(Look(f.window).hsbRed()->value(), 255);
        QCOMPARE(Look(f.window).hsbGreen()->value(), 128);
        QCOMPARE(Look(f.window).hsbBlue()->value(), 0);
        QCOMPARE(
            Look(f.window).codeFrame(slot)->field(CodeField::Red)->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(Look(f.window).codeFrame(slot)->field(CodeField::Green)->palette().color(QPalette::Base),
            QColor(0, 128, 0));
    }

    void setColorRefusesTextsThatAreNoColour()
    {
        MainWindowFixture f;
        for (const char* text : { "", "abc", "16777216", "12.5", "99999999999", "-1", "-5", "-2147483623" })
            QVERIFY2(!f->setColor(QString::fromLatin1(text), false), text);
        QCOMPARE(AllTexts(f, ColorSlot::One), kBlack);
    }

    void setColorResolvesASystemColourConstant()
    {
        MainWindowFixture f;
        f.fakes.systemColors.colors[15] = 0x00C0D0E0;
        QVERIFY(f->setColor(QString::number(static_cast<qint32>(0x8000000Fu)), false));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x00C0D0E0);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Html), QStringLiteral("#E0D0C0"));
    }

    void slidesFollowTheColourRefreshedLast()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x000A141E), false); // 30, 20, 10
        f->setColor(QString::number(0x00030201), true); // 1, 2, 3
        QCOMPARE(Look(f.window).hsbRed()->value(), 1);
        Look(f.window).setCurrentColor(ColorSlot::One); // the selection refreshes Color #1
        QCOMPARE(Look(f.window).hsbRed()->value(), 30);
        QCOMPARE(Look(f.window).hsbBlue()->value(), 10);
        QCOMPARE(f.find<QLabel>("lblRed")->palette().color(QPalette::WindowText), QColor(30, 0, 0));
    }

    void getHexValueWritesOnlyTheCurrentColoursFields()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x00FF0000), true); // blue, current
        // Texts that are not the colours' own, as an entry not yet confirmed leaves them.
        f.field(ColorSlot::One, CodeField::Vb)->setText(QStringLiteral("typed"));
        f.field(ColorSlot::Two, CodeField::Vb)->setText(QStringLiteral("typed"));
        f.field(ColorSlot::Two, CodeField::Cpp)->setText(QStringLiteral("typed"));
        f->GetHEXValue();
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Vb), QStringLiteral("&HFF0000&"));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Delphi), QStringLiteral("$00FF0000"));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Cpp), QStringLiteral("0xFF0000"));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Vb), QStringLiteral("typed"));
    }

    void aColourChosenByHslKeepsItsTriple()
    {
        MainWindowFixture f;
        // A colour chosen by HSL shows the triple it was chosen by, not the one its rounded RGB gives back.
        f.colors().take(ColorSlot::One, 255, ShowingHsl({ 17, 240, 120 }));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Hue), QStringLiteral("17"));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Red), QStringLiteral("255"));
        // The next colour shows its own again.
        f.colors().take(ColorSlot::One, 255);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Hue), QStringLiteral("0"));
    }

    void invertTurnsTheColourAndRefreshesIt()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x00FF8000), true); // 0, 128, 255
        QTest::mouseClick(f.find<QPushButton>("cmdInvert2"), Qt::LeftButton);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x00007FFF); // 255, 127, 0
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#FF7F00"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void invertOfAnEmptyColourIsRefused()
    {
        // Only a window still loading has an "Empty" colour: build one without start-up.
        tw::test::FakeServices fakes;
        MainWindow window(fakes.services());
        Look(window).cmdInvert()->click();
        QCOMPARE(fakes.prompter.texts(), QStringList { "Please select a color to invert" });
        QCOMPARE(fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Tintwise Color Picker"));
        QVERIFY(!Look(window).lblEmpty()->isHidden());
        QCOMPARE(Look(window).color(ColorSlot::One), 0);
        QCOMPARE(Look(window).codeFrame(ColorSlot::One)->field(CodeField::Red)->text(), QString());
    }

    void webSafeAskedNoChangesNothing()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x00E61A19), false); // 25, 26, 230
        const QStringList before = AllTexts(f, ColorSlot::One);
        f.fakes.prompter.answers = { platform::PromptAnswer::No };
        f.find<QPushButton>("Command17")->click();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "Are you sure you want to make Color #1 web-safe?" });
        QCOMPARE(f.fakes.prompter.prompts[0].buttons, platform::PromptButtons::YesNo);
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x00E61A19);
        QCOMPARE(AllTexts(f, ColorSlot::One), before);
    }

    void webSafeAskedYesSnapsTheColour()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x00E61A19), true);
        f.fakes.prompter.answers = { platform::PromptAnswer::Yes };
        f.find<QPushButton>("Command18")->click();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "Are you sure you want to make Color #2 web-safe?" });
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x00FF3300); // 0, 51, 255
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#0033FF"));
    }

    void expandShowsThePrecisionSlides()
    {
        MainWindowFixture f;
        QVERIFY(Look(f.window).Frame3()->isHidden());
        Look(f.window).Check1()->click();
        QVERIFY(Look(f.window).Frame3()->isVisible());
        QVERIFY(Look(f.window).Combo1()->isVisible());
        Look(f.window).Check1()->click();
        QVERIFY(Look(f.window).Frame3()->isHidden());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
