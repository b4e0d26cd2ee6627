#include "files/ColorFiles.h"
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "palette/PaletteGrid.h"
#include "tests/gui/MainWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tw;
using tw::test::FakeServices;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

const QString kCorrupt = QStringLiteral("Cannot read file due to possible data corruption.");
constexpr core::ColorValue kOrange = 33023; // 255, 128, 0

QString WriteEncoded(const QTemporaryDir& folder, const QString& name, const std::string& plain)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromStdString(core::EncodeFileText(plain, core::SystemUnitRandom()) + "\r\n"));
    return path;
}

std::string PlainOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return core::DecodeFileText(file.readAll().trimmed().toStdString());
}

QString Cap(FakeServices& fakes)
{
    return fakes.settings.read(QStringLiteral("Main"), QStringLiteral("Cap"));
}

// A window that starts the way the program starts it, with a file on its command line.
struct StartedWith {
    FakeServices fakes;
    MainWindow window { fakes.services() };
    QSignalSpy history { &window.colors(), &WorkingColors::recorded };

    explicit StartedWith(const QString& path)
    {
        window.setCommandLine(path);
        window.continueFormLoad();
        window.show();
    }
};

} // namespace

class ColorFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aColourSavedFromEitherOpensAsEither()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("orange.tcpc"));
        MainWindowFixture f;
        f->setColor(QString::number(kOrange), true);
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuSave2")->trigger();
        QCOMPARE(PlainOf(path), std::string("233023"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker - orange.tcpc"));
        QCOMPARE(Cap(f.fakes), QStringLiteral("Tintwise Color Picker - orange.tcpc"));
        const auto save = f.fakes.fileDialogs.requests.last();
        QCOMPARE(save.title, QStringLiteral("Save Color #2"));
        QCOMPARE(save.filterDescription, QStringLiteral("Tintwise Color Picker Color (*.tcpc)"));
        QCOMPARE(save.pattern, QStringLiteral("*.tcpc"));

        MainWindowFixture other;
        other->setColor(QString::number(core::kWhite), true);
        QSignalSpy history(&other.window.colors(), &WorkingColors::recorded);
        other.fakes.fileDialogs.answers = { path };
        Look(other.window).action("mnuOpen1")->trigger();
        QCOMPARE(other.fakes.fileDialogs.requests.last().title, QStringLiteral("Open Color as Color #1"));
        QCOMPARE(Look(other.window).color(ColorSlot::One), kOrange);
        QCOMPARE(other.text(ColorSlot::One, CodeField::Html), QStringLiteral("#FF8000"));
        QCOMPARE(other.text(ColorSlot::One, CodeField::Hue), QStringLiteral("20"));
        QCOMPARE(Look(other.window).color(ColorSlot::Two), core::kWhite);
        QCOMPARE(Look(other.window).Combo1()->currentIndex(), 0);
        QCOMPARE(history.size(), 1);
        QCOMPARE(HistoryNumberOf(history[0][0].value<ColorSlot>()), 1);
        QCOMPARE(other->windowTitle(), QStringLiteral("Tintwise Color Picker - orange.tcpc"));
        QCOMPARE(Look(other.window).fraPal()->palette(), core::DefaultPalette());

        other.fakes.fileDialogs.answers = { path };
        Look(other.window).action("mnuOpen2")->trigger();
        QCOMPARE(other.fakes.fileDialogs.requests.last().title, QStringLiteral("Open Color as Color #2"));
        QCOMPARE(Look(other.window).color(ColorSlot::Two), kOrange);
        QCOMPARE(other.text(ColorSlot::Two, CodeField::Vb), QStringLiteral("&H80FF&"));
        QCOMPARE(history.size(), 2);
        QCOMPARE(HistoryNumberOf(history[1][0].value<ColorSlot>()), 2);
        QVERIFY(other.fakes.prompter.prompts.isEmpty());
    }

    void whiteSavedAsColour1()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("white.tcpc"));
        MainWindowFixture f;
        f->setColor(QString::number(core::kWhite), false);
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuSave1")->trigger();
        QCOMPARE(PlainOf(path), std::string("116777215"));
        f->setColor(QStringLiteral("0"), false);
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuOpen1")->trigger();
        QCOMPARE(f.text(ColorSlot::One, CodeField::Red), QStringLiteral("255"));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Green), QStringLiteral("255"));
        QCOMPARE(f.text(ColorSlot::One, CodeField::Blue), QStringLiteral("255"));
    }

    void filesThatAreNoColourAreRefused_data()
    {
        QTest::addColumn<QString>("plain"); // empty: no file at all
        QTest::newRow("palette") << QString::fromStdString(core::BuildPaletteText(core::DefaultPalette()));
        QTest::newRow("digit 3") << "3255";
        QTest::newRow("digit without a number") << "1";
        QTest::newRow("digit and text") << "1abc";
        QTest::newRow("out of range") << "116777216";
    }
    void filesThatAreNoColourAreRefused()
    {
        QFETCH(QString, plain);
        QTemporaryDir folder;
        const QString path = WriteEncoded(folder, QStringLiteral("bad.tcpc"), plain.toStdString());
        MainWindowFixture f;
        f->setColor(QString::number(kOrange), false);
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuOpen1")->trigger();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { "This is not a valid Color file and it cannot be read" });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kOrange);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());
        QCOMPARE(history.size(), 0);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
    }

    void saveOffersOnlyAColourNameAndThePaletteSaveThenNone()
    {
        QTemporaryDir folder;
        MainWindowFixture f;
        Look(f.window).setCurrentFileName(QStringLiteral("set.tcpp"));
        Look(f.window).action("mnuSave1")->trigger();
        QCOMPARE(f.fakes.fileDialogs.requests.last().defaultName, QString());
        f.fakes.fileDialogs.answers = { folder.filePath(QStringLiteral("One.TCPC")) };
        Look(f.window).action("mnuSave1")->trigger();
        Look(f.window).action("mnuSave2")->trigger();
        QCOMPARE(f.fakes.fileDialogs.requests.last().defaultName, QStringLiteral("One.TCPC"));
        Look(f.window).action("mnuPS")->trigger();
        QCOMPARE(f.fakes.fileDialogs.requests.last().defaultName, QString());
    }

    void aFailedColourSaveSaysSo()
    {
        QTemporaryDir folder;
        MainWindowFixture f;
        f.fakes.fileDialogs.answers = { folder.filePath(QStringLiteral("missing/x.tcpc")) };
        Look(f.window).action("mnuSave1")->trigger();
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
        QVERIFY(f->currentFileName().isEmpty());
    }

    void commandLineOpensEitherKindWithoutHistory_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("colour 1") << "133023";
        QTest::newRow("colour 2") << "233023";
        QTest::newRow("palette") << QString::fromStdString(core::BuildPaletteText(core::EmptyPalette()));
    }
    void commandLineOpensEitherKindWithoutHistory()
    {
        QFETCH(QString, plain);
        QTemporaryDir folder;
        const QString path = WriteEncoded(folder, QStringLiteral("given.tcpx"), plain.toStdString());
        StartedWith start(path);
        QVERIFY(start.fakes.prompter.prompts.isEmpty());
        QCOMPARE(start.history.size(), 0);
        QCOMPARE(start.window.windowTitle(), QStringLiteral("Tintwise Color Picker - given.tcpx"));
        QCOMPARE(Cap(start.fakes), QStringLiteral("Tintwise Color Picker - given.tcpx"));
        const bool palette = plain.startsWith(QStringLiteral("Pal"));
        const bool two = plain.startsWith(QLatin1Char('2'));
        QCOMPARE(Look(start.window).fraPal()->palette(), palette ? core::EmptyPalette() : core::DefaultPalette());
        QCOMPARE(Look(start.window).color(ColorSlot::One), !palette && !two ? kOrange : 0);
        QCOMPARE(Look(start.window).color(ColorSlot::Two), two ? kOrange : 0);
        QCOMPARE(Look(start.window).codeFrame(two ? ColorSlot::Two : ColorSlot::One)->field(CodeField::Html)->text(),
            palette ? QStringLiteral("#000000") : QStringLiteral("#FF8000"));
        QVERIFY(Look(start.window).lblEmpty()->isHidden());
        QVERIFY(Look(start.window).lblEmpty2()->isHidden());
        // After start-up the history records again.
        start.window.setColor(QStringLiteral("255"), false);
        QCOMPARE(start.history.size(), 1);
    }

    void commandLineRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QString>("plain"); // empty: the path names no file
        QTest::newRow("unknown text") << "hello";
        QTest::newRow("short palette") << "Pal 1 2 3";
        QTest::newRow("colour digit without number") << "2x";
    }
    void commandLineRefusesWhatItCannotRead()
    {
        QFETCH(QString, plain);
        QTemporaryDir folder;
        const QString path = WriteEncoded(folder, QStringLiteral("bad.tcpc"), plain.toStdString());
        StartedWith start(path);
        QCOMPARE(start.fakes.prompter.texts(), QStringList { kCorrupt });
        QCOMPARE(start.fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
        QCOMPARE(start.window.windowTitle(), QStringLiteral("Tintwise Color Picker "));
        QCOMPARE(Look(start.window).fraPal()->palette(), core::DefaultPalette());
        QCOMPARE(Look(start.window).color(ColorSlot::One), 0);
        QCOMPARE(Look(start.window).color(ColorSlot::Two), 0);
        QVERIFY(Cap(start.fakes).isEmpty());
    }

    void aFileThatCannotBeReadIsNamedWithWhatHappened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reader"); // "command line", "colour" or "palette"
        QTest::addColumn<QString>("said");
        for (const char* reader : { "command line", "colour", "palette" }) {
            QTest::addRow("missing, %s", reader) << "missing" << reader << "The file does not exist:\n%1";
            QTest::addRow("folder, %s", reader) << "folder" << reader << "This is a folder, not a file:\n%1";
            QTest::addRow("pipe, %s", reader)
                << "pipe" << reader << "This is not a regular file (a device or a pipe), so it is not read:\n%1";
            if (::geteuid() != 0) // root reads any file
                QTest::addRow("unreadable, %s", reader)
                    << "unreadable" << reader << "The file cannot be read: Permission denied\n%1";
        }
    }
    void aFileThatCannotBeReadIsNamedWithWhatHappened()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reader);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("x.tcpc"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("x.tcpc")));
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("unreadable"))
            QVERIFY(WriteEncoded(folder, QStringLiteral("x.tcpc"), "1255") == path
                && QFile::setPermissions(path, QFileDevice::WriteOwner));
        const QString expected = said.arg(path);
        if (reader == QLatin1String("command line")) {
            StartedWith start(path);
            QCOMPARE(start.fakes.prompter.texts(), QStringList { expected });
            QCOMPARE(start.fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
            QCOMPARE(start.window.windowTitle(), QStringLiteral("Tintwise Color Picker "));
            QCOMPARE(Look(start.window).color(ColorSlot::One), 0);
            return;
        }
        MainWindowFixture f;
        f->setColor(QString::number(kOrange), false);
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action(reader == QLatin1String("colour") ? "mnuOpen1" : "mnuPO")->trigger();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { expected });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(Look(f.window).color(ColorSlot::One), kOrange);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
    }

    void commandLineTakesARelativePathFromTheCurrentFolder()
    {
        QTemporaryDir folder;
        WriteEncoded(folder, QStringLiteral("here.tcpc"), "133023");
        const QString saved = QDir::currentPath();
        QDir::setCurrent(folder.path());
        StartedWith start(QStringLiteral("here.tcpc"));
        QDir::setCurrent(saved);
        QCOMPARE(Look(start.window).color(ColorSlot::One), kOrange);
        QCOMPARE(start.window.windowTitle(), QStringLiteral("Tintwise Color Picker - here.tcpc"));
    }

    void handOverOpensTheHandedFile_data()
    {
        QTest::addColumn<QString>("command"); // "good" and "bad" stand for the paths of such colour files
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("refused");
        QTest::newRow("colour file") << "good" << true << false;
        QTest::newRow("unreadable file") << "bad" << false << true;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("two characters") << "ab" << false << false;
    }
    void handOverOpensTheHandedFile()
    {
        QFETCH(QString, command);
        QFETCH(bool, opened);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        const QString good = WriteEncoded(folder, QStringLiteral("handed.tcpc"), "233023");
        const QString bad = WriteEncoded(folder, QStringLiteral("bad.tcpc"), "nonsense");
        // An older start's path left in "Cmd" (its write of the new one failed) must not be opened.
        const QString stale = WriteEncoded(folder, QStringLiteral("stale.tcpc"), "1255");
        MainWindowFixture f;
        QSignalSpy history(&f.window.colors(), &WorkingColors::recorded);
        const QString path = command == QStringLiteral("good") ? good
            : command == QStringLiteral("bad")                 ? bad
                                                               : command;
        QVERIFY(f.fakes.settings.write(QStringLiteral("Main"), QStringLiteral("Cmd"), stale));
        f->setCommandLine(path);
        f->OpenHer();
        QCOMPARE(Look(f.window).color(ColorSlot::One), 0);
        QCOMPARE(Look(f.window).color(ColorSlot::Two), opened ? kOrange : 0);
        QCOMPARE(f->windowTitle(),
            opened ? QStringLiteral("Tintwise Color Picker - handed.tcpc") : QStringLiteral("Tintwise Color Picker "));
        QCOMPARE(f.fakes.prompter.texts(), refused ? QStringList { kCorrupt } : QStringList {});
        QCOMPARE(history.size(), 0);
        QVERIFY(f->isVisible());
    }
};

QTEST_MAIN(ColorFilesTest)
#include "ColorFilesTest.moc"
