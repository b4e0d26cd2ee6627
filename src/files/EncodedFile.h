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

// What reading a palette or colour file found. plain holds the decoded lines (DecodeFileLines), or nothing;
// when nothing, problem tells whether the file itself could not be read (a folder, a device or a pipe is
// never opened) or held no encoded text.
struct ReadResult {
    enum class Problem { None, Missing, Folder, NotAFile, TooLarge, Unreadable, NotEncoded };
    std::optional<std::string> plain;
    Problem problem = Problem::None;
    // The system's reason for Unreadable ("Permission denied").
    QString reason;
};
ReadResult ReadEncodedFile(const QString& path);

// The message for a file that could not be read at all, naming the path and what happened; nothing for a file
// that was read (whatever it held: each reader has its own message for a file that is none of its kind).
std::optional<core::Message> ReadFailedMessage(const QString& path, const ReadResult& result);

// What happened to a save: the empty text when the file was written, otherwise why it was not.
struct SaveResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Encodes the plain text and writes it as the file's only line, ended by CR LF. The file is replaced in one
// step: a failed or interrupted save leaves whatever file was there as it was.
//
// The new text is written to a hidden temporary file next to the target (".<name>.tintwise-XXXXXX", the name
// shortened when it would be too long), synced and renamed over the target; a symbolic link is followed, so the
// file it points to is replaced. The writer holds a lock on its temporary file until the rename, and every save
// first removes the temporary files of the same target that no writer holds any more: those a save that was
// killed left behind (on a file system without locks, those older than a minute).
SaveResult WriteEncodedFile(const QString& path, std::string_view plain, const core::UnitRandom& random);

// The message that tells the user a save failed and nothing was replaced.
core::Message SaveFailedMessage(const QString& path, const SaveResult& result);

} // namespace tw
