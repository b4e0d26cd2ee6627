#pragma once
#include "platform/DesktopIntegration.h"

namespace tw::platform {

// The program's own files and the desktop's programs on Linux: the manual beside the program or in the installed
// data folder, the browser through QDesktopServices, the desktop's system information tool when one is installed.
class QtShell : public Shell {
public:
    QtShell(QString programPath, QString settingsFolder);

    QString programPath() const override { return m_programPath; }
    bool installedBySystem() const override;
    QString manualPath() const override;
    QString settingsFolder() const override { return m_settingsFolder; }
    bool openUrl(const QUrl& url) override;
    bool startSystemInformation() override;
    [[nodiscard]] OutsideChange removeFile(const QString& path) override;
    void removeEmptyFolder(const QString& path) override;
    QStringList systemReport() const override;

private:
    QString m_programPath;
    QString m_settingsFolder;
};

} // namespace tw::platform
