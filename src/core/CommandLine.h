#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// What a start of the program was asked to do.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // Run: the colour or palette file to open, as given (may be relative), or empty.
    std::string path;
    // Error: what was wrong, one line without the program name.
    std::string error;
};

// Help or Version when either option appears before a "--", else Run. Looks at nothing else, so that it can run
// before the window system has taken out its own options (-platform, -style, ...).
CommandLine::Action EarlyAction(const std::vector<std::string>& arguments);

// The arguments after the program name, with the window system's own options already taken out: at most one
// file path, "--" ending the options, --help/-h and --version; anything else starting with "-" is an error.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help and --version, each ending in a line break.
std::string UsageText(std::string_view program);
std::string VersionText(std::string_view program, std::string_view version);

} // namespace tw::core
