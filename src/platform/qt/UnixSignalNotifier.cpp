#include "platform/qt/UnixSignalNotifier.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcTermination, "tw.termination", QtWarningMsg)

    constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP };

    // The pipe's write end for the signal handler; -1 while no notifier holds the signals. A signal handler
    // may only touch lock-free atomics.
    std::atomic<int> g_writeEnd { -1 };
    static_assert(std::atomic<int>::is_always_lock_free);

    void OnSignal(int number)
    {
        const int savedErrno = errno;
        const int fd = g_writeEnd.load();
        if (fd >= 0) {
            const auto byte = static_cast<unsigned char>(number);
            // The pipe does not block; when it is full, earlier requests are still waiting and this one adds
            // nothing.
            const ssize_t written = ::write(fd, &byte, 1);
            (void)written;
        }
        errno = savedErrno;
    }

    TerminationReason ReasonOf(int signalNumber)
    {
        switch (signalNumber) {
        case SIGINT:
            return TerminationReason::Interrupt;
        case SIGHUP:
            return TerminationReason::HangUp;
        default:
            return TerminationReason::Terminate;
        }
    }

} // namespace

UnixSignalNotifier::UnixSignalNotifier(QObject* parent)
    : QObject(parent)
{
    static_assert(std::size(kSignals) == kSignalCount);
    qRegisterMetaType<TerminationReason>();
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcTermination, "no pipe for the termination signals: %s", std::strerror(errno));
        return;
    }
    int expected = -1;
    if (!g_writeEnd.compare_exchange_strong(expected, ends[1])) {
        qCWarning(lcTermination, "the termination signals are already taken by another notifier");
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(static_cast<qintptr>(m_readEnd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalNotifier::readRequests);

    for (int i = 0; i < kSignalCount; ++i) {
        struct sigaction current { };
        if (::sigaction(kSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            continue;
        struct sigaction action { };
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        // A system call the signal interrupts goes on; the request is handled from the event loop.
        action.sa_flags = SA_RESTART;
        m_taken[i] = ::sigaction(kSignals[i], &action, &m_previous[i]) == 0;
        if (!m_taken[i])
            qCWarning(lcTermination, "signal %d not taken over: %s", kSignals[i], std::strerror(errno));
    }

#if QT_CONFIG(sessionmanager)
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Handled before this returns, while the session manager waits: a deferred shutdown could come too
        // late.
        connect(application, &QGuiApplication::commitDataRequest, this,
            [this] { deliver(TerminationReason::SessionEnding); });
    }
#endif
}

UnixSignalNotifier::~UnixSignalNotifier()
{
    for (int i = 0; i < kSignalCount; ++i) {
        if (m_taken[i])
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
    }
    if (m_writeEnd < 0)
        return;
    g_writeEnd.store(-1);
    delete m_notifier;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void UnixSignalNotifier::readRequests()
{
    std::optional<TerminationReason> first;
    unsigned char bytes[64];
    for (;;) {
        const ssize_t count = ::read(m_readEnd, bytes, sizeof bytes);
        if (count > 0) {
            if (!first)
                first = ReasonOf(bytes[0]);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        break;
    }
    if (first)
        deliver(*first);
}

void UnixSignalNotifier::deliver(TerminationReason reason)
{
    qCDebug(lcTermination, "termination requested (%d)", static_cast<int>(reason));
    Q_EMIT terminationRequested(reason);
    if (m_handler)
        m_handler(reason);
    else
        m_pending = reason;
}

void UnixSignalNotifier::setHandler(Handler handler)
{
    m_handler = std::move(handler);
    if (!m_handler || !m_pending)
        return;
    // From the event loop, as every other request: never inside the caller of setHandler.
    QTimer::singleShot(0, this, [this, reason = *std::exchange(m_pending, std::nullopt)] {
        if (m_handler)
            m_handler(reason);
    });
}

} // namespace tw::platform
