#include "codes/Sliders.h"
#include "tests/gui/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

QScrollBar* Spin(MainWindowFixture& f, const char* name)
{
    auto* spin = f->findChild<QScrollBar*>(QString::fromLatin1(name));
    if (!spin)
        qFatal("no spin button %s", name);
    return spin;
}

// What a click on the upper (+1) or lower (-1) arrow does to the spin button: the upper arrow of a scroll bar
// lowers its value.
void Step(QScrollBar* spin, int delta)
{
    spin->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
}

} // namespace

class SlidersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theUpperArrowStepsUp()
    {
        MainWindowFixture f;
        QScrollBar* spin = Spin(f, "vsGreen2");
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 3));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Green), QStringLiteral("1"));
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Green), QStringLiteral("0"));
        QCOMPARE(spin->value(), 0);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0);
        QTRY_COMPARE(f.fakes.prompter.texts(), QStringList { "Each RGB value cannot be less than 0" });
        QVERIFY(spin->focusPolicy() == Qt::NoFocus);
    }

    void rgbStepsChangeTheColour()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x0A141E), true); // Color #2 current: 30, 20, 10
        Step(Spin(f, "vsBlue"), +1);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Blue), QStringLiteral("1"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x010000);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 0);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Html), QStringLiteral("#000001"));
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x0A141E);
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Red), QStringLiteral("30"));
        Step(Spin(f, "vsRed2"), -1);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x0A141D);
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Red), QStringLiteral("29"));
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 1);
    }

    void aHueStepOnBlackShowsItsMessageLater()
    {
        MainWindowFixture f;
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        Step(Spin(f, "vsHue"), +1);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
        QVERIFY(f.find<QTimer>("tmrMsg")->isActive());
        QTRY_COMPARE(f.fakes.prompter.texts(),
            QStringList { "Hue cannot be altered when color is true black (Red = 0, Green = 0, Blue = 0)" });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Information);
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Hue), QStringLiteral("160"));
        QVERIFY(!f.find<QTimer>("tmrMsg")->isActive());
        QVERIFY(!f.find<QTimer>("Timer1")->isActive());
        QCOMPARE(history.count(), 0);
    }

    void hslStepsAtTheirLimits_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("spin");
        QTest::addColumn<QString>("fieldText"); // written into the field before the step
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("message");

        const int red = 0x0000FF;
        QTest::newRow("hue 239 up") << red << "vsHue"
                                    << "239" << 1 << "239" << red << "";
        QTest::newRow("hue 0 down") << red << "vsHue"
                                    << "0" << -1 << "0" << red << "";
        QTest::newRow("hue 240 stays") << 0x0100FF << "vsHue"
                                       << "" << 1 << "240" << 0x0100FF << "";
        QTest::newRow("hue 0 up") << red << "vsHue"
                                  << "" << 1 << "1" << 0x0007FF << "";
        QTest::newRow("lum of white down") << 0xFFFFFF << "vsLum2"
                                           << "" << -1 << "239" << 0xFEFEFE << "";
        QTest::newRow("sat of white") << 0xFFFFFF << "vsSat2"
                                      << "" << -1 << "0" << 0xFFFFFF
                                      << "Sat cannot be altered when color is true white (Red = 255, Green = 255, "
                                         "Blue = 255)";
        QTest::newRow("sat 240 up") << red << "vsSat"
                                    << "" << 1 << "240" << red << "";
    }
    void hslStepsAtTheirLimits()
    {
        QFETCH(int, start);
        QFETCH(QString, spin);
        QFETCH(QString, fieldText);
        QFETCH(int, delta);
        QFETCH(QString, shown);
        QFETCH(int, color);
        QFETCH(QString, message);

        MainWindowFixture f;
        const bool second = spin.endsWith(QLatin1Char('2'));
        const ColorSlot slot = second ? ColorSlot::Two : ColorSlot::One;
        f->setColor(QString::number(start), second);
        QScrollBar* button = Spin(f, spin.toLatin1().constData());
        const CodeField field = spin.startsWith(QLatin1String("vsHue")) ? CodeField::Hue
            : spin.startsWith(QLatin1String("vsSat"))                   ? CodeField::Sat
                                                                        : CodeField::Lum;
        if (!fieldText.isEmpty())
            Look(f.window).codeFrame(slot)->field(field)->setText(fieldText);
        Step(button, delta);
        QCOMPARE(button->value(), 0);
        QCOMPARE(f.text(slot, field), shown);
        QCOMPARE(Look(f.window).color(slot), color);
        if (message.isEmpty()) {
            // No message is waiting to be shown.
            QVERIFY(!f.find<QTimer>("tmrMsg")->isActive());
            QVERIFY(f.fakes.prompter.prompts.isEmpty());
        } else {
            QTRY_COMPARE(f.fakes.prompter.texts(), QStringList { message });
        }
    }

    void hueStepsWalkEvenly()
    {
        // The HSL fields keep the stepped numbers although the colour is rounded to RGB at every step.
        MainWindowFixture f;
        f->setColor(QString::number(0x0000FF), false);
        for (int i = 1; i <= 30; ++i) {
            Step(Spin(f, "vsHue"), +1);
            QCOMPARE(f.text(ColorSlot::One, CodeField::Hue), QString::number(i));
            QCOMPARE(f.text(ColorSlot::One, CodeField::Sat), QStringLiteral("240"));
            QCOMPARE(f.text(ColorSlot::One, CodeField::Lum), QStringLiteral("120"));
        }
        QCOMPARE(Look(f.window).color(ColorSlot::One), core::HslToRgb({ 30, 240, 120 }));
    }

    void aRunOfQuickStepsIsRecordedOnce()
    {
        MainWindowFixture f;
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        for (int i = 0; i < 5; ++i)
            Step(Spin(f, "vsRed"), +1);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Red), QStringLiteral("5"));
        QVERIFY(f.find<QTimer>("Timer1")->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(history.count(), 1, 3000);
        QCOMPARE(HistoryNumberOf(history.first().first().value<ColorSlot>()), 1);
        // Timer1 stopped with the record: nothing more is recorded for the run.
        QVERIFY(!f.find<QTimer>("Timer1")->isActive());
    }

    void slidesActOnTheColourChosenInCombo1()
    {
        MainWindowFixture f;
        f->setColor(QString::number(0x0A141E), false);
        Look(f.window).Check1()->click();
        Look(f.window).Combo1()->setCurrentIndex(1);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        Look(f.window).hsbGreen()->setValue(200); // a drag of the thumb changes the value the same way, step by step
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x00C800);
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Green), QStringLiteral("200"));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#00C800"));
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Hue), QStringLiteral("80"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x0A141E);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Green), QStringLiteral("20"));
        // The run is recorded for the colour the slides act on.
        QTRY_COMPARE_WITH_TIMEOUT(history.count(), 1, 3000);
        QCOMPARE(HistoryNumberOf(history.first().first().value<ColorSlot>()), 2);

        Look(f.window).Combo1()->setCurrentIndex(0);
        QCOMPARE(Look(f.window).hsbGreen()->value(), 20);
        Look(f.window).hsbRed()->setValue(255);
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0x0A14FF);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0x00C800);
    }

    void leavingASlideRecordsItsColour()
    {
        MainWindowFixture f;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        Look(f.window).Check1()->click();
        Look(f.window).Combo1()->setCurrentIndex(1);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        QTest::mouseClick(Look(f.window).hsbBlue(), Qt::LeftButton, {},
            QPoint(Look(f.window).hsbBlue()->width() / 2, Look(f.window).hsbBlue()->height() / 2));
        QVERIFY(Look(f.window).hsbBlue()->hasFocus());
        QVERIFY(Look(f.window).color(ColorSlot::Two) != 0);
        Look(f.window).codeFrame(ColorSlot::One)->field(CodeField::Red)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(history.count(), 1);
        QCOMPARE(HistoryNumberOf(history.first().first().value<ColorSlot>()), 2);
    }

    void aFieldChangedBySpinKeepsItsText()
    {
        MainWindowFixture f;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit* red = Look(f.window).codeFrame(ColorSlot::One)->field(CodeField::Red);
        QLineEdit* green = Look(f.window).codeFrame(ColorSlot::One)->field(CodeField::Green);
        red->setFocus(Qt::MouseFocusReason);
        Step(Spin(f, "vsRed"), +1);
        QTest::mouseClick(green, Qt::LeftButton);
        QCOMPARE(red->text(), QStringLiteral("1"));
        QCOMPARE(Look(f.window).color(ColorSlot::One), 1);

        // The step belonged to that focus period only: an entry in the next field is still abandoned.
        green->selectAll();
        QTest::keyClicks(green, QStringLiteral("abc"));
        QTest::mouseClick(red, Qt::LeftButton);
        QCOMPARE(green->text(), QStringLiteral("0"));
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    void expandIsKeptInTheSettings()
    {
        test::FakeServices fakes;
        QVERIFY(fakes.settings.write(QStringLiteral("Main"), QStringLiteral("check1"), QStringLiteral("1")));
        MainWindow window(fakes.services());
        window.continueFormLoad();
        window.show();
        QVERIFY(Look(window).Check1()->isChecked());
        QVERIFY(Look(window).Frame3()->isVisible());
        Look(window).Check1()->click();
        window.saveSettings();
        QCOMPARE(fakes.settings.read(QStringLiteral("Main"), QStringLiteral("check1")), QStringLiteral("0"));
    }
};

QTEST_MAIN(SlidersTest)
#include "SlidersTest.moc"
