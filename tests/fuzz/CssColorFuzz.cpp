// The CSS colour reader. The input is the text read; its first three bytes are also a colour of their own. A text
// is either read as a colour or refused with one sentence, never both. Every colour written in any notation
// reads back: hex, rgb(), hsl(), hwb(), lab() and lch() give exactly the colour written, oklab() and oklch() (four
// decimals) at most 1 off in each channel. That holds for all 16,777,216 colours, so each colour the fuzzer
// reaches, and each colour a text read as, is checked in every notation.
#include "core/CssColor.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tw::core;

int Tolerance(CssNotation notation)
{
    return notation == CssNotation::Oklab || notation == CssNotation::Oklch ? 1 : 0;
}

void CheckRoundTrips(Rgb color)
{
    for (const CssNotation notation : kCssNotations) {
        const CssParse back = ParseCssColor(FormatCssColor(color, notation));
        TW_FUZZ_CHECK(back.color && back.error.empty());
        const int tolerance = Tolerance(notation);
        TW_FUZZ_CHECK(std::abs(back.color->red - color.red) <= tolerance);
        TW_FUZZ_CHECK(std::abs(back.color->green - color.green) <= tolerance);
        TW_FUZZ_CHECK(std::abs(back.color->blue - color.blue) <= tolerance);
        // Only rounding to four decimals can put a colour a hair outside sRGB.
        TW_FUZZ_CHECK(!back.clipped || tolerance > 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 3)
        CheckRoundTrips({ data[0], data[1], data[2] });

    const CssParse parse = ParseCssColor(std::string_view(reinterpret_cast<const char*>(data), size));
    TW_FUZZ_CHECK(parse.color.has_value() == parse.error.empty());
    if (!parse.color) {
        TW_FUZZ_CHECK(!parse.clipped && parse.error.back() == '.');
        return 0;
    }
    for (const int channel : { parse.color->red, parse.color->green, parse.color->blue })
        TW_FUZZ_CHECK(channel >= 0 && channel <= 255);
    CheckRoundTrips(*parse.color);
    return 0;
}
