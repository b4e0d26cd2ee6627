// Reads the mouse pointer as the X server shows it, through XFixes, so a test can check a drawn cursor from
// outside the program that set it.
//
//   cursor_probe            prints "WIDTH HEIGHT XHOT YHOT" of the current cursor image
//   cursor_probe RRGGBB     adds "LEFT TOP RIGHT BOTTOM": the bounds (inclusive) of the fully opaque pixels of
//                           exactly that colour; exits with 1 when the image has none
//
// Exits with 2 when the display or its XFixes extension cannot be used.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<unsigned long> ParseColour(const char* text)
{
    std::string digits(text);
    if (!digits.empty() && digits.front() == '#')
        digits.erase(0, 1);
    if (digits.size() != 6 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return std::nullopt;
    // Opaque pixels are the same premultiplied or not.
    return 0xFF000000UL | std::strtoul(digits.c_str(), nullptr, 16);
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<unsigned long> colour;
    if (argc > 2 || (argc == 2 && !(colour = ParseColour(argv[1])))) {
        std::fprintf(stderr, "usage: %s [RRGGBB]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cursor_probe: cannot open the display\n");
        return 2;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        std::fprintf(stderr, "cursor_probe: the display has no XFixes\n");
        XCloseDisplay(display);
        return 2;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) {
        std::fprintf(stderr, "cursor_probe: no cursor image\n");
        XCloseDisplay(display);
        return 2;
    }
    std::printf("%d %d %d %d", image->width, image->height, image->xhot, image->yhot);
    int status = 0;
    if (colour) {
        int left = image->width;
        int top = image->height;
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < image->height; ++y) {
            for (int x = 0; x < image->width; ++x) {
                // Xlib hands each 32-bit ARGB pixel in an unsigned long, whatever its width.
                if ((image->pixels[y * image->width + x] & 0xFFFFFFFFUL) != *colour)
                    continue;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
        if (right < 0)
            status = 1;
        else
            std::printf(" %d %d %d %d", left, top, right, bottom);
    }
    std::printf("\n");
    XFree(image);
    XCloseDisplay(display);
    return status;
}
