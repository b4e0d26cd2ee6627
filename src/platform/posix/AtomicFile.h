#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <sys/types.h>

// Replacing a file's whole content so that a reader, or a crash at any moment, finds either the old content or the
// new one, never a part: the new content goes to a locked temporary file beside the target, is synced and renamed
// over it. The lock, held until the rename, tells a later save that the temporary file is not abandoned.
namespace tw::platform {

// The file a save replaces: a symbolic link stays one, and the file it leads to is replaced. A link that leads
// nowhere after many steps (a loop) answers the path itself, which the save then refuses. Absolute.
QString WriteTarget(const QString& path);

// How many random characters follow a temporary file's prefix.
inline constexpr qsizetype kTemporaryRandomChars = 6;

struct Replacement {
    // The temporary files' names in the target's folder: this and kTemporaryRandomChars random characters.
    QByteArray temporaryPrefix;
    // The permissions the temporary file is made with (the umask applies), and those it is given whatever the
    // umask, if any.
    mode_t createMode = 0600;
    std::optional<mode_t> exactMode;
};

struct ReplaceResult {
    int error = 0; // errno of the step that failed; 0 when the file was replaced
    bool noTemporaryFile = false; // every name tried was taken by another writer
    bool ok() const { return error == 0 && !noTemporaryFile; }
};

// Replaces the file target (a native path, as WriteTarget gives it) with bytes.
ReplaceResult ReplaceFile(const QByteArray& target, const QByteArray& bytes, const Replacement& how);

// Removes the temporary files of prefix in folder that no writer holds: a save that was killed left them. Where
// the file system has no locks, a file older than abandonedAfterMs is taken as abandoned. Answers what it removed.
QList<QByteArray> RemoveAbandonedTemporaryFiles(
    const QByteArray& folder, const QByteArray& prefix, qint64 abandonedAfterMs);

// The folder of a native path ("." for a bare name, "/" for a file at the root).
QByteArray FolderOf(const QByteArray& path);

} // namespace tw::platform
