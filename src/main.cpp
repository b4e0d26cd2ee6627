// Composition root: builds the real services and hands them to the main window.
#include "codes/Converter.h"
#include "core/CommandLine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StartUp.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/LocalSocketInstance.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSystemColors.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "tintwise-color-picker";

std::vector<std::string> ArgumentsOf(const QStringList& arguments)
{
    std::vector<std::string> result;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        result.push_back(arguments[i].toStdString());
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    // Command-line converter: answers on standard output and needs no display.
    if (const auto status = tw::RunConverterIfAsked(argc, argv, std::cout, std::cerr))
        return *status;

    // --help and --version, before any window system is touched.
    const std::vector<std::string> rawArguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    switch (tw::core::EarlyAction(rawArguments)) {
    case tw::core::CommandLine::Action::Help:
        std::fputs(tw::core::UsageText(kProgram).c_str(), stdout);
        return 0;
    case tw::core::CommandLine::Action::Version:
        std::fputs(tw::core::VersionText(kProgram, PROJECT_VERSION).c_str(), stdout);
        return 0;
    default:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // The program ends through the main window's shutdown, never because a dialog was the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    // The window system has taken its own options out of the arguments by now.
    const tw::core::CommandLine commandLine = tw::core::ParseCommandLine(ArgumentsOf(QCoreApplication::arguments()));
    if (commandLine.action == tw::core::CommandLine::Action::Error) {
        std::fprintf(
            stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, commandLine.error.c_str(), kProgram);
        return 2;
    }

    tw::platform::QtPrompter prompter;
    tw::platform::QtSystemColors systemColors;
    tw::platform::IniSettingsStore settings(tw::platform::IniSettingsStore::defaultFilePath());
    tw::platform::QtClipboard clipboard;
    tw::platform::QtScreen screen;
    tw::platform::QtFileDialogs fileDialogs;

    // Single instance: a second start hands its command line to the running copy and ends.
    const QString path = tw::AbsoluteCommandLinePath(QString::fromStdString(commandLine.path));
    tw::platform::LocalSocketInstance instance;
    switch (tw::ClaimOrHandOver(settings, prompter, instance, path)) {
    case tw::StartDecision::RunHere:
        break;
    case tw::StartDecision::HandedOver:
        return 0;
    case tw::StartDecision::HandOverFailed:
        return 1;
    }

    tw::MainWindow window({ prompter, systemColors, settings, clipboard, screen, fileDialogs });
    window.setCommandLine(path);
    window.continueFormLoad();
    window.show();
    instance.setReceiver([&window](const QString& handedOver) { window.receiveHandOver(handedOver); });
    return QApplication::exec();
}
