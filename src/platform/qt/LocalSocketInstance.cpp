#include "platform/qt/LocalSocketInstance.h"

#include "platform/qt/LockFileWait.h"
#include "platform/qt/StrictUtf8.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcInstance, "tw.instance", QtWarningMsg)

    constexpr qsizetype kHeaderSize = 4;
    // How long a start waits for another start that is deciding at the same moment.
    constexpr int kClaimLockTimeoutMs = 3000;
    // A start holds the lock for one connection attempt (at most kConnectTimeoutMs) and a listen: a lock that
    // names no process and is older than this was left by a start that was killed.
    constexpr int kClaimLockStaleMs = 2500;
    constexpr int kConnectTimeoutMs = 1000;

    QString UserId()
    {
        return QString::number(::geteuid());
    }

    // Only processes of the user who runs this copy may hand anything over.
    bool PeerIsSameUser(QLocalSocket& socket)
    {
        ucred credentials {};
        socklen_t length = sizeof credentials;
        const auto descriptor = static_cast<int>(socket.socketDescriptor());
        if (descriptor < 0 || ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
            return false;
        return credentials.uid == ::geteuid();
    }

    void Drop(QLocalSocket* socket)
    {
        socket->abort();
        socket->deleteLater();
    }

    // One hand-over as the running copy sees it.
    struct Exchange {
        enum class Step { Message, Confirmation, Done };
        Step step = Step::Message;
        QByteArray buffer;
        QString commandLine;
    };

} // namespace

LocalSocketInstance::LocalSocketInstance(QString baseDirectory)
    : m_baseDirectory(std::move(baseDirectory))
    , m_context(std::make_unique<QObject>())
{
}

LocalSocketInstance::~LocalSocketInstance()
{
    // Closing the server removes its socket file, so the next start finds no stale server.
    if (m_server)
        m_server->close();
}

bool LocalSocketInstance::isListening() const
{
    return m_server && m_server->isListening();
}

std::optional<QString> LocalSocketInstance::readMessage(const QByteArray& buffer, bool& rejected)
{
    const QByteArray& magic = kMagic;
    const qsizetype compared = std::min(buffer.size(), magic.size());
    rejected = QByteArrayView(buffer).first(compared) != QByteArrayView(magic).first(compared);
    if (rejected || buffer.size() < magic.size() + kHeaderSize)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData() + magic.size());
    rejected = length > kMaxPathBytes;
    if (rejected)
        return std::nullopt;
    const qsizetype total = magic.size() + kHeaderSize + static_cast<qsizetype>(length);
    if (buffer.size() < total)
        return std::nullopt;
    // Nothing may follow before the 'A': a sender that confirms ahead would have its message opened even
    // when it gave up waiting.
    rejected = buffer.size() > total;
    if (rejected)
        return std::nullopt;
    std::optional<QString> path
        = DecodeStrictUtf8(QByteArrayView(buffer).sliced(magic.size() + kHeaderSize), Utf8Bom::Keep);
    rejected = !path || path->contains(QChar(u'\0'));
    if (rejected)
        return std::nullopt;
    return path;
}

QByteArray LocalSocketInstance::encodeMessage(const QString& commandLine)
{
    const QByteArray path = commandLine.toUtf8();
    QByteArray message = kMagic;
    char length[kHeaderSize];
    qToBigEndian(static_cast<quint32>(path.size()), length);
    message.append(length, kHeaderSize);
    message.append(path);
    return message;
}

bool LocalSocketInstance::preparePrivateDirectory()
{
    QString base = m_baseDirectory;
    if (base.isEmpty())
        base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QDir::isAbsolutePath(base) || !QDir(base).exists())
        base = QDir::tempPath();
    const QString directory = base + QStringLiteral("/tintwise-color-picker-") + UserId();
    const QByteArray native = QFile::encodeName(directory);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        qCWarning(
            lcInstance, "%s: %s; running without the single-instance test", native.constData(), std::strerror(errno));
        return false;
    }
    // In a shared folder such as /tmp, someone else may have made the folder first: use it only when it is a
    // real folder of this user that nobody else may enter.
    struct stat info { };
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        qCWarning(
            lcInstance, "%s: not a folder of this user; running without the single-instance test", native.constData());
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0) {
        qCWarning(
            lcInstance, "%s: %s; running without the single-instance test", native.constData(), std::strerror(errno));
        return false;
    }
    m_socketPath = directory + QStringLiteral("/instance-") + UserId();
    return true;
}

SingleInstance::Role LocalSocketInstance::claim()
{
    if (!preparePrivateDirectory())
        return Role::Running;
    // Two starts at the same moment must not both decide to be the running copy: the test and the listen
    // happen under a lock. A lock left by a crashed start is recognised as stale by QLockFile: at once when
    // it names a process that no longer runs, after kClaimLockStaleMs when it names none.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    const bool locked = LockWithin(lock, kClaimLockTimeoutMs, kClaimLockStaleMs, StaleLocks::NamingNoProcess);
    if (!locked)
        qCDebug(
            lcInstance, "%s.lock: not taken (error %d)", qUtf8Printable(m_socketPath), static_cast<int>(lock.error()));

    auto* client = new QLocalSocket(m_context.get());
    client->connectToServer(m_socketPath);
    if (client->waitForConnected(kConnectTimeoutMs)) {
        m_client = client;
        return Role::AnotherRuns;
    }
    delete client;
    // Without the lock, the start that holds it may be about to serve on the socket there: taking the path
    // over would leave two running copies, the first one unreachable. This copy runs on its own instead.
    if (!locked) {
        qCWarning(lcInstance, "another start holds %s.lock; running on its own without listening",
            qUtf8Printable(m_socketPath));
        return Role::Running;
    }
    // A copy that cannot listen still runs; later starts find no copy and run on their own as well.
    (void)listen();
    return Role::Running;
}

bool LocalSocketInstance::listen()
{
    m_server = new QLocalServer(m_context.get());
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered under the lock: a socket file still there was left by a copy that crashed.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        qCWarning(lcInstance, "cannot listen on %s: %s; running without taking hand-overs",
            qUtf8Printable(m_socketPath), qUtf8Printable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return false;
    }
    QObject::connect(m_server, &QLocalServer::newConnection, m_server, [this] { acceptConnections(); });
    return true;
}

bool LocalSocketInstance::sendHandOver(QLocalSocket& socket, const QString& commandLine)
{
    const auto giveUp = [&socket](const char* why) {
        qCDebug(lcInstance, "hand-over not delivered: %s", why);
        // Closed without the 'K': the running copy drops the message.
        socket.abort();
        return false;
    };
    if (socket.state() != QLocalSocket::ConnectedState)
        return giveUp("not connected");
    if (commandLine.toUtf8().size() > kMaxPathBytes)
        return giveUp("the path is too long");
    const QDeadlineTimer deadline(kReplyTimeoutMs);
    socket.write(encodeMessage(commandLine));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return giveUp("the message could not be sent");
    }
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return giveUp("no answer in time");
    }
    char reply = 0;
    if (!socket.getChar(&reply) || reply != kAccepted)
        return giveUp("refused");
    // This process may itself have been held up and find the answer only now: the running copy stops waiting
    // for the 'K' no sooner than this deadline, so a 'K' sent after it could come to nothing.
    if (deadline.hasExpired())
        return giveUp("the answer came too late");
    // The running copy acts on the 'K' alone, so the 'K' must have left this process before success is
    // reported. Once it has, the running copy only waits to read it.
    socket.putChar(kConfirmed);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kReplyTimeoutMs))
            return giveUp("the confirmation could not be sent");
    }
    socket.disconnectFromServer();
    return true;
}

bool LocalSocketInstance::handOver(const QString& commandLine)
{
    if (!m_client)
        return false;
    return sendHandOver(*m_client, commandLine);
}

void LocalSocketInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!PeerIsSameUser(*socket)) {
            qCDebug(lcInstance, "connection of another user refused");
            Drop(socket);
            continue;
        }
        auto exchange = std::make_shared<Exchange>();
        const auto finish = [socket, exchange](const char* why) {
            exchange->step = Exchange::Step::Done;
            qCDebug(lcInstance, "hand-over dropped: %s", why);
            Drop(socket);
        };
        // A connection that does not finish its part in time is closed, so it cannot hold resources.
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        deadline->start(kMessageTimeoutMs);

        const auto advance = [this, socket, exchange, deadline, finish] {
            if (exchange->step == Exchange::Step::Done)
                return;
            exchange->buffer.append(socket->readAll());
            if (exchange->step == Exchange::Step::Message) {
                bool rejected = false;
                std::optional<QString> commandLine = readMessage(exchange->buffer, rejected);
                if (rejected)
                    return finish("not a valid message");
                if (!commandLine)
                    return;
                exchange->commandLine = std::move(*commandLine);
                exchange->buffer.clear();
                exchange->step = Exchange::Step::Confirmation;
                socket->putChar(kAccepted);
                socket->flush();
                deadline->start(kMessageTimeoutMs);
                return;
            }
            if (exchange->buffer.isEmpty())
                return;
            if (exchange->buffer != QByteArray(1, kConfirmed))
                return finish("not confirmed");
            exchange->step = Exchange::Step::Done;
            deadline->stop();
            socket->disconnectFromServer();
            deliver(exchange->commandLine);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, advance);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, exchange] {
            if (exchange->step != Exchange::Step::Done)
                qCDebug(lcInstance, "hand-over dropped: the sender left before confirming");
            exchange->step = Exchange::Step::Done;
            socket->deleteLater();
        });
        QObject::connect(deadline, &QTimer::timeout, socket, [socket, exchange, finish] {
            // This copy may have been held up after its 'A' while the 'K' came in time: what is there is read
            // (and handled through readyRead) before giving up.
            if (exchange->step == Exchange::Step::Confirmation)
                (void)socket->waitForReadyRead(0);
            if (exchange->step != Exchange::Step::Done)
                finish("timed out");
        });
    }
}

void LocalSocketInstance::deliver(const QString& commandLine)
{
    if (!m_receiver) {
        m_pending.append(commandLine);
        return;
    }
    // Run it from the event loop, not inside the socket's handler: opening may show a modal message.
    QTimer::singleShot(0, m_context.get(), [receiver = m_receiver, commandLine] { receiver(commandLine); });
}

void LocalSocketInstance::setReceiver(Receiver receiver)
{
    m_receiver = std::move(receiver);
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString& commandLine : pending)
        deliver(commandLine);
}

} // namespace tw::platform
