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
    // The toolkit's connection to the X server and the server's root window, where there is one.
    struct X11Display {
        xcb_connection_t* connection;
        const xcb_setup_t* setup;
        const xcb_screen_t* root;
    };
    std::optional<X11Display> X11Root()
    {
        if (!OnX11())
            return std::nullopt;
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return std::nullopt;
        const xcb_setup_t* setup = xcb_get_setup(connection);
        const xcb_screen_t* root = xcb_setup_roots_iterator(setup).data;
        if (!root)
            return std::nullopt;
        return X11Display { connection, setup, root };
    }

    // The pointer on the X server's root window, in device pixels.
    std::optional<QPoint> X11Pointer()
    {
        const std::optional<X11Display> display = X11Root();
        if (!display)
            return std::nullopt;
        xcb_connection_t* connection = display->connection;
        const xcb_screen_t* root = display->root;
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

    // A rectangle of the root window (device pixels) as the X server holds it. The picture is the server's
    // reply itself, without a copy, when the server's pixels are 32-bit RGB with blue in the lowest byte,
    // least significant byte first (every common X server); otherwise nothing, and the toolkit's grab is used.
    std::optional<QImage> X11Grab(QRect rectangle)
    {
        const std::optional<X11Display> display = X11Root();
        if (!display || display->setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
            return std::nullopt;
        xcb_connection_t* connection = display->connection;
        const xcb_setup_t* setup = display->setup;
        const xcb_screen_t* root = display->root;
        bool rgb = false;
        for (auto depths = xcb_screen_allowed_depths_iterator(root); depths.rem && !rgb; xcb_depth_next(&depths))
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == root->root_visual)
                    rgb = visuals.data->red_mask == 0xFF0000 && visuals.data->green_mask == 0xFF00
                        && visuals.data->blue_mask == 0xFF;
        bool thirtyTwoBits = false;
        for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
            if (formats.data->depth == root->root_depth)
                thirtyTwoBits = formats.data->bits_per_pixel == 32;
        const QRect inside = rectangle & QRect(0, 0, root->width_in_pixels, root->height_in_pixels);
        if (!rgb || !thirtyTwoBits || inside != rectangle || rectangle.isEmpty())
            return std::nullopt;
        xcb_get_image_reply_t* reply = xcb_get_image_reply(connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, static_cast<int16_t>(rectangle.x()),
                static_cast<int16_t>(rectangle.y()), static_cast<uint16_t>(rectangle.width()),
                static_cast<uint16_t>(rectangle.height()), ~0u),
            nullptr);
        if (!reply) {
            qCWarning(lcScreen, "the X server gave no picture of %dx%d pixels at %d, %d", rectangle.width(),
                rectangle.height(), rectangle.x(), rectangle.y());
            return std::nullopt;
        }
        const qsizetype bytesPerLine = qsizetype(rectangle.width()) * 4;
        if (xcb_get_image_data_length(reply) < bytesPerLine * rectangle.height()) {
            std::free(reply);
            return std::nullopt;
        }
        return QImage(
            xcb_get_image_data(reply), rectangle.width(), rectangle.height(), bytesPerLine, QImage::Format_RGB32,
            [](void* data) { std::free(data); }, reply);
    }
#else
    std::optional<QPoint> X11Pointer()
    {
        return std::nullopt;
    }

    std::optional<QImage> X11Grab(QRect)
    {
        return std::nullopt;
    }
#endif

} // namespace

QRect QtScreen::snapshotArea() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        qCDebug(lcScreen, "no screen to grab");
        return {};
    }
    // Expected in a Wayland session, and said to the user by the caller: not worth a warning.
    if (!ScreenReadable()) {
        qCDebug(lcScreen, "an X11 client in a Wayland session cannot read the screen");
        return {};
    }
    // A screen's top-left corner is the same in scaled and in device pixels; only its size is scaled.
    const QRect geometry = screen->geometry();
    return { geometry.topLeft(), (QSizeF(geometry.size()) * screen->devicePixelRatio()).toSize() };
}

std::optional<QImage> QtScreen::grab(QRect rectangle)
{
    const QRect area = snapshotArea();
    if (area.isEmpty() || rectangle.isEmpty())
        return std::nullopt;
    if (std::optional<QImage> image = X11Grab(rectangle))
        return image;
    QScreen* screen = QGuiApplication::primaryScreen();
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
    const QRect inScreen = rectangle.translated(-area.topLeft());
    if (!image.rect().contains(inScreen)) {
        qCWarning(lcScreen, "a screen grab of %dx%d pixels does not hold %dx%d pixels at %d, %d", image.width(),
            image.height(), inScreen.width(), inScreen.height(), inScreen.x(), inScreen.y());
        return std::nullopt;
    }
    return inScreen == image.rect() ? image : image.copy(inScreen);
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
