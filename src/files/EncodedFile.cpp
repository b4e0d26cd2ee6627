#include "files/EncodedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tw {

namespace {

    QString ErrnoText(int error)
    {
        return QString::fromLocal8Bit(std::strerror(error));
    }

    // What marks a temporary file of a save; see TemporaryPrefix.
    const QByteArray kTemporaryTag = QByteArrayLiteral(".tintwise-");
    constexpr qsizetype kTemporaryRandomChars = 6;

    // The name of the temporary files of a save to the file named fileName (the bytes of the name, without the
    // folder), up to the six random characters.
    QByteArray TemporaryPrefix(const QByteArray& fileName)
    {
        // The random part and the rest of the name must fit in one file name of the folder.
        const qsizetype room = NAME_MAX - kTemporaryTag.size() - kTemporaryRandomChars - 1;
        return '.' + fileName.first(std::min(fileName.size(), room)) + kTemporaryTag;
    }

    // A file that is a symbolic link stays one: the file it points to is replaced. A link that leads nowhere
    // after many steps (a loop) answers itself, which the save then refuses.
    QString WriteTarget(const QString& path)
    {
        QFileInfo file(QFileInfo(path).absoluteFilePath());
        for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
            file.setFile(file.symLinkTarget());
        return file.isSymLink() ? QFileInfo(path).absoluteFilePath() : file.absoluteFilePath();
    }

    bool WriteWhole(int fd, const std::string& bytes)
    {
        const char* data = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t count = ::write(fd, data, left);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                if (count == 0)
                    errno = EIO;
                return false;
            }
            data += count;
            left -= static_cast<std::size_t>(count);
        }
        return true;
    }

    // Where the file system has no locks, a temporary file older than this is taken as abandoned.
    constexpr int kAbandonedAfterSeconds = 60;

    // Whether the temporary file open as fd was left by a writer that is gone: nobody holds its lock (which this
    // then holds until fd is closed), or, where the file system has no locks, it is older than any save takes.
    bool IsAbandoned(int fd, const struct stat& info, int seconds)
    {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EWOULDBLOCK)
            return false;
        return ::time(nullptr) - info.st_mtim.tv_sec > seconds;
    }

    // Creates folder/prefix + six random characters and locks it; the lock tells a later save that a writer
    // still works on the file. Answers the open file, or -1 with errno set.
    int CreateTemporaryFile(const QByteArray& folder, const QByteArray& prefix, mode_t mode, QByteArray& path)
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

    // Removes the temporary files of the target that no writer holds: a save that was killed left them.
    void RemoveAbandonedTemporaryFiles(const QByteArray& folder, const QByteArray& prefix)
    {
        DIR* directory = ::opendir(folder.constData());
        if (!directory)
            return;
        const auto closeDirectory = qScopeGuard([directory] { ::closedir(directory); });
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
            struct stat opened { };
            if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino
                && IsAbandoned(fd, opened, kAbandonedAfterSeconds))
                (void)::unlink(path.constData());
            ::close(fd);
        }
    }

    // Lines end with CR LF, LF or a lone CR; a line end at the very end of the file starts no further line.
    std::vector<std::string> SplitLines(const QByteArray& bytes)
    {
        std::vector<std::string> lines;
        std::string line;
        bool lineOpen = false;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
                lines.push_back(std::move(line));
                line.clear();
                lineOpen = false;
            } else {
                line += c;
                lineOpen = true;
            }
        }
        if (lineOpen)
            lines.push_back(std::move(line));
        return lines;
    }

} // namespace

ReadResult ReadEncodedFile(const QString& path)
{
    using Problem = ReadResult::Problem;
    if (path.isEmpty())
        return { std::nullopt, Problem::Missing, {} };
    const QByteArray native = QFile::encodeName(path);
    struct stat info { };
    if (::stat(native.constData(), &info) != 0) {
        // A name that is there but cannot be followed (a loop of links, a folder that may not be entered) says
        // so; only a name that is not there is missing.
        if (errno == ENOENT || errno == ENOTDIR)
            return { std::nullopt, Problem::Missing, {} };
        return { std::nullopt, Problem::Unreadable, ErrnoText(errno) };
    }
    if (S_ISDIR(info.st_mode))
        return { std::nullopt, Problem::Folder, {} };
    if (!S_ISREG(info.st_mode))
        return { std::nullopt, Problem::NotAFile, {} };
    if (info.st_size > kMaxEncodedFileSize)
        return { std::nullopt, Problem::TooLarge, {} };
    // Opened without waiting, and looked at again once open: a pipe put in the file's place meanwhile must not
    // hold the program up until something writes to it.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return { std::nullopt, Problem::Unreadable, ErrnoText(errno) };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return { std::nullopt, Problem::NotAFile, {} };
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return { std::nullopt, Problem::Unreadable, file.errorString() };
    }
    // The file may have grown since it was looked at: read one byte more than allowed to notice.
    const QByteArray bytes = file.read(kMaxEncodedFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return { std::nullopt, Problem::Unreadable, file.errorString() };
    if (bytes.size() > kMaxEncodedFileSize)
        return { std::nullopt, Problem::TooLarge, {} };
    std::optional<std::string> plain = core::DecodeFileLines(SplitLines(bytes));
    if (!plain)
        return { std::nullopt, Problem::NotEncoded, {} };
    return { std::move(plain), Problem::None, {} };
}

std::optional<core::Message> ReadFailedMessage(const QString& path, const ReadResult& result)
{
    using Problem = ReadResult::Problem;
    QString text;
    switch (result.problem) {
    case Problem::None:
    case Problem::NotEncoded:
    case Problem::TooLarge:
        // The file was there to read; what it holds is for the reader to judge.
        return std::nullopt;
    case Problem::Missing:
        text = QStringLiteral("The file does not exist:\n%1").arg(path);
        break;
    case Problem::Folder:
        text = QStringLiteral("This is a folder, not a file:\n%1").arg(path);
        break;
    case Problem::NotAFile:
        text = QStringLiteral("This is not a regular file (a device or a pipe), so it is not read:\n%1").arg(path);
        break;
    case Problem::Unreadable:
        text = QStringLiteral("The file cannot be read: %1\n%2").arg(result.reason, path);
        break;
    }
    return core::Message { text.toStdString(), core::MessageIcon::Exclamation };
}

SaveResult WriteEncodedFile(const QString& path, std::string_view plain, const core::UnitRandom& random)
{
    const std::string line = core::EncodeFileText(plain, random) + "\r\n";
    const QByteArray target = QFile::encodeName(WriteTarget(path));
    struct stat existing { };
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return { ErrnoText(errno) };
    if (exists && S_ISDIR(existing.st_mode))
        return { ErrnoText(EISDIR) };
    if (exists && !S_ISREG(existing.st_mode))
        return { QStringLiteral("Not a regular file") };
    // The rename would replace a file its owner made read-only: such a file is refused as the user would be.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return { ErrnoText(errno) };

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArrayLiteral(".")
        : slash == 0                    ? QByteArrayLiteral("/")
                                        : target.first(slash);
    const QByteArray prefix = TemporaryPrefix(target.sliced(slash + 1));
    RemoveAbandonedTemporaryFiles(folder, prefix);

    QByteArray temporary;
    const int fd = CreateTemporaryFile(folder, prefix, exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return { ErrnoText(errno) };
    // Closing the file gives up its lock, so it stays open until the rename is done.
    bool renamed = false;
    const auto cleanUp = qScopeGuard([&] {
        if (!renamed)
            ::unlink(temporary.constData());
        ::close(fd);
    });
    // A file that was there keeps its permissions; a new one gets those the umask leaves.
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        return { ErrnoText(errno) };
    if (!WriteWhole(fd, line) || ::fsync(fd) != 0)
        return { ErrnoText(errno) };
    if (::rename(temporary.constData(), target.constData()) != 0)
        return { ErrnoText(errno) };
    renamed = true;
    // The rename reaches the disk with the folder. The new file is in place whatever this answers.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        (void)::fsync(folderFd);
        ::close(folderFd);
    }
    return {};
}

core::Message SaveFailedMessage(const QString& path, const SaveResult& result)
{
    const QString text = QStringLiteral("The file could not be saved:\n%1\n\n%2\n\nNothing was written, and a file "
                                        "that was already there is unchanged.")
                             .arg(path, result.error.isEmpty() ? QStringLiteral("Unknown error") : result.error);
    return { text.toStdString(), core::MessageIcon::Critical };
}

} // namespace tw
