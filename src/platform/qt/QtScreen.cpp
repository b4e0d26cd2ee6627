#include "platform/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>

#ifdef TW_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcScreen, "tw.screen", QtWarningMsg)

    bool OnX11()
    {
        return QGuiApplication::platformName() == QLatin1String("xcb");
    }

    // An X11 client in a Wayland session (Xwayland) reads only the X windows of the desktop; everything
    // else comes back black, which must not be taken for the screen's colours.
    bool ScreenReadable()
    {
        return !(OnX11() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    }

#ifdef TW_HAVE_XCB
    // The pointer on the X server's root window, in device pixels.
    std::optional<QPoint> X11Pointer()
    {
        if (!OnX11())
            return std::nullopt;
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return std::nullopt;
        const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (!root)
            return std::nullopt;
        xcb_query_pointer_reply_t* reply
            = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root->root), nullptr);
        if (!reply) {
            qCDebug(lcScreen, "the X server did not say where the pointer is; asking the toolkit");
            return std::nullopt;
        }
        const QPoint position(reply->root_x, reply->root_y);
        std::free(reply);
        return position;
    }
#else
    std::optional<QPoint> X11Pointer()
    {
        return std::nullopt;
    }
#endif

} // namespace

std::optional<QImage> QtScreen::grabPrimaryScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        qCDebug(lcScreen, "no screen to grab");
        return std::nullopt;
    }
    // Expected in a Wayland session, and said to the user by the caller: not worth a warning.
    if (!ScreenReadable()) {
        qCDebug(lcScreen, "an X11 client in a Wayland session cannot read the screen");
        return std::nullopt;
    }
    const QPixmap pixmap = screen->grabWindow(0);
    if (pixmap.isNull() || pixmap.width() <= 0 || pixmap.height() <= 0) {
        qCWarning(lcScreen, "grabbing the screen %s (platform %s) gave no picture", qUtf8Printable(screen->name()),
            qUtf8Printable(QGuiApplication::platformName()));
        return std::nullopt;
    }
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        qCWarning(lcScreen, "a screen grab of %dx%d pixels could not be converted", pixmap.width(), pixmap.height());
        return std::nullopt;
    }
    // The grab holds device pixels; the image is used pixel for pixel.
    image.setDevicePixelRatio(1.0);
    return image;
}

QPoint QtScreen::cursorPosition() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QCursor::pos();
    // A screen's top-left corner is the same in scaled and in device pixels; only its size is scaled.
    const QPoint origin = screen->geometry().topLeft();
    if (const std::optional<QPoint> pointer = X11Pointer())
        return *pointer - origin;
    return DevicePixelOf(QCursor::pos(), origin, screen->devicePixelRatio());
}

} // namespace tw::platform
