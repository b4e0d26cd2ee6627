#pragma once
#include <array>

namespace tw::core {

// The magnifier's zoom list in percent, list index 0 to 25; index 13 (1000 %) is the default.
inline constexpr std::array<int, 26> kZoomPercents { 25, 50, 75, 100, 150, 200, 300, 400, 500, 600, 700, 800, 900, 1000,
    1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2500, 3000 };
inline constexpr int kDefaultZoomIndex = 13;

// The grid is drawn from 400 % on, and only when the option is checked.
bool GridShown(int percent, bool gridChecked);
// View pixels per screen pixel (0.25 to 30). With the grid shown every screen pixel gets one view pixel more,
// which the grid line takes.
double ZoomFactor(int percent, bool gridChecked);

// A rectangle in whole pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ZoomInput {
    int viewWidth = 0; // the view, in view pixels
    int viewHeight = 0;
    double z = 1.0; // ZoomFactor
    int x = 0; // the sampled screen pixel
    int y = 0;
    int screenWidth = 0; // the snapshot, in screen pixels
    int screenHeight = 0;
};

// Where the view draws the screen around the sampled pixel. The sampled pixel's cell (the centre cell) starts
// at (cellX, cellY); the cells left of and above it reach the view's edge, the partial cells at the edges
// included. Near a screen edge there are fewer pixels to show: the picture then starts further in, or ends
// early, and the rest of the view stays background. Every conversion to a whole number rounds halves to even.
struct ZoomGeometry {
    double z = 1.0;
    int cellX = 0;
    int cellY = 0;
    // Whole screen pixels drawn left of and above the sampled one.
    int nLeft = 0;
    int nTop = 0;
    // Where the cell of the leftmost and topmost pixel would begin: zero or negative.
    double startX = 0.0;
    double startY = 0.0;
    // The screen pixels copied and where the view shows them, scaled from one to the other.
    PixelRect source;
    PixelRect destination;
};

ZoomGeometry ComputeZoomGeometry(const ZoomInput& input);

// Grid lines (one view pixel wide) at first, first + step, ... up to last inclusive, across the whole view.
struct GridLines {
    int first = 0;
    int last = 0;
    int step = 1;
    friend bool operator==(const GridLines&, const GridLines&) = default;
};
GridLines GridColumns(const ZoomGeometry& geometry, int viewWidth);
GridLines GridRows(const ZoomGeometry& geometry, int viewHeight);

// The crosshair: the outline of the centre cell, corners inclusive, so its right and bottom edges lie on the
// first column and row of the neighbouring cells.
struct CrosshairBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const CrosshairBox&, const CrosshairBox&) = default;
};
CrosshairBox Crosshair(const ZoomGeometry& geometry);
// The outline of the side x side cells centred on the centre cell (a pick's averaged square), drawn as the
// crosshair is: a side of 1 is the crosshair itself.
CrosshairBox AverageBox(const ZoomGeometry& geometry, int side);

// The scroll bars' large change: the number of screen pixels across a view of viewSize pixels.
int ZoomPageStep(int viewSize, double z);

} // namespace tw::core
