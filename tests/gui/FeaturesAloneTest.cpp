// Features built on their own, from the model and the widgets they take, without a main window.
#include "codes/ColorCommands.h"
#include "codes/ColorDialogButtons.h"
#include "model/WorkingColors.h"
#include "tests/fakes/FakeColorDialog.h"
#include "tests/fakes/FakePrompter.h"
#include "tests/fakes/FakeSystemColors.h"
#include "widgets/CodeFrame.h"
#include "widgets/ColorDisplay.h"
#include "widgets/FocusHome.h"
#include "widgets/Swatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tw;

namespace {

// The two colours' displays and the four colour buttons, as the main window has them.
struct Colours {
    WorkingColors colors;
    QWidget window;
    Swatch* swatch1 = new Swatch(&window);
    Swatch* swatch2 = new Swatch(&window);
    CodeFrame* frame1 = new CodeFrame(ColorSlot::One, &window);
    CodeFrame* frame2 = new CodeFrame(ColorSlot::Two, &window);
    ColorDisplay display1 { colors, ColorSlot::One, *swatch1, *frame1 };
    ColorDisplay display2 { colors, ColorSlot::Two, *swatch2, *frame2 };
    QPushButton* invert1 = new QPushButton(&window);
    QPushButton* invert2 = new QPushButton(&window);
    QPushButton* safe1 = new QPushButton(&window);
    QPushButton* safe2 = new QPushButton(&window);
    test::FakePrompter prompter;
    test::FakeSystemColors systemColors;
    FocusHome focusHome;
    ColorCommands commands { colors, { invert1, invert2, safe1, safe2, swatch1, swatch2 }, prompter, systemColors,
        focusHome, window };

    Colours()
    {
        swatch1->addEmptyLabel(QStringLiteral("lblEmpty"));
        swatch2->addEmptyLabel(QStringLiteral("lblEmpty2"));
    }
};

} // namespace

class FeaturesAloneTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aTakeReachesTheSwatchAndFrameOfItsColourOnly()
    {
        Colours c;
        c.colors.take(ColorSlot::One, 0);
        c.colors.take(ColorSlot::Two, 0x0080FF);
        QCOMPARE(c.swatch2->color(), 0x0080FF);
        QVERIFY(c.swatch2->emptyLabel()->isHidden());
        QCOMPARE(c.frame2->field(CodeField::Html)->text(), QStringLiteral("#FF8000"));
        QCOMPARE(c.frame2->field(CodeField::Hue)->text(), QStringLiteral("20"));
        QCOMPARE(c.frame2->field(CodeField::Cpp)->text(), QStringLiteral("0x80FF"));
        QCOMPARE(c.frame1->field(CodeField::Html)->text(), QStringLiteral("#000000"));
        QCOMPARE(c.swatch1->color(), 0);
    }

    void invertAndWebSafeChangeTheColourOnce()
    {
        Colours c;
        c.colors.take(ColorSlot::One, 0x0080FF);
        QSignalSpy changed(&c.colors, &WorkingColors::changed);
        QSignalSpy recorded(&c.colors, &WorkingColors::recorded);
        c.invert1->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(recorded.count(), 1);
        QCOMPARE(c.colors.color(ColorSlot::One), 0xFF7F00);
        QCOMPARE(c.frame1->field(CodeField::Html)->text(), QStringLiteral("#007FFF"));

        c.prompter.answers = { platform::PromptAnswer::Yes };
        c.safe1->click();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(recorded.count(), 2);
        QCOMPARE(c.colors.color(ColorSlot::One), 0xFF6600);
    }

    void invertOfAColourNotYetSetIsRefused()
    {
        Colours c;
        QSignalSpy changed(&c.colors, &WorkingColors::changed);
        c.invert2->click();
        QCOMPARE(c.prompter.texts(), QStringList { "Please select a color to invert" });
        QCOMPARE(changed.count(), 0);
        QVERIFY(!c.colors.isSet(ColorSlot::Two));
    }

    void paletteOnAColourNotYetSetKeepsItEmptyUntilAColourIsChosen()
    {
        Colours c;
        test::FakeColorDialog dialog;
        auto* palette1 = new QPushButton(&c.window);
        auto* palette2 = new QPushButton(&c.window);
        ColorDialogButtons buttons { c.colors, { palette1, palette2, c.swatch1, c.swatch2 }, dialog, c.prompter,
            c.window };
        palette2->click();
        QVERIFY(!c.colors.isSet(ColorSlot::Two));
        QVERIFY(!c.swatch2->emptyLabel()->isHidden());

        dialog.answers = { test::FakeColorDialog::Choose(0x0080FF) };
        palette2->click();
        QVERIFY(c.colors.isSet(ColorSlot::Two));
        QVERIFY(c.swatch2->emptyLabel()->isHidden());
        QCOMPARE(c.swatch2->color(), 0x0080FF);
        QCOMPARE(c.frame2->field(CodeField::Html)->text(), QStringLiteral("#FF8000"));
        // Color #1 stays as it was.
        QVERIFY(!c.colors.isSet(ColorSlot::One));
        QVERIFY(!c.swatch1->emptyLabel()->isHidden());
    }
};

QTEST_MAIN(FeaturesAloneTest)
#include "FeaturesAloneTest.moc"
