#include "platform/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>

#ifdef TW_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#endif

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcScreen, "tw.screen", QtWarningMsg)

    // What lies between monitors of different sizes: no screen, shown as the magnifier's background.
    constexpr QRgb kNoScreen = qRgb(0xC0, 0xC0, 0xC0);

    bool OnX11()
    {
        return QGuiApplication::platformName() == QLatin1String("xcb");
    }

    // A Wayland session lets no program read the screen; an X11 client in one (Xwayland) reads only the X
    // windows of the desktop and everything else comes back black, which must not be taken for the screen's
    // colours.
    bool InWayland()
    {
        return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
            || (OnX11() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    }

    // Paints what lies on no monitor in a picture of `rectangle` (display coordinates).
    void FillGaps(QImage& picture, const core::DesktopPicture& layout, QRect rectangle)
    {
        QRegion gaps(rectangle);
        const QPoint origin(layout.bounds.x, layout.bounds.y);
        for (const core::PixelRect& monitor : layout.monitors)
            gaps -= ToQRect(monitor).translated(origin);
        if (gaps.isEmpty())
            return;
        QPainter painter(&picture);
        for (const QRect& gap : gaps)
            painter.fillRect(gap.translated(-rectangle.topLeft()), QColor::fromRgb(kNoScreen));
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

    bool X11PlacePointer(QPoint rootPixel)
    {
        const std::optional<X11Display> display = X11Root();
        if (!display)
            return false;
        xcb_warp_pointer(display->connection, XCB_NONE, display->root->root, 0, 0, 0, 0,
            static_cast<std::int16_t>(rootPixel.x()), static_cast<std::int16_t>(rootPixel.y()));
        xcb_flush(display->connection);
        return true;
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

    bool X11PlacePointer(QPoint)
    {
        return false;
    }
#endif

    // The monitors in device pixels. On X11 the root window is the truth: a monitor's size scaled back from
    // the toolkit's whole scaled pixels may come out a pixel larger than the server's (2560 pixels at 1.5 are
    // 1707 scaled pixels, and 1707 at 1.5 are 2561), and a pixel past the root window cannot be read.
    core::DesktopPicture CurrentLayout(const std::vector<core::MonitorGeometry>& monitors)
    {
        core::DesktopPicture layout = core::LayOutDesktop(monitors);
#ifdef TW_HAVE_XCB
        if (const std::optional<X11Display> display = X11Root()) {
            const QRect oldBounds = ToQRect(layout.bounds);
            const QRect bounds
                = oldBounds & QRect(0, 0, display->root->width_in_pixels, display->root->height_in_pixels);
            if (bounds != oldBounds && !bounds.isEmpty()) {
                for (core::PixelRect& monitor : layout.monitors) {
                    const QRect clipped
                        = (ToQRect(monitor).translated(oldBounds.topLeft()) & bounds).translated(-bounds.topLeft());
                    monitor = { clipped.x(), clipped.y(), clipped.width(), clipped.height() };
                }
                layout.bounds = { bounds.x(), bounds.y(), bounds.width(), bounds.height() };
            }
        }
#endif
        return layout;
    }

    // Where the X server cannot be read directly, each monitor grabbed on its own and put at its place.
    std::optional<QImage> ComposedDesktop(const core::DesktopPicture& layout)
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QImage picture(layout.bounds.width, layout.bounds.height, QImage::Format_RGB32);
        if (picture.isNull()) {
            qCWarning(lcScreen, "no room for a picture of %dx%d pixels", layout.bounds.width, layout.bounds.height);
            return std::nullopt;
        }
        picture.fill(kNoScreen);
        QPainter painter(&picture);
        for (qsizetype i = 0; i < screens.size() && i < static_cast<qsizetype>(layout.monitors.size()); ++i) {
            const QPixmap pixmap = screens[i]->grabWindow(0);
            if (pixmap.isNull() || pixmap.width() <= 0 || pixmap.height() <= 0) {
                qCWarning(lcScreen, "grabbing the screen %s (platform %s) gave no picture",
                    qUtf8Printable(screens[i]->name()), qUtf8Printable(QGuiApplication::platformName()));
                return std::nullopt;
            }
            QImage part = pixmap.toImage();
            // The grab holds device pixels; they are used pixel for pixel.
            part.setDevicePixelRatio(1.0);
            // Pixel for pixel at the monitor's place: a part a pixel larger or smaller than its place (sizes
            // scaled back from rounded ones) is not stretched, which would move every pixel after the first.
            const core::PixelRect& place = layout.monitors[static_cast<std::size_t>(i)];
            painter.drawImage(QPoint(place.x, place.y), part);
        }
        return picture;
    }

    // The desktop this program may read itself, or nothing: a Wayland session (expected, and the desktop
    // portal takes the picture instead: not worth a warning) or no screen.
    std::optional<core::DesktopPicture> ReadableDesktop()
    {
        if (InWayland()) {
            qCDebug(lcScreen, "in a Wayland session this program cannot read the screen itself");
            return std::nullopt;
        }
        const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
        if (monitors.empty()) {
            qCDebug(lcScreen, "no screen to grab");
            return std::nullopt;
        }
        return CurrentLayout(monitors);
    }

} // namespace

QRect QtScreen::snapshotArea() const
{
    const std::optional<core::DesktopPicture> layout = ReadableDesktop();
    return layout ? ToQRect(layout->bounds) : QRect();
}

std::optional<QImage> QtScreen::grab(QRect rectangle)
{
    const std::optional<core::DesktopPicture> layout = ReadableDesktop();
    if (!layout || rectangle.isEmpty())
        return std::nullopt;
    const QRect area = ToQRect(layout->bounds);
    if (area.isEmpty())
        return std::nullopt;
    std::optional<QImage> image = X11Grab(rectangle);
    if (!image) {
        std::optional<QImage> desktop = ComposedDesktop(*layout);
        if (!desktop)
            return std::nullopt;
        const QRect inPicture = rectangle.translated(-area.topLeft());
        if (!desktop->rect().contains(inPicture)) {
            qCWarning(lcScreen, "a screen grab of %dx%d pixels does not hold %dx%d pixels at %d, %d", desktop->width(),
                desktop->height(), inPicture.width(), inPicture.height(), inPicture.x(), inPicture.y());
            return std::nullopt;
        }
        image = inPicture == desktop->rect() ? std::move(*desktop) : desktop->copy(inPicture);
    }
    FillGaps(*image, *layout, rectangle);
    // The picture holds device pixels; it is used pixel for pixel.
    image->setDevicePixelRatio(1.0);
    return image;
}

QPoint QtScreen::cursorPosition() const
{
    const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
    const core::DesktopPicture layout = CurrentLayout(monitors);
    const QPoint origin(layout.bounds.x, layout.bounds.y);
    if (const std::optional<QPoint> pointer = X11Pointer())
        return *pointer - origin;
    const QPointF global = QCursor::pos();
    if (const std::optional<core::PicturePoint> pixel = core::PicturePixelAt(monitors, layout, global.x(), global.y()))
        return QPoint(pixel->x, pixel->y);
    return global.toPoint() - origin;
}

bool QtScreen::needsDesktopPortal() const
{
    return InWayland();
}

void QtScreen::placePointer(QPoint pixel)
{
    const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
    const core::DesktopPicture layout = CurrentLayout(monitors);
    if (X11PlacePointer(pixel + QPoint(layout.bounds.x, layout.bounds.y)))
        return;
    // Elsewhere only whole scaled pixels can be reached.
    if (const std::optional<core::ScaledPoint> scaled = core::ScaledPointOf(monitors, layout, { pixel.x(), pixel.y() }))
        QCursor::setPos(QPointF(scaled->x, scaled->y).toPoint());
}

} // namespace tw::platform
