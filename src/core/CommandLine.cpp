#include "core/CommandLine.h"

namespace tw::core {

namespace {

    bool IsHelp(std::string_view argument)
    {
        return argument == "--help" || argument == "-h";
    }

} // namespace

CommandLine::Action EarlyAction(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (IsHelp(argument))
            return CommandLine::Action::Help;
        if (argument == "--version")
            return CommandLine::Action::Version;
    }
    return CommandLine::Action::Run;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine result;
    bool optionsEnded = false;
    bool havePath = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && IsHelp(argument))
            return { CommandLine::Action::Help, {}, {} };
        if (!optionsEnded && argument == "--version")
            return { CommandLine::Action::Version, {}, {} };
        // A lone "-" is a file name like any other; "-x" and "--x" are options this program does not know.
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-')
            return { CommandLine::Action::Error, {}, "unrecognized option '" + argument + "'" };
        if (havePath)
            return { CommandLine::Action::Error, {}, "only one FILE can be opened, but more were given" };
        result.path = argument;
        havePath = true;
    }
    return result;
}

std::string UsageText(std::string_view program)
{
    std::string text;
    text += "Usage: ";
    text += program;
    text += " [OPTION]... [FILE]\n"
            "Pick colors from anywhere on the screen, edit and compare two of them, and keep them.\n"
            "\n"
            "FILE is a color file (.tcpc) or a palette file (.tcpp) to open. When the program already runs,\n"
            "FILE is handed to the running window and this start ends without a window of its own.\n"
            "\n"
            "  -h, --help     show this help and exit\n"
            "      --version  show the version and exit\n"
            "      --         end of options: the next argument is FILE even if it starts with '-'\n"
            "\n"
            "  --convert CODE [--as hsl]\n"
            "                 print the six notations of CODE and exit, without a window: #RRGGBB or six hex\n"
            "                 digits, &H..& (VB), $00.. (Delphi), 0x.. (C++), or R,G,B (H,S,L with --as hsl)\n";
    return text;
}

std::string VersionText(std::string_view program, std::string_view version)
{
    std::string text(program);
    text += ' ';
    text += version;
    text += '\n';
    return text;
}

} // namespace tw::core
