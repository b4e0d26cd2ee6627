#pragma once
#include "platform/DesktopIntegration.h"

#include <QUrl>

namespace tw::test {

// The desktop's registration of the two document types, as flags a test sets and reads.
struct FakeFileAssociations : platform::FileAssociations {
    bool writable = true;
    bool colorRegistered = true;
    bool paletteRegistered = true;
    bool colorIcon = true;
    bool paletteIcon = true;
    QString failure; // what install() and remove() answer
    int installs = 0;
    int removals = 0;

    bool canRegister() const override { return writable; }
    bool registered(platform::DocumentType type) const override
    {
        return type == platform::DocumentType::Color ? colorRegistered : paletteRegistered;
    }
    bool iconPresent(platform::DocumentType type) const override
    {
        return type == platform::DocumentType::Color ? colorIcon : paletteIcon;
    }
    platform::OutsideChange install() override
    {
        ++installs;
        if (failure.isEmpty())
            colorRegistered = paletteRegistered = colorIcon = paletteIcon = true;
        return { failure };
    }
    platform::OutsideChange remove() override
    {
        ++removals;
        if (failure.isEmpty())
            colorRegistered = paletteRegistered = colorIcon = paletteIcon = false;
        return { failure };
    }
};

// The program's own files and the desktop's programs: paths a test chooses, the addresses opened recorded.
struct FakeShell : platform::Shell {
    QString program = QStringLiteral("/home/user/bin/tintwise-color-picker");
    bool bySystem = false;
    QString manual = QStringLiteral("/home/user/bin/Help.html");
    QString settings = QStringLiteral("/home/user/.config/tintwise-color-picker");
    bool browserWorks = true;
    bool systemTool = false;
    QList<QUrl> opened;
    QStringList removed;
    QStringList removedFolders;
    int systemToolStarts = 0;

    QString programPath() const override { return program; }
    bool installedBySystem() const override { return bySystem; }
    QString manualPath() const override { return manual; }
    QString settingsFolder() const override { return settings; }
    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return browserWorks;
    }
    bool startSystemInformation() override
    {
        ++systemToolStarts;
        return systemTool;
    }
    platform::OutsideChange removeFile(const QString& path) override
    {
        removed.append(path);
        return {};
    }
    void removeEmptyFolder(const QString& path) override { removedFolders.append(path); }
    QStringList systemReport() const override
    {
        return { QStringLiteral("Tintwise Color Picker 1.0.0"), QStringLiteral("Platform plugin: offscreen") };
    }
};

} // namespace tw::test
