#include "core/ZoomGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tw::core {
namespace {

    constexpr int kView = 176;
    constexpr int kScreenW = 1280;
    constexpr int kScreenH = 1024;

    ZoomGeometry At(int percent, bool grid, int x, int y, int view = kView)
    {
        return ComputeZoomGeometry({ view, view, ZoomFactor(percent, grid), x, y, kScreenW, kScreenH });
    }

    TEST(ZoomFactor, GridAddsOneViewPixelFrom400PercentOn)
    {
        EXPECT_DOUBLE_EQ(ZoomFactor(25, true), 0.25);
        EXPECT_DOUBLE_EQ(ZoomFactor(300, true), 3.0);
        EXPECT_DOUBLE_EQ(ZoomFactor(400, false), 4.0);
        EXPECT_DOUBLE_EQ(ZoomFactor(400, true), 5.0);
        EXPECT_DOUBLE_EQ(ZoomFactor(3000, true), 31.0);
        EXPECT_FALSE(GridShown(300, true));
        EXPECT_TRUE(GridShown(400, true));
        EXPECT_FALSE(GridShown(400, false));
        EXPECT_EQ(kZoomPercents[kDefaultZoomIndex], 1000);
    }

    // The worked example: 176 view pixels at 1000 % with the grid, sampled well inside the screen.
    TEST(ZoomGeometry, WorkedExampleAt1000PercentWithGrid)
    {
        const ZoomGeometry g = At(1000, true, 100, 200);
        EXPECT_DOUBLE_EQ(g.z, 11.0);
        EXPECT_EQ(g.cellX, 82); // round(82.5): the half goes to the even neighbour
        EXPECT_EQ(g.cellY, 82);
        EXPECT_EQ(g.nLeft, 8);
        EXPECT_DOUBLE_EQ(g.startX, -6.0);
        EXPECT_EQ(g.destination, (PixelRect { -6, -6, 187, 187 }));
        EXPECT_EQ(g.source, (PixelRect { 92, 192, 17, 17 }));
        // The sampled pixel lands in the centre cell.
        EXPECT_EQ(g.destination.x + (100 - g.source.x) * 11, g.cellX);
        EXPECT_EQ(GridColumns(g, kView), (GridLines { -6, 176, 11 }));
        EXPECT_EQ(Crosshair(g), (CrosshairBox { 82, 82, 93, 93 }));
        EXPECT_EQ(ZoomPageStep(kView, g.z), 16);
    }

    struct EdgeCase {
        const char* name;
        int percent;
        bool grid;
        int x;
        int y;
        int view;
        int cellX;
        int nLeft;
        double startX;
        PixelRect source;
        PixelRect destination;
    };

    void PrintTo(const EdgeCase& c, std::ostream* os)
    {
        *os << c.name;
    }

    class ZoomEdges : public testing::TestWithParam<EdgeCase> { };
    TEST_P(ZoomEdges, PlacesTheScreenInTheView)
    {
        const EdgeCase& c = GetParam();
        const ZoomGeometry g = At(c.percent, c.grid, c.x, c.y, c.view);
        EXPECT_EQ(g.cellX, c.cellX);
        EXPECT_EQ(g.nLeft, c.nLeft);
        EXPECT_DOUBLE_EQ(g.startX, c.startX);
        EXPECT_EQ(g.source, c.source);
        EXPECT_EQ(g.destination, c.destination);
    }
    INSTANTIATE_TEST_SUITE_P(Zoom, ZoomEdges,
        testing::Values(
            // Pixel 0: the picture starts at the centre cell, the view left of it stays background.
            EdgeCase { "pixel0", 1000, true, 0, 0, kView, 82, 8, -6, { 0, 0, 17, 17 }, { 82, 82, 187, 187 } },
            // One pixel in: still fewer pixels than fit to the left.
            EdgeCase { "pixel1", 1000, false, 1, 5, kView, 83, 9, -7, { 0, 0, 19, 19 }, { 73, 33, 190, 190 } },
            // Exactly nLeft pixels to the left: the picture starts where a full view would.
            EdgeCase { "pixel8", 1000, true, 8, 8, kView, 82, 8, -6, { 0, 0, 17, 17 }, { -6, -6, 187, 187 } },
            // The last column and row: cut at the screen's edge, the rest stays background.
            EdgeCase { "lastColumn", 1000, true, kScreenW - 1, kScreenH - 1, kView, 82, 8, -6, { 1271, 1015, 9, 9 },
                { -6, -6, 99, 99 } },
            // 25 %: four screen pixels per view pixel, the sampled pixel at the centre.
            EdgeCase {
                "25percent", 25, false, 640, 512, kView, 88, 352, 0, { 288, 160, 705, 705 }, { 0, 0, 176, 176 } },
            EdgeCase { "25percentLastColumn", 25, false, kScreenW - 1, 0, kView, 88, 352, 0, { 927, 0, 353, 705 },
                { 0, 88, 88, 176 } },
            // 300 % with the grid checked: no grid, three view pixels per screen pixel.
            EdgeCase {
                "300percentGrid", 300, true, 500, 500, kView, 86, 29, -1, { 471, 471, 60, 60 }, { -1, -1, 180, 180 } },
            // 400 % with the grid: five view pixels each, the fifth for the line.
            EdgeCase {
                "400percentGrid", 400, true, 500, 500, kView, 86, 18, -4, { 482, 482, 37, 37 }, { -4, -4, 185, 185 } },
            EdgeCase {
                "400percent", 400, false, 500, 500, kView, 86, 22, -2, { 478, 478, 45, 45 }, { -2, -2, 180, 180 } },
            // The compact window's 104-pixel view.
            EdgeCase { "compact", 1000, false, 500, 500, 104, 47, 5, -3, { 495, 495, 12, 12 }, { -3, -3, 120, 120 } }));

    TEST(ZoomGeometry, GridAndCrosshairAt400Percent)
    {
        const ZoomGeometry g = At(400, true, 500, 500);
        EXPECT_EQ(GridColumns(g, kView), (GridLines { -4, 176, 5 }));
        EXPECT_EQ(GridRows(g, kView), (GridLines { -4, 176, 5 }));
        // The box's right edge is the first column of the next cell, where its grid line lies.
        EXPECT_EQ(Crosshair(g), (CrosshairBox { 86, 86, 91, 91 }));
        EXPECT_EQ((91 - GridColumns(g, kView).first) % 5, 0);
    }

    TEST(ZoomGeometry, AverageBoxSpansTheSquareRoundTheCentreCell)
    {
        const ZoomGeometry g = At(400, true, 500, 500);
        EXPECT_EQ(AverageBox(g, 1), Crosshair(g));
        // Cells of 5 pixels: one cell either side of the centre cell at 3, four at 9, on the grid lines.
        EXPECT_EQ(AverageBox(g, 3), (CrosshairBox { 81, 81, 96, 96 }));
        EXPECT_EQ(AverageBox(g, 9), (CrosshairBox { 66, 66, 111, 111 }));
        EXPECT_EQ((96 - GridColumns(g, kView).first) % 5, 0);
        const ZoomGeometry fractional = ComputeZoomGeometry({ 104, 104, 4.5, 300, 300, kScreenW, kScreenH });
        EXPECT_EQ(AverageBox(fractional, 3), (CrosshairBox { 46, 46, 59, 59 })); // 45.5 to the even 46
    }

    TEST(ZoomGeometry, FractionalFactorRoundsHalvesToEven)
    {
        // 4.5 view pixels per screen pixel in a 104-pixel view.
        const ZoomGeometry g = ComputeZoomGeometry({ 104, 104, 4.5, 300, 300, kScreenW, kScreenH });
        EXPECT_EQ(g.cellX, 50); // round(49.75)
        EXPECT_EQ(g.nLeft, 12);
        EXPECT_DOUBLE_EQ(g.startX, -4.0);
        EXPECT_EQ(g.destination, (PixelRect { -4, -4, 112, 112 })); // 112.5 to the even 112
        EXPECT_EQ(g.source, (PixelRect { 288, 288, 25, 25 }));
        EXPECT_EQ(Crosshair(g), (CrosshairBox { 50, 50, 54, 54 })); // 54.5 to the even 54
    }

    // Over every zoom level and a sweep of positions, the sampled pixel is the one drawn at the centre cell
    // and nothing outside the screen is ever copied.
    TEST(ZoomGeometry, SampledPixelAlwaysSitsInTheCentreCell)
    {
        for (const int percent : kZoomPercents) {
            for (const bool grid : { false, true }) {
                const double z = ZoomFactor(percent, grid);
                if (z < 1.0)
                    continue; // a reduced view shows no cells
                for (const int x : { 0, 1, 2, 7, 8, 9, 50, 639, 1270, 1278, 1279 }) {
                    const ZoomGeometry g = ComputeZoomGeometry({ kView, kView, z, x, 3, kScreenW, kScreenH });
                    SCOPED_TRACE(testing::Message() << percent << "% grid " << grid << " x " << x);
                    EXPECT_GE(g.source.x, 0);
                    EXPECT_LE(g.source.x + g.source.width, kScreenW);
                    EXPECT_LE(g.source.x, x);
                    EXPECT_GT(g.source.x + g.source.width, x);
                    EXPECT_NEAR(g.destination.x + (x - g.source.x) * z, g.cellX, 0.5);
                }
            }
        }
    }

} // namespace
} // namespace tw::core
