#include "core/Desktop.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tw::core {

namespace {

    int DeviceLength(int scaled, double scale)
    {
        return static_cast<int>(std::lround(static_cast<double>(scaled) * scale));
    }

    PixelRect DeviceRect(const MonitorGeometry& monitor)
    {
        return { monitor.scaled.x, monitor.scaled.y, DeviceLength(monitor.scaled.width, monitor.scale),
            DeviceLength(monitor.scaled.height, monitor.scale) };
    }

    bool Holds(const PixelRect& rect, double x, double y)
    {
        return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
    }

} // namespace

DesktopPicture LayOutDesktop(std::span<const MonitorGeometry> monitors)
{
    DesktopPicture picture;
    if (monitors.empty())
        return picture;
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    for (const MonitorGeometry& monitor : monitors) {
        const PixelRect device = DeviceRect(monitor);
        left = std::min(left, device.x);
        top = std::min(top, device.y);
        right = std::max(right, device.x + device.width);
        bottom = std::max(bottom, device.y + device.height);
    }
    picture.bounds = { left, top, right - left, bottom - top };
    for (const MonitorGeometry& monitor : monitors) {
        PixelRect device = DeviceRect(monitor);
        device.x -= left;
        device.y -= top;
        picture.monitors.push_back(device);
    }
    return picture;
}

std::optional<PicturePoint> PicturePixelAt(
    std::span<const MonitorGeometry> monitors, const DesktopPicture& picture, double globalX, double globalY)
{
    if (picture.monitors.size() != monitors.size())
        return std::nullopt;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const MonitorGeometry& monitor = monitors[i];
        if (!Holds(monitor.scaled, globalX, globalY))
            continue;
        const PixelRect& part = picture.monitors[i];
        // A device position converted to scaled pixels and back may come out a hair below the whole number.
        const double dx = (globalX - monitor.scaled.x) * monitor.scale;
        const double dy = (globalY - monitor.scaled.y) * monitor.scale;
        const int x = std::clamp(static_cast<int>(std::floor(dx + 1e-6)), 0, part.width - 1);
        const int y = std::clamp(static_cast<int>(std::floor(dy + 1e-6)), 0, part.height - 1);
        return PicturePoint { part.x + x, part.y + y };
    }
    return std::nullopt;
}

std::optional<ScaledPoint> ScaledPointOf(
    std::span<const MonitorGeometry> monitors, const DesktopPicture& picture, PicturePoint pixel)
{
    if (picture.monitors.size() != monitors.size())
        return std::nullopt;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const PixelRect& part = picture.monitors[i];
        if (!Holds(part, pixel.x, pixel.y))
            continue;
        const MonitorGeometry& monitor = monitors[i];
        return ScaledPoint { monitor.scaled.x + (pixel.x - part.x + 0.5) / monitor.scale,
            monitor.scaled.y + (pixel.y - part.y + 0.5) / monitor.scale };
    }
    return std::nullopt;
}

std::vector<PixelRect> MonitorPartsOf(std::span<const MonitorGeometry> monitors, int pictureWidth, int pictureHeight)
{
    std::vector<PixelRect> parts;
    if (monitors.empty())
        return parts;
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    for (const MonitorGeometry& monitor : monitors) {
        left = std::min(left, monitor.scaled.x);
        top = std::min(top, monitor.scaled.y);
        right = std::max(right, monitor.scaled.x + monitor.scaled.width);
        bottom = std::max(bottom, monitor.scaled.y + monitor.scaled.height);
    }
    const double fx = right > left ? static_cast<double>(pictureWidth) / (right - left) : 1.0;
    const double fy = bottom > top ? static_cast<double>(pictureHeight) / (bottom - top) : 1.0;
    for (const MonitorGeometry& monitor : monitors) {
        const auto x0 = static_cast<int>(std::lround((monitor.scaled.x - left) * fx));
        const auto y0 = static_cast<int>(std::lround((monitor.scaled.y - top) * fy));
        const auto x1 = static_cast<int>(std::lround((monitor.scaled.x + monitor.scaled.width - left) * fx));
        const auto y1 = static_cast<int>(std::lround((monitor.scaled.y + monitor.scaled.height - top) * fy));
        parts.push_back({ x0, y0, x1 - x0, y1 - y0 });
    }
    return parts;
}

bool IsAverageSize(int size)
{
    return std::find(std::begin(kAverageSizes), std::end(kAverageSizes), size) != std::end(kAverageSizes);
}

std::optional<ColorValue> AverageSquare(const PixelRows& rows, int x, int y, int size)
{
    if (!rows.pixels || x < 0 || y < 0 || x >= rows.width || y >= rows.height || size < 1)
        return std::nullopt;
    const int half = size / 2;
    const int left = std::max(0, x - half);
    const int top = std::max(0, y - half);
    const int right = std::min(rows.width - 1, x + half);
    const int bottom = std::min(rows.height - 1, y + half);
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long count = 0;
    for (int row = top; row <= bottom; ++row) {
        const std::uint32_t* line = rows.pixels + static_cast<std::ptrdiff_t>(row) * rows.stride;
        for (int column = left; column <= right; ++column) {
            const std::uint32_t pixel = line[column];
            red += (pixel >> 16) & 0xFF;
            green += (pixel >> 8) & 0xFF;
            blue += pixel & 0xFF;
            ++count;
        }
    }
    const auto mean = [count](long long sum) { return static_cast<int>((2 * sum + count) / (2 * count)); };
    return MakeColor(mean(red), mean(green), mean(blue));
}

} // namespace tw::core
