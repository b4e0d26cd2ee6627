#pragma once
#include <QByteArray>
#include <QString>

namespace tw::platform {
class Prompter;
class SettingsStore;
class SingleInstance;
} // namespace tw::platform

namespace tw {

// The path of the command line as the running copy must see it: absolute, because the running copy has a
// working folder of its own. Empty stays empty.
QString AbsoluteCommandLinePath(const QString& path);

// The path of the command line from the bytes the program was given, made absolute. A name whose bytes are no
// text in this system's encoding would come back as a different name: such a file is not opened by a name it
// does not have; the user is told so plainly, and the path is empty.
QString CommandLinePath(const QByteArray& raw, platform::Prompter& prompter);

enum class StartDecision {
    // No other copy runs: this process goes on and shows its window.
    RunHere,
    // The running copy took the command line: this start ends.
    HandedOver,
    // The running copy did not answer; the user was told. This start ends too.
    HandOverFailed,
};

// A mark of the start-up's progress: the milliseconds since the first mark, logged with the phase under the
// category "tw.start" when its debug output is on (QT_LOGGING_RULES="tw.start.debug=true"); nothing otherwise.
void MarkStartUp(const char* phase);

// The first half of a start: stores the command line as "Cmd", then asks whether another copy runs. When one
// does, hands the command line over, or says "Message could not be sent to the application.".
StartDecision ClaimOrHandOver(platform::SettingsStore& settings, platform::Prompter& prompter,
    platform::SingleInstance& instance, const QString& commandLine);

} // namespace tw
