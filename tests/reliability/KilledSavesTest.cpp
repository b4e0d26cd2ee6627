// A process that saves a palette file, a colour file and the settings with the program's save code is killed
// (SIGKILL) at random moments. After every kill each file is one whole version, the one before or the one
// after, never empty or cut short; and once the next start has saved, no temporary file of the killed
// process is left.
#include "tests/reliability/SaveContents.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace tw::reliability;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every file and folder under the folder, relative to it, in name order.
QStringList Entries(const QString& folder)
{
    QStringList entries;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

class KilledSavesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFileIsWholeAfterAKillAndTheNextStartLeavesNoTemporaryFile()
    {
        constexpr int kKills = 40;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        const QString palette = folder + QStringLiteral("/palette.tcpp");
        const QString color = folder + QStringLiteral("/color.tcpc");
        const QString settings = folder + QStringLiteral("/config/settings.ini");
        const QStringList clean { QStringLiteral("color.tcpc"), QStringLiteral("config"),
            QStringLiteral("config/settings.ini"), QStringLiteral("palette.tcpp") };
        const struct {
            const QString& path;
            QByteArray versions[2];
        } files[] = {
            { palette, { PaletteBytes(0), PaletteBytes(1) } },
            { color, { ColorBytes(0), ColorBytes(1) } },
            { settings, { SettingsBytes(0), SettingsBytes(1) } },
        };

        QElapsedTimer clock;
        clock.start();
        int killsThatLeftTemporaryFiles = 0;
        int killsThatLeftALock = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(TW_SAVE_LOOP), { folder, QStringLiteral("loop") });
            QVERIFY(saver.waitForReadyRead(20000));
            // Somewhere in the middle of a save: a round of three saves takes a few milliseconds.
            QThread::usleep(QRandomGenerator::global()->bounded(0, 20000));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));

            for (const auto& file : files) {
                const QByteArray bytes = ReadAll(file.path);
                QVERIFY2(bytes == file.versions[0] || bytes == file.versions[1],
                    qPrintable(QStringLiteral("kill %1: %2 holds %3 bytes that are neither version")
                                   .arg(kill)
                                   .arg(file.path)
                                   .arg(bytes.size())));
            }
            const QStringList left = Entries(folder);
            killsThatLeftTemporaryFiles
                += left.filter(QRegularExpression(QStringLiteral("\\.(tintwise|tmp)-"))).isEmpty() ? 0 : 1;
            killsThatLeftALock += left.contains(QStringLiteral("config/settings.ini.lock")) ? 1 : 0;

            // The next start saves each file once; a leftover of the killed process must be gone then.
            QCOMPARE(QProcess::execute(QStringLiteral(TW_SAVE_LOOP), { folder, QStringLiteral("once") }), 0);
            QCOMPARE(Entries(folder), clean);
            for (const auto& file : files)
                QCOMPARE(ReadAll(file.path), file.versions[0]);
        }
        qInfo("%d kills in %lld ms; %d left a temporary file and %d the settings lock behind, all gone after the next "
              "start",
            kKills, static_cast<long long>(clock.elapsed()), killsThatLeftTemporaryFiles, killsThatLeftALock);
    }
};

QTEST_GUILESS_MAIN(KilledSavesTest)
#include "KilledSavesTest.moc"
