#include "history/ColorHistory.h"
#include "history/HistoryWindow.h"
#include "tests/gui/MainWindowFixture.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tw;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

constexpr core::ColorValue kRed = 0x0000FF;
constexpr core::ColorValue kBlue = 0xFF0000;
constexpr core::ColorValue kOlive = 0x008080;

const QString kHistory = QStringLiteral("History");

// The history as the texts of keys "1" to "10"; empty where there is no key.
QStringList Stored(const platform::SettingsStore& settings)
{
    QStringList texts;
    for (int number = 1; number <= ColorHistory::kSize; ++number)
        texts << settings.read(kHistory, QString::number(number));
    return texts;
}

QStringList Texts(std::initializer_list<const char*> first)
{
    QStringList texts;
    for (const char* text : first)
        texts << QString::fromLatin1(text);
    while (texts.size() < ColorHistory::kSize)
        texts << QString();
    return texts;
}

void Pick(MainWindowFixture& f, core::ColorValue color, bool forColor2 = false)
{
    QVERIFY(f->setColor(QString::number(color), forColor2));
}

HistoryWindow* OpenHistory(MainWindowFixture& f)
{
    Look(f.window).action("mnuHistory")->trigger();
    auto* window = f->findChild<HistoryWindow*>(QStringLiteral("frmHistory"));
    if (window && !QTest::qWaitForWindowExposed(window))
        qWarning("history window not exposed");
    return window;
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpRecordsNothing()
    {
        MainWindowFixture f;
        // Both colours were set to black while starting.
        QCOMPARE(Stored(f.fakes.settings), Texts({}));
        f.colors().setStartingUp(true);
        Pick(f, kRed);
        QCOMPARE(Stored(f.fakes.settings), Texts({}));
    }

    void theNewestEntryIsNeverRepeated()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        Pick(f, kRed);
        Pick(f, kRed, true);
        QCOMPARE(Stored(f.fakes.settings), Texts({ "255" }));
        Pick(f, kBlue);
        Pick(f, kRed);
        // Only the newest entry is compared: red is recorded again further up.
        QCOMPARE(Stored(f.fakes.settings), Texts({ "255", "16711680", "255" }));
    }

    void theEleventhColourDropsTheOldest()
    {
        MainWindowFixture f;
        for (int i = 1; i <= 11; ++i)
            Pick(f, i * 1000);
        QStringList expected;
        for (int i = 11; i >= 2; --i)
            expected << QString::number(i * 1000);
        QCOMPARE(Stored(f.fakes.settings), expected);
    }

    void oneCallIsOneWrite()
    {
        MainWindowFixture f;
        for (int i = 1; i <= 10; ++i)
            Pick(f, i);
        const int writes = f.fakes.settings.writeCount();
        f.colors().take(ColorSlot::One, kOlive, WithoutRecord());
        f->History(1);
        QCOMPARE(f.fakes.settings.writeCount(), writes + 1);
        QCOMPARE(Stored(f.fakes.settings).first(), QString::number(kOlive));
    }

    void emptySlotsStayWhereTheyAre()
    {
        MainWindowFixture f;
        // Written by hand or by an older version: a gap at "2", a text that is no colour at "3".
        QVERIFY(
            f.fakes.settings.apply(kHistory, { { "1", "255" }, { "3", "not a colour" }, { "9", "7" }, { "10", "8" } }));
        Pick(f, kBlue);
        QCOMPARE(Stored(f.fakes.settings), Texts({ "16711680", "255", "", "not a colour", "", "", "", "", "", "7" }));
        QCOMPARE(ColorHistory(f.fakes.settings).entries()[3], std::nullopt);
    }

    void aFailedWriteChangesNothingAndIsToldOnce()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        f.fakes.settings.setFailWrites(true);
        Pick(f, kBlue);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kBlue);
        QCOMPARE(Stored(f.fakes.settings), Texts({ "255" }));
        // The user learns once which file could not be written and why; the program goes on working.
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QVERIFY(f.fakes.prompter.prompts[0].text.contains(f.fakes.settings.lastError()));
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        Pick(f, kOlive);
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kOlive);
    }

    void theWindowShowsTheEntriesAndEmptyBoxes()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        Pick(f, kBlue);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);
        QVERIFY(window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("Color History"));
        QCOMPARE(
            window->lblHeading->text(), QStringLiteral("Displays recently used colors for Color #1 and Color #2:"));
        QCOMPARE(window->lblHint->text(),
            QStringLiteral(
                "Hint: Left-click a color to assign it as Color #1, right-click a color to assign it as Color #2"));
        QCOMPARE(window->Command1->text(), QStringLiteral("Clear History"));
        QCOMPARE(window->picHistory[0]->objectName(), QStringLiteral("picHistory0"));
        QCOMPARE(window->picHistory[0]->color(), kBlue);
        QCOMPARE(window->picHistory[1]->color(), kRed);
        for (std::size_t i = 2; i < 10; ++i)
            QCOMPARE(window->picHistory[i]->color(), core::kEmptyColor);
        QCOMPARE(window->picHistory[9]->size(), QSize(33, 33));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblNumber9"))->text(), QStringLiteral("10"));
        window->close();
        QTRY_VERIFY(!f->findChild<HistoryWindow*>());
    }

    void leftPressGivesColor1AndRightPressColor2()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        Pick(f, kBlue);
        Pick(f, kOlive, true);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);

        QTest::mousePress(window->picHistory[2], Qt::LeftButton); // red
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), kOlive);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 0);
        QCOMPARE(f.text(ColorSlot::One, CodeField::Html), QStringLiteral("#FF0000"));
        QCOMPARE(Stored(f.fakes.settings).first(), QString::number(kRed));

        QTest::mousePress(window->picHistory[1], Qt::RightButton); // blue
        QCOMPARE(Look(f.window).color(ColorSlot::Two), kBlue);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(Look(f.window).Combo1()->currentIndex(), 1);
        QCOMPARE(f.text(ColorSlot::Two, CodeField::Html), QStringLiteral("#0000FF"));
        QCOMPARE(Stored(f.fakes.settings).first(), QString::number(kBlue));

        QTest::mousePress(window->picHistory[0], Qt::MiddleButton);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), kBlue);
        // The window stays open and shows the list as it was when it opened.
        QVERIFY(window->isVisible());
        QCOMPARE(window->picHistory[0]->color(), kOlive);
    }

    void aBoxWithoutAnEntryGivesNothing()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);
        const int writes = f.fakes.settings.writeCount();
        QTest::mousePress(window->picHistory[5], Qt::LeftButton);
        QTest::mousePress(window->picHistory[5], Qt::RightButton);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kRed);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), 0);
        QCOMPARE(f.fakes.settings.writeCount(), writes);
    }

    void clearHistoryAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << static_cast<int>(platform::PromptAnswer::Yes);
        QTest::newRow("No") << static_cast<int>(platform::PromptAnswer::No);
    }
    void clearHistoryAsksFirst()
    {
        QFETCH(int, answer);
        const bool yes = answer == static_cast<int>(platform::PromptAnswer::Yes);
        MainWindowFixture f;
        Pick(f, kRed);
        Pick(f, kBlue);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);
        f.fakes.prompter.answers = { static_cast<platform::PromptAnswer>(answer) };
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "Are you sure you want to clear the Color History?" });
        const platform::Prompt& prompt = f.fakes.prompter.prompts[0];
        QCOMPARE(prompt.icon, core::MessageIcon::Question);
        QCOMPARE(prompt.buttons, platform::PromptButtons::YesNo);
        QCOMPARE(prompt.title, QStringLiteral("Tintwise Color Picker"));
        QCOMPARE(window->picHistory[0]->color(), yes ? core::kEmptyColor : kBlue);
        QCOMPARE(Stored(f.fakes.settings), yes ? Texts({}) : Texts({ "16711680", "255" }));
        window->close();
        QTRY_VERIFY(!f->findChild<HistoryWindow*>());

        // Reopened, the window shows what the store holds; an emptied box gives nothing.
        window = OpenHistory(f);
        QVERIFY(window);
        QCOMPARE(window->picHistory[1]->color(), yes ? core::kEmptyColor : kRed);
        QTest::mousePress(window->picHistory[0], Qt::LeftButton);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kBlue);
    }

    void aFailedClearingKeepsTheEntries()
    {
        MainWindowFixture f;
        Pick(f, kRed);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);
        f.fakes.settings.setFailWrites(true);
        f.fakes.prompter.answers = { platform::PromptAnswer::Yes };
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(f.fakes.prompter.prompts.size(), 2);
        QCOMPARE(f.fakes.prompter.prompts[1].icon, core::MessageIcon::Exclamation);
        QCOMPARE(window->picHistory[0]->color(), kRed);
        QCOMPARE(Stored(f.fakes.settings), Texts({ "255" }));
        window->close();
    }

    void staysOnTopWhenTheMainWindowDoes()
    {
        MainWindowFixture f;
        Look(f.window).action("mnuTop")->setChecked(true);
        HistoryWindow* window = OpenHistory(f);
        QVERIFY(window);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window->close();
        QTRY_VERIFY(!f->findChild<HistoryWindow*>());
        Look(f.window).action("mnuTop")->setChecked(false);
        window = OpenHistory(f);
        QVERIFY(window);
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
