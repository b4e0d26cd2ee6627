#include "mainwindow/StartUp.h"

#include "mainwindow/MainWindow.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QDir>

namespace tw {

namespace {

    const QString kMain = QStringLiteral("Main");
    const QString kCmd = QStringLiteral("Cmd");

} // namespace

QString AbsoluteCommandLinePath(const QString& path)
{
    // Joined as it stands, not cleaned: "link/../x" must name what the kernel finds there.
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QDir::currentPath() + u'/' + path;
}

StartDecision ClaimOrHandOver(platform::SettingsStore& settings, platform::Prompter& prompter,
    platform::SingleInstance& instance, const QString& commandLine)
{
    // Written before anything else: the running copy reads it when it is handed over.
    settings.write(kMain, kCmd, commandLine);
    if (instance.claim() == platform::SingleInstance::Role::Running)
        return StartDecision::RunHere;
    if (instance.handOver(commandLine))
        return StartDecision::HandedOver;
    prompter.ask(nullptr,
        { QStringLiteral("Message could not be sent to the application."), QString::fromLatin1(kAppTitle),
            core::MessageIcon::Critical, platform::PromptButtons::Ok, platform::PromptAnswer::Ok });
    return StartDecision::HandOverFailed;
}

void ReceiveHandOver(MainWindow& window, const QString& commandLine)
{
    platform::SettingsStore& settings = window.services().settings;
    if (settings.read(kMain, kCmd) != commandLine)
        settings.write(kMain, kCmd, commandLine);
    // Also kept on the window, for a store that cannot be written.
    window.setCommandLine(commandLine);
    window.OpenHer();
}

void ShowCodesTipOnce(MainWindow& window)
{
    platform::SettingsStore& settings = window.services().settings;
    if (settings.readBool(kMain, QStringLiteral("blnCodesTip"), false))
        return;
    window.services().prompter.ask(&window,
        { QStringLiteral("Shrink the window size of this program by hiding color codes you don't use. Click on "
                         "\"Visible Color Codes\" in the \"Options\" menu.\n\nThis tip will not appear again."),
            QStringLiteral("Tintwise Color Picker Tip"), core::MessageIcon::Information, platform::PromptButtons::Ok,
            platform::PromptAnswer::Ok });
    settings.writeBool(kMain, QStringLiteral("blnCodesTip"), true);
}

} // namespace tw
