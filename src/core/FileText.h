#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// Draws a number uniformly from [0, 1). A value outside that range is pulled back into it.
using UnitRandom = std::function<double()>;

// A source seeded from the system's entropy; what the program saves with.
UnitRandom SystemUnitRandom();

// The text of palette and colour files. The plain text is reversed; the output is a key (12..50) and then,
// for the j-th character, its code minus (key + j), every number in decimal and followed by one random
// letter in random case. The same plain text therefore encodes differently on every save.
std::string EncodeFileText(std::string_view plain, const UnitRandom& random);

// The inverse of EncodeFileText. It never fails: a text that is not a list of signed numbers each followed
// by one separator, or that yields a character code outside 0..255, decodes to the empty text, which every
// reader then refuses.
std::string DecodeFileText(std::string_view encoded);

// The file readers' rule for a file of several lines: each line is appended to the text decoded so far and
// the whole is decoded again. For the one-line files the program writes this is the decoding of that line.
std::string DecodeFileLines(const std::vector<std::string>& lines);

} // namespace tw::core
