#include "platform/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#ifdef TW_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
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

    // An X11 client in a Wayland session (Xwayland) reads only the X windows of the desktop; everything
    // else comes back black, which must not be taken for the screen's colours.
    bool InWayland()
    {
        return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
            || (OnX11() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    }

    QRect ToQRect(const core::PixelRect& rect)
    {
        return QRect(rect.x, rect.y, rect.width, rect.height);
    }

    // Paints what lies outside every monitor.
    void FillGaps(QImage& picture, const core::DesktopPicture& layout)
    {
        QRegion gaps(QRect(QPoint(0, 0), picture.size()));
        for (const core::PixelRect& monitor : layout.monitors)
            gaps -= ToQRect(monitor);
        if (gaps.isEmpty())
            return;
        QPainter painter(&picture);
        for (const QRect& gap : gaps)
            painter.fillRect(gap, QColor::fromRgb(kNoScreen));
    }

#ifdef TW_HAVE_XCB
    xcb_connection_t* X11Connection()
    {
        if (!OnX11())
            return nullptr;
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 ? x11->connection() : nullptr;
    }

    const xcb_screen_t* X11Root(xcb_connection_t* connection)
    {
        return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    }

    // The pointer on the X server's root window, in device pixels.
    std::optional<QPoint> X11Pointer()
    {
        xcb_connection_t* connection = X11Connection();
        const xcb_screen_t* root = connection ? X11Root(connection) : nullptr;
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

    // One read of the root window covers every monitor at its real place, in the X server's own (device)
    // pixels, whatever scale the toolkit gives each monitor.
    std::optional<QImage> X11Desktop(const QRect& bounds)
    {
        xcb_connection_t* connection = X11Connection();
        const xcb_screen_t* root = connection ? X11Root(connection) : nullptr;
        if (!root || root->root_depth < 24)
            return std::nullopt;
        const QRect area = bounds & QRect(0, 0, root->width_in_pixels, root->height_in_pixels);
        if (area.isEmpty())
            return std::nullopt;
        xcb_generic_error_t* error = nullptr;
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(connection,
                xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, static_cast<std::int16_t>(area.x()),
                    static_cast<std::int16_t>(area.y()), static_cast<std::uint16_t>(area.width()),
                    static_cast<std::uint16_t>(area.height()), ~0U),
                &error),
            &std::free);
        if (error) {
            qCWarning(lcScreen, "the X server refused to hand over the screen (error %d)", error->error_code);
            std::free(error);
            return std::nullopt;
        }
        // 24-bit colour travels as 32-bit pixels, blue in the lowest byte: the layout of Format_RGB32.
        const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * 4;
        if (!reply || static_cast<std::size_t>(xcb_get_image_data_length(reply.get())) < rowBytes * area.height()) {
            qCWarning(lcScreen, "the screen came in a pixel format this program does not read");
            return std::nullopt;
        }
        QImage picture(bounds.size(), QImage::Format_RGB32);
        picture.fill(kNoScreen);
        const std::uint8_t* data = xcb_get_image_data(reply.get());
        const QPoint offset = area.topLeft() - bounds.topLeft();
        for (int row = 0; row < area.height(); ++row)
            std::memcpy(picture.scanLine(offset.y() + row) + static_cast<std::ptrdiff_t>(offset.x()) * 4,
                data + rowBytes * static_cast<std::size_t>(row), rowBytes);
        return picture;
    }

    bool X11PlacePointer(QPoint rootPixel)
    {
        xcb_connection_t* connection = X11Connection();
        const xcb_screen_t* root = connection ? X11Root(connection) : nullptr;
        if (!root)
            return false;
        xcb_warp_pointer(connection, XCB_NONE, root->root, 0, 0, 0, 0, static_cast<std::int16_t>(rootPixel.x()),
            static_cast<std::int16_t>(rootPixel.y()));
        xcb_flush(connection);
        return true;
    }
#else
    bool X11PlacePointer(QPoint)
    {
        return false;
    }
    std::optional<QPoint> X11Pointer()
    {
        return std::nullopt;
    }
    std::optional<QImage> X11Desktop(const QRect&)
    {
        return std::nullopt;
    }
#endif

    // Elsewhere, each monitor grabbed on its own and put at its place.
    std::optional<QImage> ComposedDesktop(const core::DesktopPicture& layout)
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QImage picture(layout.bounds.width, layout.bounds.height, QImage::Format_RGB32);
        picture.fill(kNoScreen);
        QPainter painter(&picture);
        for (qsizetype i = 0; i < screens.size() && i < static_cast<qsizetype>(layout.monitors.size()); ++i) {
            const QPixmap pixmap = screens[i]->grabWindow(0);
            if (pixmap.isNull()) {
                qCWarning(lcScreen, "grabbing the screen %s (platform %s) gave no picture",
                    qUtf8Printable(screens[i]->name()), qUtf8Printable(QGuiApplication::platformName()));
                return std::nullopt;
            }
            QImage part = pixmap.toImage();
            part.setDevicePixelRatio(1.0);
            const core::PixelRect& place = layout.monitors[static_cast<std::size_t>(i)];
            painter.drawImage(QRect(place.x, place.y, place.width, place.height), part);
        }
        return picture;
    }

} // namespace

std::optional<QImage> QtScreen::grabDesktop()
{
    // Expected in a Wayland session, where the desktop portal takes the picture instead.
    if (InWayland()) {
        qCDebug(lcScreen, "in a Wayland session this program cannot read the screen itself");
        return std::nullopt;
    }
    const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
    if (monitors.empty()) {
        qCDebug(lcScreen, "no screen to grab");
        return std::nullopt;
    }
    const core::DesktopPicture layout = core::LayOutDesktop(monitors);
    std::optional<QImage> picture = X11Desktop(ToQRect(layout.bounds));
    if (!picture)
        picture = ComposedDesktop(layout);
    if (!picture || picture->isNull())
        return std::nullopt;
    FillGaps(*picture, layout);
    qCDebug(lcScreen, "grabbed %zu monitors as one picture of %dx%d device pixels at %d,%d", monitors.size(),
        picture->width(), picture->height(), layout.bounds.x, layout.bounds.y);
    // The picture holds device pixels; it is used pixel for pixel.
    picture->setDevicePixelRatio(1.0);
    return picture;
}

QPoint QtScreen::cursorPosition() const
{
    const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
    const core::DesktopPicture layout = core::LayOutDesktop(monitors);
    if (const std::optional<QPoint> pointer = X11Pointer())
        return *pointer - QPoint(layout.bounds.x, layout.bounds.y);
    const QPointF global = QCursor::pos();
    if (const std::optional<core::PicturePoint> pixel = core::PicturePixelAt(monitors, layout, global.x(), global.y()))
        return QPoint(pixel->x, pixel->y);
    return global.toPoint() - QPoint(layout.bounds.x, layout.bounds.y);
}

bool QtScreen::needsDesktopPortal() const
{
    return InWayland();
}

void QtScreen::placePointer(QPoint pixel)
{
    const std::vector<core::MonitorGeometry> monitors = CurrentMonitors();
    const core::DesktopPicture layout = core::LayOutDesktop(monitors);
    if (X11PlacePointer(pixel + QPoint(layout.bounds.x, layout.bounds.y)))
        return;
    // Elsewhere only whole scaled pixels can be reached.
    if (const std::optional<core::ScaledPoint> scaled = core::ScaledPointOf(monitors, layout, { pixel.x(), pixel.y() }))
        QCursor::setPos(QPointF(scaled->x, scaled->y).toPoint());
}

} // namespace tw::platform
