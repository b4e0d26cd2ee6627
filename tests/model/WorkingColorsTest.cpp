#include "model/WorkingColors.h"

#include <QSignalSpy>
#include <QTest>

using namespace tw;

class WorkingColorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aTakeRecordsOnceAndMakesTheColourCurrent()
    {
        WorkingColors colors;
        QSignalSpy changed(&colors, &WorkingColors::changed);
        QSignalSpy current(&colors, &WorkingColors::currentChanged);
        QSignalSpy recorded(&colors, &WorkingColors::recorded);
        colors.take(ColorSlot::Two, 0x0080FF);
        QCOMPARE(colors.color(ColorSlot::Two), 0x0080FF);
        QVERIFY(colors.isSet(ColorSlot::Two));
        QVERIFY(!colors.isSet(ColorSlot::One));
        QCOMPARE(colors.current(), ColorSlot::Two);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(current.count(), 1);
        QCOMPARE(recorded.count(), 1);
        QCOMPARE(recorded[0][0].value<ColorSlot>(), ColorSlot::Two);
        QCOMPARE(recorded[0][1].value<core::ColorValue>(), 0x0080FF);
        // The notations are those of the value taken, computed once for the change.
        QCOMPARE(colors.notations(ColorSlot::Two).html, std::string("#FF8000"));
        QCOMPARE(colors.notations(ColorSlot::Two).vb, std::string("&H80FF&"));
    }

    void whatATakeLeavesOut_data()
    {
        QTest::addColumn<bool>("record");
        QTest::addColumn<bool>("makeCurrent");
        QTest::addColumn<bool>("startingUp");
        QTest::addColumn<int>("recorded");
        QTest::addColumn<ColorSlot>("current");
        QTest::newRow("everything") << true << true << false << 1 << ColorSlot::Two;
        QTest::newRow("without recording") << false << true << false << 0 << ColorSlot::Two;
        QTest::newRow("not made current") << true << false << false << 1 << ColorSlot::One;
        QTest::newRow("while starting") << true << true << true << 0 << ColorSlot::Two;
    }
    void whatATakeLeavesOut()
    {
        QFETCH(bool, record);
        QFETCH(bool, makeCurrent);
        QFETCH(bool, startingUp);
        QFETCH(int, recorded);
        QFETCH(ColorSlot, current);
        WorkingColors colors;
        colors.setStartingUp(startingUp);
        QSignalSpy records(&colors, &WorkingColors::recorded);
        TakeOptions options;
        options.record = record ? Record::Yes : Record::No;
        options.makeCurrent = makeCurrent ? MakeCurrent::Yes : MakeCurrent::No;
        colors.take(ColorSlot::Two, 0x123456, options);
        QCOMPARE(records.count(), recorded);
        QCOMPARE(colors.current(), current);
        QCOMPARE(colors.color(ColorSlot::Two), 0x123456);
    }

    void aColourChosenByHslShowsItsTripleUntilTheNextTake()
    {
        WorkingColors colors;
        const core::Hsl chosen { 17, 240, 120 };
        colors.take(ColorSlot::One, core::HslToRgb(chosen), ShowingHsl(chosen));
        QCOMPARE(colors.hsl(ColorSlot::One), chosen);
        QCOMPARE(colors.notations(ColorSlot::One).hue, std::string("17"));
        colors.take(ColorSlot::One, colors.color(ColorSlot::One));
        QCOMPARE(colors.hsl(ColorSlot::One), core::RgbToHsl(colors.color(ColorSlot::One)));
    }

    void setColorTakesOnlyColourValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("color");
        QTest::newRow("decimal") << "33023" << true << 33023;
        QTest::newRow("blanks around") << " 255 " << true << 255;
        QTest::newRow("white") << "16777215" << true << 0xFFFFFF;
        QTest::newRow("a system colour constant") << "-2147483633" << true << 0xC0D0E0; // 0x8000000F, button face
        QTest::newRow("beyond white") << "16777216" << false << 0;
        QTest::newRow("negative, no constant") << "-5" << false << 0;
        QTest::newRow("hex") << "0xFF" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("huge") << "99999999999999999999999" << false << 0;
        QTest::newRow("trailing garbage") << "12abc" << false << 0;
    }
    void setColorTakesOnlyColourValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, color);
        WorkingColors colors;
        QSignalSpy changed(&colors, &WorkingColors::changed);
        const auto lookup = [](int index) { return index == 15 ? 0xC0D0E0 : 0; };
        QCOMPARE(colors.setColor(text.toStdString(), false, lookup), accepted);
        QCOMPARE(changed.count(), accepted ? 1 : 0);
        QCOMPARE(colors.color(ColorSlot::One), color);
        QCOMPARE(colors.isSet(ColorSlot::One), accepted);
    }
};

QTEST_GUILESS_MAIN(WorkingColorsTest)
#include "WorkingColorsTest.moc"
