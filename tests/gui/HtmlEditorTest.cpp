// The HTML stylesheet editor and the swatch menu that feeds it.
#include "html/HtmlEditor.h"
#include "html/HtmlWindow.h"
#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tw;
using core::BodyAttribute;
using platform::PromptAnswer;
using tw::test::FakeColorDialog;
using tw::test::Find;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

constexpr core::ColorValue kWhite = 0xFFFFFF;
constexpr core::ColorValue kBlack = 0;
constexpr core::ColorValue kBlue = 0xFF0000; // 0, 0, 255
constexpr core::ColorValue kPurple = 0x800080; // 128, 0, 128
constexpr core::ColorValue kRed = 0x0000FF; // 255, 0, 0
constexpr core::ColorValue kOrange = 0x0080FF; // 255, 128, 0
constexpr core::ColorValue kTeal = 0x808000; // 0, 128, 128
constexpr core::ColorValue kButtonText = 0x204060;

const QString kHtml = QStringLiteral("HTML");
const QString kCloseQuestion = QStringLiteral(
    "Closing the HTML Stylesheet Editor window will result in all current HTML Sytlesheet color settings being "
    "lost.\nIf you wish to keep your data, minimize the window instead.\n\nAre you sure you want to close the HTML "
    "Stylesheet Editor window?");

struct AttributeNames {
    const char* box;
    const char* empty;
};

AttributeNames NamesOf(BodyAttribute attribute)
{
    switch (attribute) {
    case BodyAttribute::Background:
        return { "picBG", "lblEmptyBG" };
    case BodyAttribute::Text:
        return { "picText", "lblEmptyText" };
    case BodyAttribute::Link:
        return { "picLink", "lblEmptyLink" };
    case BodyAttribute::VisitedLink:
        return { "picVLink", "lblEmptyVLink" };
    case BodyAttribute::ActiveLink:
        return { "picALink", "lblEmptyALink" };
    }
    return {};
}

constexpr BodyAttribute kAllAttributes[] = { BodyAttribute::Background, BodyAttribute::Text, BodyAttribute::Link,
    BodyAttribute::VisitedLink, BodyAttribute::ActiveLink };

QColor ToColor(core::ColorValue value)
{
    const core::Rgb rgb = core::SplitColor(value);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor TextColor(const HtmlWindow& editor, const char* label)
{
    return Find<QLabel>(editor, QString::fromLatin1(label))->palette().color(QPalette::WindowText);
}

QColor PageColor(const HtmlWindow& editor)
{
    return Find<QWidget>(editor, QStringLiteral("picPreview"))->palette().color(QPalette::Window);
}

// A main window whose desktop has a known button text colour, with the editor reached as the user reaches it.
struct EditorFixture : MainWindowFixture {
    EditorFixture() { fakes.systemColors.colors[0x12] = kButtonText; }

    HtmlEditor& feature() { return *find<HtmlEditor>("htmlEditor"); }
    HtmlWindow* open()
    {
        Look(window).action("mnuHTML")->trigger();
        HtmlWindow* editor = feature().loaded();
        if (!editor || !QTest::qWaitForWindowExposed(editor))
            qFatal("the editor did not open");
        return editor;
    }
    template<typename T>
    T* in(const HtmlWindow& editor, const char* name)
    {
        return Find<T>(editor, QString::fromLatin1(name));
    }
    QString code(const HtmlWindow& editor) { return in<QPlainTextEdit>(editor, "Text1")->toPlainText(); }
    bool emptyShown(const HtmlWindow& editor, BodyAttribute attribute)
    {
        return !in<QLabel>(editor, NamesOf(attribute).empty)->isHidden();
    }
    // Pops up the swatch menu of Color #1 (picHover) or Color #2 (picSelected).
    QMenu* rightPress(const char* swatch)
    {
        QTest::mousePress(find<Swatch>(swatch), Qt::RightButton);
        QTest::mouseRelease(find<Swatch>(swatch), Qt::RightButton);
        return find<QMenu>("mnuMenu");
    }
};

void SetAll(HtmlWindow& editor, std::initializer_list<std::pair<BodyAttribute, core::ColorValue>> colors)
{
    for (const auto& [attribute, color] : colors)
        editor.apply(attribute, color);
}

} // namespace

Q_DECLARE_METATYPE(BodyAttribute)

class HtmlEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensModallyWithEveryAttributeUnset()
    {
        EditorFixture f;
        QVERIFY(Look(f.window).action("mnuHTML")->isEnabled());
        QVERIFY(!f.feature().loaded());
        HtmlWindow* editor = f.open();
        QCOMPARE(editor->objectName(), QStringLiteral("frmHTML"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("HTML Stylesheet Editor"));
        QCOMPARE(editor->windowModality(), Qt::ApplicationModal);
        for (const BodyAttribute attribute : kAllAttributes) {
            QVERIFY(f.emptyShown(*editor, attribute));
            QCOMPARE(f.in<Swatch>(*editor, NamesOf(attribute).box)->color(), core::kEmptyColor);
            QVERIFY(!editor->attributeColor(attribute));
        }
        QCOMPARE(PageColor(*editor), ToColor(core::kEmptyColor));
        for (const char* label : { "lblPText", "lblPLink", "lblPVlink", "lblPALink", "lblPClick" })
            QCOMPARE(TextColor(*editor, label), ToColor(kButtonText));
        QVERIFY(f.code(*editor).isEmpty());
        QCOMPARE(
            f.in<QPlainTextEdit>(*editor, "Text1")->toolTip(), QStringLiteral("Press ctrl-c to copy to the Clipboard"));
        QVERIFY(!f.in<QTimer>(*editor, "Timer1")->isActive());
        QCOMPARE(f.in<QTimer>(*editor, "Timer1")->interval(), 3000);
    }

    void theFormIsReadFromTheSettings_data()
    {
        QTest::addColumn<QString>("quotes");
        QTest::addColumn<QString>("num");
        QTest::addColumn<bool>("quotesChecked");
        QTest::addColumn<bool>("numChecked");
        QTest::newRow("nothing stored: no quotes, # sign") << QString() << QString() << false << true;
        QTest::newRow("quotes, no # sign") << "1"
                                           << "0" << true << false;
        QTest::newRow("no quotes, # sign") << "0"
                                           << "1" << false << true;
        QTest::newRow("not a check box value: the defaults") << "2"
                                                             << "yes" << false << true;
    }
    void theFormIsReadFromTheSettings()
    {
        QFETCH(QString, quotes);
        QFETCH(QString, num);
        QFETCH(bool, quotesChecked);
        QFETCH(bool, numChecked);
        EditorFixture f;
        if (!quotes.isNull())
            QVERIFY(f.fakes.settings.write(kHtml, QStringLiteral("quotes"), quotes));
        if (!num.isNull())
            QVERIFY(f.fakes.settings.write(kHtml, QStringLiteral("num"), num));
        HtmlWindow* editor = f.open();
        QCOMPARE(f.in<QCheckBox>(*editor, "chkQuotes")->isChecked(), quotesChecked);
        QCOMPARE(f.in<QCheckBox>(*editor, "chkNum")->isChecked(), numChecked);
    }

    void eachBoxTakesTheColourChosenInTheDialog_data()
    {
        QTest::addColumn<BodyAttribute>("attribute");
        QTest::addColumn<bool>("onTheEmptyLabel");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("code");
        QTest::newRow("background") << BodyAttribute::Background << false << "picPreview"
                                    << "<BODY BGCOLOR=#FF8000>";
        QTest::newRow("text") << BodyAttribute::Text << false << "lblPText"
                              << "<BODY TEXT=#FF8000>";
        QTest::newRow("link") << BodyAttribute::Link << false << "lblPLink"
                              << "<BODY LINK=#FF8000>";
        QTest::newRow("visited link") << BodyAttribute::VisitedLink << false << "lblPVlink"
                                      << "<BODY VLINK=#FF8000>";
        QTest::newRow("active link") << BodyAttribute::ActiveLink << false << "lblPALink"
                                     << "<BODY ALINK=#FF8000>";
        QTest::newRow("background's Empty label") << BodyAttribute::Background << true << "picPreview"
                                                  << "<BODY BGCOLOR=#FF8000>";
        QTest::newRow("active link's Empty label") << BodyAttribute::ActiveLink << true << "lblPALink"
                                                   << "<BODY ALINK=#FF8000>";
    }
    void eachBoxTakesTheColourChosenInTheDialog()
    {
        QFETCH(BodyAttribute, attribute);
        QFETCH(bool, onTheEmptyLabel);
        QFETCH(QString, preview);
        QFETCH(QString, code);
        EditorFixture f;
        HtmlWindow* editor = f.open();
        f.fakes.colorDialog.answers = { FakeColorDialog::Choose(kOrange) };
        const AttributeNames names = NamesOf(attribute);
        QWidget* target = onTheEmptyLabel ? static_cast<QWidget*>(f.in<QLabel>(*editor, names.empty))
                                          : f.in<Swatch>(*editor, names.box);
        QTest::mouseClick(target, Qt::LeftButton);

        QCOMPARE(f.fakes.colorDialog.requests.size(), 1);
        QCOMPARE(f.fakes.colorDialog.requests[0].parent.data(), editor);
        QCOMPARE(f.fakes.colorDialog.requests[0].initial, 0);
        QCOMPARE(editor->attributeColor(attribute), kOrange);
        QCOMPARE(f.in<Swatch>(*editor, names.box)->color(), kOrange);
        QVERIFY(!f.emptyShown(*editor, attribute));
        if (preview == QStringLiteral("picPreview"))
            QCOMPARE(PageColor(*editor), ToColor(kOrange));
        else
            QCOMPARE(TextColor(*editor, qPrintable(preview)), ToColor(kOrange));
        // "Click here" is a link: it shows the link colour.
        QCOMPARE(TextColor(*editor, "lblPClick"), ToColor(attribute == BodyAttribute::Link ? kOrange : kButtonText));
        QCOMPARE(f.code(*editor), code);
        for (const BodyAttribute other : kAllAttributes)
            if (other != attribute)
                QVERIFY(f.emptyShown(*editor, other));
    }

    void theDialogStartsOnTheColourTheLastOneReturned()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        f.fakes.colorDialog.answers
            = { FakeColorDialog::Choose(kTeal), FakeColorDialog::Cancel(), FakeColorDialog::Cancel() };
        editor->pickColor(BodyAttribute::Background);
        editor->pickColor(BodyAttribute::Text);
        editor->pickColor(BodyAttribute::Background);
        const auto& requests = f.fakes.colorDialog.requests;
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[1].initial, kTeal);
        // After a cancel the next dialog starts on black.
        QCOMPARE(requests[2].initial, 0);
        // The cancelled dialogs changed nothing.
        QCOMPARE(editor->attributeColor(BodyAttribute::Background), kTeal);
        QVERIFY(!editor->attributeColor(BodyAttribute::Text));
        QVERIFY(f.emptyShown(*editor, BodyAttribute::Text));
        QCOMPARE(f.code(*editor), QStringLiteral("<BODY BGCOLOR=#008080>"));
    }

    void switchingTheFormRewritesAShownTagOnly_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<bool>("backgroundSet");
        QTest::addColumn<QString>("code");
        QTest::newRow("quotes, nothing shown") << "chkQuotes" << false << QString();
        QTest::newRow("# sign, nothing shown") << "chkNum" << false << QString();
        QTest::newRow("quotes") << "chkQuotes" << true << "<BODY BGCOLOR=\"#FFFFFF\">";
        QTest::newRow("# sign") << "chkNum" << true << "<BODY BGCOLOR=FFFFFF>";
    }
    void switchingTheFormRewritesAShownTagOnly()
    {
        QFETCH(QString, check);
        QFETCH(bool, backgroundSet);
        QFETCH(QString, code);
        EditorFixture f;
        HtmlWindow* editor = f.open();
        if (backgroundSet)
            editor->ApplyBG(kWhite);
        QTest::mouseClick(f.in<QCheckBox>(*editor, qPrintable(check)), Qt::LeftButton);
        QCOMPARE(f.code(*editor), code);
    }

    void theTagIsWrittenInTheChosenForm()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        SetAll(*editor,
            { { BodyAttribute::Background, kWhite }, { BodyAttribute::Text, kBlack }, { BodyAttribute::Link, kBlue },
                { BodyAttribute::VisitedLink, kPurple }, { BodyAttribute::ActiveLink, kRed } });
        QCOMPARE(f.code(*editor),
            QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>"));
        f.in<QCheckBox>(*editor, "chkNum")->click();
        QCOMPARE(
            f.code(*editor), QStringLiteral("<BODY BGCOLOR=FFFFFF TEXT=000000 LINK=0000FF VLINK=800080 ALINK=FF0000>"));
        f.in<QCheckBox>(*editor, "chkQuotes")->click();
        QCOMPARE(f.code(*editor),
            QStringLiteral(R"(<BODY BGCOLOR="FFFFFF" TEXT="000000" LINK="0000FF" VLINK="800080" ALINK="FF0000">)"));
    }

    void theTagIsCopiedWholeButNeverEdited_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("copied");
        QTest::newRow("Ctrl+C copies the whole tag") << int(Qt::Key_C) << int(Qt::ControlModifier) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << false;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << false;
    }
    void theTagIsCopiedWholeButNeverEdited()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, copied);
        EditorFixture f;
        HtmlWindow* editor = f.open();
        editor->ApplyBG(kWhite);
        editor->ApplyLink(kBlue);
        const QString tag = f.code(*editor);
        auto* Text1 = f.in<QPlainTextEdit>(*editor, "Text1");
        Text1->setFocus();
        // Part of the tag selected: the key acts on the selection if on anything.
        QTextCursor cursor = Text1->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(13, QTextCursor::KeepAnchor);
        Text1->setTextCursor(cursor);
        QTest::keyClick(Text1, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.code(*editor), tag);
        QCOMPARE(f.fakes.clipboard.copies, copied ? 1 : 0);
        if (copied)
            QCOMPARE(f.fakes.clipboard.lastText, tag);
    }

    void copyPutsTheTagOnTheClipboard()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        editor->ApplyVLink(kPurple);
        QTest::mouseClick(f.in<QPushButton>(*editor, "cmdCopy"), Qt::LeftButton);
        QCOMPARE(f.fakes.clipboard.lastText, QStringLiteral("<BODY VLINK=#800080>"));
        QCOMPARE(f.in<QPushButton>(*editor, "cmdCopy")->text(), QStringLiteral("&Copy"));
    }

    void resetAsksThenUnsetsEveryColourButKeepsTheForm()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        SetAll(*editor,
            { { BodyAttribute::Background, kWhite }, { BodyAttribute::Text, kBlack }, { BodyAttribute::Link, kBlue },
                { BodyAttribute::VisitedLink, kPurple }, { BodyAttribute::ActiveLink, kRed } });
        f.in<QCheckBox>(*editor, "chkQuotes")->click();
        const QString tag = f.code(*editor);
        auto* cmdReset = f.in<QPushButton>(*editor, "cmdReset");

        f.fakes.prompter.answers = { PromptAnswer::No };
        QTest::mouseClick(cmdReset, Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "Are you sure you want to reset the HTML styleset?" });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Question);
        QCOMPARE(f.code(*editor), tag);
        QCOMPARE(editor->attributeColor(BodyAttribute::Link), kBlue);

        f.fakes.prompter.answers = { PromptAnswer::Yes };
        QTest::mouseClick(cmdReset, Qt::LeftButton);
        for (const BodyAttribute attribute : kAllAttributes) {
            QVERIFY(!editor->attributeColor(attribute));
            QVERIFY(f.emptyShown(*editor, attribute));
            QCOMPARE(f.in<Swatch>(*editor, NamesOf(attribute).box)->color(), core::kEmptyColor);
        }
        for (const char* label : { "lblPText", "lblPLink", "lblPVlink", "lblPALink", "lblPClick" })
            QCOMPARE(TextColor(*editor, label), ToColor(kButtonText));
        QCOMPARE(PageColor(*editor), ToColor(core::kEmptyColor));
        QVERIFY(f.code(*editor).isEmpty());
        QVERIFY(f.in<QCheckBox>(*editor, "chkQuotes")->isChecked());
        QVERIFY(f.in<QCheckBox>(*editor, "chkNum")->isChecked());

        editor->ApplyBG(kWhite);
        QCOMPARE(f.code(*editor), QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\">"));
    }

    void webSafeTurnsTheSetColoursOnly()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        const core::ColorValue odd = core::MakeColor(250, 10, 100);
        SetAll(
            *editor, { { BodyAttribute::Background, odd }, { BodyAttribute::VisitedLink, core::MakeColor(1, 2, 3) } });
        auto* Command1 = f.in<QPushButton>(*editor, "Command1");
        QCOMPARE(Command1->text(), QStringLiteral("&Make colors web-safe"));

        f.fakes.prompter.answers = { PromptAnswer::No };
        QTest::mouseClick(Command1, Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "Are you sure you want to convert all colors to their web-safe equivalents?" });
        QCOMPARE(editor->attributeColor(BodyAttribute::Background), odd);

        f.fakes.prompter.answers = { PromptAnswer::Yes };
        QTest::mouseClick(Command1, Qt::LeftButton);
        QCOMPARE(editor->attributeColor(BodyAttribute::Background), core::MakeColor(255, 0, 102));
        QCOMPARE(editor->attributeColor(BodyAttribute::VisitedLink), core::MakeColor(0, 0, 0));
        QCOMPARE(PageColor(*editor), QColor(255, 0, 102));
        QCOMPARE(f.in<Swatch>(*editor, "picBG")->color(), core::MakeColor(255, 0, 102));
        for (const BodyAttribute unset : { BodyAttribute::Text, BodyAttribute::Link, BodyAttribute::ActiveLink }) {
            QVERIFY(!editor->attributeColor(unset));
            QVERIFY(f.emptyShown(*editor, unset));
        }
        QCOMPARE(f.code(*editor), QStringLiteral("<BODY BGCOLOR=#FF0066 VLINK=#000000>"));
    }

    void clickHereWithALinkColourUnsetOnlyAsksForThem_data()
    {
        QTest::addColumn<QList<BodyAttribute>>("set");
        QTest::newRow("none set") << QList<BodyAttribute> {};
        QTest::newRow("link unset") << QList<BodyAttribute> { BodyAttribute::VisitedLink, BodyAttribute::ActiveLink };
        QTest::newRow("visited link unset") << QList<BodyAttribute> { BodyAttribute::Link, BodyAttribute::ActiveLink };
        QTest::newRow("active link unset") << QList<BodyAttribute> { BodyAttribute::Link, BodyAttribute::VisitedLink };
    }
    void clickHereWithALinkColourUnsetOnlyAsksForThem()
    {
        QFETCH(QList<BodyAttribute>, set);
        EditorFixture f;
        HtmlWindow* editor = f.open();
        for (const BodyAttribute attribute : set)
            editor->apply(attribute, kOrange);
        const QColor before = TextColor(*editor, "lblPClick");
        QTest::mouseClick(f.in<QLabel>(*editor, "lblPClick"), Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "Please select a color for the Links, Active Links and Visited Links" });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(TextColor(*editor, "lblPClick"), before);
        QVERIFY(!f.in<QTimer>(*editor, "Timer1")->isActive());
    }

    void clickHereShowsTheActiveThenTheVisitedThenTheLinkColour()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        SetAll(*editor,
            { { BodyAttribute::Link, kBlue }, { BodyAttribute::VisitedLink, kPurple },
                { BodyAttribute::ActiveLink, kRed } });
        QColor duringMessage;
        f.fakes.prompter.onAsk = [&](const platform::Prompt&) { duringMessage = TextColor(*editor, "lblPClick"); };
        QTest::mouseClick(f.in<QLabel>(*editor, "lblPClick"), Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Information);
        QVERIFY(f.fakes.prompter.prompts[0].text.startsWith(
            "This is the color that will appear as the webpage is loading, hence it is being activated.\n\nThe "
            "text color that will appear after closing this message box"));
        QCOMPARE(duringMessage, ToColor(kRed));
        QCOMPARE(TextColor(*editor, "lblPClick"), ToColor(kPurple));
        auto* Timer1 = f.in<QTimer>(*editor, "Timer1");
        QVERIFY(Timer1->isActive());
        QVERIFY(QMetaObject::invokeMethod(Timer1, "timeout"));
        QCOMPARE(TextColor(*editor, "lblPClick"), ToColor(kBlue));
        QVERIFY(!Timer1->isActive());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }
    void closing()
    {
        QFETCH(bool, byEscape);
        EditorFixture f;
        HtmlWindow* editor = f.open();
        SetAll(*editor, { { BodyAttribute::Background, kWhite }, { BodyAttribute::ActiveLink, kRed } });
        f.in<QCheckBox>(*editor, "chkQuotes")->click();
        f.in<QCheckBox>(*editor, "chkNum")->click();
        const QString tag = f.code(*editor);
        const auto close = [&] {
            if (byEscape)
                QTest::keyClick(editor, Qt::Key_Escape);
            else
                editor->close();
        };

        // No: the window stays, and with it every colour.
        f.fakes.prompter.answers = { PromptAnswer::No };
        close();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { kCloseQuestion });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(f.fakes.prompter.prompts[0].buttons, platform::PromptButtons::YesNo);
        QVERIFY(editor->isVisible());
        QCOMPARE(f.code(*editor), tag);
        QCOMPARE(editor->attributeColor(BodyAttribute::ActiveLink), kRed);
        QVERIFY(f.fakes.settings.read(kHtml, QStringLiteral("quotes")).isNull());

        // Yes: the form is saved and the colours are gone with the window.
        f.fakes.prompter.answers = { PromptAnswer::Yes };
        close();
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.fakes.settings.read(kHtml, QStringLiteral("quotes")), QStringLiteral("1"));
        QCOMPARE(f.fakes.settings.read(kHtml, QStringLiteral("num")), QStringLiteral("0"));
        QTRY_VERIFY(!f.feature().loaded());

        HtmlWindow* again = f.open();
        for (const BodyAttribute attribute : kAllAttributes)
            QVERIFY(f.emptyShown(*again, attribute));
        QVERIFY(f.code(*again).isEmpty());
        QVERIFY(f.in<QCheckBox>(*again, "chkQuotes")->isChecked());
        QVERIFY(!f.in<QCheckBox>(*again, "chkNum")->isChecked());
    }

    void minimisingIsNotedUntilTheEditorIsBroughtBack()
    {
        EditorFixture f;
        HtmlWindow* editor = f.open();
        editor->ApplyText(kTeal);
        QVERIFY(!f.feature().blnHtmlMinimized());
        editor->showMinimized();
        QVERIFY(f.feature().blnHtmlMinimized());
        f.feature().restoreMinimized();
        QVERIFY(!f.feature().blnHtmlMinimized());
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->isMinimized());
        QCOMPARE(editor->attributeColor(BodyAttribute::Text), kTeal);

        // Closed while minimised: nothing is left to bring back.
        editor->showMinimized();
        f.fakes.prompter.answers = { PromptAnswer::Yes };
        editor->close();
        QVERIFY(!f.feature().blnHtmlMinimized());
    }

    void theEditorIsOnTopWhileTheMainWindowIs()
    {
        EditorFixture f;
        QAction* mnuTop = Look(f.window).action("mnuTop");
        mnuTop->setChecked(true);
        HtmlWindow* editor = f.open();
        QVERIFY(editor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        f.fakes.prompter.answers = { PromptAnswer::Yes };
        editor->close();
        QTRY_VERIFY(!f.feature().loaded());

        // A loaded editor follows the option while it is hidden, and shows so when opened.
        mnuTop->setChecked(false);
        QMenu* menu = f.rightPress("picHover");
        menu->hide();
        Look(f.window).action("mnuMBG")->trigger();
        QVERIFY(!f.feature().loaded()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        mnuTop->setChecked(true);
        QVERIFY(f.feature().loaded()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!f.feature().loaded()->isVisible());
    }

    // The swatch menu.

    void aRightPressOnASwatchOffersItsColourToTheOther_data()
    {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Color #1") << "picHover"
                                  << "Set as Color #2";
        QTest::newRow("Color #2") << "picSelected"
                                  << "Set as Color #1";
    }
    void aRightPressOnASwatchOffersItsColourToTheOther()
    {
        QFETCH(QString, swatch);
        QFETCH(QString, caption);
        EditorFixture f;
        QVERIFY(f->setColor(QString::number(kOrange), false));
        QVERIFY(f->setColor(QString::number(kTeal), true));
        const bool fromColor1 = swatch == QStringLiteral("picHover");
        const ColorSlot pressed = fromColor1 ? ColorSlot::One : ColorSlot::Two;
        const ColorSlot other = fromColor1 ? ColorSlot::Two : ColorSlot::One;
        f.colors().setCurrent(pressed);
        QSignalSpy recorded(&f.colors(), &WorkingColors::recorded);

        QMenu* menu = f.rightPress(qPrintable(swatch));
        QVERIFY(menu->isVisible());
        QAction* mnuSet = Look(f.window).action("mnuSet");
        QCOMPARE(mnuSet->text(), caption);
        mnuSet->trigger();
        menu->hide();

        QCOMPARE(f.color(other), f.color(pressed));
        QCOMPARE(f.color(pressed), fromColor1 ? kOrange : kTeal);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), ListIndexOf(other));
        QCOMPARE(f.text(other, CodeField::Html), f.text(pressed, CodeField::Html));
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded[0][0].value<ColorSlot>(), other);
    }

    void aLeftPressNamesTheOtherColourWithoutAMenu()
    {
        EditorFixture f;
        QTest::mouseClick(f.find<Swatch>("picSelected"), Qt::LeftButton);
        QCOMPARE(Look(f.window).action("mnuSet")->text(), QStringLiteral("Set as Color #1"));
        QVERIFY(!f.find<QMenu>("mnuMenu")->isVisible());
        QTest::mouseClick(f.find<Swatch>("picHover"), Qt::LeftButton);
        QCOMPARE(Look(f.window).action("mnuSet")->text(), QStringLiteral("Set as Color #2"));
    }

    void setAsItemsFeedTheEditorLoadedButHidden_data()
    {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("item");
        QTest::addColumn<BodyAttribute>("attribute");
        QTest::addColumn<QString>("code");
        QTest::newRow("background from Color #1") << "picHover"
                                                  << "mnuMBG" << BodyAttribute::Background << "<BODY BGCOLOR=#FF8000>";
        QTest::newRow("text from Color #2") << "picSelected"
                                            << "mnuMText" << BodyAttribute::Text << "<BODY TEXT=#008080>";
        QTest::newRow("link from Color #1") << "picHover"
                                            << "mnuMLink" << BodyAttribute::Link << "<BODY LINK=#FF8000>";
        QTest::newRow("visited link from Color #2")
            << "picSelected"
            << "mnuMVLink" << BodyAttribute::VisitedLink << "<BODY VLINK=#008080>";
        QTest::newRow("active link from Color #1")
            << "picHover"
            << "mnuMALink" << BodyAttribute::ActiveLink << "<BODY ALINK=#FF8000>";
    }
    void setAsItemsFeedTheEditorLoadedButHidden()
    {
        QFETCH(QString, swatch);
        QFETCH(QString, item);
        QFETCH(BodyAttribute, attribute);
        QFETCH(QString, code);
        EditorFixture f;
        QVERIFY(f->setColor(QString::number(kOrange), false));
        QVERIFY(f->setColor(QString::number(kTeal), true));
        const core::ColorValue expected = swatch == QStringLiteral("picHover") ? kOrange : kTeal;

        f.rightPress(qPrintable(swatch))->hide();
        Look(f.window).action(qPrintable(item))->trigger();

        HtmlWindow* editor = f.feature().loaded();
        QVERIFY(editor);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->attributeColor(attribute), expected);
        QCOMPARE(f.code(*editor), code);
        // The working colours are as they were.
        QCOMPARE(f.color(ColorSlot::One), kOrange);
        QCOMPARE(f.color(ColorSlot::Two), kTeal);

        // Opened, it shows what it was given.
        QCOMPARE(f.open(), editor);
        QCOMPARE(f.in<Swatch>(*editor, NamesOf(attribute).box)->color(), expected);
        QVERIFY(!f.emptyShown(*editor, attribute));
    }
};

QTEST_MAIN(HtmlEditorTest)
#include "HtmlEditorTest.moc"
