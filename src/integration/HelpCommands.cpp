#include "integration/HelpCommands.h"

#include "integration/AboutBox.h"
#include "platform/DesktopIntegration.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

namespace tw {

namespace {

    using platform::PromptAnswer;
    using platform::PromptButtons;

    const QString kNotAllowed = QStringLiteral(
        "You must run Tintwise Color Picker as a Windows administrator to uninstall it. You are NOT running as an "
        "administrator.");
    const QString kInstalledBySystem
        = QStringLiteral("This program was installed by the system's package manager. As a result, you must use the "
                         "package manager to uninstall it, for example with \"sudo apt remove "
                         "tintwise-color-picker\", or by removing Tintwise Color Picker in your desktop's software "
                         "centre.");
    const QString kNothingAffected = QStringLiteral("This will not affect the rest of the uninstall process.");

    // The wait cursor for as long as the uninstaller works.
    class WaitCursor {
    public:
        WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
        ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
        WaitCursor(const WaitCursor&) = delete;
        WaitCursor& operator=(const WaitCursor&) = delete;
    };

} // namespace

const QStringList& HelpCommands::manualImages()
{
    static const QStringList images = { QStringLiteral("main-window.png"), QStringLiteral("compact.png"),
        QStringLiteral("history.png"), QStringLiteral("mini-picker.png"), QStringLiteral("html-editor.png"),
        QStringLiteral("dark-scheme.png"), QStringLiteral("web-section.png"), QStringLiteral("frozen-pick.png") };
    return images;
}

HelpCommands::HelpCommands(Services services, Menu menu, QWidget& window)
    : QObject(&window)
    , m_services(services)
    , m_menu(menu)
    , m_window(window)
{
    setObjectName(QStringLiteral("helpCommands"));
    EnableCommand(menu.mnuTips, this, [this] { openManual(); });
    EnableCommand(menu.mnuCheck, this, [this] { checkForUpdates(); });
    EnableCommand(menu.mnuAbout, this, [this] { showAbout(); });
    EnableCommand(menu.mnuUninstall, this, [this] { uninstall(); });
}

void HelpCommands::tell(const QString& text, core::MessageIcon icon)
{
    Tell(m_services.prompter, &m_window, { text.toStdString(), icon });
}

void HelpCommands::openManual()
{
    const QString manual = m_services.shell.manualPath();
    // Said plainly rather than nothing happening at all.
    if (!QFileInfo(manual).isFile())
        tell(QStringLiteral("Tintwise Color Picker Help file could not be found: ") + manual,
            core::MessageIcon::Exclamation);
    else if (!m_services.shell.openUrl(QUrl::fromLocalFile(manual)))
        tell(QStringLiteral("The browser could not be started to show the manual: ") + manual,
            core::MessageIcon::Exclamation);
}

void HelpCommands::checkForUpdates()
{
    const platform::Prompt question { QStringLiteral("Your computer must be connected to the Internet to check for "
                                                     "updates.\n\nClick OK to check for updates on the Tintwise Color "
                                                     "Picker web site.\n\nNote: You should check for updates once per "
                                                     "month."),
        QString::fromLatin1(kAppTitle), core::MessageIcon::Information, PromptButtons::OkCancel, PromptAnswer::Ok };
    if (m_services.prompter.ask(&m_window, question) != PromptAnswer::Ok)
        return;
    const QString version = QCoreApplication::applicationVersion();
    const QString page
        = AboutBox::projectPage() + QStringLiteral("update?version=") + version.section(QLatin1Char('.'), 0, 1);
    if (!m_services.shell.openUrl(QUrl(page)))
        tell(QStringLiteral("The browser could not be started to open ") + page + QLatin1Char('.'),
            core::MessageIcon::Exclamation);
}

void HelpCommands::showAbout()
{
    AboutBox box({ m_services.shell, m_services.prompter, m_services.clipboard, [this] { openManual(); } }, &m_window);
    const bool onTop = m_menu.mnuTop && m_menu.mnuTop->isChecked();
    box.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    box.exec();
    // The main window takes back its place on top.
    if (onTop) {
        m_window.raise();
        m_window.activateWindow();
    }
}

void HelpCommands::uninstall()
{
    platform::Shell& shell = m_services.shell;
    if (shell.installedBySystem()) {
        tell(kInstalledBySystem, core::MessageIcon::Exclamation);
        return;
    }
    const QString programName = QFileInfo(shell.programPath()).fileName();
    const platform::Prompt sure { QStringLiteral("Are you sure you want to uninstall Tintwise Color Picker?\n\n"
                                                 "Tintwise Color Picker will close to finalize the uninstallation "
                                                 "process. Tintwise Color Picker's registry settings and its program "
                                                 "file, %1, will be deleted, effectively removing any traces left by "
                                                 "Tintwise Color Picker.")
                                      .arg(programName),
        QString::fromLatin1(kAppTitle), core::MessageIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No };
    if (m_services.prompter.ask(&m_window, sure) != PromptAnswer::Yes)
        return;
    const platform::Prompt closeOthers {
        QStringLiteral("If you have any other programs open, please close them before continuing."),
        QString::fromLatin1(kAppTitle), core::MessageIcon::Information, PromptButtons::OkCancel, PromptAnswer::Ok
    };
    if (m_services.prompter.ask(&m_window, closeOthers) != PromptAnswer::Ok)
        return;
    // Both the registration and the program's own folder must be writable, or the uninstall would stop half way.
    const QFileInfo programFolder(QFileInfo(shell.programPath()).absolutePath());
    if (!m_services.associations.canRegister() || !programFolder.isWritable()) {
        tell(kNotAllowed, core::MessageIcon::Exclamation);
        return;
    }

    QStringList failures;
    {
        WaitCursor wait;
        if (const auto removed = m_services.associations.remove(); !removed.ok())
            failures << removed.failure;
        if (!m_services.settings.removeAll())
            failures << m_services.settings.lastError();
        shell.removeEmptyFolder(shell.settingsFolder());

        const QString manual = shell.manualPath();
        if (!QFileInfo(manual).isFile()) {
            tell(
                QStringLiteral("Tintwise Color Picker Help file could not be found. It is possible the file was moved, "
                               "renamed, or has already been deleted.\n\n")
                    + kNothingAffected,
                core::MessageIcon::Exclamation);
        } else if (const auto removed = shell.removeFile(manual); !removed.ok()) {
            tell(QStringLiteral("Tintwise Color Picker Help file could not be deleted. It is possible the file is open "
                                "right now or that it was moved, renamed, or has already been deleted.\n\n")
                    + kNothingAffected + QStringLiteral("\n\n") + removed.failure,
                core::MessageIcon::Exclamation);
        } else {
            const QString images = QFileInfo(manual).absolutePath() + QStringLiteral("/Help-images");
            for (const QString& image : manualImages()) {
                if (QFileInfo::exists(images + QLatin1Char('/') + image))
                    if (const auto gone = shell.removeFile(images + QLatin1Char('/') + image); !gone.ok())
                        failures << gone.failure;
            }
            shell.removeEmptyFolder(images);
        }
        // Linux lets a running program remove its own file; it ends right after.
        if (const auto removed = shell.removeFile(shell.programPath()); !removed.ok())
            failures << removed.failure;
    }
    if (!failures.isEmpty())
        tell(QStringLiteral("Tintwise Color Picker could not remove everything:\n") + failures.join(QLatin1Char('\n')),
            core::MessageIcon::Exclamation);
    Q_EMIT uninstalled();
}

} // namespace tw
