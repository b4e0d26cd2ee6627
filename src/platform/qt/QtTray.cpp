#include "platform/qt/QtTray.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace tw::platform {

QtTray::QtTray() = default;

QtTray::~QtTray() = default;

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::show(const QIcon& icon, const QString& tip, Handler handler)
{
    if (!m_icon)
        m_icon = std::make_unique<QSystemTrayIcon>();
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    QObject::disconnect(m_icon.get(), &QSystemTrayIcon::activated, nullptr, nullptr);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
        [handler = std::move(handler)](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                handler(Activation::Click, QCursor::pos());
                break;
            case QSystemTrayIcon::DoubleClick:
                handler(Activation::DoubleClick, QCursor::pos());
                break;
            case QSystemTrayIcon::Context:
                handler(Activation::Context, QCursor::pos());
                break;
            default:
                break;
            }
        });
    m_icon->show();
}

void QtTray::hide()
{
    if (m_icon)
        m_icon->hide();
}

} // namespace tw::platform
