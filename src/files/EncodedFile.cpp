#include "files/EncodedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <vector>

namespace tw {

namespace {

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
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return { std::nullopt, Problem::Missing, {} };
    if (info.isDir())
        return { std::nullopt, Problem::Folder, {} };
    if (!info.isFile())
        return { std::nullopt, Problem::NotAFile, {} };
    if (info.size() > kMaxEncodedFileSize)
        return { std::nullopt, Problem::TooLarge, {} };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { std::nullopt, Problem::Unreadable, QString::fromLocal8Bit(std::strerror(errno)) };
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return { file.errorString() };
    if (file.write(line.data(), static_cast<qint64>(line.size())) != static_cast<qint64>(line.size())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return { error };
    }
    if (!file.commit())
        return { file.errorString() };
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
