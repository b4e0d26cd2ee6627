#include "platform/posix/AtomicFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw::platform {

namespace {

    bool WriteWhole(int fd, const QByteArray& bytes)
    {
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t count = ::write(fd, data, static_cast<size_t>(left));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                if (count == 0)
                    errno = EIO;
                return false;
            }
            data += count;
            left -= count;
        }
        return true;
    }

    // Creates folder/prefix + six random characters and locks it. Answers the open file, or -1 with errno set
    // (EEXIST when every name tried was taken).
    int CreateLockedFile(const QByteArray& folder, const QByteArray& prefix, mode_t mode, QByteArray& path)
    {
        static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            path = folder + '/' + prefix;
            for (qsizetype i = 0; i < kTemporaryRandomChars; ++i)
                path += kChars[QRandomGenerator::global()->bounded(static_cast<int>(sizeof kChars - 1))];
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd < 0 && errno == EEXIST)
                continue;
            if (fd < 0)
                return -1;
            // Another save may have found the file before this lock and taken it for abandoned: it holds the
            // lock while it removes the file, so the file is either locked here and whole, or already gone. A
            // file system without locks leaves the file unlocked, and the age alone tells it abandoned.
            const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
            struct stat info { };
            if (taken || ::fstat(fd, &info) != 0 || info.st_nlink == 0) {
                ::close(fd);
                continue;
            }
            return fd;
        }
        errno = EEXIST;
        return -1;
    }

} // namespace

QString WriteTarget(const QString& path)
{
    QFileInfo file(QFileInfo(path).absoluteFilePath());
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? QFileInfo(path).absoluteFilePath() : file.absoluteFilePath();
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.first(slash);
}

ReplaceResult ReplaceFile(const QByteArray& target, const QByteArray& bytes, const Replacement& how)
{
    const QByteArray folder = FolderOf(target);
    QByteArray temporary;
    const int fd = CreateLockedFile(folder, how.temporaryPrefix, how.createMode, temporary);
    if (fd < 0)
        return { errno == EEXIST ? 0 : errno, errno == EEXIST };
    // Closing the file gives up its lock, so it stays open until the rename is done.
    bool renamed = false;
    const auto cleanUp = qScopeGuard([&] {
        if (!renamed)
            ::unlink(temporary.constData());
        ::close(fd);
    });
    if (how.exactMode && ::fchmod(fd, *how.exactMode) != 0)
        return { errno };
    if (!WriteWhole(fd, bytes) || ::fsync(fd) != 0)
        return { errno };
    if (::rename(temporary.constData(), target.constData()) != 0)
        return { errno };
    renamed = true;
    // The rename reaches the disk with the folder. The new file is in place whatever this answers, so a failure
    // here is not a failed write.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        (void)::fsync(folderFd);
        ::close(folderFd);
    }
    return {};
}

QList<QByteArray> RemoveAbandonedTemporaryFiles(
    const QByteArray& folder, const QByteArray& prefix, qint64 abandonedAfterMs)
{
    QList<QByteArray> removed;
    DIR* directory = ::opendir(folder.constData());
    if (!directory)
        return removed;
    const auto closeDirectory = qScopeGuard([directory] { ::closedir(directory); });
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    while (const dirent* entry = ::readdir(directory)) {
        const QByteArrayView name(entry->d_name);
        if (name.size() != prefix.size() + kTemporaryRandomChars || !name.startsWith(prefix))
            continue;
        const QByteArray path = folder + '/' + name.toByteArray();
        struct stat named { };
        if (::lstat(path.constData(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid())
            continue;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // Nobody holds the lock (which this then holds until fd is closed), or, where the file system has no
        // locks, the file is older than any write takes. One whose writer hangs is still held, and spared.
        struct stat opened { };
        const auto abandoned = [&] {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            const qint64 modifiedMs
                = static_cast<qint64>(opened.st_mtim.tv_sec) * 1000 + opened.st_mtim.tv_nsec / 1000000;
            return errno != EWOULDBLOCK && nowMs - modifiedMs > abandonedAfterMs;
        };
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino && abandoned()
            && ::unlink(path.constData()) == 0)
            removed.append(path);
        ::close(fd);
    }
    return removed;
}

} // namespace tw::platform
