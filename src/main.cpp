// Composition root: builds the real services and hands them to the main window.
#include "core/CommandLine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StartUp.h"
#include "platform/qt/DBusScreenshotPortal.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/LocalSocketInstance.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSystemColors.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/UnixSignalNotifier.h"
#include "platform/qt/XdgFileAssociations.h"
#include "sampling/FrozenPick.h"
#include "web/TemplateList.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "tintwise-color-picker";

// --pick: one pick from a still picture of the screen, printed as --convert prints a code. Where the desktop
// lets no program read the screen, its portal takes the picture (or, failing that, picks the colour itself).
int PickOnce(const std::string& format, const std::vector<tw::core::ColorTemplate>& templates)
{
    tw::platform::QtScreen screen;
    tw::platform::DBusScreenshotPortal portal;
    int status = static_cast<int>(tw::core::ExitStatus::NothingPicked);
    std::unique_ptr<tw::FrozenPick> pick;
    const auto print = [&](tw::core::ColorValue color) {
        tw::core::PrintColor(color, format, templates, std::cout);
        std::cout.flush();
        status = static_cast<int>(tw::core::ExitStatus::Done);
        QCoreApplication::exit(0);
    };
    const auto fail = [](const QString& why) {
        std::cerr << kProgram << ": " << why.toStdString() << ", so nothing can be picked\n";
        QCoreApplication::exit(0);
    };
    const auto show = [&](QImage picture) {
        pick = std::make_unique<tw::FrozenPick>(std::move(picture), &screen);
        QObject::connect(
            pick.get(), &tw::FrozenPick::picked, [&](tw::core::ColorValue color, Qt::MouseButton) { print(color); });
        QObject::connect(pick.get(), &tw::FrozenPick::cancelled, [] { QCoreApplication::exit(0); });
        pick->start(pick->pointerPixel());
    };
    using Outcome = tw::platform::ScreenshotPortal::Outcome;
    const auto explain = [](const tw::platform::ScreenshotPortal::Result& result) {
        switch (result.outcome) {
        case Outcome::Refused:
            return QStringLiteral("the desktop did not allow a picture of the screen");
        case Outcome::Missing:
            return QStringLiteral("the desktop has no screenshot portal");
        case Outcome::NoAnswer:
            return QStringLiteral("the desktop's screenshot portal did not answer");
        case Outcome::Failed:
        case Outcome::Taken:
            break;
        }
        return QStringLiteral("the desktop could not take a picture of the screen (%1)").arg(result.detail);
    };
    if (!screen.needsDesktopPortal()) {
        std::optional<QImage> snapshot = screen.grabDesktop();
        if (!snapshot) {
            std::cerr << kProgram << ": the screen cannot be read here, so nothing can be picked\n";
            return status;
        }
        show(std::move(*snapshot));
    } else {
        portal.takeScreenshot([&](const tw::platform::ScreenshotPortal::Result& result) {
            if (result.outcome == Outcome::Taken && !result.image.isNull()) {
                show(result.image);
            } else if (result.outcome == Outcome::Failed || result.outcome == Outcome::Missing) {
                portal.pickColor([&, first = result](const tw::platform::ScreenshotPortal::Result& answer) {
                    if (answer.outcome == Outcome::Taken && answer.color)
                        print(*answer.color);
                    else
                        fail(explain(answer.outcome == Outcome::Refused ? answer : first));
                });
            } else {
                fail(explain(result));
            }
        });
    }
    QApplication::exec();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // The whole command line is read before any window system is touched: --help, --version, --convert and
    // every misuse answer without a display.
    const tw::core::CommandLine commandLine
        = tw::core::ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    // A --format may name one of the templates the user keeps in the settings; only then is the file read.
    std::vector<tw::core::ColorTemplate> templates = tw::core::PredefinedTemplates();
    if (!commandLine.format.empty())
        templates
            = tw::ReadTemplates(tw::platform::IniSettingsStore(tw::platform::IniSettingsStore::defaultFilePath()));
    if (const auto status
        = tw::core::AnswerWithoutWindow(commandLine, kProgram, PROJECT_VERSION, std::cout, std::cerr, templates))
        return static_cast<int>(*status);

    // The window system sees the program's name and its own options only, so that it can never take FILE for
    // one of them. It keeps the count and the strings for as long as it runs.
    std::vector<std::string> toolkitStrings { argc > 0 ? argv[0] : kProgram };
    toolkitStrings.insert(
        toolkitStrings.end(), commandLine.toolkitArguments.begin(), commandLine.toolkitArguments.end());
    std::vector<char*> toolkitArgv;
    for (std::string& argument : toolkitStrings)
        toolkitArgv.push_back(argument.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitStrings.size());

    QApplication app(toolkitArgc, toolkitArgv.data());
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // The program ends through the main window's shutdown, never because a dialog was the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    tw::platform::UnixSignalNotifier terminations;

    if (commandLine.action == tw::core::CommandLine::Action::Pick)
        return PickOnce(commandLine.format, templates);

    tw::platform::QtPrompter prompter;
    tw::platform::QtSystemColors systemColors;
    tw::platform::IniSettingsStore settings(tw::platform::IniSettingsStore::defaultFilePath());
    tw::platform::QtClipboard clipboard;
    tw::platform::QtScreen screen;
    tw::platform::DBusScreenshotPortal portal;
    tw::platform::QtFileDialogs fileDialogs;
    tw::platform::QtTray tray;
    tw::platform::QtColorDialog colorDialog;
    const QString programPath = QCoreApplication::applicationFilePath();
    tw::platform::XdgFileAssociations associations(programPath);
    tw::platform::QtShell shell(programPath, QFileInfo(settings.filePath()).absolutePath());

    // Single instance: a second start hands its command line to the running copy and ends.
    // A name whose bytes are no text in this system's encoding would come back as a different name: the file
    // is not opened by a name it does not have, and the user is told so plainly.
    const QByteArray rawPath(commandLine.path.c_str());
    QString path = tw::AbsoluteCommandLinePath(QFile::decodeName(rawPath));
    if (QFile::encodeName(QFile::decodeName(rawPath)) != rawPath) {
        path.clear();
        prompter.ask(nullptr,
            { QStringLiteral("The name of the file given on the command line is not valid text in this system's "
                             "encoding, so the file cannot be opened. Rename the file and open it again."),
                QStringLiteral("Tintwise Color Picker"), tw::core::MessageIcon::Exclamation,
                tw::platform::PromptButtons::Ok, tw::platform::PromptAnswer::Ok });
    }
    tw::platform::LocalSocketInstance instance;
    switch (tw::ClaimOrHandOver(settings, prompter, instance, path)) {
    case tw::StartDecision::RunHere:
        break;
    case tw::StartDecision::HandedOver:
        return static_cast<int>(tw::core::ExitStatus::Done);
    case tw::StartDecision::HandOverFailed:
        return static_cast<int>(tw::core::ExitStatus::NotHandedOver);
    }

    tw::MainWindow window({ prompter, systemColors, settings, clipboard, screen, fileDialogs, tray, colorDialog,
        associations, shell, portal });
    window.setCommandLine(path);
    window.continueFormLoad();
    window.show();
    instance.setReceiver([&window](const QString& handedOver) { window.receiveHandOver(handedOver); });
    // Ended by the system (kill, Ctrl+C in a terminal, a closed terminal, the session ending): the same
    // orderly shutdown as closing the window, so the settings are saved and "Cap" is emptied. A request that
    // came during start-up waits in the notifier until the event loop runs.
    QObject::connect(&terminations, &tw::platform::UnixSignalNotifier::terminationRequested, &window,
        [&window](tw::platform::TerminationReason) { window.shutdown(); });
    return QApplication::exec();
}
