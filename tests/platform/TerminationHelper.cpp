// A second process for the termination tests:
//   tw_termination_helper MARKER [MODE]
// takes over the termination signals, prints "ready" (followed by ", SIGHUP ignored" when it is), and on the
// first request writes the reason ("terminate", "interrupt", "hang-up") to MARKER and exits 0. MODE:
//   ignoring-hangup   starts with SIGHUP ignored, as under nohup
//   via-interface     hears the request through TerminationRequests::setHandler instead of the Qt signal
//   removed           takes the signals over and gives them back before printing "ready", then waits
#include "platform/qt/UnixSignalNotifier.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

using tw::platform::TerminationReason;

const char* NameOf(TerminationReason reason)
{
    switch (reason) {
    case TerminationReason::Terminate:
        return "terminate";
    case TerminationReason::Interrupt:
        return "interrupt";
    case TerminationReason::HangUp:
        return "hang-up";
    case TerminationReason::SessionEnding:
        return "session-ending";
    }
    return "unknown";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 64;
    const QString marker = arguments[1];
    const QString mode = arguments.value(2);
    if (mode == QLatin1String("ignoring-hangup"))
        std::signal(SIGHUP, SIG_IGN);

    auto notifier = std::make_unique<tw::platform::UnixSignalNotifier>();
    if (!notifier->isActive())
        return 65;
    // The program's shutdown, reduced to leaving a trace of why it ran.
    const auto shutDown = [&marker](TerminationReason reason) {
        QFile file(marker);
        if (!file.open(QIODevice::WriteOnly) || file.write(NameOf(reason)) < 0)
            QCoreApplication::exit(66);
        else
            QCoreApplication::exit(0);
    };
    if (mode == QLatin1String("via-interface"))
        static_cast<tw::platform::TerminationRequests&>(*notifier).setHandler(shutDown);
    else
        QObject::connect(notifier.get(), &tw::platform::UnixSignalNotifier::terminationRequested, shutDown);
    if (mode == QLatin1String("removed"))
        notifier.reset();

    struct sigaction hangUp { };
    const bool hangUpIgnored = ::sigaction(SIGHUP, nullptr, &hangUp) == 0 && hangUp.sa_handler == SIG_IGN;
    std::puts(hangUpIgnored ? "ready, SIGHUP ignored" : "ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
