#pragma once
#include "core/Converter.h"
#include "core/Template.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// The exit status of every start that ends without a window of its own.
enum class ExitStatus {
    Done = 0, // help, version or a conversion was printed
    Misuse = 1, // the command line is not understood
    Refused = 2, // --convert or --contrast was given a code that the code fields and the CSS reading refuse
    NotHandedOver = 3, // a copy of the program runs, but the file could not be handed to it
    NothingPicked = 4, // --pick ended without a colour: cancelled, or no screen to pick from
};

// What a start of the program was asked to do.
struct CommandLine {
    enum class Action { Run, Help, Version, Convert, Contrast, Pick, Error };
    Action action = Action::Run;
    // Run: the colour or palette file to open, as given (may be relative), or empty.
    std::string path;
    // Convert: the code without the blanks around it, never empty; the pieces the shell split it into
    // ("255," "128," "0") are joined by single spaces.
    std::string code;
    NumberReading reading = NumberReading::Rgb;
    // Convert and Pick: the one notation to print (a name AllNotations gives, or "json" for all of them), or empty for
    // the six built-in lines.
    std::string format;
    // Contrast: the text colour's code is in code, the background's here.
    std::string background;
    // Error: what was wrong, one line without the program name.
    std::string error;
    // The window system's own options with their values, in the order given (-platform offscreen,
    // -style=fusion, ...), for the window system to read; they play no other part.
    std::vector<std::string> toolkitArguments;
};

// The arguments after the program name, as the program was started, before any window system saw them.
// "--" ends the options: what follows is FILE, or part of the code of --convert, even if it starts with "-".
// --help, -h and --version anywhere before "--" win over everything else. A lone "-" is a file name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help and --version, each ending in a line break.
std::string UsageText(std::string_view program);
std::string VersionText(std::string_view program, std::string_view version);

// Answers a command line that needs no window: help and version and a conversion's lines on out, an error
// with the way to --help and a conversion's refusal on err. Gives the exit status, or nothing for Run and for a
// Pick whose --format is good (the pick needs the screen).
std::optional<ExitStatus> AnswerWithoutWindow(const CommandLine& commandLine, std::string_view program,
    std::string_view version, std::ostream& out, std::ostream& err,
    const std::vector<ColorTemplate>& templates = PredefinedTemplates());

// Prints a conversion as --convert does: the six lines, the one notation format names, or all as "json".
void PrintConversion(const Conversion& conversion, std::string_view format, const std::vector<ColorTemplate>& templates,
    std::ostream& out);
// Prints a colour, a picked one for example, as --convert prints its code.
void PrintColor(
    ColorValue color, std::string_view format, const std::vector<ColorTemplate>& templates, std::ostream& out);

} // namespace tw::core
