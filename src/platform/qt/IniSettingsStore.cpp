#include "platform/qt/IniSettingsStore.h"

#include "platform/posix/AtomicFile.h"
#include "platform/qt/LockFileWait.h"
#include "platform/qt/StrictUtf8.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcSettings, "tw.settings", QtWarningMsg)

    // How long a write waits for another process's write to finish before it gives up.
    constexpr int kLockTimeoutMs = 5000;
    // A write holds the lock for a read, a write and an fsync: far less than this.
    constexpr int kStaleLockMs = 2500;

    qint64 Nanoseconds(const timespec& time)
    {
        return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
    }

    QByteArray NativePath(const QString& path)
    {
        return QFile::encodeName(path);
    }

    QString ErrorText(int error)
    {
        return QString::fromLocal8Bit(std::strerror(error));
    }

    // A writer's temporary file is the file's own name with this and six random characters after it.
    const QByteArray kTemporaryInfix = QByteArrayLiteral(".tmp-");

    bool IsNameSpecial(QChar c)
    {
        return c == u'=' || c == u'[' || c == u']' || c == u';' || c == u'#';
    }

    // Backslash escapes keep every text on one line and make it read back exactly: "\\" for a backslash,
    // "\xHH" (or "\uHHHH") for control characters, for white space at either end (which the reader trims),
    // and in names for the characters that mean something to the format.
    enum class TextKind { Name, Value };

    QString Escape(const QString& text, TextKind kind)
    {
        QString out;
        out.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const char16_t code = c.unicode();
            const bool atEdge = i == 0 || i == text.size() - 1;
            if (c == u'\\') {
                out += QStringLiteral("\\\\");
            } else if (code < 0x20 || code == 0x7F || (c.isSpace() && atEdge)
                || (kind == TextKind::Name && IsNameSpecial(c))) {
                const bool wide = code > 0xFF;
                out += wide ? QStringLiteral("\\u") : QStringLiteral("\\x");
                out += QString::number(code, 16).rightJustified(wide ? 4 : 2, u'0').toUpper();
            } else {
                out += c;
            }
        }
        return out;
    }

    int HexDigit(QChar c)
    {
        const char16_t code = c.unicode();
        if (code >= u'0' && code <= u'9')
            return code - u'0';
        if (code >= u'a' && code <= u'f')
            return code - u'a' + 10;
        if (code >= u'A' && code <= u'F')
            return code - u'A' + 10;
        return -1;
    }

    // A backslash that starts no escape is kept as it stands, so a hand-edited path such as C:\tmp survives.
    QString Unescape(QStringView text)
    {
        QString out;
        out.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'\\' && i + 1 < text.size()) {
                const QChar next = text.at(i + 1);
                if (next == u'\\') {
                    out += u'\\';
                    ++i;
                    continue;
                }
                const qsizetype digits = next == u'x' ? 2 : next == u'u' ? 4 : 0;
                if (digits > 0 && i + 1 + digits < text.size()) {
                    int code = 0;
                    for (qsizetype d = 0; d < digits && code >= 0; ++d) {
                        const int digit = HexDigit(text.at(i + 2 + d));
                        code = digit < 0 ? -1 : code * 16 + digit;
                    }
                    // A surrogate is half a character: taken alone it could not be written back as UTF-8,
                    // so the next save would change the text. Such an escape is kept as it stands.
                    if (code >= 0 && !QChar::isSurrogate(static_cast<char32_t>(code))) {
                        out += QChar(static_cast<char16_t>(code));
                        i += 1 + digits;
                        continue;
                    }
                }
            }
            out += c;
        }
        return out;
    }

    using Sections = IniSettingsStore::Sections;

    IniSettingsStore::Section* FindSection(Sections& sections, const QString& name)
    {
        for (auto& section : sections)
            if (section.name.compare(name, Qt::CaseInsensitive) == 0)
                return &section;
        return nullptr;
    }

    const IniSettingsStore::Section* FindSection(const Sections& sections, const QString& name)
    {
        for (const auto& section : sections)
            if (section.name.compare(name, Qt::CaseInsensitive) == 0)
                return &section;
        return nullptr;
    }

    qsizetype FindEntry(const IniSettingsStore::Section& section, const QString& key)
    {
        for (qsizetype i = 0; i < section.entries.size(); ++i)
            if (section.entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    // Sets or removes one key; answers whether the sections changed.
    bool ApplyChange(Sections& sections, const QString& sectionName, const SettingsChange& change)
    {
        IniSettingsStore::Section* section = FindSection(sections, sectionName);
        if (!change.value) {
            if (!section)
                return false;
            const qsizetype index = FindEntry(*section, change.key);
            if (index < 0)
                return false;
            section->entries.removeAt(index);
            if (section->entries.isEmpty())
                sections.removeAt(section - sections.data());
            return true;
        }
        if (!section) {
            sections.append({ sectionName, {} });
            section = &sections.last();
        }
        const qsizetype index = FindEntry(*section, change.key);
        if (index < 0) {
            section->entries.append({ change.key, *change.value });
            return true;
        }
        // The key keeps the spelling it was first written with.
        if (section->entries[index].value == *change.value)
            return false;
        section->entries[index].value = *change.value;
        return true;
    }

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

IniSettingsStore::~IniSettingsStore()
{
    releasePin();
}

QString IniSettingsStore::defaultFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tintwise-color-picker/settings.ini");
}

IniSettingsStore::Stamp IniSettingsStore::Stamp::of(const struct stat& info)
{
    return { true, info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim) };
}

bool IniSettingsStore::parse(const QByteArray& bytes, Sections& sections)
{
    sections.clear();
    const std::optional<QString> decoded = DecodeStrictUtf8(bytes, Utf8Bom::Skip);
    if (!decoded || decoded->contains(QChar(u'\0')))
        return false;
    const QString& text = *decoded;
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            if (!trimmed.endsWith(u']') || trimmed.size() < 3)
                return false;
            const QString name = Unescape(trimmed.sliced(1, trimmed.size() - 2).trimmed());
            if (name.isEmpty())
                return false;
            current = FindSection(sections, name);
            if (!current) {
                sections.append({ name, {} });
                current = &sections.last();
            }
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals <= 0 || !current)
            return false;
        const QString key = Unescape(trimmed.first(equals).trimmed());
        if (key.isEmpty())
            return false;
        const QString value = Unescape(trimmed.sliced(equals + 1).trimmed());
        const qsizetype index = FindEntry(*current, key);
        if (index >= 0)
            current->entries[index].value = value;
        else
            current->entries.append({ key, value });
    }
    // A section whose keys were all removed by hand is no section.
    sections.removeIf([](const Section& section) { return section.entries.isEmpty(); });
    return true;
}

QByteArray IniSettingsStore::serialize(const Sections& sections)
{
    QString text;
    for (const Section& section : sections) {
        if (section.entries.isEmpty())
            continue;
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + Escape(section.name, TextKind::Name) + QStringLiteral("]\n");
        for (const Entry& entry : section.entries)
            text += Escape(entry.key, TextKind::Name) + u'=' + Escape(entry.value, TextKind::Value) + u'\n';
    }
    return text.toUtf8();
}

QString IniSettingsStore::read(const QString& section, const QString& key, const QString& defaultValue) const
{
    refresh();
    const Section* found = FindSection(std::as_const(m_sections), section);
    if (!found)
        return defaultValue;
    const qsizetype index = FindEntry(*found, key);
    return index < 0 ? defaultValue : found->entries[index].value;
}

IniSettingsStore::FileState IniSettingsStore::fileState() const
{
    refresh();
    return m_state;
}

void IniSettingsStore::refresh() const
{
    if (!m_loaded) {
        load();
        return;
    }
    Stamp now;
    struct stat info { };
    if (::stat(NativePath(m_filePath).constData(), &info) == 0)
        now = Stamp::of(info);
    if (now != m_stamp)
        load();
}

void IniSettingsStore::releasePin() const
{
    if (m_pinnedFd >= 0)
        ::close(m_pinnedFd);
    m_pinnedFd = -1;
}

void IniSettingsStore::load() const
{
    releasePin();
    m_loaded = true;
    m_sections.clear();
    m_stamp = {};
    const QByteArray path = NativePath(m_filePath);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat info { };
        if (error == ENOENT || ::stat(path.constData(), &info) != 0) {
            m_state = FileState::Missing;
            return;
        }
        // Remembered, so an unreadable file is tried again only once it changes.
        m_stamp = Stamp::of(info);
        m_state = FileState::Unreadable;
        qCWarning(lcSettings, "%s: %s; the settings read as defaults", path.constData(), std::strerror(error));
        return;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0) {
        qCWarning(lcSettings, "%s: %s; the settings read as defaults", path.constData(), std::strerror(errno));
        ::close(fd);
        m_state = FileState::Unreadable;
        return;
    }
    m_stamp = Stamp::of(info);
    if (!S_ISREG(info.st_mode)) {
        qCWarning(lcSettings, "%s: not a regular file; the settings read as defaults", path.constData());
        ::close(fd);
        m_state = FileState::Unreadable;
        return;
    }
    QByteArray bytes;
    int readError = 0;
    char buffer[16384];
    while (bytes.size() <= kMaxFileSize) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            readError = errno;
            break;
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<qsizetype>(count));
    }
    m_pinnedFd = fd;
    if (readError != 0) {
        qCWarning(lcSettings, "%s: %s; the settings read as defaults", path.constData(), std::strerror(readError));
        m_state = FileState::Unreadable;
        return;
    }
    if (bytes.size() > kMaxFileSize || !parse(bytes, m_sections)) {
        qCWarning(
            lcSettings, "%s: not a settings file of this program; the settings read as defaults", path.constData());
        m_sections.clear();
        m_state = FileState::Corrupt;
        return;
    }
    m_state = FileState::Valid;
}

bool IniSettingsStore::fail(const QString& path, const QString& reason)
{
    m_lastError = path + QStringLiteral(": ") + reason;
    qCWarning(lcSettings, "write failed: %s", qUtf8Printable(m_lastError));
    return false;
}

bool IniSettingsStore::failWithErrno(const QString& path, int error)
{
    return fail(path, ErrorText(error));
}

bool IniSettingsStore::moveAside()
{
    const QString stem = m_filePath + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int attempt = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++attempt)
        target = stem + u'-' + QString::number(attempt);
    if (::rename(NativePath(m_filePath).constData(), NativePath(target).constData()) != 0)
        return fail(m_filePath, QStringLiteral("cannot move the damaged file aside (%1)").arg(ErrorText(errno)));
    qCWarning(lcSettings, "kept the damaged settings file as %s", qUtf8Printable(target));
    m_movedAside = target;
    return true;
}

bool IniSettingsStore::makeFolder()
{
    // The folders that are missing, innermost last. A path that runs through a file ends at that file, which
    // is then the one named in the error.
    QStringList missing;
    QString folder = QFileInfo(m_filePath).absolutePath();
    for (;;) {
        struct stat info { };
        if (::stat(NativePath(folder).constData(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return failWithErrno(folder, ENOTDIR);
            break;
        }
        if (errno != ENOENT && errno != ENOTDIR)
            return failWithErrno(folder, errno);
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString& each : std::as_const(missing)) {
        const QByteArray native = NativePath(each);
        if (::mkdir(native.constData(), 0700) != 0) {
            const int error = errno;
            struct stat info { };
            // Another process may have made it meanwhile.
            if (error == EEXIST && ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
            return failWithErrno(each, error);
        }
        // mkdir's mode passes through the umask: a umask of 000 must not leave the settings open to others,
        // nor one of 0277 leave the folder unwritable to its owner.
        if (::chmod(native.constData(), 0700) != 0)
            return failWithErrno(each, errno);
    }
    return true;
}

bool IniSettingsStore::takeLock(QLockFile& lock)
{
    if (LockWithin(lock, kLockTimeoutMs, kStaleLockMs))
        return true;
    const QString lockPath = m_filePath + QStringLiteral(".lock");
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return fail(lockPath, QStringLiteral("held by another process for more than %1 s").arg(kLockTimeoutMs / 1000));
    case QLockFile::PermissionError:
    case QLockFile::UnknownError:
    case QLockFile::NoError: {
        // QLockFile does not say why it could not create the file; the folder usually does.
        const QString folder = QFileInfo(m_filePath).absolutePath();
        const QByteArray native = NativePath(folder);
        struct stat info { };
        if (::stat(native.constData(), &info) != 0)
            return failWithErrno(folder, errno);
        if (!S_ISDIR(info.st_mode))
            return failWithErrno(folder, ENOTDIR);
        if (::access(native.constData(), W_OK) != 0)
            return failWithErrno(folder, errno);
        return fail(lockPath, QStringLiteral("the lock file cannot be created"));
    }
    }
    return fail(lockPath, QStringLiteral("the lock file cannot be created"));
}

void IniSettingsStore::removeLeftoverTemporaryFiles()
{
    // A writer holds a lock on its temporary file from creating it until the rename: one that nobody holds was
    // left by a writer that was killed, however young it is. One whose writer hangs (its settings lock broken as
    // stale) is still held, and spared.
    const QByteArray target = NativePath(WriteTarget(m_filePath));
    const QByteArray prefix = target.sliced(target.lastIndexOf('/') + 1) + kTemporaryInfix;
    for (const QByteArray& path : RemoveAbandonedTemporaryFiles(FolderOf(target), prefix, kStaleLockMs))
        qCDebug(lcSettings, "removed %s, left by a writer that was killed", path.constData());
}

bool IniSettingsStore::writeFile(const Sections& sections)
{
    const QByteArray bytes = serialize(sections);
    // Never write a file that this store would read back as corrupt.
    if (bytes.size() > kMaxFileSize)
        return fail(m_filePath, QStringLiteral("the settings would be larger than %1 bytes").arg(kMaxFileSize));
    const QByteArray target = NativePath(WriteTarget(m_filePath));
    // The new file replaces the old one by rename, which the old file's own mode would not stop: a settings
    // file its owner made read-only is respected here.
    if (::access(target.constData(), W_OK) != 0 && errno != ENOENT)
        return failWithErrno(m_filePath, errno);

    // 0600 whatever the umask: only the user may read or change the settings.
    const QByteArray prefix = target.sliced(target.lastIndexOf('/') + 1) + kTemporaryInfix;
    const ReplaceResult result = ReplaceFile(target, bytes, { prefix, 0600, 0600 });
    if (result.noTemporaryFile)
        return fail(m_filePath, QStringLiteral("no temporary file could be made"));
    if (!result.ok())
        return failWithErrno(m_filePath, result.error);
    return true;
}

template<typename Edit>
bool IniSettingsStore::modify(Edit edit)
{
    if (!makeFolder())
        return false;
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    if (!takeLock(lock))
        return false;
    if (!std::exchange(m_leftoversChecked, true))
        removeLeftoverTemporaryFiles();
    // Under the lock the file is what the other processes left: start from it, so their keys are kept.
    refresh();
    const bool damaged = m_state == FileState::Corrupt || m_state == FileState::Unreadable;
    Sections next = damaged ? Sections {} : m_sections;
    if (!edit(next)) {
        m_lastError.clear();
        return true;
    }
    if (damaged && !moveAside())
        return false;
    if (!writeFile(next)) {
        // The store holds what it held before; if the damaged file was moved aside, there is no file now.
        m_loaded = false;
        return false;
    }
    m_lastError.clear();
    // Pin and stamp the new file; the lock keeps other writers away until this is done.
    releasePin();
    m_sections = std::move(next);
    m_state = FileState::Valid;
    m_stamp = {};
    const int fd = ::open(NativePath(m_filePath).constData(), O_RDONLY | O_CLOEXEC);
    struct stat info { };
    if (fd >= 0 && ::fstat(fd, &info) == 0) {
        m_stamp = Stamp::of(info);
        m_pinnedFd = fd;
    } else {
        if (fd >= 0)
            ::close(fd);
        m_loaded = false;
    }
    return true;
}

bool IniSettingsStore::apply(const QString& section, const QList<SettingsChange>& changes)
{
    return modify([&](Sections& sections) {
        bool changed = false;
        for (const SettingsChange& change : changes)
            changed = ApplyChange(sections, section, change) || changed;
        return changed;
    });
}

bool IniSettingsStore::removeSection(const QString& section)
{
    return modify([&](Sections& sections) {
        return sections.removeIf([&](const Section& each) {
            return each.name.compare(section, Qt::CaseInsensitive) == 0;
        }) > 0;
    });
}

bool IniSettingsStore::removeAll()
{
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    // Without its folder there is no file to remove, and no place for a lock.
    if (QFileInfo(QFileInfo(m_filePath).absolutePath()).isDir() && !takeLock(lock))
        return false;
    refresh();
    bool done = true;
    if (m_state == FileState::Corrupt || m_state == FileState::Unreadable)
        done = moveAside();
    else if (m_state == FileState::Valid && ::unlink(NativePath(m_filePath).constData()) != 0 && errno != ENOENT)
        done = failWithErrno(m_filePath, errno);
    m_loaded = false;
    if (done)
        m_lastError.clear();
    return done;
}

} // namespace tw::platform
