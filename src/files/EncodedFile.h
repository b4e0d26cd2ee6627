#pragma once
#include "core/FileText.h"
#include "core/Messages.h"

#include <QString>

#include <optional>
#include <string>

namespace tw {

// The largest palette or colour file the readers look at. The program's own files are well under 1 KiB;
// anything bigger is not one of them, and reading it whole would only cost memory.
inline constexpr qint64 kMaxEncodedFileSize = 64 * 1024;

// Reads a palette or colour file and decodes its lines (DecodeFileLines). Nothing when the path names no
// regular, readable file of at most kMaxEncodedFileSize bytes: a folder, a device or a pipe is never opened.
std::optional<std::string> ReadEncodedFile(const QString& path);

// What happened to a save: the empty text when the file was written, otherwise why it was not.
struct SaveResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Encodes the plain text and writes it as the file's only line, ended by CR LF. The file is replaced in one
// step: a failed or interrupted save leaves whatever file was there as it was.
SaveResult WriteEncodedFile(const QString& path, std::string_view plain, const core::UnitRandom& random);

// The message that tells the user a save failed and nothing was replaced.
core::Message SaveFailedMessage(const QString& path, const SaveResult& result);

} // namespace tw
