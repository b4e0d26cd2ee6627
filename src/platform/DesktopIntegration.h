#pragma once
#include <QString>
#include <QStringList>

class QUrl;

namespace tw::platform {

enum class DocumentType { Color, Palette };

// What a change of files outside the program came to: empty when all went well, otherwise the first failure as
// "path: reason".
struct OutsideChange {
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};

// The desktop's knowledge of the two document types: which program opens them and with which icons. Per user,
// in the user's data folder.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;
    // Registering needs only the per-user data folder to be writable.
    virtual bool canRegister() const = 0;
    // True when the desktop opens the type with this program, through a per-user registration for this very
    // program file or through one installed with the system.
    virtual bool registered(DocumentType type) const = 0;
    virtual bool iconPresent(DocumentType type) const = 0;
    // Writes the icons, the MIME package, the desktop entry and the default-handler lines; registering twice
    // changes nothing. The desktop's caches are refreshed when their tools are installed.
    [[nodiscard]] virtual OutsideChange install() = 0;
    // Removes exactly what install() adds.
    [[nodiscard]] virtual OutsideChange remove() = 0;
};

// The program's own files and the desktop's programs, as the Help menu needs them.
class Shell {
public:
    virtual ~Shell() = default;
    virtual QString programPath() const = 0;
    // True when the program belongs to the system (installed by the package manager under /usr), which then
    // also removes it.
    virtual bool installedBySystem() const = 0;
    // The manual beside the program, or in the installed data folder; where it is looked for first when
    // there is none.
    virtual QString manualPath() const = 0;
    // The folder of the settings file.
    virtual QString settingsFolder() const = 0;
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts the desktop's system information tool; false when none is installed.
    virtual bool startSystemInformation() = 0;
    // Removes one file; the reason when that failed.
    [[nodiscard]] virtual OutsideChange removeFile(const QString& path) = 0;
    // Removes a folder only when it is empty.
    virtual void removeEmptyFolder(const QString& path) = 0;
    // What a bug report needs: versions, platform plugin, session type, screens and their scales.
    virtual QStringList systemReport() const = 0;
};

} // namespace tw::platform
