#pragma once
#include "platform/Tray.h"

#include <QIcon>
#include <QString>

namespace tw::test {

// A notification area that is there or not; a test clicks the icon with activate().
struct FakeTray : platform::Tray {
    bool available = true;
    bool shown = false;
    QIcon icon;
    QString tip;
    Handler handler;

    bool isAvailable() const override { return available; }
    void show(const QIcon& shownIcon, const QString& text, Handler onActivated) override
    {
        shown = true;
        icon = shownIcon;
        tip = text;
        handler = std::move(onActivated);
    }
    void hide() override { shown = false; }
    void activate(Activation activation, QPoint at = { 10, 10 })
    {
        if (shown && handler)
            handler(activation, at);
    }
};

} // namespace tw::test
