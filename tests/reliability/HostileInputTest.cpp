// Hostile input, one table each for the files named on the command line and for the settings file: every case
// has its outcome (the message the user sees, or defaults), nothing waits on a pipe or a device, and nothing
// the user saved is changed or lost.
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "core/ZoomGeometry.h"
#include "files/EncodedFile.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StartUp.h"
#include "model/WorkingColors.h"
#include "palette/PaletteGrid.h"
#include "platform/SettingsKeys.h"
#include "platform/qt/IniSettingsStore.h"
#include "tests/fakes/FakeServices.h"
#include "tests/fakes/FakeSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tw;
using tw::platform::IniSettingsStore;

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file text encoding with a fixed key, as the program reads it.
QByteArray Encoded(const std::string& plain)
{
    return QByteArray::fromStdString(core::EncodeFileText(plain, [] { return 0.25; }) + "\r\n");
}

QByteArray PaletteOf(int count, int value)
{
    std::string plain = "Pal";
    for (int i = 0; i < count; ++i)
        plain += ' ' + std::to_string(value + i);
    return Encoded(plain);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

const QString kCorrupt = QStringLiteral("Cannot read file due to possible data corruption.");

// A file for the command line: made under the folder, answering the path to give and the message expected
// (%1 stands for the path; empty for none).
struct FileCase {
    const char* name;
    std::function<QByteArray(const QString& folder)> make; // the path, as bytes
    QString message;
    bool opens = false; // the file is a palette or colour file that is opened
};

const FileCase kFileCases[] = {
    { "missing", [](const QString& f) { return QFile::encodeName(f + "/none.tcpc"); },
        QStringLiteral("The file does not exist:\n%1") },
    { "empty",
        [](const QString& f) {
            WriteAll(f + "/empty.tcpp", {});
            return QFile::encodeName(f + "/empty.tcpp");
        },
        kCorrupt },
    { "huge (sparse, 100 MiB)",
        [](const QString& f) {
            QFile file(f + "/huge.tcpp");
            if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(100) << 20))
                qFatal("cannot make the huge file");
            return QFile::encodeName(file.fileName());
        },
        kCorrupt },
    { "FIFO",
        [](const QString& f) {
            if (::mkfifo(QFile::encodeName(f + "/pipe.tcpp").constData(), 0600) != 0)
                qFatal("mkfifo: %s", std::strerror(errno));
            return QFile::encodeName(f + "/pipe.tcpp");
        },
        QStringLiteral("This is not a regular file (a device or a pipe), so it is not read:\n%1") },
    { "folder",
        [](const QString& f) {
            QDir(f).mkdir(QStringLiteral("folder.tcpp"));
            return QFile::encodeName(f + "/folder.tcpp");
        },
        QStringLiteral("This is a folder, not a file:\n%1") },
    { "symbolic link loop",
        [](const QString& f) {
            if (::symlink("loop-b.tcpp", QFile::encodeName(f + "/loop-a.tcpp").constData()) != 0
                || ::symlink("loop-a.tcpp", QFile::encodeName(f + "/loop-b.tcpp").constData()) != 0)
                qFatal("symlink: %s", std::strerror(errno));
            return QFile::encodeName(f + "/loop-a.tcpp");
        },
        QStringLiteral("The file cannot be read: %2\n%1").replace(QStringLiteral("%2"), SystemReason(ELOOP)) },
    { "/dev/zero", [](const QString&) { return QByteArray("/dev/zero"); },
        QStringLiteral("This is not a regular file (a device or a pipe), so it is not read:\n%1") },
    { "binary",
        [](const QString& f) {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes.append(static_cast<char>((i * 7919) % 256));
            WriteAll(f + "/binary.tcpp", bytes);
            return QFile::encodeName(f + "/binary.tcpp");
        },
        kCorrupt },
    { "palette of 39 values",
        [](const QString& f) {
            WriteAll(f + "/39.tcpp", PaletteOf(39, 100));
            return QFile::encodeName(f + "/39.tcpp");
        },
        kCorrupt },
    { "palette of 41 values: the first 40 are read",
        [](const QString& f) {
            WriteAll(f + "/41.tcpp", PaletteOf(41, 100));
            return QFile::encodeName(f + "/41.tcpp");
        },
        QString(), true },
    { "palette value out of range",
        [](const QString& f) {
            std::string plain = "Pal";
            for (int i = 0; i < 40; ++i)
                plain += i == 17 ? " 16777216" : " 5";
            WriteAll(f + "/range.tcpp", Encoded(plain));
            return QFile::encodeName(f + "/range.tcpp");
        },
        kCorrupt },
    { "colour value out of range",
        [](const QString& f) {
            WriteAll(f + "/range.tcpc", Encoded("1-1"));
            return QFile::encodeName(f + "/range.tcpc");
        },
        kCorrupt },
    { "name that is not UTF-8",
        [](const QString& f) {
            const QByteArray path = QFile::encodeName(f) + "/caf\xe9.tcpc";
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
            if (fd < 0 || ::write(fd, "x", 1) != 1 || ::close(fd) != 0)
                qFatal("cannot make the file with the Latin-1 name");
            return path;
        },
        QStringLiteral("The name of the file given on the command line is not valid text in this system's "
                       "encoding, so the file cannot be opened. Rename the file and open it again.") },
};

// A main window on the fakes, with the once-only tip taken as seen.
struct Window {
    test::FakeServices fakes;
    MainWindow window { fakes.services() };

    Window()
    {
        if (!fakes.settings.writeBool(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), true))
            qFatal("the memory store refused a write");
    }
    core::Palette palette() const { return window.findChild<PaletteGrid*>(QStringLiteral("fraPal"))->palette(); }
};

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFileOnTheCommandLine_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kFileCases)); ++i)
            QTest::newRow(kFileCases[i].name) << i;
    }
    void aFileOnTheCommandLine()
    {
        QFETCH(int, index);
        const FileCase& file = kFileCases[index];
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray raw = file.make(dir.path());
        const QString shown = QFile::decodeName(raw);
        // What the file holds, to see that it is unchanged; a big file by its size.
        const auto content = [&shown] {
            const QFileInfo info(shown);
            return !info.isFile()     ? QByteArray()
                : info.size() > 65536 ? QByteArray::number(info.size())
                                      : ReadAll(shown);
        };
        const QByteArray before = content();

        // At the start, and handed over by a later start to the running window: the same outcome either way.
        for (const bool handedOver : { false, true }) {
            Window w;
            const core::Palette palette = w.palette();
            const QString path = CommandLinePath(raw, w.fakes.prompter);
            if (!handedOver)
                w.window.setCommandLine(path);
            w.window.continueFormLoad();
            if (handedOver)
                w.window.receiveHandOver(path);

            const QStringList expected
                = file.message.isEmpty() ? QStringList() : QStringList { file.message.arg(shown) };
            QCOMPARE(w.fakes.prompter.texts(), expected);
            if (file.opens) {
                QCOMPARE(w.window.currentFileName(), QFileInfo(shown).fileName());
                QCOMPARE(w.palette()[0], 100);
                QCOMPARE(w.palette()[39], 139);
            } else {
                QCOMPARE(w.window.currentFileName(), QString());
                QVERIFY(w.palette() == palette);
                QCOMPARE(w.window.colors().color(ColorSlot::One), 0);
            }
        }
        QCOMPARE(content(), before);
    }

    void aSaveTarget_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the path before the save
        QTest::addColumn<QString>("failure"); // the reason a save fails, or empty when it succeeds
        QTest::newRow("nothing") << "nothing"
                                 << "";
        QTest::newRow("a file, mode 0640, kept") << "file 0640"
                                                 << "";
        QTest::newRow("a link to a file, followed") << "link"
                                                    << "";
        QTest::newRow("a name of 255 bytes") << "long name"
                                             << "";
        QTest::newRow("a folder") << "folder" << SystemReason(EISDIR);
        QTest::newRow("a FIFO") << "fifo"
                                << "Not a regular file";
        QTest::newRow("a link loop") << "loop" << SystemReason(ELOOP);
        QTest::newRow("in a folder that does not exist") << "no folder" << SystemReason(ENOENT);
    }
    void aSaveTarget()
    {
        QFETCH(QString, target);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path = dir.filePath(QStringLiteral("saved.tcpc"));
        const QByteArray native = QFile::encodeName(path);
        QString written = path;
        if (target == QLatin1String("file 0640")) {
            WriteAll(path, "old");
            QVERIFY(::chmod(native.constData(), 0640) == 0);
        } else if (target == QLatin1String("link")) {
            written = dir.filePath(QStringLiteral("real.tcpc"));
            WriteAll(written, "old");
            QVERIFY(QFile::link(QStringLiteral("real.tcpc"), path));
        } else if (target == QLatin1String("long name")) {
            path = written = dir.filePath(QString(250, u'n') + QStringLiteral(".tcpc"));
        } else if (target == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (target == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(native.constData(), 0600) == 0);
        } else if (target == QLatin1String("loop")) {
            QVERIFY(::symlink("saved.tcpc", native.constData()) == 0);
        } else if (target == QLatin1String("no folder")) {
            path = written = dir.filePath(QStringLiteral("none/saved.tcpc"));
        }

        const SaveResult result = WriteEncodedFile(path, core::BuildColorText({ 1, 0x123456 }), [] { return 0.5; });
        QCOMPARE(result.error, failure);
        // Whatever happened, no temporary file is left beside the target.
        const QStringList hidden = QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot);
        QVERIFY2(hidden.filter(QStringLiteral(".tintwise-")).isEmpty(), qPrintable(hidden.join(u' ')));
        if (!failure.isEmpty())
            return;
        QCOMPARE(ReadEncodedFile(path).plain, std::optional<std::string>("11193046"));
        QVERIFY(QFileInfo(written).isFile());
        if (target == QLatin1String("link"))
            QVERIFY(QFileInfo(path).isSymLink());
        struct stat info { };
        QVERIFY(::stat(QFile::encodeName(written).constData(), &info) == 0);
        if (target == QLatin1String("file 0640"))
            QCOMPARE(info.st_mode & 07777, 0640u);
    }

    void aSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("hostile"); // what else is done to the file or its folder
        QTest::addColumn<bool>("valid"); // the file is read (else it reads as defaults)
        QTest::addColumn<QString>("failure"); // the reason of the one message about a failed write, or empty

        const QByteArray tip = "blnCodesTip=True\n";
        const QByteArray kept = "\n[Other]\nkeep=1\n";
        QTest::newRow("garbage") << QByteArray("\x01\x02 no settings \xff\xfe\n=\n[") << "" << false << "";
        QTest::newRow("truncated in a section name") << QByteArray("[Main]\n" + tip + "[Oth") << "" << false << "";
        QTest::newRow("truncated in a character") << QByteArray("[Main]\n" + tip + "Cap=caf\xc3") << "" << false << "";
        QTest::newRow("huge") << QByteArray("[Main]\n" + tip + "Blob=" + QByteArray(2 * 1024 * 1024, 'x') + "\n") << ""
                              << false << "";
        QTest::newRow("wrong types") << QByteArray("[Main]\n" + tip
            + "newzoom=99999999999999\nscheme=-7\ncheck1=banana\ngrid=2\ncross=\n"
              "stick=maybe\ntrans3=1e9\nnotify=0x1\ntmpmp=-1\n[History]\n1=xyz\n"
              "2=-99999999999\n3=\n[HTML]\nquotes=-1\nnum=yes\n"
            + kept) << "" << true << "";
        QTest::newRow("CRLF") << QByteArray("[Main]\r\nblnCodesTip=True\r\n\r\n[Other]\r\nkeep=1\r\n") << "" << true
                              << "";
        QTest::newRow("BOM") << QByteArray("\xef\xbb\xbf[Main]\n" + tip + kept) << "" << true << "";
        QTest::newRow("duplicated keys") << QByteArray(
            "[Main]\nblnCodesTip=False\nblnCodesTip=True\n[Other]\nkeep=0\n[Other]\nkeep=1\n")
                                         << "" << true << "";
        QTest::newRow("read-only file") << QByteArray("[Main]\n" + tip + kept) << "file 0400" << true
                                        << SystemReason(EACCES);
        QTest::newRow("read-only folder")
            << QByteArray("[Main]\n" + tip + kept) << "folder 0500" << true << SystemReason(EACCES);
        // A folder where the file should be is moved aside like a damaged file.
        QTest::newRow("the file is a folder") << QByteArray() << "file is a folder" << false << "";
        QTest::newRow("the folder is a file") << QByteArray() << "folder is a file" << false << SystemReason(ENOTDIR);
    }
    void aSettingsFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, hostile);
        QFETCH(bool, valid);
        QFETCH(QString, failure);
        const bool modes = hostile == QLatin1String("file 0400") || hostile == QLatin1String("folder 0500");
        if (modes && ::geteuid() == 0)
            QSKIP("the superuser may write whatever the modes say");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("tintwise-color-picker"));
        const QString path = folder + QStringLiteral("/settings.ini");
        QVERIFY(QDir().mkpath(folder));
        if (hostile == QLatin1String("folder is a file")) {
            QVERIFY(QDir(folder).removeRecursively());
            WriteAll(folder, "a file in the way");
        } else if (hostile == QLatin1String("file is a folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            WriteAll(path, bytes);
        }
        if (hostile == QLatin1String("file 0400"))
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        if (hostile == QLatin1String("folder 0500"))
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard(
            [&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });

        // Read as written, or as defaults: a damaged file holds nothing the program reads.
        QCOMPARE(
            IniSettingsStore(path).read(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), QStringLiteral("-")),
            valid ? QStringLiteral("True") : QStringLiteral("-"));

        // Started as the program starts, on the real settings file, then ended as the program ends.
        {
            IniSettingsStore store(path);
            test::FakeServices fakes;
            test::FakeSingleInstance instance;
            QCOMPARE(ClaimOrHandOver(store, fakes.prompter, instance, QString()), StartDecision::RunHere);
            Services services = fakes.services();
            platform::SettingsStore& real = store;
            MainWindow window({ services.prompter, services.systemColors, real, services.clipboard, services.screen,
                services.fileDialogs, services.tray, services.colorDialog, services.associations, services.shell,
                services.portal });
            window.continueFormLoad();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.shutdown();

            // Apart from the once-only tip of a first start, at most the one message about a failed write.
            QStringList texts = fakes.prompter.texts();
            texts.removeIf([](const QString& text) { return text.startsWith(QStringLiteral("Shrink the window")); });
            if (!failure.isEmpty()) {
                // Told once, naming the file or folder and why.
                QCOMPARE(texts.size(), 1);
                QVERIFY2(texts.first().startsWith(QStringLiteral("The settings could not be saved")),
                    qPrintable(texts.first()));
                QVERIFY2(
                    texts.first().contains(dir.path()) && texts.first().endsWith(failure), qPrintable(texts.first()));
            } else {
                QCOMPARE(texts, QStringList());
            }
        }

        const QStringList corrupt
            = QDir(folder).entryList({ QStringLiteral("settings.ini.corrupt-*") }, QDir::Files | QDir::Dirs);
        if (!failure.isEmpty()) {
            // Nothing could be written: what was there is as it was.
            if (QFileInfo(path).isFile())
                QCOMPARE(ReadAll(path), bytes);
            QVERIFY(corrupt.isEmpty());
        } else if (!valid) {
            // Never overwritten: kept aside whole, and a new file started.
            QCOMPARE(corrupt.size(), 1);
            QCOMPARE(ReadAll(folder + u'/' + corrupt.first()), bytes);
            QCOMPARE(IniSettingsStore(path).fileState(), IniSettingsStore::FileState::Valid);
        } else {
            // Read as written: the keys the program does not own are kept, and what it owns is sane again.
            QVERIFY(corrupt.isEmpty());
            const IniSettingsStore after(path);
            QCOMPARE(after.fileState(), IniSettingsStore::FileState::Valid);
            QCOMPARE(after.read(QStringLiteral("Other"), QStringLiteral("keep")), QStringLiteral("1"));
            QCOMPARE(after.read(QStringLiteral("Main"), QStringLiteral("blnCodesTip")), QStringLiteral("True"));
            QCOMPARE(after.readInt(QStringLiteral("Main"), QStringLiteral("newzoom"), -1), core::kDefaultZoomIndex);
            QCOMPARE(after.readInt(QStringLiteral("Main"), QStringLiteral("scheme"), -1), 0);
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
