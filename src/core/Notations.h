#pragma once
#include "core/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace tw::core {

// The four hex notations. HTML always has six digits; VB, Delphi and C++ carry as many digits as the value
// needs, so pure red is &HFF&, $00FF and 0xFF, and black is &H0&, $000 and 0x0.
std::string FormatHtmlHex(Rgb rgb);
// A system colour constant (negative value) is written as its eight-digit two's complement: &H8000000F&.
std::string FormatVbHex(ColorValue value);
// Derived from the VB text just written, never from the value, so the three always carry the same digits.
std::string FormatDelphiHex(std::string_view vbHex);
std::string FormatCppHex(std::string_view vbHex);

// The parsers take the well-formed text of their notation; anything else (wrong prefix, a non-hex digit,
// more than eight digits) gives nothing. Eight digits may set bit 31, which yields a system colour constant.
std::optional<ColorValue> ParseHtmlHex(std::string_view text);
std::optional<ColorValue> ParseVbHex(std::string_view text);
std::optional<ColorValue> ParseDelphiHex(std::string_view text);
std::optional<ColorValue> ParseCppHex(std::string_view text);
// Reads bare hex digits ("0".."9", "A".."F", either case) as a 32-bit number; more than eight digits or
// none gives nothing.
std::optional<ColorValue> ParseHexDigits(std::string_view digits);

// True for a non-empty text of "0".."9" and "A".."F" only: lower-case letters fail.
bool IsHexCode(std::string_view text);

// The six notations of one colour, as the code fields show them.
struct Notations {
    std::string red, green, blue;
    std::string hue, sat, lum;
    std::string html, vb, delphi, cpp;
};
Notations DescribeColor(ColorValue value);

} // namespace tw::core
