#pragma once
#include "platform/Tray.h"

#include <memory>

class QSystemTrayIcon;

namespace tw::platform {

class QtTray : public Tray {
public:
    QtTray();
    ~QtTray() override;

    bool isAvailable() const override;
    void show(const QIcon& icon, const QString& tip, Handler handler) override;
    void hide() override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace tw::platform
