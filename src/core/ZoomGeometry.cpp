#include "core/ZoomGeometry.h"

#include "core/ColorValue.h"

#include <algorithm>

namespace tw::core {

bool GridShown(int percent, bool gridChecked)
{
    return gridChecked && percent / 100.0 > 3.0;
}

double ZoomFactor(int percent, bool gridChecked)
{
    const double z = percent / 100.0;
    return GridShown(percent, gridChecked) ? z + 1.0 : z;
}

namespace {

    struct Axis {
        int cell = 0;
        int before = 0;
        double start = 0.0;
        double destination = 0.0;
        double destinationSize = 0.0;
        double source = 0.0;
        double sourceSize = 0.0;
    };

    // One axis of the view: the same steps for x (width) and y (height).
    Axis ComputeAxis(int viewSize, double z, int sampled, int screenSize)
    {
        Axis axis;
        const int centre = RoundHalfEven(viewSize / 2.0);
        axis.cell = RoundHalfEven(centre - z / 2.0);
        axis.before = RoundHalfEven(axis.cell / z + 0.5);
        axis.start = axis.cell - axis.before * z;
        // One pixel more than fits, so the partial cells at both edges are covered.
        axis.destinationSize = RoundHalfEven(viewSize / z + 0.5) * z + z;
        axis.sourceSize = axis.destinationSize / z;
        axis.destination = axis.cell - sampled * z;
        // Near the left or top edge of the screen there are fewer pixels than `before` to show: the picture
        // starts further in and takes the screen from its first pixel.
        if (axis.destination < axis.start)
            axis.destination = axis.start;
        axis.source = axis.destination == axis.start ? sampled - axis.before : 0;
        // At the right or bottom edge the picture is cut where the screen ends.
        if (axis.source + axis.sourceSize > screenSize) {
            const double excess = axis.source + axis.sourceSize - screenSize;
            axis.sourceSize -= excess;
            axis.destinationSize -= excess * z;
        }
        return axis;
    }

} // namespace

ZoomGeometry ComputeZoomGeometry(const ZoomInput& input)
{
    const Axis across = ComputeAxis(input.viewWidth, input.z, input.x, input.screenWidth);
    const Axis down = ComputeAxis(input.viewHeight, input.z, input.y, input.screenHeight);
    ZoomGeometry geometry;
    geometry.z = input.z;
    geometry.cellX = across.cell;
    geometry.cellY = down.cell;
    geometry.nLeft = across.before;
    geometry.nTop = down.before;
    geometry.startX = across.start;
    geometry.startY = down.start;
    geometry.source = { RoundHalfEven(across.source), RoundHalfEven(down.source), RoundHalfEven(across.sourceSize),
        RoundHalfEven(down.sourceSize) };
    geometry.destination = { RoundHalfEven(across.destination), RoundHalfEven(down.destination),
        RoundHalfEven(across.destinationSize), RoundHalfEven(down.destinationSize) };
    return geometry;
}

GridLines GridColumns(const ZoomGeometry& geometry, int viewWidth)
{
    return { RoundHalfEven(geometry.startX), viewWidth, RoundHalfEven(geometry.z) };
}

GridLines GridRows(const ZoomGeometry& geometry, int viewHeight)
{
    return { RoundHalfEven(geometry.startY), viewHeight, RoundHalfEven(geometry.z) };
}

CrosshairBox Crosshair(const ZoomGeometry& geometry)
{
    return { geometry.cellX, geometry.cellY, RoundHalfEven(geometry.cellX + geometry.z),
        RoundHalfEven(geometry.cellY + geometry.z) };
}

CrosshairBox AverageBox(const ZoomGeometry& geometry, int side)
{
    const int before = std::max(side, 1) / 2;
    const int after = before + 1;
    return { RoundHalfEven(geometry.cellX - before * geometry.z), RoundHalfEven(geometry.cellY - before * geometry.z),
        RoundHalfEven(geometry.cellX + after * geometry.z), RoundHalfEven(geometry.cellY + after * geometry.z) };
}

int ZoomPageStep(int viewSize, double z)
{
    return RoundHalfEven(RoundHalfEven(viewSize / z + 0.5));
}

} // namespace tw::core
