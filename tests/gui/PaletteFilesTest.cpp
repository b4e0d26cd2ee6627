#include "files/PaletteFiles.h"
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "palette/PaletteGrid.h"
#include "tests/gui/MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tw;
using platform::PromptAnswer;
using tw::test::Look;
using tw::test::MainWindowFixture;

namespace {

const QString kInvalid = QStringLiteral("This is not a valid color palette and it cannot be read");

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Encoded(const std::string& plain)
{
    return QByteArray::fromStdString(core::EncodeFileText(plain, core::SystemUnitRandom()) + "\r\n");
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string PlainOf(const QString& path)
{
    QByteArray bytes = ReadBytes(path);
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    return core::DecodeFileText(bytes.toStdString());
}

// A palette with a few colours and empty boxes, nothing like the default one.
core::Palette Sample()
{
    core::Palette palette = core::EmptyPalette();
    palette[0] = 0;
    palette[1] = core::kWhite;
    palette[17] = 33023;
    palette[39] = 12345;
    return palette;
}

QString Cap(MainWindowFixture& f)
{
    return f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("Cap"));
}

} // namespace

class PaletteFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paletteSurvivesSaveAndOpen()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("colours.tcpp"));
        MainWindowFixture f;
        QVERIFY(Look(f.window).action("mnuPS")->isEnabled());
        Look(f.window).fraPal()->setPalette(Sample());
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuPS")->trigger();
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), 1);
        QCOMPARE(PlainOf(path), core::BuildPaletteText(Sample()));
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker - colours.tcpp"));
        QCOMPARE(Cap(f), QStringLiteral("Tintwise Color Picker - colours.tcpp"));
        const auto save = f.fakes.fileDialogs.requests.last();
        QVERIFY(save.save);
        QCOMPARE(save.title, QStringLiteral("Save Color Palette"));
        QCOMPARE(save.filterDescription, QStringLiteral("Tintwise Color Picker Palette (*.tcpp)"));
        QCOMPARE(save.pattern, QStringLiteral("*.tcpp"));

        // A second save of the same palette writes other bytes that mean the same.
        f.fakes.fileDialogs.answers = { folder.filePath(QStringLiteral("again.tcpp")) };
        Look(f.window).action("mnuPS")->trigger();
        QVERIFY(ReadBytes(folder.filePath(QStringLiteral("again.tcpp"))) != bytes);
        QCOMPARE(PlainOf(folder.filePath(QStringLiteral("again.tcpp"))), core::BuildPaletteText(Sample()));

        MainWindowFixture other;
        other.fakes.fileDialogs.answers = { path };
        Look(other.window).action("mnuPO")->trigger();
        QCOMPARE(Look(other.window).fraPal()->palette(), Sample());
        QVERIFY(other.fakes.prompter.prompts.isEmpty());
        QCOMPARE(other->windowTitle(), QStringLiteral("Tintwise Color Picker - colours.tcpp"));
        QCOMPARE(Cap(other), QStringLiteral("Tintwise Color Picker - colours.tcpp"));
        const auto open = other.fakes.fileDialogs.requests.last();
        QVERIFY(!open.save);
        QCOMPARE(open.title, QStringLiteral("Open Color Palette"));
        QCOMPARE(open.filterDescription, QStringLiteral("Tintwise Color Picker Palette (*.tcpp)"));
    }

    void filesThatAreNoPaletteAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the path is made a folder or left missing
        QTest::addColumn<QString>("kind");
        const std::string values39 = [] {
            std::string text = "Pal";
            for (int i = 0; i < 39; ++i)
                text += " 1";
            return text;
        }();
        QTest::newRow("plain text without the encoding")
            << QByteArray::fromStdString(core::BuildPaletteText(Sample()) + "\r\n") << "file";
        QTest::newRow("39 values") << Encoded(values39) << "file";
        QTest::newRow("a value that is no number") << Encoded(values39 + " x") << "file";
        QTest::newRow("a colour file") << Encoded("1255") << "file";
        QTest::newRow("truncated encoding") << Encoded(core::BuildPaletteText(Sample())).left(200) << "file";
        QTest::newRow("garbage") << QByteArray("\x01\xff\x00zz", 5) << "file";
        QTest::newRow("empty file") << QByteArray() << "file";
        QTest::newRow("oversized") << (Encoded(core::BuildPaletteText(Sample())) + QByteArray(70 * 1024, ' '))
                                   << "file";
    }
    void filesThatAreNoPaletteAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.tcpp"));
        if (kind == QStringLiteral("file"))
            WriteBytes(path, content);
        else if (kind == QStringLiteral("folder"))
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("bad.tcpp")));
        MainWindowFixture f;
        Look(f.window).fraPal()->setPalette(Sample());
        Look(f.window).setCurrentFileName(QStringLiteral("before.tcpp"));
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuPO")->trigger();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { kInvalid });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Exclamation);
        QCOMPARE(Look(f.window).fraPal()->palette(), Sample());
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker - before.tcpp"));
        QCOMPARE(f->currentFileName(), QStringLiteral("before.tcpp"));
    }

    void cancelledDialogsChangeNothing()
    {
        MainWindowFixture f;
        const int writes = f.fakes.settings.writeCount();
        Look(f.window).action("mnuPO")->trigger();
        Look(f.window).action("mnuPS")->trigger();
        QCOMPARE(f.fakes.fileDialogs.requests.size(), 2);
        QCOMPARE(Look(f.window).fraPal()->palette(), core::DefaultPalette());
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
        QCOMPARE(f.fakes.settings.writeCount(), writes);
    }

    void newAndDefaultAskFirst_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");
        QTest::addColumn<core::Palette>("result");
        QTest::newRow("new") << "mnuPNew"
                             << "Do you want to create a new color palette? This will clear the current palette."
                             << core::EmptyPalette();
        QTest::newRow("default") << "mnuPD"
                                 << "Do you want to load the default color palette? This will clear the current "
                                    "palette."
                                 << core::DefaultPalette();
    }
    void newAndDefaultAskFirst()
    {
        QFETCH(QString, item);
        QFETCH(QString, question);
        QFETCH(core::Palette, result);
        MainWindowFixture f;
        Look(f.window).fraPal()->setPalette(Sample());
        Look(f.window).setCurrentFileName(QStringLiteral("mine.tcpp"));
        f.fakes.prompter.answers = { PromptAnswer::No };
        Look(f.window).action(item.toLatin1().constData())->trigger();
        QCOMPARE(f.fakes.prompter.texts(), QStringList { question });
        QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Question);
        QCOMPARE(f.fakes.prompter.prompts[0].buttons, platform::PromptButtons::YesNo);
        QCOMPARE(Look(f.window).fraPal()->palette(), Sample());
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker - mine.tcpp"));

        f.fakes.prompter.answers = { PromptAnswer::Yes };
        Look(f.window).action(item.toLatin1().constData())->trigger();
        QCOMPARE(Look(f.window).fraPal()->palette(), result);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker "));
        QCOMPARE(Cap(f), QStringLiteral("Tintwise Color Picker "));
        QVERIFY(f->currentFileName().isEmpty());
    }

    void saveAsOffersOnlyAPaletteName_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("offered");
        QTest::newRow("palette") << "a.tcpp"
                                 << "a.tcpp";
        QTest::newRow("upper case") << "B.TcPP"
                                    << "B.TcPP";
        QTest::newRow("colour file") << "c.tcpc" << QString();
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("short") << "tcpp" << QString();
    }
    void saveAsOffersOnlyAPaletteName()
    {
        QFETCH(QString, current);
        QFETCH(QString, offered);
        MainWindowFixture f;
        Look(f.window).setCurrentFileName(current);
        Look(f.window).action("mnuPS")->trigger();
        QCOMPARE(f.fakes.fileDialogs.requests.last().defaultName, offered);
    }

    void aFailedSaveSaysSoAndKeepsEverything()
    {
        QTemporaryDir folder;
        MainWindowFixture f;
        Look(f.window).setCurrentFileName(QStringLiteral("kept.tcpp"));
        // A folder where the file should go, and a path inside a folder that does not exist.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.tcpp")));
        for (const QString& path :
            { folder.filePath(QStringLiteral("taken.tcpp")), folder.filePath(QStringLiteral("none/x.tcpp")) }) {
            f.fakes.prompter.clear();
            f.fakes.fileDialogs.answers = { path };
            Look(f.window).action("mnuPS")->trigger();
            QCOMPARE(f.fakes.prompter.prompts.size(), 1);
            QVERIFY2(
                f.fakes.prompter.prompts[0].text.startsWith(QStringLiteral("The file could not be saved:\n") + path),
                qPrintable(f.fakes.prompter.prompts[0].text));
            QCOMPARE(f.fakes.prompter.prompts[0].icon, core::MessageIcon::Critical);
            QCOMPARE(f->windowTitle(), QStringLiteral("Tintwise Color Picker - kept.tcpp"));
        }
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("taken.tcpp"))).isDir());
    }

    void saveReplacesAnExistingFileWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.tcpp"));
        WriteBytes(path, QByteArray(5000, 'x'));
        MainWindowFixture f;
        f.fakes.fileDialogs.answers = { path };
        Look(f.window).action("mnuPS")->trigger();
        QCOMPARE(PlainOf(path), core::BuildPaletteText(core::DefaultPalette()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "old.tcpp" });
    }
};

QTEST_MAIN(PaletteFilesTest)
#include "PaletteFilesTest.moc"
