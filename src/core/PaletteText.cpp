#include "core/PaletteText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace tw::core {

namespace {

    // A whole decimal number, optionally negative, filling the whole text, that is an ordinary colour.
    std::optional<ColorValue> ParseColorValue(std::string_view text)
    {
        if (text.empty())
            return std::nullopt;
        std::int32_t value = 0;
        const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || last != text.data() + text.size())
            return std::nullopt;
        if (value < 0 || value > kWhite)
            return std::nullopt;
        return value;
    }

} // namespace

Palette DefaultPalette()
{
    return { 16777215, 14737632, 12632256, 8421504, 0, 12632319, 8421631, 255, 192, 128, 12640511, 8438015, 33023,
        16576, 16512, 12648447, 8454143, 65535, 49344, 32896, 12648384, 8454016, 65280, 49152, 32768, 16777152,
        16777088, 16776960, 12632064, 8421376, 16761024, 16744576, 16711680, 12582912, 8388608, 16761087, 16744703,
        16711935, 12583104, 8388736 };
}

Palette EmptyPalette()
{
    Palette palette;
    palette.fill(kEmptyColor);
    return palette;
}

std::optional<int> FirstEmptyBox(const Palette& palette)
{
    for (int i = 0; i < kPaletteSize; ++i)
        if (palette[static_cast<std::size_t>(i)] == kEmptyColor)
            return i;
    return std::nullopt;
}

std::string BuildPaletteText(const Palette& palette)
{
    std::string text = "Pal";
    for (const ColorValue value : palette) {
        text += ' ';
        text += std::to_string(value);
    }
    return text;
}

std::optional<Palette> ParsePaletteText(std::string_view text)
{
    if (!text.starts_with("Pal"))
        return std::nullopt;
    text.remove_prefix(3);
    // The text after "Pal" is split at every single space. The piece before the first space is skipped (the
    // program writes nothing there), the next 40 are the boxes, and whatever follows the 40th is ignored.
    const std::size_t first = text.find(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(first + 1);
    Palette palette;
    for (std::size_t box = 0; box < palette.size(); ++box) {
        const std::size_t end = text.find(' ');
        const bool last = box + 1 == palette.size();
        if (end == std::string_view::npos && !last)
            return std::nullopt; // fewer than 40 values
        const auto value = ParseColorValue(text.substr(0, end));
        if (!value)
            return std::nullopt;
        palette[box] = *value;
        if (!last)
            text.remove_prefix(end + 1);
    }
    return palette;
}

std::string BuildColorText(ColorText text)
{
    return std::to_string(text.digit) + std::to_string(text.value);
}

std::optional<ColorText> ParseColorText(std::string_view text)
{
    if (!text.starts_with('1') && !text.starts_with('2'))
        return std::nullopt;
    const auto value = ParseColorValue(text.substr(1));
    if (!value)
        return std::nullopt;
    return ColorText { text[0] - '0', *value };
}

} // namespace tw::core
