// The section with the contrast of the two colours, their CSS notations and the user's templates.
#include "core/Contrast.h"
#include "tests/gui/MainWindowFixture.h"
#include "web/TemplateEditor.h"

#include <QListWidget>

using namespace tw;
using tw::test::MainWindowFixture;

namespace {

// Types text into a field as a user does, replacing what it showed, and presses Enter.
void TypeAndEnter(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QString RatioText(core::Rgb first, core::Rgb second)
{
    return QStringLiteral("%1:1").arg(core::ContrastRatio(first, second), 0, 'f', 2);
}

} // namespace

class WebSectionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void isHiddenAtFirstGrowsTheWindowAndIsRemembered()
    {
        MainWindowFixture f;
        auto* toggle = f.find<QCheckBox>("chkWeb");
        QVERIFY(!toggle->isChecked());
        QVERIFY(f.find<QWidget>("fraWeb")->isHidden());
        const int height = f->sizeHint().height();
        toggle->click();
        QVERIFY(f.find<QWidget>("fraWeb")->isVisible());
        QVERIFY(f->sizeHint().height() > height);
        QVERIFY(f->saveSettings());
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("web")), QStringLiteral("True"));

        // Compact mode offers neither the check box nor the section, and keeps the choice for later.
        f.action("mnuHide")->trigger();
        QVERIFY(f.find<QWidget>("fraWeb")->isHidden());
        QVERIFY(toggle->isHidden());
        f.action("mnuHide")->trigger();
        QVERIFY(f.find<QWidget>("fraWeb")->isVisible());
    }

    void typingACssColourTakesItEverywhere()
    {
        MainWindowFixture f;
        f.find<QCheckBox>("chkWeb")->click();
        QCOMPARE(f.find<QLabel>("lblContrastRatio")->text(), QStringLiteral("1.00:1"));
        TypeAndEnter(f.find<QLineEdit>("txtCssOklch"), QStringLiteral("oklch(0.7 0.15 200)"));
        QCOMPARE(f.color(ColorSlot::One), core::MakeColor({ 0x00, 0xB7, 0xC0 }));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Html), QStringLiteral("#00B7C0"));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Red), QStringLiteral("0"));
        QCOMPARE(f.find<QLineEdit>("txtCssHex")->text(), QStringLiteral("#00b7c0"));
        QCOMPARE(f.find<QLineEdit>("txtCssRgb")->text(), QStringLiteral("rgb(0 183 192)"));
        QCOMPARE(f.find<QLabel>("lblContrastRatio")->text(), RatioText({ 0, 183, 192 }, { 0, 0, 0 }));
        QVERIFY(f.find<QLabel>("lblAANormal")->text().contains(QStringLiteral("Pass")));
        // This one lies just outside sRGB: the frame says which colour was taken instead.
        QVERIFY(f.find<QLabel>("lblCssClipped")->text().contains(QStringLiteral("#00b7c0")));
        // Color #2's rows take Color #2; legacy syntax and names are read too.
        TypeAndEnter(f.find<QLineEdit>("txtCssHsl2"), QStringLiteral("rebeccapurple"));
        QCOMPARE(f.color(ColorSlot::Two), core::MakeColor({ 102, 51, 153 }));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#663399"));
        QCOMPARE(f.find<QLabel>("lblContrastRatio")->text(), RatioText({ 0, 183, 192 }, { 102, 51, 153 }));
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void aColourOutsideSrgbIsMappedAndSaysSo()
    {
        MainWindowFixture f;
        f.find<QCheckBox>("chkWeb")->click();
        TypeAndEnter(f.find<QLineEdit>("txtCssLch"), QStringLiteral("oklch(0.9 0.4 30)"));
        auto* note = f.find<QLabel>("lblCssClipped");
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().contains(QStringLiteral("outside sRGB")), qPrintable(note->text()));
        QVERIFY(note->text().contains(f.find<QLineEdit>("txtCssHex")->text()));
        // Once the colour changes another way, the note is gone.
        TypeAndEnter(f.field(ColorSlot::One, CodeField::Html), QStringLiteral("#102030"));
        QVERIFY(note->isHidden());
    }

    void aRefusedEntryIsToldAndChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("unknown function") << QStringLiteral("cmyk(0 0 0 0)");
        QTest::newRow("broken oklch") << QStringLiteral("oklch(0.7 0.15");
        QTest::newRow("unknown name") << QStringLiteral("notacolor");
        QTest::newRow("markup") << QStringLiteral("<b>red</b>");
    }
    void aRefusedEntryIsToldAndChangesNothing()
    {
        QFETCH(QString, typed);
        MainWindowFixture f;
        f.find<QCheckBox>("chkWeb")->click();
        TypeAndEnter(f.find<QLineEdit>("txtCssRgb"), typed);
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QVERIFY(f.fakes.prompter.prompts[0].text.contains(typed));
        QCOMPARE(f.color(ColorSlot::One), core::ColorValue(0));
        QCOMPARE(f.find<QLineEdit>("txtCssRgb")->text(), QStringLiteral("rgb(0 0 0)"));
    }

    void swapExchangesTheColoursWithoutRecordingThem()
    {
        MainWindowFixture f;
        f.colors().take(ColorSlot::Two, core::MakeColor({ 255, 255, 255 }));
        f.colors().take(ColorSlot::One, core::MakeColor({ 0x77, 0x77, 0x77 }));
        int recorded = 0;
        QObject::connect(&f.colors(), &WorkingColors::recorded, [&recorded] { ++recorded; });
        f.find<QCheckBox>("chkWeb")->click();
        QCOMPARE(f.find<QLabel>("lblContrastRatio")->text(), QStringLiteral("4.47:1"));
        QVERIFY(f.find<QLabel>("lblAANormal")->text().contains(QStringLiteral("Fail")));
        f.find<QPushButton>("cmdSwap")->click();
        QCOMPARE(f.color(ColorSlot::One), core::MakeColor({ 255, 255, 255 }));
        QCOMPARE(f.color(ColorSlot::Two), core::MakeColor({ 0x77, 0x77, 0x77 }));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#777777"));
        QCOMPARE(f.colors().current(), ColorSlot::One);
        QCOMPARE(recorded, 0);
        // The ratio is the same both ways round; APCA's Lc changes sign.
        QCOMPARE(f.find<QLabel>("lblContrastRatio")->text(), QStringLiteral("4.47:1"));
        QVERIFY(f.find<QLabel>("lblApca")->text().contains(u'-'));
    }

    void aCssRowCanBeHiddenAndTheChoiceIsSaved()
    {
        MainWindowFixture f;
        f.find<QCheckBox>("chkWeb")->click();
        f.action("mnuVCss7")->trigger();
        QVERIFY(f.find<QLineEdit>("txtCssOklch")->isHidden());
        QVERIFY(f.find<QLineEdit>("txtCssOklab")->isVisible());
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("css-oklch")), QStringLiteral("False"));
        f.action("mnuVCode1")->trigger();
        QVERIFY(f.find<QWidget>("fraCss")->isHidden());
        f.action("mnuVCode0")->trigger();
        QVERIFY(f.find<QLineEdit>("txtCssOklch")->isVisible());
    }

    void aTemplateRowCopiesItsText()
    {
        MainWindowFixture f;
        f.find<QCheckBox>("chkWeb")->click();
        f.colors().take(ColorSlot::Two, core::MakeColor({ 255, 128, 0 }));
        // The predefined templates, in order: SwiftUI, Android, Qt, Tailwind.
        QCOMPARE(f.find<QLineEdit>("txtTemplate2_2")->text(), QStringLiteral("0xFFFF8000"));
        f.find<QPushButton>("cmdTemplate2_2")->click();
        QCOMPARE(f.fakes.clipboard.lastText, QStringLiteral("0xFFFF8000"));
        f.find<QPushButton>("cmdTemplate3")->click();
        QCOMPARE(f.fakes.clipboard.lastText, QStringLiteral("QColor(0, 0, 0)"));
    }

    void theEditorKeepsOnlyAListThatCanBeUsed()
    {
        MainWindowFixture f;
        f.action("mnuTemplates")->trigger();
        QVERIFY(f.find<QWidget>("fraWeb")->isVisible());
        auto* editor = f.find<TemplateEditor>("frmTemplates");
        QVERIFY(editor->isVisible());
        QCOMPARE(f.find<QListWidget>("lstTemplates")->count(), 4);
        f.find<QPushButton>("cmdTemplateAdd")->click();
        auto* name = f.find<QLineEdit>("txtTemplateName");
        auto* pattern = f.find<QLineEdit>("txtTemplatePattern");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("GLSL"));
        pattern->selectAll();
        QTest::keyClicks(pattern, QStringLiteral("vec3({rf:.2}, {gf:.2}, {bf"));
        QVERIFY(f.find<QLabel>("lblTemplatePreview")->text().contains(QStringLiteral("not closed")));
        // A malformed pattern is refused with its reason, and nothing is kept.
        QVERIFY(!editor->keepList());
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QVERIFY(f.fakes.prompter.prompts[0].text.contains(QStringLiteral("GLSL")));
        QVERIFY(f.fakes.settings.read(QStringLiteral("Templates"), QStringLiteral("Count")).isEmpty());
        QTest::keyClicks(pattern, QStringLiteral(":.2})"));
        QCOMPARE(f.find<QLabel>("lblTemplatePreview")->text(), QStringLiteral("vec3(0.00, 0.00, 0.00)"));
        // The first predefined one goes.
        f.find<QListWidget>("lstTemplates")->setCurrentRow(0);
        f.find<QPushButton>("cmdTemplateRemove")->click();
        QVERIFY(editor->keepList());
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Templates"), QStringLiteral("Count")), QStringLiteral("4"));
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Templates"), QStringLiteral("Name4")), QStringLiteral("GLSL"));
        QCOMPARE(f.find<QLabel>("lblTemplate4")->text(), QStringLiteral("GLSL:"));
        QCOMPARE(f.find<QLineEdit>("txtTemplate4")->text(), QStringLiteral("vec3(0.00, 0.00, 0.00)"));
        QCOMPARE(f.find<QLineEdit>("txtTemplate1")->text(), QStringLiteral("0xFF000000"));
    }

    void aStoredTemplateThatCannotBeUsedHasNoRowButSaysWhy()
    {
        MainWindowFixture f;
        QVERIFY(f.fakes.settings.apply(QStringLiteral("Templates"),
            { { QStringLiteral("Count"), QStringLiteral("3") }, { QStringLiteral("Name1"), QStringLiteral("Good") },
                { QStringLiteral("Pattern1"), QStringLiteral("{hex}") },
                { QStringLiteral("Name2"), QStringLiteral("<b>Bad</b>") },
                { QStringLiteral("Pattern2"), QStringLiteral("{red}") },
                { QStringLiteral("Name3"), QStringLiteral("X") } }));
        MainWindow second(f.fakes.services());
        second.continueFormLoad();
        second.show();
        tw::test::Find<QCheckBox>(second, QStringLiteral("chkWeb"))->click();
        auto* problems = tw::test::Find<QLabel>(second, QStringLiteral("lblTemplateProblems"));
        QCOMPARE(problems->textFormat(), Qt::PlainText);
        QVERIFY(problems->text().contains(QStringLiteral("<b>Bad</b>")));
        QVERIFY(problems->text().contains(QStringLiteral("{red}")));
        QCOMPARE(tw::test::Find<QLineEdit>(second, QStringLiteral("txtTemplate1"))->text(), QStringLiteral("000000"));
        QVERIFY(!second.findChild<QLineEdit*>(QStringLiteral("txtTemplate2")));
    }
};

QTEST_MAIN(WebSectionTest)
#include "WebSectionTest.moc"
