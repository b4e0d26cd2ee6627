// Every check of a typed code and the converter, on any text: none may crash, an accepted value stays in its
// range, and a code the converter accepts gives its six lines.
#include "core/CodeChecks.h"
#include "core/Converter.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace tw::core;

void CheckHex(const HexCodeCheck& check)
{
    if (check.color)
        TW_FUZZ_CHECK(*check.color <= 0xFFFFFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    (void)TrimBlanks(text);
    TW_FUZZ_CHECK(CharacterCount(text) <= text.size());
    (void)ParseFieldNumber(text);

    if (const auto rgb = CheckRgbField(text).value)
        TW_FUZZ_CHECK(*rgb >= 0 && *rgb <= 255);
    for (const HslPart part : { HslPart::Hue, HslPart::Sat, HslPart::Lum })
        for (const GreyLimit limit : { GreyLimit::None, GreyLimit::Black, GreyLimit::White })
            if (const auto value = CheckHslField(part, text, limit).value)
                TW_FUZZ_CHECK(*value >= 0 && *value <= (part == HslPart::Hue ? 239 : 240));

    const SystemColorLookup lookup = [](int index) { return static_cast<ColorValue>(index * 0x010101); };
    for (const NotifyCorrections notify : { NotifyCorrections::Off, NotifyCorrections::On }) {
        CheckHex(CheckHtmlHex(text, notify));
        CheckHex(CheckVbHex(text, notify, lookup));
        CheckHex(CheckVbHex(text, notify, {}));
        CheckHex(CheckDelphiHex(text, notify));
        CheckHex(CheckCppHex(text, notify));
    }

    for (const NumberReading reading : { NumberReading::Rgb, NumberReading::Hsl }) {
        const Conversion conversion = ConvertCode(text, reading);
        TW_FUZZ_CHECK(conversion.lines.empty() != conversion.refusal.empty());
        TW_FUZZ_CHECK(conversion.lines.empty() || conversion.lines.size() == 6);
    }
    return 0;
}
