#include "platform/qt/LocalSocketInstance.h"

#include "platform/qt/LockFileWait.h"
#include "platform/qt/StrictUtf8.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    // Connections a running copy lets wait before it accepts them.
    constexpr int kBacklog = 16;

    QString UserId()
    {
        return QString::number(::geteuid());
    }

    // The socket's address; nothing when the path does not fit into one.
    std::optional<sockaddr_un> AddressOf(const QString& path)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        if (native.isEmpty() || static_cast<std::size_t>(native.size()) >= sizeof address.sun_path)
            return std::nullopt;
        std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
        return address;
    }

    sockaddr* Generic(sockaddr_un& address)
    {
        return reinterpret_cast<sockaddr*>(&address);
    }

    void CloseDescriptor(int& descriptor)
    {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }

    // Connects to the running copy's socket, waiting up to timeoutMs while its queue of waiting connections is
    // full; -1 when nobody listens there.
    int ConnectTo(const QString& path, int timeoutMs)
    {
        std::optional<sockaddr_un> address = AddressOf(path);
        if (!address)
            return -1;
        const QDeadlineTimer deadline(timeoutMs);
        while (true) {
            const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
            if (descriptor < 0)
                return -1;
            if (::connect(descriptor, Generic(*address), sizeof *address) == 0)
                return descriptor;
            const int error = errno;
            ::close(descriptor);
            if ((error != EAGAIN && error != EINTR) || deadline.hasExpired())
                return -1;
            ::usleep(5000);
        }
    }

    // Waits until the socket can be read (POLLIN) or written (POLLOUT), at most timeoutMs.
    bool WaitFor(int socket, short events, int timeoutMs)
    {
        pollfd wait { socket, events, 0 };
        const QDeadlineTimer deadline(timeoutMs);
        while (true) {
            const int ready = ::poll(&wait, 1, static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
            if (ready > 0)
                return true;
            if (ready == 0 || errno != EINTR || deadline.hasExpired())
                return false;
        }
    }

    // Sends every byte before the deadline.
    bool SendAll(int socket, QByteArrayView bytes, const QDeadlineTimer& deadline)
    {
        while (!bytes.isEmpty()) {
            const ssize_t sent = ::send(socket, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
            if (sent > 0) {
                bytes = bytes.sliced(sent);
                continue;
            }
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)
                && WaitFor(socket, POLLOUT, static_cast<int>(deadline.remainingTime())))
                continue;
            return false;
        }
        return true;
    }

    // Reads what is there now without waiting; false once the other side has closed its end or the
    // connection failed.
    bool ReadAvailable(int socket, QByteArray& into)
    {
        char chunk[4096];
        while (true) {
            const ssize_t count = ::recv(socket, chunk, sizeof chunk, MSG_DONTWAIT);
            if (count > 0) {
                into.append(chunk, count);
                continue;
            }
            if (count < 0 && errno == EINTR)
                continue;
            return count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }

    // Only processes of the user who runs this copy may hand anything over.
    bool PeerIsSameUser(int socket)
    {
        ucred credentials {};
        socklen_t length = sizeof credentials;
        if (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
            return false;
        return credentials.uid == ::geteuid();
    }

    // One hand-over as the running copy sees it: the connection, its notifier and its deadline are children of
    // this object, and the connection is closed with it.
    class Exchange : public QObject {
    public:
        enum class Step { Message, Confirmation, Done };

        Exchange(int connection, QObject* parent)
            : QObject(parent)
            , socket(connection)
            , readable(new QSocketNotifier(connection, QSocketNotifier::Read, this))
            , deadline(new QTimer(this))
        {
            deadline->setSingleShot(true);
        }
        ~Exchange() override
        {
            readable->setEnabled(false);
            ::close(socket);
        }
        Exchange(const Exchange&) = delete;
        Exchange& operator=(const Exchange&) = delete;

        // Ends the exchange; the connection closes once the event loop is back.
        void finish(const char* why)
        {
            if (why)
                qCDebug(lcInstance, "hand-over dropped: %s", why);
            step = Step::Done;
            readable->setEnabled(false);
            deadline->stop();
            deleteLater();
        }

        const int socket;
        QSocketNotifier* const readable;
        QTimer* const deadline;
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
    m_context.reset();
    CloseDescriptor(m_client);
    // The socket file goes with the server, so the next start finds no stale server.
    if (m_server >= 0) {
        CloseDescriptor(m_server);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

bool LocalSocketInstance::isListening() const
{
    return m_server >= 0;
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

    m_client = ConnectTo(m_socketPath, kConnectTimeoutMs);
    if (m_client >= 0)
        return Role::AnotherRuns;
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
    const auto fail = [this](const char* what) {
        qCWarning(lcInstance, "cannot listen on %s: %s: %s; running without taking hand-overs",
            qUtf8Printable(m_socketPath), what, std::strerror(errno));
        CloseDescriptor(m_server);
        return false;
    };
    std::optional<sockaddr_un> address = AddressOf(m_socketPath);
    if (!address) {
        errno = ENAMETOOLONG;
        return fail("the name");
    }
    m_server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_server < 0)
        return fail("socket");
    // Nobody answered under the lock: a socket file still there was left by a copy that crashed.
    const QByteArray native = QFile::encodeName(m_socketPath);
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        return fail("removing the old socket");
    if (::bind(m_server, Generic(*address), sizeof *address) != 0)
        return fail("bind");
    // The folder already keeps everyone else out; the socket does too.
    if (::chmod(native.constData(), 0600) != 0 || ::listen(m_server, kBacklog) != 0) {
        const int error = errno;
        ::unlink(native.constData());
        errno = error;
        return fail("listen");
    }
    m_serverNotifier = new QSocketNotifier(m_server, QSocketNotifier::Read, m_context.get());
    QObject::connect(m_serverNotifier, &QSocketNotifier::activated, m_context.get(), [this] { acceptConnections(); });
    return true;
}

bool LocalSocketInstance::sendHandOver(int socket, const QString& commandLine)
{
    const auto giveUp = [socket](const char* why) {
        qCDebug(lcInstance, "hand-over not delivered: %s", why);
        // Closed without the 'K': the running copy drops the message.
        ::shutdown(socket, SHUT_RDWR);
        return false;
    };
    if (socket < 0)
        return giveUp("not connected");
    if (commandLine.toUtf8().size() > kMaxPathBytes)
        return giveUp("the path is too long");
    const QDeadlineTimer deadline(kReplyTimeoutMs);
    if (!SendAll(socket, encodeMessage(commandLine), deadline))
        return giveUp("the message could not be sent");
    char reply = 0;
    while (true) {
        const ssize_t count = ::recv(socket, &reply, 1, MSG_DONTWAIT);
        if (count == 1)
            break;
        if (count == 0)
            return giveUp("refused");
        if (errno == EINTR)
            continue;
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || deadline.hasExpired()
            || !WaitFor(socket, POLLIN, static_cast<int>(deadline.remainingTime())))
            return giveUp("no answer in time");
    }
    if (reply != kAccepted)
        return giveUp("refused");
    // This process may itself have been held up and find the answer only now: the running copy stops waiting
    // for the 'K' no sooner than this deadline, so a 'K' sent after it could come to nothing.
    if (deadline.hasExpired())
        return giveUp("the answer came too late");
    // The running copy acts on the 'K' alone, so the 'K' must have left this process before success is
    // reported. Once it has, the running copy only waits to read it.
    if (!SendAll(socket, QByteArrayView(&kConfirmed, 1), QDeadlineTimer(kReplyTimeoutMs)))
        return giveUp("the confirmation could not be sent");
    ::shutdown(socket, SHUT_WR);
    return true;
}

bool LocalSocketInstance::handOver(const QString& commandLine)
{
    if (m_client < 0)
        return false;
    const bool delivered = sendHandOver(m_client, commandLine);
    CloseDescriptor(m_client);
    return delivered;
}

void LocalSocketInstance::acceptConnections()
{
    while (true) {
        const int socket = ::accept4(m_server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (socket < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            // EAGAIN: nobody else waits. Anything else (out of descriptors) leaves the rest waiting in the
            // queue for the next time.
            return;
        }
        if (!PeerIsSameUser(socket)) {
            qCDebug(lcInstance, "connection of another user refused");
            ::close(socket);
            continue;
        }
        auto* exchange = new Exchange(socket, m_context.get());
        // A connection that does not finish its part in time is closed, so it cannot hold resources.
        exchange->deadline->start(kMessageTimeoutMs);

        const auto advance = [this, exchange] {
            if (exchange->step == Exchange::Step::Done)
                return;
            if (!ReadAvailable(exchange->socket, exchange->buffer)) {
                // The sender left (or the connection failed); what it sent before is still looked at, but
                // nothing it has not confirmed is acted on.
                if (exchange->step == Exchange::Step::Confirmation && exchange->buffer == QByteArray(1, kConfirmed)) {
                    exchange->finish(nullptr);
                    deliver(exchange->commandLine);
                    return;
                }
                return exchange->finish("the sender left before confirming");
            }
            if (exchange->step == Exchange::Step::Message) {
                bool rejected = false;
                std::optional<QString> commandLine = readMessage(exchange->buffer, rejected);
                if (rejected)
                    return exchange->finish("not a valid message");
                if (!commandLine)
                    return;
                exchange->commandLine = std::move(*commandLine);
                exchange->buffer.clear();
                exchange->step = Exchange::Step::Confirmation;
                if (!SendAll(exchange->socket, QByteArrayView(&kAccepted, 1), QDeadlineTimer(kReplyTimeoutMs)))
                    return exchange->finish("the answer could not be sent");
                exchange->deadline->start(kMessageTimeoutMs);
                return;
            }
            if (exchange->buffer.isEmpty())
                return;
            if (exchange->buffer != QByteArray(1, kConfirmed))
                return exchange->finish("not confirmed");
            exchange->finish(nullptr);
            deliver(exchange->commandLine);
        };
        QObject::connect(exchange->readable, &QSocketNotifier::activated, exchange, advance);
        QObject::connect(exchange->deadline, &QTimer::timeout, exchange, [exchange, advance] {
            // This copy may have been held up after its 'A' while the 'K' came in time: what is there is read
            // before giving up.
            advance();
            if (exchange->step != Exchange::Step::Done)
                exchange->finish("timed out");
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
