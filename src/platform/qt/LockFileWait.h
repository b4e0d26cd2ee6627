#pragma once
#include <QDeadlineTimer>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <chrono>

namespace tw::platform {

// Which locks older than the stale time LockWithin breaks.
enum class StaleLocks {
    // Any lock, a live holder's too: a writer that hangs must not block every later write.
    AnyHolder,
    // Only a lock that names no process, left by a holder killed between creating the file and writing its
    // process id into it. A live holder keeps its lock however long it takes (QLockFile's own 30 s aside).
    NamingNoProcess,
};

// Takes the lock, waiting up to timeoutMs for its holder. The locks of this program are held for a few
// milliseconds, so this retries after short pauses (2 ms, growing to 50 ms) where QLockFile::tryLock(timeout)
// would sleep 100 ms and more between tries.
// A lock that names a process that no longer runs is broken at once by QLockFile. One that names no process
// goes by the file's age alone, and QLockFile breaks it only after 30 s; a staleMs well above the longest hold
// and below timeoutMs lets the next taker break such a lock in time. Zero keeps QLockFile's own.
inline bool LockWithin(QLockFile& lock, int timeoutMs, int staleMs = 0, StaleLocks which = StaleLocks::AnyHolder)
{
    const std::chrono::milliseconds ownStaleTime = lock.staleLockTimeAsDuration();
    const auto chooseStaleTime = [&] {
        if (staleMs <= 0)
            return;
        qint64 holder = 0;
        const bool namesProcess
            = which == StaleLocks::NamingNoProcess && lock.getLockInfo(&holder, nullptr, nullptr) && holder > 0;
        lock.setStaleLockTime(namesProcess ? ownStaleTime : std::chrono::milliseconds(staleMs));
    };
    const QDeadlineTimer deadline(timeoutMs);
    unsigned long pauseMs = 2;
    for (;;) {
        // Asked again before every try: the lock may have changed hands since the last one.
        chooseStaleTime();
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(std::min<unsigned long>(
            pauseMs, static_cast<unsigned long>(std::max<qint64>(deadline.remainingTime(), 1))));
        pauseMs = std::min<unsigned long>(pauseMs * 2, 50);
    }
}

} // namespace tw::platform
