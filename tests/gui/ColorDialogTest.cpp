// The "Palette" buttons beside the swatches, and the one colour dialog service every window shares.
#include "html/HtmlWindow.h"
#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tw;
using tw::test::FakeColorDialog;
using tw::test::Look;
using tw::test::MainWindowFixture;

Q_DECLARE_METATYPE(FakeColorDialog::Answer)

namespace {

constexpr core::ColorValue kOrange = 0x0080FF; // 255, 128, 0
constexpr core::ColorValue kTeal = 0x808000; // 0, 128, 128
constexpr core::ColorValue kPicked = 0x64C80A; // 10, 200, 100

ColorSlot SlotOf(const QString& button)
{
    return button == QStringLiteral("Command1") ? ColorSlot::One : ColorSlot::Two;
}

// Color #1 orange, Color #2 teal, and the colour the test does not use current, so that a change of the current
// colour shows.
void StartOn(MainWindowFixture& f, ColorSlot current)
{
    QVERIFY(f->setColor(QString::number(kOrange), false));
    QVERIFY(f->setColor(QString::number(kTeal), true));
    f.colors().setCurrent(current);
}

} // namespace

class ColorDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsAndTooltips_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Command1") << "Command1"
                                  << "Palette"
                                  << "Display the palette and gradients for Color #1";
        QTest::newRow("Command2") << "Command2"
                                  << "Palette"
                                  << "Display the palette and gradients for Color #2";
        QTest::newRow("picHover") << "picHover" << QString()
                                  << "Double-click to copy color; right-click to set as an Html Stylesheet color; "
                                     "right-click to set as Color #2";
        QTest::newRow("picSelected") << "picSelected" << QString()
                                     << "Double-click to copy color; right-click to set as an Html Stylesheet color; "
                                        "right-click to set as Color #1";
    }
    void captionsAndTooltips()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        MainWindowFixture f;
        auto* widget = f.find<QWidget>(control);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), caption);
        QCOMPARE(widget->toolTip(), tooltip);
    }

    void theColourChosenBecomesThatWorkingColour_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<core::ColorValue>("chosen");
        QTest::newRow("Color #1") << "Command1" << kPicked;
        QTest::newRow("Color #2") << "Command2" << kPicked;
        // The colour it has already: still shown afresh and handed to the history.
        QTest::newRow("Color #1 unchanged") << "Command1" << kOrange;
        QTest::newRow("Color #2 unchanged") << "Command2" << kTeal;
    }
    void theColourChosenBecomesThatWorkingColour()
    {
        QFETCH(QString, button);
        QFETCH(core::ColorValue, chosen);
        const ColorSlot slot = SlotOf(button);
        const ColorSlot other = slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One;
        MainWindowFixture f;
        StartOn(f, other);
        const core::ColorValue before = f.color(slot);
        const core::ColorValue otherBefore = f.color(other);
        QSignalSpy recorded(&f.colors(), &WorkingColors::recorded);
        f.fakes.colorDialog.answers = { FakeColorDialog::Choose(chosen) };

        QTest::mouseClick(f.find<QPushButton>(button), Qt::LeftButton);

        QCOMPARE(f.fakes.colorDialog.requests.size(), 1);
        QCOMPARE(f.fakes.colorDialog.requests[0].parent.data(), &f.window);
        QCOMPARE(f.fakes.colorDialog.requests[0].initial, before);
        QCOMPARE(f.color(slot), chosen);
        QCOMPARE(f.color(other), otherBefore);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), ListIndexOf(slot));
        QCOMPARE(f.text(slot, CodeField::Html), QString::fromStdString(core::DescribeColor(chosen).html));
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded[0][0].value<ColorSlot>(), slot);
        QCOMPARE(recorded[0][1].value<core::ColorValue>(), chosen);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void aDialogNotEndedWithOkChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<FakeColorDialog::Answer>("answer");
        QTest::addColumn<QStringList>("messages");
        const QStringList failure {
            "An unknown error has occured and Palette #2 cannot be displayed.\nPlease use the main palette instead."
        };
        QTest::newRow("Color #1 cancelled") << "Command1" << FakeColorDialog::Cancel() << QStringList();
        QTest::newRow("Color #2 cancelled") << "Command2" << FakeColorDialog::Cancel() << QStringList();
        QTest::newRow("Color #1 failed") << "Command1" << FakeColorDialog::Fail() << failure;
        QTest::newRow("Color #2 failed") << "Command2" << FakeColorDialog::Fail() << failure;
    }
    void aDialogNotEndedWithOkChangesNothing()
    {
        QFETCH(QString, button);
        QFETCH(FakeColorDialog::Answer, answer);
        QFETCH(QStringList, messages);
        const ColorSlot slot = SlotOf(button);
        const ColorSlot other = slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One;
        MainWindowFixture f;
        StartOn(f, other);
        const QString shown = f.text(slot, CodeField::Html);
        QSignalSpy changed(&f.colors(), &WorkingColors::changed);
        QSignalSpy recorded(&f.colors(), &WorkingColors::recorded);
        f.fakes.colorDialog.answers = { answer };

        QTest::mouseClick(f.find<QPushButton>(button), Qt::LeftButton);

        QCOMPARE(f.fakes.colorDialog.requests.size(), 1);
        QCOMPARE(f.color(ColorSlot::One), kOrange);
        QCOMPARE(f.color(ColorSlot::Two), kTeal);
        QCOMPARE(f.text(slot, CodeField::Html), shown);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), ListIndexOf(other));
        QCOMPARE(changed.size(), 0);
        QCOMPARE(recorded.size(), 0);
        QCOMPARE(f.fakes.prompter.texts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
    }

    void aCustomColourDefinedForColor1IsOfferedForColor2AndInTheEditor()
    {
        MainWindowFixture f;
        constexpr core::ColorValue custom = 0x123456;
        FakeColorDialog::Answer defining = FakeColorDialog::Choose(kPicked);
        defining.defineCustom = custom;
        f.fakes.colorDialog.answers = { defining, FakeColorDialog::Cancel(), FakeColorDialog::Cancel() };

        QTest::mouseClick(f.find<QPushButton>("Command1"), Qt::LeftButton);
        QTest::mouseClick(f.find<QPushButton>("Command2"), Qt::LeftButton);
        Look(f.window).action("mnuHTML")->trigger();
        auto* editor = f.find<HtmlWindow>("frmHTML");
        QTest::mouseClick(editor->box(core::BodyAttribute::Background), Qt::LeftButton);

        const auto& requests = f.fakes.colorDialog.requests;
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0].offered[0], core::MakeColor(254, 254, 254));
        QCOMPARE(requests[1].offered[0], custom);
        QCOMPARE(requests[2].offered[0], custom);
        QCOMPARE(requests[2].parent.data(), editor);
    }
};

QTEST_MAIN(ColorDialogTest)
#include "ColorDialogTest.moc"
