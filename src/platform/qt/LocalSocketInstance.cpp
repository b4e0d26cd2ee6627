#include "platform/qt/LocalSocketInstance.h"

#include "platform/qt/LockFileWait.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tw::platform {

namespace {

    constexpr qsizetype kHeaderSize = 4;
    constexpr char kAccepted = 'A';
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
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    // In a shared folder such as /tmp, someone else may have made the folder first: use it only when it is a
    // real folder of this user that nobody else may enter.
    struct stat info { };
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return false;
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

    auto* client = new QLocalSocket(m_context.get());
    client->connectToServer(m_socketPath);
    if (client->waitForConnected(kConnectTimeoutMs)) {
        m_client = client;
        return Role::AnotherRuns;
    }
    delete client;
    // Without the lock, the start that holds it may be about to serve on the socket there: taking the path
    // over would leave two running copies, the first one unreachable. This copy runs on its own instead.
    if (locked)
        listen();
    return Role::Running;
}

bool LocalSocketInstance::listen()
{
    m_server = new QLocalServer(m_context.get());
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered under the lock: a socket file still there was left by a copy that crashed.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    QObject::connect(m_server, &QLocalServer::newConnection, m_server, [this] { acceptConnections(); });
    return true;
}

bool LocalSocketInstance::handOver(const QString& commandLine)
{
    if (!m_client || m_client->state() != QLocalSocket::ConnectedState)
        return false;
    if (commandLine.toUtf8().size() > kMaxPathBytes)
        return false;
    m_client->write(encodeMessage(commandLine));
    if (!m_client->waitForBytesWritten(kReplyTimeoutMs) && m_client->bytesToWrite() > 0)
        return false;
    while (m_client->bytesAvailable() < 1) {
        if (!m_client->waitForReadyRead(kReplyTimeoutMs))
            return false;
    }
    char reply = 0;
    const bool accepted = m_client->getChar(&reply) && reply == kAccepted;
    m_client->disconnectFromServer();
    return accepted;
}

void LocalSocketInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!PeerIsSameUser(*socket)) {
            Drop(socket);
            continue;
        }
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A connection that does not finish its message in time is closed, so it cannot hold resources.
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, socket, [socket] { Drop(socket); });
        deadline->start(kMessageTimeoutMs);

        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer, deadline] {
            buffer->append(socket->readAll());
            const qsizetype magicSize = kMagic.size();
            const qsizetype compared = std::min(buffer->size(), magicSize);
            if (QByteArrayView(*buffer).first(compared) != QByteArrayView(kMagic).first(compared)) {
                Drop(socket);
                return;
            }
            if (buffer->size() < magicSize + kHeaderSize)
                return;
            const quint32 length = qFromBigEndian<quint32>(buffer->constData() + magicSize);
            if (length > kMaxPathBytes) {
                Drop(socket);
                return;
            }
            const qsizetype total = magicSize + kHeaderSize + static_cast<qsizetype>(length);
            if (buffer->size() < total)
                return;
            if (buffer->size() > total) {
                Drop(socket);
                return;
            }
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString commandLine = decoder(QByteArrayView(*buffer).sliced(magicSize + kHeaderSize));
            if (decoder.hasError() || commandLine.contains(QChar(u'\0'))) {
                Drop(socket);
                return;
            }
            deadline->stop();
            socket->putChar(kAccepted);
            socket->flush();
            socket->disconnectFromServer();
            deliver(commandLine);
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
