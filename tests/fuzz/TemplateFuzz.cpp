// The template expander. The input's first three bytes are the colour, the rest the pattern. An expansion gives
// the text or an error (one sentence), never both and never neither; a pattern without braces is its own text;
// and any text with its braces doubled expands to itself.
#include "core/Template.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw::core;
    if (size < 3)
        return 0;
    const Rgb color { data[0], data[1], data[2] };
    const std::string_view pattern(reinterpret_cast<const char*>(data + 3), size - 3);

    // Text or an error, never both and never neither; an empty pattern is an error of its own.
    const TemplateExpansion expansion = ExpandTemplate(pattern, color);
    TW_FUZZ_CHECK(expansion.error.empty() != expansion.text.empty());
    if (!expansion.error.empty())
        TW_FUZZ_CHECK(expansion.error.back() == '.');
    if (pattern.empty()) {
        TW_FUZZ_CHECK(expansion.error == "The pattern is empty.");
        return 0;
    }
    if (pattern.find_first_of("{}") == std::string_view::npos)
        TW_FUZZ_CHECK(expansion.text == pattern);
    // Expanding is a function of the pattern and the colour alone.
    const TemplateExpansion again = ExpandTemplate(pattern, color);
    TW_FUZZ_CHECK(again.text == expansion.text && again.error == expansion.error);

    std::string escaped;
    for (const char c : pattern) {
        escaped += c;
        if (c == '{' || c == '}')
            escaped += c;
    }
    const TemplateExpansion literal = ExpandTemplate(escaped, color);
    TW_FUZZ_CHECK(literal.error.empty() && literal.text == pattern);
    return 0;
}
