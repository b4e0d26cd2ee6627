#pragma once
#include "core/ColorValue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw::core {

// The five colour attributes of an HTML body tag, in the order the tag writes them.
enum class BodyAttribute { Background, Text, Link, VisitedLink, ActiveLink };
inline constexpr std::size_t kBodyAttributeCount = 5;

// How every attribute of the tag is written: with its value between quotation marks, and with "#" before
// the six digits.
struct BodyTagForm {
    bool quotes = false;
    bool numberSign = true;
};

// The colour of each attribute, indexed by BodyAttribute; nothing while the attribute is unset. Colours are
// ordinary ones (0..16777215): a system colour constant is resolved before it gets here.
using BodyColors = std::array<std::optional<ColorValue>, kBodyAttributeCount>;

// BGCOLOR, TEXT, LINK, VLINK or ALINK.
std::string_view BodyAttributeName(BodyAttribute attribute);
// The attribute value of a colour: six uppercase hex digits, red first (RRGGBB).
std::string BodyColorDigits(ColorValue value);
// One attribute in the chosen form: BGCOLOR=FFFFFF, BGCOLOR=#FFFFFF, BGCOLOR="FFFFFF" or BGCOLOR="#FFFFFF".
std::string WriteBodyAttribute(std::string_view name, std::string_view digits, BodyTagForm form);
// "<BODY", then every set attribute in the fixed order BGCOLOR, TEXT, LINK, VLINK, ALINK, each after one
// space, then ">". Unset attributes are left out, so with none set the tag is "<BODY>".
std::string BodyTag(const BodyColors& colors, BodyTagForm form);

} // namespace tw::core
