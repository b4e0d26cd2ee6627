#pragma once
#include "platform/SettingsStore.h"

#include <QList>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

class QLockFile;

namespace tw::platform {

// The settings as one INI file per user, normally $XDG_CONFIG_HOME/tintwise-color-picker/settings.ini.
//
// Every write reaches the disk before it returns: under a lock file, the store reads the file again (so
// the keys another process wrote meanwhile are kept), applies the change and replaces the file atomically
// (a temporary file renamed over it), so a crash never leaves half a file behind. A read re-parses the
// file only when its identity, size or times changed since the last parse; otherwise it costs one stat.
//
// A file that cannot be read or parsed (text that is not whole, valid UTF-8 included) reads as if it were
// empty. It is never overwritten: the first write moves it aside as settings.ini.corrupt-<date and time> and
// starts a new file.
//
// The settings are private: a folder the store creates is 0700 and the file 0600, whatever the umask. A write
// refuses a settings file that its owner made read-only. A writer holds a lock on its temporary file
// (settings.ini.tmp-XXXXXX) until the rename; the first write of a store removes those that no writer holds,
// left by a writer that was killed (on a file system without locks, those older than any write could take).
//
// Failures are logged under the category "tw.settings" (warnings only, unless debug output is enabled).
class IniSettingsStore : public SettingsStore {
public:
    // What the last look at the file found.
    enum class FileState { Missing, Valid, Unreadable, Corrupt };

    explicit IniSettingsStore(QString filePath);
    ~IniSettingsStore() override;
    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;

    // settings.ini in the program's folder under $XDG_CONFIG_HOME, or ~/.config when that is unset or not an
    // absolute path.
    static QString defaultFilePath();

    QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const override;
    bool apply(const QString& section, const QList<SettingsChange>& changes) override;
    bool removeSection(const QString& section) override;
    bool removeAll() override;
    // After a failed write: the file or folder that failed and why, for example
    // "/home/u/.config/tintwise-color-picker/settings.ini: Permission denied". Empty after a write that
    // succeeded, including one that had nothing to change.
    QString lastError() const override { return m_lastError; }

    QString filePath() const { return m_filePath; }
    FileState fileState() const;
    // The name a corrupt file was moved to by the last write, or empty.
    QString movedAsidePath() const { return m_movedAside; }

    // A larger file is not a settings file of this program and counts as corrupt.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    using Sections = QList<Section>;

    // The file format, public for the tests: parse answers false for text that is no settings file.
    static bool parse(const QByteArray& bytes, Sections& sections);
    static QByteArray serialize(const Sections& sections);

private:
    // What identifies one version of the file on disk.
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
        static Stamp of(const struct stat& info);
    };

    // Brings the cache up to date with the file when the file changed since it was parsed.
    void refresh() const;
    void load() const;
    void releasePin() const;
    // Read, modify, write under the lock; edit changes the sections and answers whether anything changed.
    template<typename Edit>
    bool modify(Edit edit);
    bool writeFile(const Sections& sections);
    bool moveAside();
    // Creates the missing folders of the file's path, each 0700.
    bool makeFolder();
    bool takeLock(QLockFile& lock);
    void removeLeftoverTemporaryFiles();
    // Records why a write failed and answers false.
    bool fail(const QString& path, const QString& reason);
    bool failWithErrno(const QString& path, int error);

    QString m_filePath;
    QString m_movedAside;
    QString m_lastError;
    bool m_leftoversChecked = false;
    mutable Sections m_sections;
    mutable FileState m_state = FileState::Missing;
    mutable Stamp m_stamp;
    mutable bool m_loaded = false;
    // The parsed version stays open, so its inode cannot be reused by a later file while the cache refers to
    // it: an inode that still matches is still the same file.
    mutable int m_pinnedFd = -1;
};

} // namespace tw::platform
