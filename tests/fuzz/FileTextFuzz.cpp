// The colour and palette file readers: the decoder, both parsers on what it decodes, and the properties that
// hold for every text: encoding then decoding gives the text back, and a parsed palette or colour builds a
// text that parses to the same value.
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tw::core;

void CheckParsers(std::string_view text)
{
    if (const auto palette = ParsePaletteText(text)) {
        const auto again = ParsePaletteText(BuildPaletteText(*palette));
        TW_FUZZ_CHECK(again && *again == *palette);
    }
    if (const auto color = ParseColorText(text)) {
        TW_FUZZ_CHECK(color->digit == 1 || color->digit == 2);
        TW_FUZZ_CHECK(ParseColorText(BuildColorText(*color)) == color);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    // The input as a file's text: decoded whole, and as the lines a reader sees.
    const std::string decoded = DecodeFileText(input);
    CheckParsers(decoded);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = input.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(input.substr(start, end - start));
    lines.push_back(input.substr(start));
    CheckParsers(DecodeFileLines(lines));

    // The input as the plain text being saved; the random draws come from the input too, so that keys and
    // separators vary with it.
    CheckParsers(input);
    std::size_t draw = 0;
    const UnitRandom random = [&]() {
        const std::uint8_t byte = size == 0 ? 0 : data[draw++ % size];
        return byte / 256.0;
    };
    TW_FUZZ_CHECK(DecodeFileText(EncodeFileText(input, random)) == input);
    return 0;
}
