#include "sampling/Snapshot.h"

#include "platform/ColorConversion.h"
#include "platform/Screen.h"

namespace tw {

std::optional<QImage> TakeSnapshot(platform::Screen& screen)
{
    std::optional<QImage> grabbed = screen.grabDesktop();
    if (!grabbed || grabbed->isNull() || grabbed->width() <= 0 || grabbed->height() <= 0)
        return std::nullopt;
    if (grabbed->format() != QImage::Format_RGB32)
        *grabbed = grabbed->convertToFormat(QImage::Format_RGB32);
    grabbed->setDevicePixelRatio(1.0);
    return grabbed;
}

core::Message ScreenUnreadableMessage()
{
    return { "The screen could not be read, so no color was picked and your colors are unchanged.\n\n"
             "Picking colors from the screen needs an X11 desktop session; a Wayland session does not let "
             "programs read the screen this way.",
        core::MessageIcon::Exclamation };
}

core::ColorValue SnapshotPixel(const QImage& snapshot, QPoint pixel)
{
    return platform::FromQRgb(snapshot.pixel(pixel));
}

QPoint FollowPointer(QPoint last, QPoint pointer, QSize screen)
{
    QPoint followed = last;
    if (pointer.x() >= 0 && pointer.x() < screen.width())
        followed.setX(pointer.x());
    if (pointer.y() >= 0 && pointer.y() < screen.height())
        followed.setY(pointer.y());
    return followed;
}

} // namespace tw
