#include "core/CommandLine.h"

#include "core/CodeChecks.h"
#include "core/Contrast.h"
#include "core/CssColor.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace tw::core {

namespace {

    // How a window-system option takes its value: not at all, from the next argument, or also as
    // "-name=value".
    enum class ValueForm { None, Next, NextOrJoined, JoinedOnly };

    struct ToolkitOption {
        std::string_view name;
        ValueForm form;
    };

    // The options the window system takes out of the command line for itself, with one or two leading dashes.
    // They are handed to it and are never taken for a FILE or an unknown option of this program.
    constexpr ToolkitOption kToolkitOptions[] = {
        { "platform", ValueForm::Next },
        { "platformpluginpath", ValueForm::Next },
        { "platformtheme", ValueForm::Next },
        { "plugin", ValueForm::Next },
        { "qwindowgeometry", ValueForm::Next },
        { "qwindowicon", ValueForm::Next },
        { "qwindowtitle", ValueForm::Next },
        { "session", ValueForm::Next },
        { "reverse", ValueForm::None },
        { "testability", ValueForm::None },
        { "qmljsdebugger", ValueForm::JoinedOnly },
        // X11
        { "display", ValueForm::Next },
        { "geometry", ValueForm::Next },
        { "title", ValueForm::Next },
        { "icon", ValueForm::Next },
        { "name", ValueForm::Next },
        { "visual", ValueForm::Next },
        { "sync", ValueForm::None },
        { "nograb", ValueForm::None },
        { "dograb", ValueForm::None },
        // Widgets
        { "style", ValueForm::NextOrJoined },
        { "stylesheet", ValueForm::NextOrJoined },
        { "widgetcount", ValueForm::None },
    };

    bool IsHelp(std::string_view argument)
    {
        return argument == "--help" || argument == "-h";
    }

    // "--name" or "--name=value".
    bool IsOwnOption(std::string_view argument, std::string_view name)
    {
        return argument.starts_with(name) && (argument.size() == name.size() || argument[name.size()] == '=');
    }

    std::string Lowered(std::string_view text)
    {
        std::string lowered(text);
        for (char& c : lowered)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return lowered;
    }

    CommandLine Only(CommandLine::Action action, std::string error = {})
    {
        CommandLine commandLine;
        commandLine.action = action;
        commandLine.error = std::move(error);
        return commandLine;
    }

    // Reads one argument list from left to right. The first error found is kept, but --help and --version
    // still win when they come later.
    class Parser {
    public:
        explicit Parser(const std::vector<std::string>& arguments)
            : m_arguments(arguments)
        {
        }

        CommandLine parse()
        {
            for (m_index = 0; m_index < m_arguments.size(); ++m_index) {
                const std::string& argument = m_arguments[m_index];
                if (!m_optionsEnded && argument.size() > 1 && argument[0] == '-')
                    option(argument);
                else if (m_converting)
                    m_codeParts.push_back(argument);
                else
                    m_files.push_back(argument);
            }
            if (m_help)
                return Only(CommandLine::Action::Help);
            if (m_version)
                return Only(CommandLine::Action::Version);
            if (m_error.empty() && m_pick)
                pick();
            else if (m_error.empty() && m_contrast)
                contrast();
            else if (m_error.empty())
                m_converting ? convert() : run();
            if (!m_error.empty())
                return Only(CommandLine::Action::Error, m_error);
            return m_result;
        }

    private:
        void fail(std::string error)
        {
            if (m_error.empty())
                m_error = std::move(error);
        }

        // The value of "--name=value", or the next argument for "--name value".
        std::optional<std::string> value(std::string_view argument, std::string_view name)
        {
            if (argument.size() > name.size())
                return std::string(argument.substr(name.size() + 1));
            if (m_index + 1 >= m_arguments.size())
                return std::nullopt;
            return m_arguments[++m_index];
        }

        void option(const std::string& argument)
        {
            if (argument == "--") {
                m_optionsEnded = true;
            } else if (IsHelp(argument)) {
                m_help = true;
            } else if (argument == "--version") {
                m_version = true;
            } else if (IsOwnOption(argument, "--convert")) {
                if (m_converting)
                    fail("--convert can be given only once");
                m_converting = true;
                if (argument.size() > std::string_view("--convert").size())
                    m_codeParts.push_back(argument.substr(std::string_view("--convert=").size()));
            } else if (IsOwnOption(argument, "--as")) {
                const auto reading = value(argument, "--as");
                if (!reading)
                    fail("option '--as' needs a value: hsl or rgb");
                else if (Lowered(*reading) == "hsl")
                    m_result.reading = NumberReading::Hsl;
                else if (Lowered(*reading) == "rgb")
                    m_result.reading = NumberReading::Rgb;
                else
                    fail("option '--as' takes hsl or rgb, not '" + *reading + "'");
                m_readingGiven = true;
            } else if (IsOwnOption(argument, "--format")) {
                // The name is checked once the user's templates are known (AnswerWithoutWindow).
                const auto format = value(argument, "--format");
                if (!format || format->empty())
                    fail("option '--format' needs a value: json or a notation's name");
                else
                    m_result.format = Lowered(*format);
                m_formatGiven = true;
            } else if (argument == "--pick") {
                m_pick = true;
            } else if (argument == "--contrast") {
                if (m_contrast)
                    fail("--contrast can be given only once");
                m_contrast = true;
                if (m_index + 2 >= m_arguments.size()) {
                    fail("--contrast needs two color codes: the text's and the background's");
                    m_index = m_arguments.size();
                } else {
                    m_result.code = std::string(TrimBlanks(m_arguments[m_index + 1]));
                    m_result.background = std::string(TrimBlanks(m_arguments[m_index + 2]));
                    m_index += 2;
                }
            } else if (!toolkitOption(argument)) {
                fail("unrecognized option '" + argument + "'");
            }
        }

        bool toolkitOption(const std::string& argument)
        {
            const std::string_view name = std::string_view(argument).substr(argument.starts_with("--") ? 2 : 1);
            for (const ToolkitOption& option : kToolkitOptions) {
                const bool exact = name == option.name;
                const bool joined = name.starts_with(option.name) && name.size() > option.name.size()
                    && name[option.name.size()] == '=';
                if (option.form == ValueForm::None && exact) {
                    m_result.toolkitArguments.push_back(argument);
                    return true;
                }
                if ((option.form == ValueForm::Next || option.form == ValueForm::NextOrJoined) && exact) {
                    m_result.toolkitArguments.push_back(argument);
                    if (m_index + 1 >= m_arguments.size())
                        fail("option '" + argument + "' needs a value");
                    else
                        m_result.toolkitArguments.push_back(m_arguments[++m_index]);
                    return true;
                }
                if ((option.form == ValueForm::NextOrJoined || option.form == ValueForm::JoinedOnly) && joined) {
                    m_result.toolkitArguments.push_back(argument);
                    return true;
                }
            }
            return false;
        }

        void convert()
        {
            if (!m_files.empty()) {
                fail("--convert opens no FILE, but '" + m_files.front() + "' was given");
                return;
            }
            std::string code;
            for (const std::string& part : m_codeParts)
                code += (code.empty() ? "" : " ") + part;
            m_result.code = std::string(TrimBlanks(code));
            if (m_result.code.empty()) {
                fail("--convert needs a color code");
                return;
            }
            m_result.action = CommandLine::Action::Convert;
        }

        void pick()
        {
            if (m_converting || m_contrast || m_readingGiven || !m_files.empty()) {
                fail("--pick takes only --format");
                return;
            }
            m_result.action = CommandLine::Action::Pick;
        }

        void contrast()
        {
            if (m_converting || m_formatGiven || m_readingGiven || !m_files.empty()) {
                fail("--contrast takes its two codes and nothing else");
                return;
            }
            if (m_result.code.empty() || m_result.background.empty()) {
                fail("--contrast needs two color codes: the text's and the background's");
                return;
            }
            m_result.action = CommandLine::Action::Contrast;
        }

        void run()
        {
            if (m_formatGiven) {
                fail("option '--format' works only with --convert or --pick");
                return;
            }
            if (m_readingGiven) {
                fail("option '--as' works only with --convert");
                return;
            }
            if (m_files.size() > 1) {
                fail("only one FILE can be opened, but more were given");
                return;
            }
            if (!m_files.empty())
                m_result.path = m_files.front();
            m_result.action = CommandLine::Action::Run;
        }

        const std::vector<std::string>& m_arguments;
        std::size_t m_index = 0;
        bool m_optionsEnded = false;
        bool m_help = false;
        bool m_version = false;
        bool m_converting = false;
        bool m_readingGiven = false;
        bool m_formatGiven = false;
        bool m_contrast = false;
        bool m_pick = false;
        std::vector<std::string> m_files;
        std::vector<std::string> m_codeParts;
        std::string m_error;
        CommandLine m_result;
    };

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    return Parser(arguments).parse();
}

std::string UsageText(std::string_view program)
{
    const std::string name(program);
    return "Usage: " + name + " [OPTION]... [FILE]\n" + "  or:  " + name
        + " --convert CODE [--as hsl] [--format NAME]\n" + "  or:  " + name + " --contrast TEXT BACKGROUND\n"
        + "  or:  " + name
        + " --pick [--format NAME]\n"
          "Pick colors from anywhere on the screen, edit and compare two of them, and keep\n"
          "them.\n"
          "\n"
          "FILE is a color file (.tcpc) or a palette file (.tcpp) to open. When the\n"
          "program already runs, FILE is handed to the running window and this start\n"
          "ends without a window of its own.\n"
          "\n"
          "  -h, --help          show this help and exit\n"
          "      --version       show the version and exit\n"
          "      --convert CODE  print the six notations of CODE and exit, without a\n"
          "                      window. CODE is #RRGGBB or RRGGBB (HTML), &H...& (VB),\n"
          "                      $00... (Delphi), 0x... (C++) or three numbers R,G,B;\n"
          "                      quote a code that holds & or $ in a shell\n"
          "                      CODE may also be a CSS color: #rgb, #rrggbb (any case, 3,\n"
          "                      4, 6 or 8 digits), a named color such as rebeccapurple,\n"
          "                      rgb(), hsl(), hwb(), lab(), lch(), oklab() or oklch();\n"
          "                      a color outside sRGB is mapped into it. A code the\n"
          "                      fields accept is read as they read it (#F80 is #000F80)\n"
          "      --format NAME   print only the notation NAME of --convert's CODE:\n"
          "                      decimal, hsl240, html, vb, delphi, cpp (the six\n"
          "                      fields), hex, rgb, hsl, hwb, lab, lch, oklab, oklch\n"
          "                      (CSS), then the templates: swiftui, android,\n"
          "                      qt-qcolor, tailwind and those defined in the window,\n"
          "                      by name in lower case with '-' for blanks;\n"
          "                      --format json prints all of them as\n"
          "                      one JSON object, with \"clipped\": true when a CSS\n"
          "                      color had to be mapped into sRGB\n"
          "      --contrast TEXT BACKGROUND\n"
          "                      print the WCAG 2 contrast ratio of two codes, the\n"
          "                      AA and AAA results, and the APCA lightness contrast\n"
          "                      Lc of TEXT on BACKGROUND; both are read as CSS colors\n"
          "                      first (#777 is #777777), then as --convert reads them\n"
          "      --pick          pick one pixel of the screen with a click (Enter picks\n"
          "                      the pixel under the pointer, the arrow keys move it,\n"
          "                      Esc cancels) and print it as --convert prints a code,\n"
          "                      --format included\n"
          "      --as hsl        read the three numbers of --convert as H,S,L\n"
          "                      (0-239, 0-240, 0-240); --as rgb is the default\n"
          "      --              end of options: what follows is FILE, or the CODE of\n"
          "                      --convert, even if it starts with '-'\n"
          "\n"
          "The window system's own options, such as -platform NAME, -display NAME or\n"
          "-style NAME, are passed on to it.\n"
          "\n"
          "Exit status:\n"
          "  0  done\n"
          "  1  the command line is misused\n"
          "  2  a code of --convert or --contrast is refused; the reason is shown on\n"
          "     standard error\n"
          "  4  --pick ended without a color: cancelled, or no screen to pick from\n";
}

std::string VersionText(std::string_view program, std::string_view version)
{
    std::string text(program);
    text += ' ';
    text += version;
    text += '\n';
    return text;
}

std::optional<ExitStatus> AnswerWithoutWindow(const CommandLine& commandLine, std::string_view program,
    std::string_view version, std::ostream& out, std::ostream& err, const std::vector<ColorTemplate>& templates)
{
    const auto misuse = [&](const std::string& error) {
        err << program << ": " << error << "\n"
            << "Try '" << program << " --help' for more information.\n";
        return ExitStatus::Misuse;
    };
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        return std::nullopt;
    case CommandLine::Action::Help:
        out << UsageText(program);
        return ExitStatus::Done;
    case CommandLine::Action::Version:
        out << VersionText(program, version);
        return ExitStatus::Done;
    case CommandLine::Action::Error:
        return misuse(commandLine.error);
    case CommandLine::Action::Convert:
    case CommandLine::Action::Contrast:
    case CommandLine::Action::Pick:
        break;
    }
    const auto refused = [&err](const Conversion& conversion) {
        for (const Message& message : conversion.refusal)
            err << message.text << "\n";
        return ExitStatus::Refused;
    };
    if (commandLine.action == CommandLine::Action::Contrast) {
        // Both codes are read as CSS first, so that "#777" is #777777 as a stylesheet means it; any other code as
        // --convert reads it.
        const auto read = [](const std::string& code) {
            if (const CssParse css = ParseCssColor(code); css.color) {
                Conversion conversion;
                conversion.color = MakeColor(*css.color);
                return conversion;
            }
            return ConvertCode(code, NumberReading::Rgb);
        };
        const Conversion foreground = read(commandLine.code);
        if (!foreground.color)
            return refused(foreground);
        const Conversion background = read(commandLine.background);
        if (!background.color)
            return refused(background);
        const Rgb text = SplitColor(*foreground.color);
        const Rgb under = SplitColor(*background.color);
        const double ratio = ContrastRatio(text, under);
        const ContrastGrades grades = GradeContrast(ratio);
        const auto verdict = [](bool pass) { return pass ? "pass" : "fail"; };
        char figures[64];
        std::snprintf(figures, sizeof figures, "Contrast ratio: %.2f:1\n", ratio);
        out << figures << "AA normal text: " << verdict(grades.aaNormal) << "\n"
            << "AA large text: " << verdict(grades.aaLarge) << "\n"
            << "AAA normal text: " << verdict(grades.aaaNormal) << "\n"
            << "AAA large text: " << verdict(grades.aaaLarge) << "\n"
            << "Non-text: " << verdict(grades.nonText) << "\n";
        std::snprintf(figures, sizeof figures, "APCA Lc: %.1f\n", ApcaContrast(text, under));
        out << figures;
        return ExitStatus::Done;
    }
    if (!commandLine.format.empty() && commandLine.format != "json") {
        const std::vector<std::string> names = NotationNames(templates);
        if (std::find(names.begin(), names.end(), commandLine.format) == names.end())
            return misuse(
                "option '--format' takes json or one of the names --help lists, not '" + commandLine.format + "'");
    }
    // A pick needs the screen: the caller shows it and prints the colour with PrintColor.
    if (commandLine.action == CommandLine::Action::Pick)
        return std::nullopt;
    const Conversion conversion = ConvertCode(commandLine.code, commandLine.reading);
    if (!conversion.color)
        return refused(conversion);
    PrintConversion(conversion, commandLine.format, templates, out);
    return ExitStatus::Done;
}

void PrintConversion(const Conversion& conversion, std::string_view format, const std::vector<ColorTemplate>& templates,
    std::ostream& out)
{
    if (format == "json") {
        // The notations, and whether a CSS colour outside sRGB had to be mapped into it.
        std::string json = NotationsJson(AllNotations(conversion, templates));
        json.insert(json.size() - 1, conversion.clipped ? ", \"clipped\": true" : ", \"clipped\": false");
        out << json << "\n";
    } else if (!format.empty()) {
        for (const NamedNotation& notation : AllNotations(conversion, templates))
            if (notation.name == format)
                out << notation.text << "\n";
    } else {
        for (const std::string& line : conversion.lines)
            out << line << "\n";
    }
}

void PrintColor(
    ColorValue color, std::string_view format, const std::vector<ColorTemplate>& templates, std::ostream& out)
{
    const Rgb rgb = SplitColor(color);
    char html[8];
    std::snprintf(html, sizeof html, "#%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    PrintConversion(ConvertCode(html, NumberReading::Rgb), format, templates, out);
}

} // namespace tw::core
