// The program's windows at rest, for bench/run's count of idle system calls: the main window composed from
// the real services as main.cpp composes it, with the palette in edit mode ("edit"), and then also the mini
// picker open in its place ("mini"). Prints "ready" once that is on the screen and runs until it is ended.
#include "mainwindow/MainWindow.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QCheckBox>
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
    tw::platform::QtServices os;
    tw::MainWindow window({ os.prompter, os.systemColors, os.settings, os.clipboard, os.screen, os.fileDialogs, os.tray,
        os.colorDialog, os.associations, os.shell, os.portal });
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
