#include "palette/PaletteGrid.h"
#include "core/PaletteText.h"
#include "palette/PaletteBox.h"
#include "tests/gui/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tw;
using platform::PromptAnswer;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

constexpr core::ColorValue kRed = 255;
constexpr core::ColorValue kBlue = 0xFF0000;

core::Palette Filled(std::initializer_list<int> boxes)
{
    core::Palette palette = core::EmptyPalette();
    for (const int box : boxes)
        palette[static_cast<std::size_t>(box)] = 1000 + box;
    return palette;
}

void Press(PaletteGrid* grid, int box, Qt::MouseButton button)
{
    QTest::mousePress(grid->box(box), button, {}, QPoint(8, 8));
    QTest::mouseRelease(grid->box(box), button, {}, QPoint(8, 8));
}

// What the platform sends a box the pointer of a drag enters and releases over; the drop reaches only a
// box that accepted the enter.
void Deliver(QWidget* box, const QMimeData* carried, Qt::MouseButtons buttons)
{
    QDragEnterEvent enter(QPoint(8, 8), Qt::MoveAction, carried, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(8, 8), Qt::MoveAction, carried, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
}

// A drag from one box to another as the mouse makes it: the left press, the drag, the drop, its end.
void Drag(PaletteGrid* grid, int source, int target, Qt::MouseButtons buttonsAtDrop = Qt::NoButton)
{
    QTest::mousePress(grid->box(source), Qt::LeftButton, {}, QPoint(8, 8));
    const std::unique_ptr<QMimeData> carried = grid->beginDrag(source);
    QVERIFY(carried);
    Deliver(grid->box(target), carried.get(), buttonsAtDrop);
    grid->endDrag();
}

} // namespace

class PaletteGridTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gridStartsWithTheDefaultPaletteDownTheColumns()
    {
        MainWindowFixture f;
        PaletteGrid* grid = Look(f.window).fraPal();
        QCOMPARE(grid->objectName(), QStringLiteral("fraPal"));
        QCOMPARE(grid->title(), QStringLiteral("Color Palette"));
        QCOMPARE(grid->palette(), core::DefaultPalette());
        for (int i = 0; i < core::kPaletteSize; ++i) {
            auto* box = f->findChild<PaletteBox*>(QStringLiteral("MiniPicker%1").arg(i));
            QVERIFY(box == grid->box(i));
            QCOMPARE(box->size(), QSize(17, 17));
            QVERIFY(box->toolTip().isEmpty());
            QCOMPARE(box->pos() - grid->box(0)->pos(), QPoint(24 * (i / 5), 20 * (i % 5)));
        }
        QVERIFY(!grid->chkEditPal->isChecked());
        QVERIFY(grid->cmdPalHelp->isHidden());
        QCOMPARE(grid->cmdAdd1->text(), QStringLiteral("Add Color #1"));
        QCOMPARE(grid->chkEditPal->toolTip(), QStringLiteral("Edit Palette"));
        QCOMPARE(grid->cmdPalHelp->toolTip(), QStringLiteral("Hint"));
    }

    void pressTakesTheColourAndRecordsIt_data()
    {
        QTest::addColumn<bool>("editMode");
        QTest::newRow("normal") << false;
        QTest::newRow("edit mode") << true;
    }
    void pressTakesTheColourAndRecordsIt()
    {
        QFETCH(bool, editMode);
        MainWindowFixture f;
        Look(f.window).fraPal()->chkEditPal->setChecked(editMode);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        Press(Look(f.window).fraPal(), 7, Qt::LeftButton); // 255, 0, 0
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Html), QStringLiteral("#FF0000"));
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 0);
        Press(Look(f.window).fraPal(), 32, Qt::RightButton); // 0, 0, 255
        if (editMode) {
            // In edit mode a right press only opens the edit menu, whose items act on the colours as they were.
            QCOMPARE(Look(f.window).color(ColorSlot::Two), 0);
            QCOMPARE(Look(f.window).Combo1()->currentIndex(), 0);
            f.find<QMenu>("mnuEP")->hide();
        } else {
            QCOMPARE(Look(f.window).color(ColorSlot::Two), kBlue);
            QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#0000FF"));
            QCOMPARE(Look(f.window).Combo1()->currentIndex(), 1);
        }
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        Press(Look(f.window).fraPal(), 0, Qt::MiddleButton);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(history.size(), editMode ? 1 : 2);
        QCOMPARE(HistoryNumberOf(history[0][0].value<ColorSlot>()), 1);
        if (!editMode)
            QCOMPARE(HistoryNumberOf(history[1][0].value<ColorSlot>()), 2);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());
    }

    void addStoresInTheFirstEmptyBox_data()
    {
        QTest::addColumn<core::Palette>("before");
        QTest::addColumn<int>("filledBox");
        QTest::newRow("0..4 filled") << Filled({ 0, 1, 2, 3, 4 }) << 5;
        QTest::newRow("all empty") << core::EmptyPalette() << 0;
        core::Palette onlyLast = core::DefaultPalette();
        onlyLast[39] = core::kEmptyColor;
        QTest::newRow("only 39 empty") << onlyLast << 39;
    }
    void addStoresInTheFirstEmptyBox()
    {
        QFETCH(core::Palette, before);
        QFETCH(int, filledBox);
        for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
            MainWindowFixture f;
            f->setColor(QString::number(kRed), slot == ColorSlot::Two);
            QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
            Look(f.window).fraPal()->setPalette(before);
            (slot == ColorSlot::One ? Look(f.window).fraPal()->cmdAdd1 : Look(f.window).fraPal()->cmdAdd2)->click();
            core::Palette expected = before;
            expected[static_cast<std::size_t>(filledBox)] = kRed;
            QCOMPARE(Look(f.window).fraPal()->palette(), expected);
            QVERIFY(f.fakes.prompter.prompts.isEmpty());
            QCOMPARE(history.size(), 0);
        }
    }

    void addToAFullPaletteOffersANewOne()
    {
        MainWindowFixture f;
        f->setColor(QString::number(kRed), true);
        f.fakes.prompter.answers = { PromptAnswer::No };
        Look(f.window).fraPal()->cmdAdd2->click();
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "Color Palette is full and no more colors can be added. You must start a new color palette. "
                          "Do you want to create a new color palette now?" });
        QCOMPARE(f.fakes.prompter.prompts[0].buttons, platform::PromptButtons::YesNo);
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Question);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());

        // Yes, then yes to the new palette: the palette is cleared and the colour goes into box 0.
        f.fakes.prompter.clear();
        f.fakes.prompter.answers = { PromptAnswer::Yes, PromptAnswer::Yes };
        Look(f.window).fraPal()->cmdAdd2->click();
        QCOMPARE(f.fakes.prompter.prompts.size(), 2);
        QCOMPARE(f.fakes.prompter.prompts[1].text,
            QStringLiteral("Do you want to create a new color palette? This will clear the current palette."));
        core::Palette expected = core::EmptyPalette();
        expected[0] = kRed;
        QCOMPARE(Look(f.window).fraPal()->palette(), expected);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));

        // Yes, then no to the new palette: Add asks again, and No ends it with nothing changed.
        Look(f.window).fraPal()->setPalette(core::DefaultPalette());
        f.fakes.prompter.clear();
        f.fakes.prompter.answers = { PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::No };
        Look(f.window).fraPal()->cmdAdd1->click();
        QCOMPARE(f.fakes.prompter.prompts.size(), 3);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());
    }

    void editModeShowsTheHintAndAllowsDrops()
    {
        MainWindowFixture f;
        PaletteGrid* grid = Look(f.window).fraPal();
        QVERIFY(!grid->box(0)->acceptDrops());
        QVERIFY(!grid->beginDrag(3)); // no drag outside edit mode
        // The hint's icon comes with its first showing; the room the hidden button keeps is the same.
        const QSize room = grid->cmdPalHelp->sizeHint();
        const QPoint addAt = grid->cmdAdd1->pos();
        grid->chkEditPal->click();
        QVERIFY(grid->cmdPalHelp->isVisible());
        QVERIFY(!grid->cmdPalHelp->icon().isNull());
        QCOMPARE(grid->cmdPalHelp->sizeHint(), room);
        QCOMPARE(grid->cmdAdd1->pos(), addAt);
        QVERIFY(grid->box(39)->acceptDrops());
        grid->cmdPalHelp->click();
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "Hint:\nRight-click on any color in the palette to begin editing.\n\nOR\n\nHold the left "
                          "mouse button down to drag a color from one color box to another in the color palette. "
                          "Release the left mouse button when the cursor is positioned over the desired color box." });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Information);
        QCOMPARE(QApplication::focusWidget(), grid->chkEditPal);
        grid->chkEditPal->click();
        QVERIFY(grid->cmdPalHelp->isHidden());
        QVERIFY(!grid->box(0)->acceptDrops());
    }

    void dragOntoAnEmptyBoxMovesTheColour()
    {
        MainWindowFixture f;
        Look(f.window).fraPal()->chkEditPal->setChecked(true);
        core::Palette before = core::DefaultPalette();
        before[7] = core::kEmptyColor;
        Look(f.window).fraPal()->setPalette(before);
        Drag(Look(f.window).fraPal(), 3, 7);
        core::Palette expected = before;
        expected[7] = before[3];
        expected[3] = core::kEmptyColor;
        QCOMPARE(Look(f.window).fraPal()->palette(), expected);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void dragOntoAFullBoxAsks_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<core::ColorValue>("sourceAfter");
        QTest::addColumn<core::ColorValue>("targetAfter");
        const core::ColorValue grey = core::DefaultPalette()[3];
        QTest::newRow("yes swaps") << PromptAnswer::Yes << kBlue << grey;
        QTest::newRow("no copies") << PromptAnswer::No << grey << grey;
        QTest::newRow("cancel keeps both") << PromptAnswer::Cancel << grey << kBlue;
    }
    void dragOntoAFullBoxAsks()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(core::ColorValue, sourceAfter);
        QFETCH(core::ColorValue, targetAfter);
        MainWindowFixture f;
        Look(f.window).fraPal()->chkEditPal->setChecked(true);
        f.fakes.prompter.answers = { answer };
        Drag(Look(f.window).fraPal(), 3, 32);
        QCOMPARE(f.fakes.prompter.texts(),
            QStringList { "Do you want to swap these two colors?\n\nClicking No will result in this color being "
                          "replaced by the selected color.\n\nClick Cancel if you are not moving colors." });
        QCOMPARE(f.fakes.prompter.prompts[0].buttons, platform::PromptButtons::YesNoCancel);
        QCOMPARE(Look(f.window).fraPal()->boxColor(3), sourceAfter);
        QCOMPARE(Look(f.window).fraPal()->boxColor(32), targetAfter);
        const QString scratch = f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("tmpmp"));
        QCOMPARE(scratch, answer == PromptAnswer::Yes ? QString::number(kBlue) : QString());
    }

    void swapDoesNotDependOnTheSettingsStore()
    {
        MainWindowFixture f;
        Look(f.window).fraPal()->chkEditPal->setChecked(true);
        f.fakes.settings.setFailWrites(true);
        f.fakes.prompter.answers = { PromptAnswer::Yes };
        Drag(Look(f.window).fraPal(), 3, 32);
        QCOMPARE(Look(f.window).fraPal()->boxColor(3), kBlue);
        QCOMPARE(Look(f.window).fraPal()->boxColor(32), core::DefaultPalette()[3]);
    }

    void dropsThatMustNotActChangeNothing()
    {
        MainWindowFixture f;
        PaletteGrid* grid = Look(f.window).fraPal();
        grid->chkEditPal->setChecked(true);
        Drag(grid, 3, 3); // onto itself
        Drag(grid, 3, 32, Qt::RightButton); // the right button was down at the drop
        grid->endDrag();
        // Text from elsewhere, or a box dropped with no drag of this grid running.
        QMimeData text;
        text.setText(QStringLiteral("255"));
        const std::unique_ptr<QMimeData> running = grid->beginDrag(5);
        Deliver(grid->box(4), &text, Qt::NoButton);
        grid->endDrag();
        Deliver(grid->box(6), running.get(), Qt::NoButton);
        grid->endDrag();
        QCOMPARE(grid->palette(), core::DefaultPalette());
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void editMenuActsOnTheColoursAsTheyWere()
    {
        MainWindowFixture f;
        PaletteGrid* grid = Look(f.window).fraPal();
        auto* menu = f->findChild<QMenu*>(QStringLiteral("mnuEP"));
        Press(grid, 12, Qt::RightButton);
        QVERIFY(!menu->isVisible()); // only in edit mode
        grid->chkEditPal->setChecked(true);
        f->setColor(QString::number(kRed), false);
        f->setColor(QString::number(kBlue), true);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);

        Press(grid, 12, Qt::RightButton);
        QVERIFY(menu->isVisible());
        // The press only opens the menu: the colours stay as they were, and nothing is recorded.
        QCOMPARE(Look(f.window).color(ColorSlot::Two), kBlue);
        Look(f.window).action("mnuEP1")->trigger();
        QCOMPARE(grid->boxColor(12), kRed);

        Press(grid, 13, Qt::RightButton);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), kBlue);
        Look(f.window).action("mnuEP2")->trigger();
        QCOMPARE(grid->boxColor(13), kBlue);
        QVERIFY(history.isEmpty());
        f->setColor(QString::number(kBlue), true);
        Look(f.window).action("mnuEP2")->trigger();
        QCOMPARE(grid->boxColor(13), kBlue);

        Press(grid, 14, Qt::RightButton);
        Look(f.window).action("mnuEPDel")->trigger();
        QVERIFY(grid->IsEmptyBox(14));
        menu->hide();
    }

    void rightButtonDuringADragOpensTheMenuAndDeleteDropsNothing()
    {
        MainWindowFixture f;
        PaletteGrid* grid = Look(f.window).fraPal();
        auto* menu = f->findChild<QMenu*>(QStringLiteral("mnuEP"));
        grid->chkEditPal->setChecked(true);
        QTest::mousePress(grid->box(3), Qt::LeftButton, {}, QPoint(8, 8));
        const std::unique_ptr<QMimeData> carried = grid->beginDrag(3);
        QDragEnterEvent over(QPoint(8, 8), Qt::MoveAction, carried.get(), Qt::LeftButton | Qt::RightButton, {});
        QCoreApplication::sendEvent(grid->box(7), &over);
        QVERIFY(!menu->isVisible()); // never while the drag holds the pointer
        Deliver(grid->box(7), carried.get(), Qt::NoButton);
        grid->endDrag();
        QVERIFY(menu->isVisible());
        Look(f.window).action("mnuEPDel")->trigger();
        menu->hide();
        core::Palette expected = core::DefaultPalette();
        expected[7] = core::kEmptyColor;
        QCOMPARE(grid->palette(), expected);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }
};

QTEST_MAIN(PaletteGridTest)
#include "PaletteGridTest.moc"
