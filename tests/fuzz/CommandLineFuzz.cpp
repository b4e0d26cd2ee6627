// The command line: the input split at NUL bytes is the list of arguments. Parsing and answering a start
// without a window must never crash, and the answer's exit status matches what was parsed: --convert with
// --format prints one line or one JSON object, --contrast a ratio between 1 and 21.
#include "core/CommandLine.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw::core;
    std::vector<std::string> arguments;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 0)
        arguments.push_back(current);

    const CommandLine commandLine = ParseCommandLine(arguments);
    std::ostringstream out;
    std::ostringstream err;
    const auto status = AnswerWithoutWindow(commandLine, "tintwise-color-picker", "1.0.0", out, err);
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        TW_FUZZ_CHECK(!status);
        break;
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        TW_FUZZ_CHECK(status == ExitStatus::Done && !out.str().empty());
        break;
    case CommandLine::Action::Convert:
    case CommandLine::Action::Contrast:
        TW_FUZZ_CHECK(!commandLine.code.empty());
        // A --format that names no notation is a misuse found once the templates are known.
        if (status == ExitStatus::Misuse) {
            TW_FUZZ_CHECK(!commandLine.format.empty() && out.str().empty() && !err.str().empty());
            break;
        }
        TW_FUZZ_CHECK(status == ExitStatus::Done || status == ExitStatus::Refused);
        // A refusal prints nothing on out and says why on err; an answer is whole lines on out.
        if (status == ExitStatus::Refused) {
            TW_FUZZ_CHECK(out.str().empty() && !err.str().empty());
            break;
        }
        TW_FUZZ_CHECK(!out.str().empty() && out.str().back() == '\n' && err.str().empty());
        if (commandLine.action == CommandLine::Action::Contrast) {
            TW_FUZZ_CHECK(!commandLine.background.empty() && commandLine.format.empty());
            double ratio = 0;
            TW_FUZZ_CHECK(std::sscanf(out.str().c_str(), "Contrast ratio: %lf:1", &ratio) == 1);
            TW_FUZZ_CHECK(ratio >= 1.0 && ratio <= 21.0);
        } else if (commandLine.format == "json") {
            TW_FUZZ_CHECK(out.str().front() == '{' && out.str().ends_with("}\n"));
            TW_FUZZ_CHECK(out.str().find("\"clipped\": ") != std::string::npos);
        } else if (!commandLine.format.empty()) {
            // The one notation asked for, on one line.
            TW_FUZZ_CHECK(out.str().find('\n') == out.str().size() - 1);
        }
        break;
    case CommandLine::Action::Pick:
        // A pick needs the screen: nothing is answered here unless its --format names no notation.
        TW_FUZZ_CHECK(!status || (status == ExitStatus::Misuse && !commandLine.format.empty()));
        break;
    case CommandLine::Action::Error:
        TW_FUZZ_CHECK(status == ExitStatus::Misuse && !err.str().empty());
        break;
    }
    return 0;
}
