#include "core/Desktop.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw::core {
namespace {

    // A 1920x1080 monitor at scale 1 and, right of it, a 1280x1024 monitor at scale 2 (640x512 scaled).
    const std::vector<MonitorGeometry> kMixed { { { 0, 0, 1920, 1080 }, 1.0 }, { { 1920, 0, 640, 512 }, 2.0 } };
    // A 1280x1024 monitor left of and lower than a 1920x1080 primary at scale 1.5 (1280x720 scaled).
    const std::vector<MonitorGeometry> kLeftLow { { { 0, 0, 1280, 720 }, 1.5 }, { { -1280, 200, 1280, 1024 }, 1.0 } };

    TEST(DesktopTest, LaysMonitorsOutInDevicePixels)
    {
        const DesktopPicture mixed = LayOutDesktop(kMixed);
        EXPECT_EQ(mixed.bounds, (PixelRect { 0, 0, 3200, 1080 }));
        ASSERT_EQ(mixed.monitors.size(), 2U);
        EXPECT_EQ(mixed.monitors[0], (PixelRect { 0, 0, 1920, 1080 }));
        EXPECT_EQ(mixed.monitors[1], (PixelRect { 1920, 0, 1280, 1024 }));

        const DesktopPicture leftLow = LayOutDesktop(kLeftLow);
        EXPECT_EQ(leftLow.bounds, (PixelRect { -1280, 0, 3200, 1224 }));
        EXPECT_EQ(leftLow.monitors[0], (PixelRect { 1280, 0, 1920, 1080 }));
        EXPECT_EQ(leftLow.monitors[1], (PixelRect { 0, 200, 1280, 1024 }));

        EXPECT_TRUE(LayOutDesktop({}).monitors.empty());
    }

    struct PointCase {
        const char* name;
        const std::vector<MonitorGeometry>* monitors;
        double x;
        double y;
        std::optional<PicturePoint> expected;
    };

    TEST(DesktopTest, ThePointerMapsToTheDevicePixelOfItsMonitor)
    {
        const PointCase cases[] = {
            { "first pixel", &kMixed, 0, 0, PicturePoint { 0, 0 } },
            { "last pixel left of the seam", &kMixed, 1919, 1079, PicturePoint { 1919, 1079 } },
            { "first pixel right of the seam", &kMixed, 1920, 0, PicturePoint { 1920, 0 } },
            { "half a scaled pixel is a device pixel", &kMixed, 1920.5, 0.5, PicturePoint { 1921, 1 } },
            { "a hair below a whole device pixel", &kMixed, 1920 + 0.9999999 / 2, 0, PicturePoint { 1921, 0 } },
            { "bottom-right corner of the scaled monitor", &kMixed, 2559.5, 511.5, PicturePoint { 3199, 1023 } },
            { "below the shorter monitor is a gap", &kMixed, 2000, 600, std::nullopt },
            { "beyond the right edge", &kMixed, 2560, 10, std::nullopt },
            { "left of the desktop", &kMixed, -1, 10, std::nullopt },
            { "scaled primary right of the picture's origin", &kLeftLow, 0, 0, PicturePoint { 1280, 0 } },
            { "scaled primary, fractional scale", &kLeftLow, 100, 100, PicturePoint { 1430, 150 } },
            { "scaled primary, last pixel", &kLeftLow, 1279.9, 719.9, PicturePoint { 3199, 1079 } },
            { "monitor left of the primary", &kLeftLow, -1280, 200, PicturePoint { 0, 200 } },
            { "its last column at the seam", &kLeftLow, -1, 1223, PicturePoint { 1279, 1223 } },
            { "above the lower monitor is a gap", &kLeftLow, -10, 100, std::nullopt },
        };
        for (const PointCase& c : cases) {
            const DesktopPicture picture = LayOutDesktop(*c.monitors);
            EXPECT_EQ(PicturePixelAt(*c.monitors, picture, c.x, c.y), c.expected) << c.name;
            // Every pixel found leads back to a position on the same pixel.
            if (c.expected) {
                const std::optional<ScaledPoint> back = ScaledPointOf(*c.monitors, picture, *c.expected);
                ASSERT_TRUE(back) << c.name;
                EXPECT_EQ(PicturePixelAt(*c.monitors, picture, back->x, back->y), c.expected) << c.name;
            }
        }
        EXPECT_FALSE(ScaledPointOf(kMixed, LayOutDesktop(kMixed), { 2000, 1050 })) << "a pixel in the gap";
    }

    TEST(DesktopTest, PicturesInOtherUnitsAreSharedByScaledRectangles)
    {
        // A portal picture in scaled pixels (2560x1080) and one at twice that size.
        const std::vector<PixelRect> scaled = MonitorPartsOf(kMixed, 2560, 1080);
        EXPECT_EQ(scaled, (std::vector<PixelRect> { { 0, 0, 1920, 1080 }, { 1920, 0, 640, 512 } }));
        const std::vector<PixelRect> doubled = MonitorPartsOf(kMixed, 5120, 2160);
        EXPECT_EQ(doubled, (std::vector<PixelRect> { { 0, 0, 3840, 2160 }, { 3840, 0, 1280, 1024 } }));
        const std::vector<PixelRect> leftLow = MonitorPartsOf(kLeftLow, 2560, 1224);
        EXPECT_EQ(leftLow, (std::vector<PixelRect> { { 1280, 0, 1280, 720 }, { 0, 200, 1280, 1024 } }));
    }

    // A 4x3 picture with one value per pixel: red = 10 * x, green = 10 * y, blue 0..11 in reading order.
    struct Pattern {
        Pattern()
        {
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x)
                    pixels[static_cast<std::size_t>(y * 5 + x)] = 0xFF000000U | static_cast<std::uint32_t>(10 * x) << 16
                        | static_cast<std::uint32_t>(10 * y) << 8 | static_cast<std::uint32_t>(y * 4 + x);
        }
        // A stride of five pixels: the fifth of each row is never read.
        std::uint32_t pixels[15] { 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
            0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF };
        PixelRows rows() const { return { pixels, 4, 3, 5 }; }
    };

    TEST(DesktopTest, AveragesTheSquareInsideThePicture)
    {
        const Pattern pattern;
        struct Case {
            const char* name;
            int x;
            int y;
            int size;
            std::optional<Rgb> expected;
        };
        const Case cases[] = {
            { "1x1 is the pixel itself", 2, 1, 1, Rgb { 20, 10, 6 } },
            { "3x3 in the middle", 1, 1, 3, Rgb { 10, 10, 5 } },
            { "3x3 at the top-left corner averages 2x2", 0, 0, 3, Rgb { 5, 5, 3 } }, // blue (0+1+4+5)/4 = 2.5 -> 3
            { "3x3 at the bottom-right corner", 3, 2, 3, Rgb { 25, 15, 9 } }, // blue (6+7+10+11)/4 = 8.5 -> 9
            { "9x9 covers the whole picture", 1, 1, 9, Rgb { 15, 10, 6 } }, // blue 66/12 = 5.5 -> 6
            { "5x5 on the right edge", 3, 1, 5, Rgb { 20, 10, 6 } }, // columns 1..3, rows 0..2: blue 54 / 9
            { "a centre outside is nothing", 4, 0, 3, std::nullopt },
            { "a negative centre is nothing", 0, -1, 1, std::nullopt },
        };
        for (const Case& c : cases) {
            const std::optional<ColorValue> mean = AverageSquare(pattern.rows(), c.x, c.y, c.size);
            if (!c.expected) {
                EXPECT_FALSE(mean) << c.name;
                continue;
            }
            ASSERT_TRUE(mean) << c.name;
            EXPECT_EQ(SplitColor(*mean), *c.expected) << c.name;
        }
        EXPECT_TRUE(IsAverageSize(9));
        EXPECT_FALSE(IsAverageSize(7));
    }

} // namespace
} // namespace tw::core
