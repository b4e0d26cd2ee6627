#pragma once
#include "core/Messages.h"

#include <QObject>
#include <QStringList>

class QAction;
class QWidget;

namespace tw {

namespace platform {
    class Clipboard;
    class FileAssociations;
    class Prompter;
    class SettingsStore;
    class Shell;
} // namespace platform

// The Help menu: the manual in the browser, the update page, the About box and the uninstaller.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuTips;
        QAction* mnuCheck;
        QAction* mnuAbout;
        QAction* mnuUninstall;
        QAction* mnuTop;
    };
    struct Services {
        platform::Shell& shell;
        platform::FileAssociations& associations;
        platform::SettingsStore& settings;
        platform::Prompter& prompter;
        platform::Clipboard& clipboard;
    };
    HelpCommands(Services services, Menu menu, QWidget& window);

    // The pictures of the manual, in the folder "Help-images" beside it; the uninstaller removes them with it.
    static const QStringList& manualImages();

    void openManual();
    void checkForUpdates();
    void showAbout();
    void uninstall();

Q_SIGNALS:
    // Everything of the program is gone: it ends now, without writing its settings again.
    void uninstalled();

private:
    void tell(const QString& text, core::MessageIcon icon);

    Services m_services;
    Menu m_menu;
    QWidget& m_window;
};

} // namespace tw
