#include "platform/qt/XdgFileAssociations.h"

#include "core/DesktopFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

// The icons are compiled into this library; Qt's resource initialiser must be named outside any namespace.
static void InitIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tw::platform {

namespace {

    constexpr int kIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

    const core::DocumentKind& KindOf(DocumentType type)
    {
        return type == DocumentType::Color ? core::kColorDocument : core::kPaletteDocument;
    }

    QString FromView(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // One file of the registration: where it goes below the data folder and where its bytes come from.
    struct OwnFile {
        QString relativePath;
        QString resource; // empty for the texts made here
    };

    QList<OwnFile> IconFiles()
    {
        QList<OwnFile> files;
        const auto add = [&](const QString& context, const QString& name) {
            files.append({ QStringLiteral("icons/hicolor/scalable/%1/%2.svg").arg(context, name),
                QStringLiteral(":/icons/%1.svg").arg(name) });
            for (const int size : kIconSizes) {
                files.append({ QStringLiteral("icons/hicolor/%1x%1/%2/%3.png").arg(size).arg(context, name),
                    QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name) });
            }
        };
        add(QStringLiteral("apps"), FromView(core::kIconName));
        for (const core::DocumentKind& kind : core::kDocuments)
            add(QStringLiteral("mimetypes"), FromView(kind.iconName));
        return files;
    }

    const QString kMimePackage = QStringLiteral("mime/packages/tintwise-color-picker.xml");
    const QString kDesktopEntry = QStringLiteral("applications/") + FromView(core::kDesktopId);

    // What update-mime-database makes from the packages; removed with the last package.
    const char* const kMimeCaches[] = { "aliases", "generic-icons", "globs", "globs2", "icons", "magic", "mime.cache",
        "subclasses", "treemagic", "types", "version", "XMLnamespaces" };

    QString Failure(const QString& path, const QString& reason)
    {
        return path + QStringLiteral(": ") + reason;
    }

    std::optional<QByteArray> ReadAll(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    // Writes the whole file at once (a temporary file renamed over it), only when its content changes.
    QString WriteIfChanged(const QString& path, const QByteArray& content)
    {
        if (ReadAll(path) == content)
            return {};
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return Failure(QFileInfo(path).absolutePath(), QStringLiteral("cannot create the folder"));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
            return Failure(path, file.errorString());
        return {};
    }

    // Removes a file that is there; the failure when it stays.
    QString RemoveIfPresent(const QString& path)
    {
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return {};
        QFile file(path);
        return file.remove() ? QString() : Failure(path, file.errorString());
    }

    // The folders below root that removing left empty go too; a folder holding anything stays.
    void RemoveEmptyFolders(const QString& root, const QString& path)
    {
        QDir dir(QFileInfo(path).absolutePath());
        const QString top = QDir(root).absolutePath();
        while (dir.absolutePath().startsWith(top + QLatin1Char('/')) && dir.isEmpty()) {
            const QString name = dir.dirName();
            if (!dir.cdUp() || !dir.rmdir(name))
                break;
        }
    }

    bool WritableFolder(QString path)
    {
        // The nearest folder that exists decides: the rest can be made in it.
        while (!QFileInfo(path).exists()) {
            const QString parent = QFileInfo(path).absolutePath();
            if (parent == path)
                return false;
            path = parent;
        }
        const QFileInfo info(path);
        return info.isDir() && ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
    }

    void RunTool(const char* tool, const QString& folder)
    {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (program.isEmpty())
            return;
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, { folder });
        if (!process.waitForFinished(10000))
            process.kill();
    }

} // namespace

XdgFileAssociations::XdgFileAssociations(QString programPath)
    : m_programPath(std::move(programPath))
{
    InitIconResources();
}

QString XdgFileAssociations::dataHome() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString XdgFileAssociations::mimeappsPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QStringList XdgFileAssociations::ownFiles() const
{
    QStringList files { dataHome() + QLatin1Char('/') + kMimePackage, dataHome() + QLatin1Char('/') + kDesktopEntry };
    for (const OwnFile& icon : IconFiles())
        files.append(dataHome() + QLatin1Char('/') + icon.relativePath);
    return files;
}

bool XdgFileAssociations::canRegister() const
{
    return !dataHome().isEmpty() && WritableFolder(dataHome());
}

bool XdgFileAssociations::registered(DocumentType type) const
{
    const QString home = dataHome();
    const auto entry = core::DesktopEntryText(m_programPath.toStdString());
    const QByteArray ownEntry = entry ? QByteArray::fromStdString(*entry) : QByteArray();
    if (ReadAll(home + QLatin1Char('/') + kDesktopEntry) == ownEntry
        && ReadAll(home + QLatin1Char('/') + kMimePackage) == QByteArray::fromStdString(core::MimePackageText()))
        return true;
    // Installed with the system: the entry and the package name the type, wherever the program lives.
    const QByteArray mimeType = QByteArray::fromStdString(std::string(KindOf(type).mimeType));
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (dir == home)
            continue;
        const auto systemEntry = ReadAll(dir + QLatin1Char('/') + kDesktopEntry);
        const auto systemPackage = ReadAll(dir + QLatin1Char('/') + kMimePackage);
        if (systemEntry && systemPackage && systemEntry->contains(mimeType) && systemPackage->contains(mimeType))
            return true;
    }
    return false;
}

bool XdgFileAssociations::iconPresent(DocumentType type) const
{
    const QString icon = QStringLiteral("icons/hicolor/scalable/mimetypes/%1.svg").arg(FromView(KindOf(type).iconName));
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (QFileInfo(dir + QLatin1Char('/') + icon).isFile())
            return true;
    }
    return false;
}

OutsideChange XdgFileAssociations::install()
{
    const auto entry = core::DesktopEntryText(m_programPath.toStdString());
    if (!entry)
        return { Failure(m_programPath, QStringLiteral("this program path cannot be written into a desktop entry")) };
    const QString home = dataHome();
    QString failure;
    const auto note = [&](const QString& result) {
        if (failure.isEmpty())
            failure = result;
    };
    for (const OwnFile& icon : IconFiles()) {
        const auto bytes = ReadAll(icon.resource);
        note(bytes ? WriteIfChanged(home + QLatin1Char('/') + icon.relativePath, *bytes)
                   : Failure(icon.resource, QStringLiteral("missing from the program")));
    }
    note(WriteIfChanged(home + QLatin1Char('/') + kMimePackage, QByteArray::fromStdString(core::MimePackageText())));
    note(WriteIfChanged(home + QLatin1Char('/') + kDesktopEntry, QByteArray::fromStdString(*entry)));

    const QString mimeapps = mimeappsPath();
    const bool exists = QFileInfo::exists(mimeapps);
    const auto current = ReadAll(mimeapps);
    if (exists && !current) {
        note(Failure(mimeapps, QStringLiteral("cannot be read")));
    } else {
        const std::string before = current ? current->toStdString() : std::string();
        note(WriteIfChanged(mimeapps, QByteArray::fromStdString(core::AddDefaultHandlers(before))));
    }
    refreshDesktopCaches();
    return { failure };
}

OutsideChange XdgFileAssociations::remove()
{
    const QString home = dataHome();
    QString failure;
    const auto note = [&](const QString& result) {
        if (failure.isEmpty())
            failure = result;
    };
    for (const QString& file : ownFiles()) {
        note(RemoveIfPresent(file));
        RemoveEmptyFolders(home, file);
    }

    const QString mimeapps = mimeappsPath();
    if (const auto current = ReadAll(mimeapps)) {
        const std::string after = core::RemoveDefaultHandlers(current->toStdString());
        if (QByteArray::fromStdString(after).trimmed().isEmpty())
            note(RemoveIfPresent(mimeapps));
        else
            note(WriteIfChanged(mimeapps, QByteArray::fromStdString(after)));
    }

    // The caches the desktop's tools made from our files go with the last of those files.
    const QString packages = home + QStringLiteral("/mime/packages");
    if (!QDir(packages).exists()
        || QDir(packages).isEmpty(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        for (const char* cache : kMimeCaches)
            RemoveIfPresent(home + QStringLiteral("/mime/") + QString::fromLatin1(cache));
        for (const core::DocumentKind& kind : core::kDocuments) {
            const QString typeFile = home + QStringLiteral("/mime/") + FromView(kind.mimeType) + QStringLiteral(".xml");
            RemoveIfPresent(typeFile);
            RemoveEmptyFolders(home, typeFile);
        }
        RemoveEmptyFolders(home, packages + QStringLiteral("/x"));
    }
    refreshDesktopCaches();
    // A desktop cache that lists no type any more is only what our entry left behind.
    const QString cache = home + QStringLiteral("/applications/mimeinfo.cache");
    if (const auto text = ReadAll(cache); text && !text->contains('=')) {
        RemoveIfPresent(cache);
        RemoveEmptyFolders(home, cache);
    }
    return { failure };
}

void XdgFileAssociations::refreshDesktopCaches() const
{
    const QString home = dataHome();
    if (QDir(home + QStringLiteral("/mime/packages")).exists())
        RunTool("update-mime-database", home + QStringLiteral("/mime"));
    if (QDir(home + QStringLiteral("/applications")).exists())
        RunTool("update-desktop-database", home + QStringLiteral("/applications"));
}

} // namespace tw::platform
