// The registration of the two document types in a temporary home: what it writes, that doing it twice changes
// nothing, that removing gives the home back as it was, and that a desktop launcher starts the program at any
// path with the file as its one argument.
#include "platform/qt/XdgFileAssociations.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include <unistd.h>

using namespace tw::platform;

namespace {

// Every file below the folder with its content and modification time.
std::map<QString, std::pair<QByteArray, QDateTime>> Snapshot(const QString& root)
{
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray content = QByteArrayLiteral("<folder>");
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            content = file.readAll();
        files[path.mid(root.size())] = { content, it.fileInfo().lastModified() };
    }
    return files;
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

struct Home {
    QTemporaryDir dir;
    Home()
    {
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (dir.path() + QStringLiteral("/system")).toLocal8Bit());
    }
    QString path(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }
};

} // namespace

class XdgFileAssociationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installingWritesTheRegistrationOnceAndRemovingGivesTheHomeBack()
    {
        Home home;
        // What the user had before: another program's defaults, another desktop entry and icon.
        WriteFile(home.path(QStringLiteral("config/mimeapps.list")),
            "[Default Applications]\ntext/html=firefox.desktop\n\n[Added Associations]\nimage/png=gimp.desktop;\n");
        WriteFile(home.path(QStringLiteral("data/applications/other.desktop")), "[Desktop Entry]\nName=Other\n");
        WriteFile(home.path(QStringLiteral("data/icons/hicolor/48x48/apps/other.png")), "png");
        const auto before = Snapshot(home.dir.path());

        XdgFileAssociations associations(QStringLiteral("/opt/tintwise/tintwise-color-picker"));
        QVERIFY(associations.canRegister());
        QVERIFY(!associations.registered(DocumentType::Color));
        QVERIFY(!associations.iconPresent(DocumentType::Palette));
        QVERIFY(associations.install().ok());
        QVERIFY(associations.registered(DocumentType::Color));
        QVERIFY(associations.registered(DocumentType::Palette));
        QVERIFY(associations.iconPresent(DocumentType::Color));
        QVERIFY(associations.iconPresent(DocumentType::Palette));
        for (const QString& file : associations.ownFiles())
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        QFile mimeapps(home.path(QStringLiteral("config/mimeapps.list")));
        QVERIFY(mimeapps.open(QIODevice::ReadOnly));
        QVERIFY(mimeapps.readAll().contains("application/x-tintwise-palette=tintwise-color-picker.desktop\n"));

        // Twice: not one byte or time stamp of our own files changes.
        const auto installed = Snapshot(home.dir.path());
        QVERIFY(associations.install().ok());
        for (const QString& file : associations.ownFiles()) {
            const QString key = file.mid(home.dir.path().size());
            QCOMPARE(Snapshot(home.dir.path())[key], installed.at(key));
        }

        // A program that moved registers again.
        XdgFileAssociations moved(QStringLiteral("/home/user/bin/tintwise-color-picker"));
        QVERIFY(!moved.registered(DocumentType::Color));

        QVERIFY(associations.remove().ok());
        const auto after = Snapshot(home.dir.path());
        QStringList differences;
        for (const auto& [path, content] : after) {
            if (!before.count(path) || before.at(path).first != content.first)
                differences << path;
        }
        for (const auto& [path, content] : before) {
            if (!after.count(path))
                differences << path;
        }
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char(' '))));
    }

    void anInstallationWithTheSystemCountsAndNothingIsAddedForIt()
    {
        Home home;
        WriteFile(home.path(QStringLiteral("system/applications/tintwise-color-picker.desktop")),
            "[Desktop Entry]\nExec=tintwise-color-picker %f\n"
            "MimeType=application/x-tintwise-color;application/x-tintwise-palette;\n");
        WriteFile(home.path(QStringLiteral("system/mime/packages/tintwise-color-picker.xml")),
            "<mime-type type=\"application/x-tintwise-color\"/><mime-type type=\"application/x-tintwise-palette\"/>");
        WriteFile(home.path(QStringLiteral("system/icons/hicolor/scalable/mimetypes/application-x-tintwise-color.svg")),
            "<svg/>");
        XdgFileAssociations associations(QStringLiteral("/usr/bin/tintwise-color-picker"));
        QVERIFY(associations.registered(DocumentType::Color));
        QVERIFY(associations.registered(DocumentType::Palette));
        QVERIFY(associations.iconPresent(DocumentType::Color));
        QVERIFY(!associations.iconPresent(DocumentType::Palette));
    }

    void aDataFolderThatCannotBeWrittenRefusesRegistering()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into any folder");
        Home home;
        QVERIFY(QDir().mkpath(home.path(QStringLiteral("data"))));
        QVERIFY(QFile::setPermissions(home.path(QStringLiteral("data")), QFile::ReadOwner | QFile::ExeOwner));
        XdgFileAssociations associations(QStringLiteral("/opt/tcp"));
        QVERIFY(!associations.canRegister());
        QVERIFY(!associations.install().ok());
        QVERIFY(QFile::setPermissions(
            home.path(QStringLiteral("data")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void aDesktopLauncherStartsTheProgramAtAHostilePathWithTheFileByteExact_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("launchable");
        QTest::newRow("spaces and quotes") << QStringLiteral("my \"odd\" 'apps'") << true;
        QTest::newRow("command substitution") << QStringLiteral("$(touch INJECTED) `touch INJECTED2`") << true;
        QTest::newRow("backslashes") << QStringLiteral("a\\b\\\\c\\") << true;
        QTest::newRow("shell operators") << QStringLiteral("a;b|c&d>e<f*?#~") << true;
        QTest::newRow("non-ASCII") << QStringLiteral("Farbwähler ✓") << true;
        // Written as the rules say ("%%"), which validates; GLib's launcher looks for the program before it
        // reads the "%%" back, so it cannot start a program in such a folder.
        QTest::newRow("percent") << QStringLiteral("100% %f %u") << false;
    }
    void aDesktopLauncherStartsTheProgramAtAHostilePathWithTheFileByteExact()
    {
        QFETCH(QString, folder);
        QFETCH(bool, launchable);
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (gio.isEmpty() || validate.isEmpty())
            QSKIP("gio and desktop-file-validate are not installed");
        Home home;
        // The "program": records what it was started as and with.
        const QString program = home.path(folder + QStringLiteral("/tintwise-color-picker"));
        const QString record = home.path(QStringLiteral("record"));
        WriteFile(program, "#!/bin/sh\nprintf '%s\\n%s\\n%s' \"$0\" \"$1\" \"$#\" > \"$TW_RECORD\"\n");
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        XdgFileAssociations associations(program);
        QVERIFY(associations.install().ok());
        const QString entry = home.path(QStringLiteral("data/applications/tintwise-color-picker.desktop"));
        QProcess validation;
        validation.start(validate, { entry });
        QVERIFY(validation.waitForFinished());
        QCOMPARE(validation.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(validation.readAllStandardOutput()), QString());

        if (!launchable)
            return;
        const QString file = home.path(QStringLiteral("a palette; $(x) 'q'.tcpp"));
        WriteFile(file, "x");
        QProcess launch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TW_RECORD"), record);
        launch.setProcessEnvironment(environment);
        launch.setWorkingDirectory(home.dir.path());
        launch.start(gio, { QStringLiteral("launch"), entry, file });
        QVERIFY(launch.waitForFinished());
        QTRY_VERIFY(QFileInfo(record).size() > 0);
        QFile recorded(record);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(recorded.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines, QStringList({ program, file, QStringLiteral("1") }));
        QVERIFY(!QFileInfo::exists(home.path(QStringLiteral("INJECTED"))));
        QVERIFY(!QFileInfo::exists(home.path(QStringLiteral("INJECTED2"))));
    }
};

QTEST_GUILESS_MAIN(XdgFileAssociationsTest)
#include "XdgFileAssociationsTest.moc"
