// How the main window is laid out and moved through: fields wide enough, Tab order, a size only the program
// sets, Expand, the hint button, the frames of the colour boxes.
#include "platform/ColorConversion.h"
#include "tests/gui/MainWindowFixture.h"
#include "widgets/BoxFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QTest>
#include <QToolButton>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

// Whether the field shows text whole: the text's width fits inside the frame and the line edit's margins.
bool ShowsWhole(QLineEdit* edit, const QString& text)
{
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    const int room = edit->width() - 2 * frame - margins.left() - margins.right() - 2 * 2;
    return edit->fontMetrics().horizontalAdvance(text) <= room;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFieldShowsTheLongestCodeOfItsNotation_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        for (const char* frame : { "", "2" }) {
            QTest::addRow("html%s", frame) << QStringLiteral("txtHex") + frame << "#"
                                           << "";
            QTest::addRow("vb%s", frame) << QStringLiteral("txtVBHex") + frame << "&H"
                                         << "&";
            QTest::addRow("delphi%s", frame) << QStringLiteral("txtDelphi") + frame << "$00"
                                             << "";
            QTest::addRow("c++%s", frame) << QStringLiteral("txtC") + frame << "0x"
                                          << "";
        }
    }
    void everyFieldShowsTheLongestCodeOfItsNotation()
    {
        QFETCH(QString, field);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        MainWindowFixture f;
        auto* edit = f.find<QLineEdit>(field);
        for (const QChar digit : QStringLiteral("0123456789ABCDEF"))
            QVERIFY2(ShowsWhole(edit, prefix + QString(6, digit) + suffix), qPrintable(QString(digit)));
        for (const char* number : { "txtRed", "txtHue2", "txtLum" })
            QVERIFY(ShowsWhole(f.find<QLineEdit>(number), QStringLiteral("255")));
    }

    void tabFollowsTheRowsAsTheyStand()
    {
        MainWindowFixture f;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.find<QLineEdit>("txtRed")->setFocus(Qt::MouseFocusReason);
        QStringList visited;
        for (int i = 0; i < 20; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList one { "txtRed", "txtGreen", "txtBlue", "txtHue", "txtSat", "txtLum", "txtC", "txtDelphi",
            "txtHex", "txtVBHex" };
        QStringList two;
        for (const QString& name : one)
            two << name + u'2';
        QCOMPARE(visited, one + two);
    }

    void theWindowKeepsTheSizeTheProgramGivesIt()
    {
        MainWindowFixture f;
        const QSize size = f->size();
        QCOMPARE(f->minimumSize(), size);
        QCOMPARE(f->maximumSize(), size);
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        f->resize(size + QSize(200, 150));
        QCOMPARE(f->size(), size);
    }

    void expandGrowsTheWindowByTheSlidesFrame()
    {
        MainWindowFixture f;
        const int before = f->height();
        auto* expand = f.find<QCheckBox>("Check1");
        expand->click();
        QTRY_VERIFY(f.find<QGroupBox>("Frame3")->isVisible());
        QTRY_VERIFY(f->height() >= before + f.find<QGroupBox>("Frame3")->height());
        // The selector stands beside the frame's caption, on its row.
        auto* combo = f.find<QComboBox>("Combo1");
        auto* caption = f.find<QLabel>("lblSlidesFor");
        QVERIFY(qAbs(combo->geometry().center().y() - caption->geometry().center().y()) <= 2);
        QVERIFY(combo->geometry().left() > caption->geometry().right());
        expand->click();
        QTRY_COMPARE(f->height(), before);
    }

    void tickingEditMovesNothing()
    {
        MainWindowFixture f;
        const QSize size = f->size();
        const QRect boxes = f.find<QWidget>("picPalette")->geometry();
        f.find<QCheckBox>("chkEditPal")->click();
        QVERIFY(f.find<QToolButton>("cmdPalHelp")->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(f->size(), size);
        QCOMPARE(f.find<QWidget>("picPalette")->geometry(), boxes);
        f.find<QCheckBox>("chkEditPal")->click();
        QCoreApplication::processEvents();
        QCOMPARE(f->size(), size);
    }

    void upAndDownStepAFieldAsItsSpinButtonDoes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("red up") << "txtRed" << int(Qt::Key_Up) << "11" << QStringList {};
        QTest::newRow("blue2 down") << "txtBlue2" << int(Qt::Key_Down) << "29" << QStringList {};
        QTest::newRow("lum up") << "txtLum" << int(Qt::Key_Up) << "16" << QStringList {};
        QTest::newRow("green down past 0")
            << "txtGreen" << int(Qt::Key_Down) << "0" << QStringList { "Each RGB value cannot be less than 0" };
    }
    void upAndDownStepAFieldAsItsSpinButtonDoes()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        MainWindowFixture f;
        f->setColor(QString::number(0x1E000A), true); // 10, 0, 30
        f->setColor(QString::number(0x1E000A), false);
        auto* edit = f.find<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, static_cast<Qt::Key>(key));
        QCOMPARE(edit->text(), shown);
        QVERIFY(edit->hasFocus());
        QTRY_COMPARE(f.fakes.prompter.texts(), messages);
    }

    void everyColourBoxHasAFrameThatStandsOut_data()
    {
        QTest::addColumn<QColor>("box");
        QTest::addColumn<QColor>("background");
        QTest::newRow("the background's own grey") << QColor(239, 239, 239) << QColor(239, 239, 239);
        QTest::newRow("black on a dark scheme") << QColor(0, 0, 0) << QColor(40, 40, 60);
        QTest::newRow("white on white") << QColor(255, 255, 255) << QColor(255, 255, 255);
        QTest::newRow("mid grey on grey") << QColor(128, 128, 128) << QColor(120, 120, 120);
        QTest::newRow("the empty colour") << QColor(237, 232, 215) << QColor(239, 239, 239);
    }
    void everyColourBoxHasAFrameThatStandsOut()
    {
        QFETCH(QColor, box);
        QFETCH(QColor, background);
        const QColor frame = BoxFrameColor(box, background);
        const auto lightness = [](const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); };
        QVERIFY(qAbs(lightness(frame) - lightness(box)) >= 60);
        QVERIFY(qAbs(lightness(frame) - lightness(background)) >= 60);

        // Drawn on a swatch: its edge is the frame, its inside the colour.
        Swatch swatch;
        QPalette palette = swatch.palette();
        palette.setColor(QPalette::Window, background);
        swatch.setPalette(palette);
        swatch.setColor(platform::FromQColor(box));
        const QImage picture = swatch.grab().toImage();
        QCOMPARE(QColor(picture.pixel(0, 0)), frame);
        QCOMPARE(QColor(picture.pixel(picture.width() / 2, picture.height() / 2)), box);

        // An empty box keeps its outline around the "Empty" label.
        swatch.addEmptyLabel(QStringLiteral("lblEmpty"));
        const QImage empty = swatch.grab().toImage();
        QCOMPARE(QColor(empty.pixel(0, empty.height() / 2)), frame);
        QCOMPARE(QColor(empty.pixel(empty.width() / 2, empty.height() - 1)), frame);
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
