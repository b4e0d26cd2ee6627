#include "platform/qt/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using tw::platform::IniSettingsStore;
using FileState = IniSettingsStore::FileState;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList CorruptCopies(const QString& directory)
{
    return QDir(directory).entryList({ QStringLiteral("settings.ini.corrupt-*") }, QDir::Files | QDir::Dirs);
}

unsigned ModeOf(const QString& path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0xFFFFu;
}

// Sets the process's umask for as long as it lives.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask)
        : m_saved(::umask(mask))
    {
    }
    ~UmaskScope() { ::umask(m_saved); }
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;

private:
    mode_t m_saved;
};

} // namespace

class IniSettingsStoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_path = m_dir.filePath(QStringLiteral("tintwise-color-picker/settings.ini"));
    }

    void aFirstStartReadsDefaultsAndWritesNothing()
    {
        IniSettingsStore store(m_path);
        QCOMPARE(
            store.read(QStringLiteral("Main"), QStringLiteral("newzoom"), QStringLiteral("13")), QStringLiteral("13"));
        QCOMPARE(store.readBool(QStringLiteral("Main"), QStringLiteral("cross"), true), true);
        QCOMPARE(store.readInt(QStringLiteral("Main"), QStringLiteral("scheme"), 0), 0);
        QCOMPARE(store.fileState(), FileState::Missing);
        QVERIFY(!QFile::exists(m_path));
    }

    void writesSectionsWithTheStoredTextForms()
    {
        IniSettingsStore store(m_path);
        QVERIFY(store.writeBool(QStringLiteral("Main"), QStringLiteral("stick"), true));
        QVERIFY(store.write(QStringLiteral("History"), QStringLiteral("1"), QStringLiteral("255")));
        QVERIFY(store.apply(QStringLiteral("Main"),
            { tw::platform::IntSetting(QStringLiteral("scheme"), 3),
                tw::platform::BoolSetting(QStringLiteral("grid"), false) }));
        QVERIFY(store.write(QStringLiteral("HTML"), QStringLiteral("num"), QStringLiteral("1")));
        QCOMPARE(ReadAll(m_path),
            QByteArray("[Main]\nstick=True\nscheme=3\ngrid=False\n\n[History]\n1=255\n\n[HTML]\nnum=1\n"));
        QCOMPARE(store.fileState(), FileState::Valid);
    }

    void keysAndSectionsIgnoreLetterCase()
    {
        IniSettingsStore store(m_path);
        QVERIFY(store.writeBool(QStringLiteral("Main"), QStringLiteral("cbocodes-3"), false));
        QCOMPARE(store.read(QStringLiteral("main"), QStringLiteral("cboCodes-3")), QStringLiteral("False"));
        QVERIFY(store.writeBool(QStringLiteral("MAIN"), QStringLiteral("CBOCODES-3"), true));
        // One value, kept under the spelling it was first written with.
        QCOMPARE(ReadAll(m_path), QByteArray("[Main]\ncbocodes-3=True\n"));
        QVERIFY(store.removeKey(QStringLiteral("Main"), QStringLiteral("CboCodes-3")));
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("cbocodes-3"), QStringLiteral("none")),
            QStringLiteral("none"));
    }

    void anyTextReadsBackExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty value") << "Cap"
                                     << "";
        QTest::newRow("blanks at both ends") << "Cap"
                                             << "  Tintwise Color Picker ";
        QTest::newRow("path with backslashes") << "Cmd"
                                               << R"(C:\x41\new\\share)";
        QTest::newRow("line breaks and tab") << "Cmd"
                                             << "one\ntwo\r\nthree\tfour";
        QTest::newRow("format characters") << "Cmd"
                                           << "[Main]\n;not a comment\n#nor this\na=b";
        QTest::newRow("non-Latin text") << "Cmd"
                                        << "/home/ñandú/カラー 🎨.tcpc";
        QTest::newRow("no-break space at the end") << "Cmd" << QString::fromUtf8("x\u00a0");
        QTest::newRow("key with = and brackets") << "a=b[c]"
                                                 << "1";
        QTest::newRow("key that looks like a section") << "[Main]"
                                                       << "2";
        QTest::newRow("key that looks like a comment") << ";k"
                                                       << "3";
        QTest::newRow("key with blanks at the ends") << " k "
                                                     << "4";
    }
    void anyTextReadsBackExactly()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        {
            IniSettingsStore writer(m_path);
            QVERIFY(writer.write(QStringLiteral("Main"), QStringLiteral("before"), QStringLiteral("x")));
            QVERIFY(writer.write(QStringLiteral("Main"), key, value));
            QVERIFY(writer.write(QStringLiteral("Main"), QStringLiteral("after"), QStringLiteral("y")));
        }
        IniSettingsStore reader(m_path);
        QCOMPARE(reader.read(QStringLiteral("Main"), key, QStringLiteral("<missing>")), value);
        QCOMPARE(reader.read(QStringLiteral("Main"), QStringLiteral("before")), QStringLiteral("x"));
        QCOMPARE(reader.read(QStringLiteral("Main"), QStringLiteral("after")), QStringLiteral("y"));
        QCOMPARE(reader.fileState(), FileState::Valid);
    }

    void readsAFileEditedByHand()
    {
        QDir().mkpath(QFileInfo(m_path).path());
        WriteAll(m_path,
            "\xEF\xBB\xBF; written by hand\r\n[Main]\r\n  stick = False  \r\n# a note\r\nCmd=C:\\tmp\\a.tcpc\r\n"
            "top=True\r\ntop=False\r\n\r\n[ History ]\r\n1=255\r\n[main]\r\nhigh=True\r\n");
        IniSettingsStore store(m_path);
        QCOMPARE(store.fileState(), FileState::Valid);
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("stick")), QStringLiteral("False"));
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("Cmd")), QStringLiteral("C:\\tmp\\a.tcpc"));
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("top")), QStringLiteral("False"));
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("high")), QStringLiteral("True"));
        QCOMPARE(store.read(QStringLiteral("History"), QStringLiteral("1")), QStringLiteral("255"));
    }

    void anEscapedSurrogateIsKeptAsWrittenAndSavedBackUnchanged()
    {
        QDir().mkpath(QFileInfo(m_path).path());
        WriteAll(m_path, "[Main]\nlone=\\uDDDD\npair=\\uD83D\\uDE00\n[\\ud800]\nk=v\n");
        {
            IniSettingsStore store(m_path);
            QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("lone")), QStringLiteral("\\uDDDD"));
            QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("other"), QStringLiteral("x")));
        }
        IniSettingsStore reader(m_path);
        QCOMPARE(reader.fileState(), FileState::Valid);
        QCOMPARE(reader.read(QStringLiteral("Main"), QStringLiteral("lone")), QStringLiteral("\\uDDDD"));
        QCOMPARE(reader.read(QStringLiteral("Main"), QStringLiteral("pair")), QStringLiteral("\\uD83D\\uDE00"));
        QCOMPARE(reader.read(QStringLiteral("\\ud800"), QStringLiteral("k")), QStringLiteral("v"));
    }

    void removesKeysSectionsAndEverything()
    {
        IniSettingsStore store(m_path);
        QVERIFY(store.apply(QStringLiteral("History"),
            { { QStringLiteral("1"), QStringLiteral("255") }, { QStringLiteral("2"), QStringLiteral("0") } }));
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("x")));
        QVERIFY(store.removeKey(QStringLiteral("History"), QStringLiteral("1")));
        QCOMPARE(store.read(QStringLiteral("History"), QStringLiteral("2")), QStringLiteral("0"));
        QVERIFY(store.removeSection(QStringLiteral("history")));
        QCOMPARE(ReadAll(m_path), QByteArray("[Main]\nCap=x\n"));
        // Removing what is not there succeeds and changes nothing.
        QVERIFY(store.removeSection(QStringLiteral("History")));
        QVERIFY(store.removeKey(QStringLiteral("Main"), QStringLiteral("none")));
        QVERIFY(store.removeAll());
        QVERIFY(!QFile::exists(m_path));
        QCOMPARE(
            store.read(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("gone")), QStringLiteral("gone"));
    }

    void seesWhatAnotherStoreWroteAtOnce()
    {
        IniSettingsStore mine(m_path);
        IniSettingsStore other(m_path);
        QVERIFY(other.write(QStringLiteral("Main"), QStringLiteral("Cmd"), QStringLiteral("start")));
        QCOMPARE(mine.read(QStringLiteral("Main"), QStringLiteral("Cmd")), QStringLiteral("start"));
        // Same size, same key, many times within one tick of the file system's clock: every change is seen.
        for (int i = 0; i < 200; ++i) {
            const QString value = QString::number(i % 10);
            QVERIFY(other.write(QStringLiteral("Main"), QStringLiteral("Cmd"), value));
            QCOMPARE(mine.read(QStringLiteral("Main"), QStringLiteral("Cmd")), value);
        }
        // A write of one store keeps the keys the other wrote since its last read.
        QVERIFY(other.write(QStringLiteral("Main"), QStringLiteral("a"), QStringLiteral("1")));
        QVERIFY(mine.write(QStringLiteral("Main"), QStringLiteral("b"), QStringLiteral("2")));
        QCOMPARE(other.read(QStringLiteral("Main"), QStringLiteral("a")), QStringLiteral("1"));
        QCOMPARE(other.read(QStringLiteral("Main"), QStringLiteral("b")), QStringLiteral("2"));
    }

    void aDamagedFileReadsAsDefaultsAndIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expectedState");
        const auto corrupt = static_cast<int>(FileState::Corrupt);
        QTest::newRow("not UTF-8") << QByteArray("[Main]\nCap=\xff\xfe\x80\n") << corrupt;
        QTest::newRow("a character cut at the end") << QByteArray("[Main]\nCap=caf\xC3") << corrupt;
        QTest::newRow("NUL byte") << QByteArray("[Main]\nCap=a\0b\n", 15) << corrupt;
        QTest::newRow("line without =") << QByteArray("[Main]\nstick True\n") << corrupt;
        QTest::newRow("key before any section") << QByteArray("stick=True\n[Main]\n") << corrupt;
        QTest::newRow("section not closed") << QByteArray("[Main\nstick=True\n") << corrupt;
        QTest::newRow("empty key") << QByteArray("[Main]\n=True\n") << corrupt;
        QTest::newRow("larger than any settings file")
            << QByteArray("[Main]\nx=") + QByteArray(IniSettingsStore::kMaxFileSize, 'a') + "\n"
            << corrupt;
        QTest::newRow("a folder in its place") << QByteArray() << static_cast<int>(FileState::Unreadable);
    }
    void aDamagedFileReadsAsDefaultsAndIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, expectedState);
        const bool folder = expectedState == static_cast<int>(FileState::Unreadable);
        QDir().mkpath(QFileInfo(m_path).path());
        if (folder)
            QVERIFY(QDir().mkpath(m_path));
        else
            WriteAll(m_path, content);

        IniSettingsStore store(m_path);
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("stick"), QStringLiteral("default")),
            QStringLiteral("default"));
        QCOMPARE(static_cast<int>(store.fileState()), expectedState);
        if (!folder)
            QCOMPARE(ReadAll(m_path), content);

        // The first write starts a new file and keeps the damaged one under another name.
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cmd"), QStringLiteral("new")));
        QCOMPARE(ReadAll(m_path), QByteArray("[Main]\nCmd=new\n"));
        const QStringList copies = CorruptCopies(QFileInfo(m_path).path());
        QCOMPARE(copies.size(), 1);
        QCOMPARE(store.movedAsidePath(), QFileInfo(m_path).path() + u'/' + copies[0]);
        if (!folder)
            QCOMPARE(ReadAll(store.movedAsidePath()), content);
        QCOMPARE(store.fileState(), FileState::Valid);
    }

    void aWriteThatCannotBeStoredLeavesEverythingAsItWas()
    {
        IniSettingsStore store(m_path);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("kept")));
        const QByteArray before = ReadAll(m_path);
        // Larger than the store would read back: refused as a whole, batch included.
        QVERIFY(!store.apply(QStringLiteral("Main"),
            { { QStringLiteral("Cap"), QStringLiteral("changed") },
                { QStringLiteral("huge"), QString(IniSettingsStore::kMaxFileSize, u'x') } }));
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("Cap")), QStringLiteral("kept"));
        QCOMPARE(
            store.read(QStringLiteral("Main"), QStringLiteral("huge"), QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(ReadAll(m_path), before);
    }

    void aFileThatCannotBeWrittenFailsTheWrite()
    {
        if (::geteuid() == 0)
            QSKIP("the superuser may write into any folder");
        IniSettingsStore store(m_path);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("kept")));
        const QString folder = QFileInfo(m_path).path();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written = store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("changed"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("Cap")), QStringLiteral("kept"));
    }

    // Each row puts something in the way of a write: where it sits (relative to the temporary folder) and the
    // error it gives. The path of the store is "app/settings.ini" unless the row names another.
    void aFailedWriteSaysWhereAndWhy_data()
    {
        QTest::addColumn<QString>("storePath");
        QTest::addColumn<QString>("fileInTheWay");
        QTest::addColumn<QString>("madeReadOnly");
        QTest::addColumn<QString>("failingPath");
        QTest::addColumn<int>("error");
        QTest::newRow("the folder is a file") << "app/settings.ini"
                                              << "app"
                                              << ""
                                              << "app" << ENOTDIR;
        QTest::newRow("a folder above it is a file") << "cfg/app/settings.ini"
                                                     << "cfg"
                                                     << ""
                                                     << "cfg" << ENOTDIR;
        QTest::newRow("the folder is read-only") << "app/settings.ini"
                                                 << ""
                                                 << "app"
                                                 << "app" << EACCES;
        QTest::newRow("the file is read-only") << "app/settings.ini"
                                               << ""
                                               << "app/settings.ini"
                                               << "app/settings.ini" << EACCES;
    }
    void aFailedWriteSaysWhereAndWhy()
    {
        QFETCH(QString, storePath);
        QFETCH(QString, fileInTheWay);
        QFETCH(QString, madeReadOnly);
        QFETCH(QString, failingPath);
        QFETCH(int, error);
        if (!madeReadOnly.isEmpty() && ::geteuid() == 0)
            QSKIP("the superuser may write whatever the modes say");
        const QDir root(m_dir.path());
        IniSettingsStore store(root.filePath(storePath));
        if (!fileInTheWay.isEmpty())
            WriteAll(root.filePath(fileInTheWay), "not a folder");
        const QString readOnly = root.filePath(madeReadOnly);
        if (!madeReadOnly.isEmpty()) {
            QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("kept")));
            QVERIFY(store.lastError().isEmpty());
            QVERIFY(::chmod(QFile::encodeName(readOnly).constData(), QFileInfo(readOnly).isDir() ? 0500 : 0400) == 0);
        }

        QVERIFY(!store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("changed")));
        QCOMPARE(store.lastError(),
            root.filePath(failingPath) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
        if (!madeReadOnly.isEmpty())
            QCOMPARE(store.read(QStringLiteral("Main"), QStringLiteral("Cap")), QStringLiteral("kept"));

        // Once the way is clear, the next write succeeds and the error is gone.
        if (!fileInTheWay.isEmpty())
            QVERIFY(QFile::remove(root.filePath(fileInTheWay)));
        if (!madeReadOnly.isEmpty())
            QVERIFY(::chmod(QFile::encodeName(readOnly).constData(), 0700) == 0);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("changed")));
        QCOMPARE(store.lastError(), QString());
    }

    void theSettingsArePrivateWhateverTheUmask_data()
    {
        QTest::addColumn<int>("umask");
        QTest::newRow("000, everything open to everyone") << 0;
        QTest::newRow("022, the usual one") << 022;
        QTest::newRow("0277, not even writable by the owner") << 0277;
    }
    void theSettingsArePrivateWhateverTheUmask()
    {
        QFETCH(int, umask);
        // The config folder above the program's own is missing too: every folder made on the way is private.
        const QString config = m_dir.filePath(QStringLiteral("config"));
        const QString path = config + QStringLiteral("/tintwise-color-picker/settings.ini");
        {
            const UmaskScope scope(static_cast<mode_t>(umask));
            IniSettingsStore store(path);
            QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("x")));
            // A file left open to others by an earlier version is private again after the next write.
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
            QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("y")));
        }
        QCOMPARE(ModeOf(config), 0700u);
        QCOMPARE(ModeOf(QFileInfo(path).path()), 0700u);
        QCOMPARE(ModeOf(path), 0600u);
    }

    void temporaryFilesOfKilledWritersAreRemoved()
    {
        const QDir folder(QFileInfo(m_path).path());
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        struct Leftover {
            const char* name;
            bool held;
            bool removed;
        };
        const Leftover leftovers[] = {
            // Nobody holds it: its writer was killed, however recently.
            { "settings.ini.tmp-Ab3xYz", false, true },
            // Its writer still holds it: it may still be busy.
            { "settings.ini.tmp-Held01", true, false },
            // Not names this store writes.
            { "settings.ini.tmp-longer1", false, false },
            { "settings.ini.backup", false, false },
            { "other.ini.tmp-Ab3xYz", false, false },
        };
        std::vector<int> holders;
        const auto release = qScopeGuard([&holders] {
            for (const int fd : holders)
                ::close(fd);
        });
        for (const Leftover& leftover : leftovers) {
            const QString path = folder.filePath(QLatin1String(leftover.name));
            WriteAll(path, "[Main]\nCap=half");
            if (leftover.held) {
                holders.push_back(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
                QVERIFY(holders.back() >= 0 && ::flock(holders.back(), LOCK_EX | LOCK_NB) == 0);
            }
        }
        IniSettingsStore store(m_path);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("x")));
        for (const Leftover& leftover : leftovers)
            QVERIFY2(QFile::exists(folder.filePath(QLatin1String(leftover.name))) != leftover.removed, leftover.name);
    }

    void aSettingsFileThatIsALinkStaysALink()
    {
        const QString real = m_dir.filePath(QStringLiteral("dotfiles/settings.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(real).path()));
        QVERIFY(QDir().mkpath(QFileInfo(m_path).path()));
        WriteAll(real, "[Main]\nCap=old\n");
        QVERIFY(QFile::link(real, m_path));
        IniSettingsStore store(m_path);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("Cap"), QStringLiteral("new")));
        QVERIFY(QFileInfo(m_path).isSymLink());
        QCOMPARE(ReadAll(real), QByteArray("[Main]\nCap=new\n"));
    }

    void findsTheFileUnderTheConfigFolder_data()
    {
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/tmp/cfg") << "/tmp/cfg/tintwise-color-picker/settings.ini";
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + "/.config/tintwise-color-picker/settings.ini";
        QTest::newRow("relative, so ignored")
            << QByteArray("cfg") << QDir::homePath() + "/.config/tintwise-color-picker/settings.ini";
    }
    void findsTheFileUnderTheConfigFolder()
    {
        QFETCH(QByteArray, configHome);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome);
        const QString path = IniSettingsStore::defaultFilePath();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, expected);
    }

    void twoProcessesWritingAtOnceLoseNothing()
    {
        constexpr int kPerProcess = 60;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(TW_SETTINGS_WRITER),
            { m_path, QStringLiteral("keys"), QStringLiteral("p1"), QString::number(kPerProcess) });
        second.start(QStringLiteral(TW_SETTINGS_WRITER),
            { m_path, QStringLiteral("keys"), QStringLiteral("p2"), QString::number(kPerProcess) });
        // This process writes at the same time.
        IniSettingsStore store(m_path);
        for (int i = 0; i < kPerProcess; ++i)
            QVERIFY(
                store.write(QStringLiteral("Main"), QStringLiteral("p0-") + QString::number(i), QStringLiteral("v")));
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        IniSettingsStore reader(m_path);
        for (const char* prefix : { "p0-", "p1-", "p2-" })
            for (int i = 0; i < kPerProcess; ++i)
                QVERIFY2(!reader.read(QStringLiteral("Main"), QLatin1String(prefix) + QString::number(i)).isEmpty(),
                    qPrintable(QLatin1String(prefix) + QString::number(i)));
    }

    void aLockFileThatNamesNoProcessIsBrokenInTime()
    {
        // A writer killed right after creating the lock file leaves it empty: no process to ask whether it
        // still runs. The next write must not wait for QLockFile's own 30 s, which is past its timeout.
        IniSettingsStore store(m_path);
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("before"), QStringLiteral("1")));
        QFile lock(m_path + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QVERIFY(store.write(QStringLiteral("Main"), QStringLiteral("after"), QStringLiteral("2")));
        QCOMPARE(IniSettingsStore(m_path).read(QStringLiteral("Main"), QStringLiteral("after")), QStringLiteral("2"));
    }

    void aKilledWriterNeverLeavesATruncatedFile()
    {
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(TW_SETTINGS_WRITER), { m_path, QStringLiteral("churn") });
            QVERIFY(writer.waitForReadyRead(20000));
            QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
            ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(10000));

            IniSettingsStore reader(m_path);
            QCOMPARE(reader.fileState(), FileState::Valid);
            const QString blob = reader.read(QStringLiteral("Main"), QStringLiteral("blob"));
            QCOMPARE(QString::number(blob.size()), reader.read(QStringLiteral("Main"), QStringLiteral("length")));
            QCOMPARE(blob, QString(blob.size(), blob.at(0)));
            // A lock the killed writer may have left does not block the next write.
            QVERIFY(reader.write(QStringLiteral("Main"), QStringLiteral("after"), QString::number(round)));
        }
    }
};

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "IniSettingsStoreTest.moc"
