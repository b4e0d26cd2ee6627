#include "window/TrayIcon.h"

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Tray.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"
#include "widgets/SettingsWrites.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QWidget>

namespace tw {

TrayIcon::TrayIcon(
    Menu menu, Services services, SettingsWrites& writes, std::function<void()> openMini, QWidget& window)
    : QObject(&window)
    , m_menu(menu)
    , m_services(services)
    , m_writes(writes)
    , m_window(window)
    , m_openMini(std::move(openMini))
{
    setObjectName(QStringLiteral("trayIcon"));
}

void TrayIcon::setUp(const QIcon& icon)
{
    if (m_available)
        return;
    m_available = m_services.tray.isAvailable();
    if (!m_available)
        return; // the items stay disabled: nothing may hide the window where nothing brings it back
    EnableCommand(m_menu.mnuExitMin, this, [this] { m_window.hide(); });
    EnableCommand(m_menu.mnuPOpen, this, [this] { open(); });
    EnableCommand(m_menu.mnuPMini, this, m_openMini);
    EnableCommand(m_menu.mnuPExit, this, [this] { m_window.close(); });
    m_services.tray.show(
        icon, QString::fromLatin1(kAppTitle), [this](platform::Tray::Activation activation, QPoint at) {
            if (activation == platform::Tray::Activation::Context)
                m_menu.mnuPop->popup(at);
            else
                open();
        });
}

void TrayIcon::windowMinimised()
{
    if (!m_available)
        return;
    if (!m_services.settings.readBool(keys::kMain, keys::kMinimiseTip, false)) {
        m_services.prompter.ask(&m_window,
            { QStringLiteral("When you click the Minimize button, Tintwise Color Picker is minimized to the system "
                             "tray.\n\nThis tip will not appear again."),
                QStringLiteral("Tintwise Color Picker Tip"), core::MessageIcon::Information,
                platform::PromptButtons::Ok, platform::PromptAnswer::Ok });
        m_writes.writeBool(keys::kMain, keys::kMinimiseTip, true);
    }
    m_window.hide();
}

void TrayIcon::open()
{
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    if (m_restoreAlso)
        m_restoreAlso();
    m_window.raise();
    m_window.activateWindow();
}

void TrayIcon::remove()
{
    if (m_available)
        m_services.tray.hide();
}

} // namespace tw
