#include "platform/qt/LocalSocketInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using tw::platform::LocalSocketInstance;
using Role = tw::platform::SingleInstance::Role;

namespace {

QProcessEnvironment RuntimeEnvironment(const QString& runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    return environment;
}

// Runs the helper as another process while this one keeps serving its events.
int RunHelper(const QString& runtime, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess helper;
    helper.setProcessEnvironment(RuntimeEnvironment(runtime));
    helper.start(QStringLiteral(TW_INSTANCE_HELPER), arguments);
    if (!QTest::qWaitFor([&] { return helper.state() == QProcess::NotRunning; }, 20000))
        return -1;
    if (output)
        *output = helper.readAllStandardOutput();
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
}

} // namespace

class LocalSocketInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

    enum class Confirm { Yes, No };

    // Bytes sent straight to the running copy's socket, confirmed when it accepts them unless told not to:
    // answers whether it accepted.
    bool SendRaw(
        const QString& socketPath, const QByteArray& bytes, bool* closed = nullptr, Confirm confirm = Confirm::Yes)
    {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (!socket.waitForConnected(2000))
            return false;
        socket.write(bytes);
        socket.flush();
        (void)QTest::qWaitFor(
            [&] { return socket.bytesAvailable() > 0 || socket.state() != QLocalSocket::ConnectedState; },
            LocalSocketInstance::kMessageTimeoutMs + 2000);
        if (closed)
            *closed = socket.state() != QLocalSocket::ConnectedState;
        const bool accepted = socket.readAll() == QByteArray(1, LocalSocketInstance::kAccepted);
        if (accepted && confirm == Confirm::Yes) {
            socket.putChar(LocalSocketInstance::kConfirmed);
            socket.waitForBytesWritten(2000);
        }
        return accepted;
    }

    // A path of the given length in UTF-8, made of folder names of ordinary length.
    static QString PathOfLength(qsizetype bytes)
    {
        QString path;
        while (path.size() + 101 < bytes)
            path += u'/' + QString(100, u'd');
        return path + u'/' + QString(bytes - path.size() - 1, u'f');
    }

private Q_SLOTS:
    void init() { QVERIFY(m_runtime.isValid()); }

    void aSecondStartHandsItsPathToTheRunningCopy()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QVERIFY(running.isListening());
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });

        const QString path = QStringLiteral("/home/user/Colours/ünïcode palette.tcpp");
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), path }), 0);
        QTRY_COMPARE(received, QStringList { path });
        // A start without a file hands over an empty command line: the running copy comes forward.
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QString() }), 0);
        QTRY_COMPARE(received, (QStringList { path, QString() }));
        // Far longer than PATH_MAX, which binds one system call, not a path opened a folder at a time.
        const QString longPath = PathOfLength(20010);
        QCOMPARE(longPath.toUtf8().size(), 20010);
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), longPath }), 0);
        QTRY_COMPARE(received, (QStringList { path, QString(), longPath }));
    }

    void handOversBeforeTheReceiverIsSetAreKept()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QStringLiteral("/early.tcpc") }), 0);
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });
        QTRY_COMPARE(received, QStringList { QStringLiteral("/early.tcpc") });
    }

    void theSocketIsInAFolderOnlyItsUserMayEnter()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        const QString socket = running.socketPath();
        QVERIFY(socket.contains(QString::number(::geteuid())));
        struct stat folder { };
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(socket).path()).constData(), &folder), 0);
        QCOMPARE(folder.st_mode & 0777, 0700u);
        QCOMPARE(folder.st_uid, ::geteuid());
        struct stat file { };
        QCOMPARE(::stat(QFile::encodeName(socket).constData(), &file), 0);
        QVERIFY(S_ISSOCK(file.st_mode));
        QCOMPARE(file.st_mode & 077, 0u);
    }

    void anotherUserCannotConnect()
    {
        if (::geteuid() != 0)
            QSKIP("needs the superuser to start a process as another user");
        // The temporary folder must let the other user reach the private folder, which then stops it.
        QVERIFY(QFile::setPermissions(m_runtime.path(),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                | QFileDevice::ExeOther));
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        int calls = 0;
        running.setReceiver([&](const QString&) { ++calls; });
        QCOMPARE(
            RunHelper(m_runtime.path(),
                { QStringLiteral("connect"), running.socketPath(), QStringLiteral("/x"), QStringLiteral("65534") }),
            4);
        // The same user gets through the same way.
        QCOMPARE(
            RunHelper(m_runtime.path(), { QStringLiteral("connect"), running.socketPath(), QStringLiteral("/y") }), 0);
        QTRY_COMPARE(calls, 1);
    }

    void aStaleServerOfAKilledCopyDoesNotBlockTheNextStart()
    {
        QProcess crashed;
        crashed.setProcessEnvironment(RuntimeEnvironment(m_runtime.path()));
        crashed.start(QStringLiteral(TW_INSTANCE_HELPER), { QStringLiteral("serve") });
        QVERIFY(crashed.waitForReadyRead(20000));
        QCOMPARE(crashed.readLine().trimmed(), QByteArray("running"));
        ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
        QVERIFY(crashed.waitForFinished(10000));

        const QString uid = QString::number(::geteuid());
        QVERIFY(QFileInfo::exists(m_runtime.filePath(QStringLiteral("tintwise-color-picker-%1/instance-%1").arg(uid))));
        LocalSocketInstance next(m_runtime.path());
        QCOMPARE(next.claim(), Role::Running);
        QVERIFY(next.isListening());
        QStringList received;
        next.setReceiver([&](const QString& path) { received.append(path); });
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QStringLiteral("/after.tcpc") }), 0);
        QTRY_COMPARE(received, QStringList { QStringLiteral("/after.tcpc") });
    }

    // Another start hangs while it holds the lock: a later start still reaches the running copy.
    void aStartWithoutTheLockHandsOverToTheRunningCopy()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });
        QLockFile hung(running.socketPath() + QStringLiteral(".lock"));
        QVERIFY(hung.tryLock(0));
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QStringLiteral("/late.tcpc") }), 0);
        QTRY_COMPARE(received, QStringList { QStringLiteral("/late.tcpc") });
    }

    // The start holding the lock has put its socket in place but does not accept yet. A later start that
    // waited for the lock in vain must not replace that socket with its own.
    void aStartWithoutTheLockLeavesTheSocketAlone()
    {
        QString socketPath;
        {
            LocalSocketInstance first(m_runtime.path());
            QCOMPARE(first.claim(), Role::Running);
            socketPath = first.socketPath();
        }
        QLockFile hung(socketPath + QStringLiteral(".lock"));
        QVERIFY(hung.tryLock(0));
        const QByteArray native = QFile::encodeName(socketPath);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        QVERIFY(static_cast<size_t>(native.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
        const int bound = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(bound >= 0);
        const auto cleanUp = qScopeGuard([&] {
            ::close(bound);
            ::unlink(native.constData());
        });
        QCOMPARE(::bind(bound, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        struct stat before { };
        QCOMPARE(::stat(native.constData(), &before), 0);

        LocalSocketInstance next(m_runtime.path());
        QCOMPARE(next.claim(), Role::Running);
        QVERIFY(!next.isListening());
        struct stat after { };
        QCOMPARE(::stat(native.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    // The running copy is stopped while a later start waits for it; it reads the message only after the later
    // start gave up and reported the failure. The file must not open then.
    void aHandOverTheSenderGaveUpOnIsNeverOpened()
    {
        QProcess running;
        running.setProcessEnvironment(RuntimeEnvironment(m_runtime.path()));
        running.start(QStringLiteral(TW_INSTANCE_HELPER), { QStringLiteral("serve") });
        QVERIFY(running.waitForReadyRead(20000));
        QCOMPARE(running.readLine().trimmed(), QByteArray("running"));
        const auto pid = static_cast<pid_t>(running.processId());
        const auto stopRunning = qScopeGuard([&] {
            ::kill(pid, SIGCONT);
            running.kill();
            running.waitForFinished();
        });
        QCOMPARE(::kill(pid, SIGSTOP), 0);
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QStringLiteral("/given-up.tcpc") }), 1);
        QCOMPARE(::kill(pid, SIGCONT), 0);
        // Handled after the stale connection, so once it arrives the given-up one would have too.
        QCOMPARE(RunHelper(m_runtime.path(), { QStringLiteral("send"), QStringLiteral("/after.tcpc") }), 0);
        QByteArray output;
        QTRY_VERIFY((output += running.readAllStandardOutput()).contains("received:/after.tcpc"));
        QCOMPARE(output, QByteArray("received:/after.tcpc\n"));
    }

    void aMessageAcceptedButNotConfirmedIsDropped()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });
        QVERIFY(SendRaw(running.socketPath(), LocalSocketInstance::encodeMessage(QStringLiteral("/unconfirmed.tcpc")),
            nullptr, Confirm::No));
        QVERIFY(SendRaw(running.socketPath(), LocalSocketInstance::encodeMessage(QStringLiteral("/ok.tcpc"))));
        QTRY_COMPARE(received, QStringList { QStringLiteral("/ok.tcpc") });
    }

    // A start killed between creating the lock file and writing its process id into it leaves an empty lock.
    // The next start must not wait for QLockFile's 30 s, which is past its own wait, and so run unreachable.
    void anEmptyLockOfAKilledStartIsBrokenInTime()
    {
        QString socketPath;
        {
            LocalSocketInstance first(m_runtime.path());
            QCOMPARE(first.claim(), Role::Running);
            socketPath = first.socketPath();
        }
        QFile lock(socketPath + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        LocalSocketInstance next(m_runtime.path());
        QCOMPARE(next.claim(), Role::Running);
        QVERIFY(next.isListening());
    }

    void aCopyThatCannotListenRunsOnItsOwn()
    {
        // The socket's path is longer than a local socket address may be.
        const QString base = m_runtime.filePath(QString(100, u'x'));
        QVERIFY(QDir().mkpath(base));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^cannot listen on .*instance-")));
        LocalSocketInstance running(base);
        QCOMPARE(running.claim(), Role::Running);
        QVERIFY(!running.isListening());
        running.setReceiver([](const QString&) {});
    }

    void aRunningCopyThatDoesNotAnswerIsAFailedHandOver()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QProcess later;
        later.setProcessEnvironment(RuntimeEnvironment(m_runtime.path()));
        later.start(QStringLiteral(TW_INSTANCE_HELPER), { QStringLiteral("serve") });
        // Waiting here blocks this process's events, as a hung copy would: the later start gets no answer.
        QVERIFY(later.waitForFinished(LocalSocketInstance::kReplyTimeoutMs + 15000));
        QCOMPARE(later.readAllStandardOutput(), QByteArray("another\nfailed\n"));
    }

    void startsAtTheSameMomentLeaveOneRunningCopy()
    {
        constexpr int kStarts = 6;
        // The helpers wait at a gate and all claim once it opens.
        const QString gate = m_runtime.filePath(QStringLiteral("gate"));
        QProcessEnvironment environment = RuntimeEnvironment(m_runtime.path());
        environment.insert(QStringLiteral("TW_START_GATE"), gate);
        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < kStarts; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->setProcessEnvironment(environment);
            starts.back()->start(QStringLiteral(TW_INSTANCE_HELPER), { QStringLiteral("serve") });
            QVERIFY(starts.back()->waitForStarted());
        }
        QTest::qWait(300);
        QFile(gate).open(QIODevice::WriteOnly);
        int running = 0;
        int delivered = 0;
        QProcess* server = nullptr;
        for (auto& start : starts) {
            QVERIFY(start->waitForReadyRead(20000));
            const QByteArray first = start->readLine().trimmed();
            if (first == "running") {
                ++running;
                server = start.get();
            }
        }
        QCOMPARE(running, 1);
        for (auto& start : starts) {
            if (start.get() == server)
                continue;
            QVERIFY(start->waitForFinished(20000));
            delivered += start->readAll().contains("delivered") ? 1 : 0;
        }
        QCOMPARE(delivered, kStarts - 1);
        QByteArray output;
        QTRY_COMPARE((output += server->readAllStandardOutput()).count("received:served"), kStarts - 1);
        server->kill();
        server->waitForFinished();
    }

    void malformedAndOversizedMessagesAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("message");
        const QByteArray magic = LocalSocketInstance::kMagic;
        const auto header = [&](quint32 length) {
            char bytes[4];
            qToBigEndian(length, bytes);
            return magic + QByteArray(bytes, 4);
        };
        QTest::newRow("wrong magic") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QTest::newRow("length beyond the limit") << header(LocalSocketInstance::kMaxPathBytes + 1) + "x";
        QTest::newRow("4 GB announced") << header(0xFFFFFFFFu);
        QTest::newRow("more bytes than announced") << header(2) + "abc";
        QTest::newRow("not UTF-8") << header(2) + "\xff\xfe";
        QTest::newRow("a character cut at the end") << header(4) + "caf\xC3";
        QTest::newRow("confirmed before it was accepted")
            << LocalSocketInstance::encodeMessage(QStringLiteral("/early.tcpc")) + LocalSocketInstance::kConfirmed;
        QTest::newRow("NUL in the path") << header(3) + QByteArray("a\0b", 3);
        QTest::newRow("cut short, then silence") << header(10) + "abc";
    }
    void malformedAndOversizedMessagesAreIgnored()
    {
        QFETCH(QByteArray, message);
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });
        bool closed = false;
        QVERIFY(!SendRaw(running.socketPath(), message, &closed));
        QVERIFY(closed);
        // The running copy goes on taking well-formed hand-overs, and nothing else came before this one.
        QVERIFY(SendRaw(running.socketPath(), LocalSocketInstance::encodeMessage(QStringLiteral("/ok.tcpc"))));
        QTRY_COMPARE(received, QStringList { QStringLiteral("/ok.tcpc") });
    }

    void aPathTooLongIsNotSent()
    {
        LocalSocketInstance running(m_runtime.path());
        QCOMPARE(running.claim(), Role::Running);
        QStringList received;
        running.setReceiver([&](const QString& path) { received.append(path); });
        // Longer than any command line can carry, so sent from here: it is refused before anything is sent,
        // and this process's events need not run meanwhile.
        LocalSocketInstance later(m_runtime.path());
        QCOMPARE(later.claim(), Role::AnotherRuns);
        QVERIFY(!later.handOver(QString(LocalSocketInstance::kMaxPathBytes + 1, u'a')));
        QVERIFY(SendRaw(running.socketPath(), LocalSocketInstance::encodeMessage(QStringLiteral("/ok.tcpc"))));
        QTRY_COMPARE(received, QStringList { QStringLiteral("/ok.tcpc") });
    }
};

QTEST_GUILESS_MAIN(LocalSocketInstanceTest)
#include "LocalSocketInstanceTest.moc"
