#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

namespace tw::platform {

namespace {

    const QString kManual = QStringLiteral("Help.html");

    // The desktops' own system information tools, the first one installed is started.
    const QList<QStringList> kSystemInformationTools = {
        { QStringLiteral("kinfocenter") },
        { QStringLiteral("gnome-control-center"), QStringLiteral("info-overview") },
        { QStringLiteral("xfce4-about") },
        { QStringLiteral("hardinfo") },
    };

} // namespace

QtShell::QtShell(QString programPath, QString settingsFolder)
    : m_programPath(std::move(programPath))
    , m_settingsFolder(std::move(settingsFolder))
{
}

bool QtShell::installedBySystem() const
{
    return m_programPath.startsWith(QStringLiteral("/usr/"));
}

QString QtShell::manualPath() const
{
    const QString folder = QFileInfo(m_programPath).absolutePath();
    const QString beside = folder + QLatin1Char('/') + kManual;
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/../share/tintwise-color-picker/") + kManual);
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile())
        return installed;
    return beside;
}

bool QtShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool QtShell::startSystemInformation()
{
    for (const QStringList& tool : kSystemInformationTools) {
        const QString program = QStandardPaths::findExecutable(tool.first());
        if (!program.isEmpty() && QProcess::startDetached(program, tool.mid(1)))
            return true;
    }
    return false;
}

OutsideChange QtShell::removeFile(const QString& path)
{
    QFile file(path);
    if (file.remove())
        return {};
    return { path + QStringLiteral(": ") + file.errorString() };
}

void QtShell::removeEmptyFolder(const QString& path)
{
    QDir().rmdir(path);
}

QStringList QtShell::systemReport() const
{
    QStringList lines;
    lines
        << QStringLiteral("Tintwise Color Picker %1").arg(QCoreApplication::applicationVersion())
        << QStringLiteral("Qt %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR))
        << QStringLiteral("System: %1, kernel %2 %3")
               .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion())
        << QStringLiteral("CPU: %1").arg(QSysInfo::currentCpuArchitecture())
        << QStringLiteral("Platform plugin: %1").arg(QGuiApplication::platformName());
    const auto env = [](const char* name) {
        const QString value = qEnvironmentVariable(name);
        return value.isEmpty() ? QStringLiteral("(not set)") : value;
    };
    lines << QStringLiteral("Session type: %1").arg(env("XDG_SESSION_TYPE"))
          << QStringLiteral("Desktop: %1").arg(env("XDG_CURRENT_DESKTOP"));
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens[i];
        const QRect geometry = screen->geometry();
        lines << QStringLiteral("Screen %1%2: %3, %4×%5 at (%6, %7), scale %8, %9 dpi")
                     .arg(i + 1)
                     .arg(screen == QGuiApplication::primaryScreen() ? QStringLiteral(" (primary)") : QString())
                     .arg(screen->name())
                     .arg(geometry.width())
                     .arg(geometry.height())
                     .arg(geometry.x())
                     .arg(geometry.y())
                     .arg(screen->devicePixelRatio())
                     .arg(qRound(screen->logicalDotsPerInch()));
    }
    return lines;
}

} // namespace tw::platform
