#include "core/BodyTag.h"

namespace tw::core {

namespace {

    constexpr std::array<std::string_view, kBodyAttributeCount> kNames { "BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK" };

    void AppendTwoDigits(std::string& out, int channel)
    {
        constexpr std::string_view digits = "0123456789ABCDEF";
        out += digits[static_cast<std::size_t>((channel >> 4) & 0xF)];
        out += digits[static_cast<std::size_t>(channel & 0xF)];
    }

} // namespace

std::string_view BodyAttributeName(BodyAttribute attribute)
{
    return kNames[static_cast<std::size_t>(attribute)];
}

std::string BodyColorDigits(ColorValue value)
{
    const Rgb rgb = SplitColor(value);
    std::string out;
    out.reserve(6);
    AppendTwoDigits(out, rgb.red);
    AppendTwoDigits(out, rgb.green);
    AppendTwoDigits(out, rgb.blue);
    return out;
}

std::string WriteBodyAttribute(std::string_view name, std::string_view digits, BodyTagForm form)
{
    std::string out(name);
    out += '=';
    if (form.quotes)
        out += '"';
    if (form.numberSign)
        out += '#';
    out += digits;
    if (form.quotes)
        out += '"';
    return out;
}

std::string BodyTag(const BodyColors& colors, BodyTagForm form)
{
    std::string tag = "<BODY";
    for (std::size_t index = 0; index < kBodyAttributeCount; ++index) {
        if (!colors[index])
            continue;
        tag += ' ';
        tag += WriteBodyAttribute(kNames[index], BodyColorDigits(*colors[index]), form);
    }
    tag += '>';
    return tag;
}

} // namespace tw::core
