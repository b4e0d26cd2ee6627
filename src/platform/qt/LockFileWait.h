#pragma once
#include <QDeadlineTimer>
#include <QLockFile>
#include <QThread>

#include <algorithm>

namespace tw::platform {

// Takes the lock, waiting up to timeoutMs for its holder. The locks of this program are held for a few
// milliseconds, so this retries after short pauses (2 ms, growing to 50 ms) where QLockFile::tryLock(timeout)
// would sleep 100 ms and more between tries.
inline bool LockWithin(QLockFile& lock, int timeoutMs)
{
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
