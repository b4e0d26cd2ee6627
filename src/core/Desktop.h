#pragma once
#include "core/ColorValue.h"
#include "core/ZoomGeometry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tw::core {

// One monitor as the toolkit reports it: its rectangle in the toolkit's scaled pixels and how many device
// pixels one scaled pixel is. Its top-left corner is the same in scaled and in device pixels (the X server
// places monitors in device pixels); only its size is scaled.
struct MonitorGeometry {
    PixelRect scaled;
    double scale = 1.0;
};

// Every monitor of the desktop placed in one picture of device pixels. `monitors` holds each monitor's
// rectangle in that picture, in the order given; `bounds` is the rectangle of the whole desktop in the
// display server's device pixels (the picture's top-left pixel is bounds.x, bounds.y). Where the monitors
// leave gaps the picture shows no screen.
struct DesktopPicture {
    PixelRect bounds;
    std::vector<PixelRect> monitors;
};

DesktopPicture LayOutDesktop(std::span<const MonitorGeometry> monitors);

// The picture pixel under a pointer at a global position in scaled pixels, read on the monitor that holds
// it (at a seam, the monitor whose rectangle starts there). A position on no monitor (a gap, or beyond the
// desktop's edge) is nothing.
struct PicturePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};
std::optional<PicturePoint> PicturePixelAt(
    std::span<const MonitorGeometry> monitors, const DesktopPicture& picture, double globalX, double globalY);

// The global position, in scaled pixels, of the centre of a picture pixel on the monitor that shows it;
// nothing for a pixel in a gap.
struct ScaledPoint {
    double x = 0.0;
    double y = 0.0;
};
std::optional<ScaledPoint> ScaledPointOf(
    std::span<const MonitorGeometry> monitors, const DesktopPicture& picture, PicturePoint pixel);

// A picture of the desktop that does not come in device pixels (a desktop portal may hand over one in
// scaled pixels, or at any size): each monitor's part is the monitor's scaled rectangle stretched by the
// picture's size over the desktop's scaled size, so every monitor still gets its own part.
std::vector<PixelRect> MonitorPartsOf(std::span<const MonitorGeometry> monitors, int pictureWidth, int pictureHeight);

// Pixels 0xAARRGGBB (alpha ignored), row by row; a row holds `stride` pixels, `width` of them used.
struct PixelRows {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// The average sizes offered for a pick: 1x1, 3x3, 5x5 and 9x9 pixels.
inline constexpr int kAverageSizes[] = { 1, 3, 5, 9 };
// Whether `size` is one of them.
bool IsAverageSize(int size);

// The mean colour of the size x size square centred on (x, y), each channel rounded to the nearest whole
// value (halves up). Only the pixels of the square that lie in the picture count, so a square at an edge or
// corner averages fewer pixels; a centre outside the picture is nothing.
std::optional<ColorValue> AverageSquare(const PixelRows& rows, int x, int y, int size);

} // namespace tw::core
