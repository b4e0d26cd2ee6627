// The command line: the input split at NUL bytes is the list of arguments. Parsing and answering a start
// without a window must never crash, and the answer's exit status matches what was parsed.
#include "core/CommandLine.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
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
        TW_FUZZ_CHECK(status == ExitStatus::Done || status == ExitStatus::Refused
            || (status == ExitStatus::Misuse && !commandLine.format.empty()));
        break;
    case CommandLine::Action::Pick:
        TW_FUZZ_CHECK(!status || (status == ExitStatus::Misuse && !commandLine.format.empty()));
        break;
    case CommandLine::Action::Error:
        TW_FUZZ_CHECK(status == ExitStatus::Misuse && !err.str().empty());
        break;
    }
    return 0;
}
