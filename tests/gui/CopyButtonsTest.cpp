#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

class CopyButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copyButtonCopiesTheShownCode_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        // Color #1 is 255, 128, 0; Color #2 is 0, 0, 255.
        QTest::newRow("rgb") << "Command13"
                             << "255, 128, 0";
        QTest::newRow("hsl") << "Command14"
                             << "20, 240, 120";
        QTest::newRow("html") << "Command3"
                              << "#FF8000";
        QTest::newRow("vb") << "Command5"
                            << "&H80FF&";
        QTest::newRow("delphi") << "Command6"
                                << "$0080FF";
        QTest::newRow("c++") << "Command7"
                             << "0x80FF";
        QTest::newRow("rgb 2") << "Command16"
                               << "0, 0, 255";
        QTest::newRow("hsl 2") << "Command15"
                               << "160, 240, 120";
        QTest::newRow("html 2") << "Command8"
                                << "#0000FF";
        QTest::newRow("vb 2") << "Command10"
                              << "&HFF0000&";
        QTest::newRow("delphi 2") << "Command11"
                                  << "$00FF0000";
        QTest::newRow("c++ 2") << "Command12"
                               << "0xFF0000";
    }
    void copyButtonCopiesTheShownCode()
    {
        QFETCH(QString, button);
        QFETCH(QString, expected);
        MainWindowFixture f;
        f->setColor(QStringLiteral("16711680"), true);
        f->setColor(QStringLiteral("33023"), false);
        f.fakes.clipboard.setImage(QImage(2, 2, QImage::Format_RGB32)); // what an earlier copy left
        QTest::mouseClick(f->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(f.fakes.clipboard.lastText, expected);
        QVERIFY(!f.fakes.clipboard.lastImage);
    }

    void copyPutsAOnePixelPictureOfTheColour()
    {
        MainWindowFixture f;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f->setColor(QStringLiteral("33023"), false);
        f->setColor(QStringLiteral("16711680"), true);
        f.fakes.clipboard.setText(QStringLiteral("old"));
        QVERIFY(Look(f.window).cmdCopy()->isEnabled());
        QTest::mouseClick(Look(f.window).cmdCopy(), Qt::LeftButton);
        QVERIFY(f.fakes.clipboard.lastImage);
        QVERIFY(!f.fakes.clipboard.lastText);
        QCOMPARE(f.fakes.clipboard.lastImage->size(), QSize(1, 1));
        QCOMPARE(f.fakes.clipboard.lastImage->pixelColor(0, 0), QColor(255, 128, 0));
        QVERIFY(!Look(f.window).cmdCopy()->hasFocus());
        QTest::mouseClick(Look(f.window).cmdCopy2(), Qt::LeftButton);
        QCOMPARE(f.fakes.clipboard.lastImage->pixelColor(0, 0), QColor(0, 0, 255));
    }

    void doubleClickOnASwatchCopiesItsPicture()
    {
        MainWindowFixture f;
        f->setColor(QStringLiteral("33023"), true);
        QTest::mouseDClick(Look(f.window).picSelected(), Qt::LeftButton);
        QVERIFY(f.fakes.clipboard.lastImage);
        QCOMPARE(f.fakes.clipboard.lastImage->size(), Look(f.window).picSelected()->size());
        QCOMPARE(f.fakes.clipboard.lastImage->pixelColor(10, 10), QColor(255, 128, 0));
        QCOMPARE(f.fakes.clipboard.lastImage->pixelColor(0, 0), QColor(255, 128, 0));
    }

    void aFieldBeingEditedIsCopiedAsTyped()
    {
        MainWindowFixture f;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* green = Look(f.window).codeFrame(ColorSlot::One)->field(CodeField::Green);
        green->setFocus(Qt::MouseFocusReason);
        green->selectAll();
        QTest::keyClicks(green, QStringLiteral("12x"));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command13")), Qt::LeftButton);
        QCOMPARE(f.fakes.clipboard.lastText, QStringLiteral("0, 12x, 0"));
        // The copy moves the focus on, which abandons the unconfirmed entry.
        QVERIFY(!green->hasFocus());
        QCOMPARE(green->text(), QStringLiteral("0"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
    }
};

QTEST_MAIN(CopyButtonsTest)
#include "CopyButtonsTest.moc"
