#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class UnixSignalNotifierTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each row starts the helper, checks what it said once ready, sends it signals in order, and names what it
    // wrote down (nothing when it was killed).
    void aSignalRunsTheNormalShutdown_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("ready");
        QTest::addColumn<QList<int>>("signalsSent");
        QTest::addColumn<QByteArray>("marker");
        QTest::newRow("SIGTERM") << "" << QByteArray("ready") << QList<int> { SIGTERM } << QByteArray("terminate");
        QTest::newRow("SIGINT") << "" << QByteArray("ready") << QList<int> { SIGINT } << QByteArray("interrupt");
        QTest::newRow("SIGHUP") << "" << QByteArray("ready") << QList<int> { SIGHUP } << QByteArray("hang-up");
        QTest::newRow("SIGTERM, heard through the interface")
            << "via-interface" << QByteArray("ready") << QList<int> { SIGTERM } << QByteArray("terminate");
        // Under nohup the hang-up must not end the program: the notifier leaves it ignored.
        QTest::newRow("SIGHUP ignored from the start stays ignored")
            << "ignoring-hangup" << QByteArray("ready, SIGHUP ignored") << QList<int> { SIGHUP, SIGTERM }
            << QByteArray("terminate");
        // Once the notifier is gone, SIGTERM ends the program at once, as it would without one.
        QTest::newRow("given back") << "removed" << QByteArray("ready") << QList<int> { SIGTERM } << QByteArray();
    }
    void aSignalRunsTheNormalShutdown()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, ready);
        QFETCH(QList<int>, signalsSent);
        QFETCH(QByteArray, marker);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString markerPath = folder.filePath(QStringLiteral("marker"));
        QProcess helper;
        helper.start(QStringLiteral(TW_TERMINATION_HELPER), { markerPath, mode });
        QVERIFY(helper.waitForReadyRead(20000));
        QCOMPARE(helper.readLine().trimmed(), ready);
        for (const int signalNumber : signalsSent)
            QCOMPARE(::kill(static_cast<pid_t>(helper.processId()), signalNumber), 0);
        QVERIFY(helper.waitForFinished(20000));

        QFile written(markerPath);
        if (marker.isEmpty()) {
            QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
            QCOMPARE(helper.exitCode(), SIGTERM);
            QVERIFY(!written.exists());
            return;
        }
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 0);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), marker);
    }
};

QTEST_GUILESS_MAIN(UnixSignalNotifierTest)
#include "UnixSignalNotifierTest.moc"
