#pragma once
#include <QPoint>

#include <functional>

class QIcon;
class QString;

namespace tw::platform {

// The program's icon in the desktop's notification area (system tray).
class Tray {
public:
    enum class Activation { Click, DoubleClick, Context };
    using Handler = std::function<void(Activation activation, QPoint globalPosition)>;

    virtual ~Tray() = default;
    // False where the desktop has no notification area (a stock GNOME desktop has none).
    virtual bool isAvailable() const = 0;
    // Shows the icon until hide(); handler runs for every click on it.
    virtual void show(const QIcon& icon, const QString& tip, Handler handler) = 0;
    virtual void hide() = 0;
};

} // namespace tw::platform
