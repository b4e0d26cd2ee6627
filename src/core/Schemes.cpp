#include "core/Schemes.h"

namespace tw::core {

namespace {

    // The system colours button face, button text, window background and window text.
    constexpr ColorValue kButtonFace = static_cast<ColorValue>(0x8000000FU);
    constexpr ColorValue kButtonText = static_cast<ColorValue>(0x80000012U);
    constexpr ColorValue kWindow = static_cast<ColorValue>(0x80000005U);
    constexpr ColorValue kWindowText = static_cast<ColorValue>(0x80000008U);

    constexpr std::array<Scheme, kSchemeCount> kSchemes { {
        { kButtonFace, kButtonText, kWindow, kWindowText }, // Default
        { 0x0F0F0F, 0x00FF00, 0x000000, 0x00FFFF }, // Mystic Night
        { 0xC08000, 0x00DDDD, kWindow, kWindowText }, // Sea Breeze Blue
        { 0x356731, 0xFFFFFF, kWindow, kWindowText }, // Forest Green
        { 0xC08080, 0xC00000, kWindow, kWindowText }, // Purple Haze
        { 0x404080, 0x000000, 0xC0C0C0, kWindowText }, // Dusty Rose
    } };

} // namespace

std::optional<Scheme> SchemeAt(int index)
{
    if (index < 0 || index >= kSchemeCount)
        return std::nullopt;
    return kSchemes[static_cast<std::size_t>(index)];
}

int TransparencyAlpha(int level)
{
    switch (level) {
    case 0:
        return 60;
    case 1:
        return 120;
    case 2:
        return 190;
    case 3:
        return 240;
    default:
        return 255;
    }
}

} // namespace tw::core
