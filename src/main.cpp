// Composition root: builds the real services and hands them to the main window.
#include "mainwindow/MainWindow.h"
#include "platform/MemorySettingsStore.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSystemColors.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    tw::platform::QtPrompter prompter;
    tw::platform::QtSystemColors systemColors;
    tw::platform::MemorySettingsStore settings;
    tw::platform::QtClipboard clipboard;
    tw::MainWindow window({ prompter, systemColors, settings, clipboard });
    window.continueFormLoad();
    window.show();
    return QApplication::exec();
}
