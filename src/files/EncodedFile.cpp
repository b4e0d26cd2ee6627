#include "files/EncodedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::optional<std::string> ReadEncodedFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > kMaxEncodedFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file may have grown since it was looked at: read one byte more than allowed to notice.
    const QByteArray bytes = file.read(kMaxEncodedFileSize + 1);
    if (bytes.size() > kMaxEncodedFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return core::DecodeFileLines(SplitLines(bytes));
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
