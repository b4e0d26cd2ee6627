#pragma once
#include <QObject>

#include <functional>

class QAction;
class QIcon;
class QMenu;
class QWidget;

namespace tw::platform {
class Prompter;
class SettingsStore;
class Tray;
} // namespace tw::platform

namespace tw {

class SettingsWrites;

// The program's icon in the notification area for the whole run. Minimising the main window hides it
// (the first time with a tip), and the icon brings it back: a click or double click opens it, the context
// menu offers "&Open", "Mini Color &Picker" and "E&xit". Where the desktop has no notification area the window
// minimises as usual and the items that would hide it are disabled, so it can never be lost.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuExitMin;
        QMenu* mnuPop;
        QAction* mnuPOpen;
        QAction* mnuPMini;
        QAction* mnuPExit;
    };
    struct Services {
        platform::Tray& tray;
        platform::Prompter& prompter;
        const platform::SettingsStore& settings;
    };
    // openMini: what the mini picker button does. The icon appears with setUp().
    TrayIcon(Menu menu, Services services, SettingsWrites& writes, std::function<void()> openMini, QWidget& window);

    // Asks the desktop for its notification area and shows the icon there, enabling the items that hide the
    // window. Until then (and where there is none) they stay disabled. Asking takes round trips to the display
    // and the session bus, so the main window calls it once its first frame is on the screen.
    void setUp(const QIcon& icon);

    bool available() const { return m_available; }
    // The main window was minimised: it goes to the tray (the first time with the tip).
    void windowMinimised();
    // mnuPOpen: the main window back, and a stylesheet editor that was minimised with it.
    void open();
    // Another window to bring back with Open when it was minimised.
    void setRestoreAlso(std::function<void()> restore) { m_restoreAlso = std::move(restore); }
    // At shutdown: the icon goes.
    void remove();

private:
    Menu m_menu;
    Services m_services;
    SettingsWrites& m_writes;
    QWidget& m_window;
    std::function<void()> m_openMini;
    std::function<void()> m_restoreAlso;
    bool m_available = false;
};

} // namespace tw
