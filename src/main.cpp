// Composition root: builds the real services and hands them to the main window.
#include "codes/Converter.h"
#include "mainwindow/MainWindow.h"
#include "platform/MemorySettingsStore.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSystemColors.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // Command-line converter: answers on standard output and needs no display.
    if (const auto status = tw::RunConverterIfAsked(argc, argv, std::cout, std::cerr))
        return *status;

    // --help and --version, before any window system is touched.

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    tw::platform::QtPrompter prompter;
    tw::platform::QtSystemColors systemColors;
    // FIXME: settings live in memory until the per-user settings file is in place.
    tw::platform::MemorySettingsStore settings;
    tw::platform::QtClipboard clipboard;
    tw::platform::QtScreen screen;
    tw::platform::QtFileDialogs fileDialogs;

    // Single instance: a second start hands its command line to the running copy and ends.

    tw::MainWindow window({ prompter, systemColors, settings, clipboard, screen, fileDialogs });
    // FIXME: stands in for the command-line parsing: the first argument Qt left is the file to open.
    window.setCommandLine(QApplication::arguments().value(1));
    window.continueFormLoad();
    window.show();
    return QApplication::exec();
}
