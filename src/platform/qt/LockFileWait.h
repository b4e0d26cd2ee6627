#pragma once
#include <QDeadlineTimer>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <chrono>

namespace tw::platform {

// Takes the lock, waiting up to timeoutMs for its holder. The locks of this program are held for a few
// milliseconds, so this retries after short pauses (2 ms, growing to 50 ms) where QLockFile::tryLock(timeout)
// would sleep 100 ms and more between tries.
// A holder killed between creating the lock file and writing its process id into it leaves a lock file that
// names no process; QLockFile then goes by the file's age alone (any lock older than staleMs is broken, a
// live holder's too). A staleMs well above the longest hold and below timeoutMs lets the next taker break
// such a lock in time instead of after QLockFile's 30 s; zero keeps QLockFile's own.
inline bool LockWithin(QLockFile& lock, int timeoutMs, int staleMs = 0)
{
    if (staleMs > 0)
        lock.setStaleLockTime(std::chrono::milliseconds(staleMs));
    const QDeadlineTimer deadline(timeoutMs);
    unsigned long pauseMs = 2;
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(std::min<unsigned long>(
            pauseMs, static_cast<unsigned long>(std::max<qint64>(deadline.remainingTime(), 1))));
        pauseMs = std::min<unsigned long>(pauseMs * 2, 50);
    }
    return true;
}

} // namespace tw::platform
