#include "files/EncodedFile.h"

#include "platform/posix/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
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

    // The name of the temporary files of a save to the file named fileName (the bytes of the name, without the
    // folder), up to the six random characters.
    QByteArray TemporaryPrefix(const QByteArray& fileName)
    {
        // The random part and the rest of the name must fit in one file name of the folder.
        const qsizetype room = NAME_MAX - kTemporaryTag.size() - platform::kTemporaryRandomChars - 1;
        return '.' + fileName.first(std::min(fileName.size(), room)) + kTemporaryTag;
    }

    // Where the file system has no locks, a temporary file older than this is taken as abandoned.
    constexpr qint64 kAbandonedAfterMs = 60'000;

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
    const QByteArray target = QFile::encodeName(platform::WriteTarget(path));
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

    const QByteArray prefix = TemporaryPrefix(target.sliced(target.lastIndexOf('/') + 1));
    platform::RemoveAbandonedTemporaryFiles(platform::FolderOf(target), prefix, kAbandonedAfterMs);
    // A file that was there keeps its permissions; a new one gets those the umask leaves.
    platform::Replacement how { prefix, mode_t(exists ? 0600 : 0666), std::nullopt };
    if (exists)
        how.exactMode = existing.st_mode & 07777;
    const platform::ReplaceResult result = platform::ReplaceFile(target, QByteArray::fromStdString(line), how);
    if (!result.ok())
        return { ErrnoText(result.noTemporaryFile ? EEXIST : result.error) };
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
