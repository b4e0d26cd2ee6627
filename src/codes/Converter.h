#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tw {

// The programmers' converter: `--convert CODE [--as hsl]` prints the six notations of CODE, one a line, and
// never opens a window, so it runs without a display. CODE is told by its form: "#RRGGBB" or six hex digits
// (HTML), "&H...&" (VB), "$00..." (Delphi), "0x..." (C++), three numbers separated by commas (RGB, or HSL with
// `--as hsl`). Each is checked as the code fields check it with notify off: corrections are made silently,
// a refusal prints the field's message.
//
// Exit status: 0 converted, 1 the command line is not understood, 2 the code is refused.
inline constexpr int kConvertedStatus = 0;
inline constexpr int kUsageStatus = 1;
inline constexpr int kRefusedStatus = 2;

// args are the arguments after the program's name.
int RunConverter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Runs the converter when the command line asks for it; answers nothing otherwise.
std::optional<int> RunConverterIfAsked(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

} // namespace tw
