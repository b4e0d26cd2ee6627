#pragma once
#include <QString>

namespace tw::platform {
class Prompter;
class SettingsStore;
class SingleInstance;
} // namespace tw::platform

namespace tw {

class MainWindow;

// The path of the command line as the running copy must see it: absolute, because the running copy has a
// working folder of its own. Empty stays empty.
QString AbsoluteCommandLinePath(const QString& path);

enum class StartDecision {
    // No other copy runs: this process goes on and shows its window.
    RunHere,
    // The running copy took the command line: this start ends.
    HandedOver,
    // The running copy did not answer; the user was told. This start ends too.
    HandOverFailed,
};

// The first half of a start: stores the command line as "Cmd", then asks whether another copy runs. When one
// does, hands the command line over, or says "Message could not be sent to the application.".
StartDecision ClaimOrHandOver(platform::SettingsStore& settings, platform::Prompter& prompter,
    platform::SingleInstance& instance, const QString& commandLine);

// The running copy's side of a hand-over: the command line it was handed becomes "Cmd" (the later start wrote
// it already; this keeps two starts at the same moment from reading each other's) and the window's command
// line, then OpenHer.
void ReceiveHandOver(MainWindow& window, const QString& commandLine);

// The tip about hiding code rows, shown once per user ("blnCodesTip").
void ShowCodesTipOnce(MainWindow& window);

} // namespace tw
