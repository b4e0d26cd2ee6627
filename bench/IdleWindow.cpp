// The program's windows at rest, for bench/run's count of idle system calls: the main window composed from
// the real services as main.cpp composes it, with the palette in edit mode ("edit"), and then also the mini
// picker open in its place ("mini"). Prints "ready" once that is on the screen and runs until it is ended.
#include "mainwindow/MainWindow.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSystemColors.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/XdgFileAssociations.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool mini = argc > 1 && std::strcmp(argv[1], "mini") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setQuitOnLastWindowClosed(false);
    tw::platform::QtPrompter prompter;
    tw::platform::QtSystemColors systemColors;
    tw::platform::IniSettingsStore settings(tw::platform::IniSettingsStore::defaultFilePath());
    tw::platform::QtClipboard clipboard;
    tw::platform::QtScreen screen;
    tw::platform::QtFileDialogs fileDialogs;
    tw::platform::QtTray tray;
    tw::platform::QtColorDialog colorDialog;
    const QString programPath = QCoreApplication::applicationFilePath();
    tw::platform::XdgFileAssociations associations(programPath);
    tw::platform::QtShell shell(programPath, QFileInfo(settings.filePath()).absolutePath());

    tw::MainWindow window(
        { prompter, systemColors, settings, clipboard, screen, fileDialogs, tray, colorDialog, associations, shell });
    window.continueFormLoad();
    window.show();
    window.findChild<QCheckBox*>(QStringLiteral("chkEditPal"))->setChecked(true);
    QTimer::singleShot(0, &window, [&window, mini] {
        if (mini)
            window.findChild<QPushButton*>(QStringLiteral("cmdMini"))->click();
        // Everything that showing them started is through before the count begins.
        QTimer::singleShot(500, [] {
            std::puts("ready");
            std::fflush(stdout);
        });
    });
    return QApplication::exec();
}
