#pragma once
#include "platform/TerminationRequests.h"

#include <QObject>

#include <csignal>
#include <optional>

class QSocketNotifier;

namespace tw::platform {

// Turns SIGTERM, SIGINT and SIGHUP into terminationRequested on the thread that made this object, through a
// pipe the signal handler writes one byte into (all a signal handler may safely do) and a QSocketNotifier on
// its other end: no polling. With a QGuiApplication, the session manager's request to save data before the
// session ends (commitDataRequest) is reported too, while Qt still waits for it to be handled.
//
// Use the Qt signal or the handler of TerminationRequests: each request goes to both.
//
// A signal the program was started with ignored (SIGHUP under nohup, SIGINT for a job started in the
// background) stays ignored. Only one object per process may exist; it gives the signals back their previous
// handling when it is destroyed. Set-up failures are logged under the category "tw.termination".
class UnixSignalNotifier : public QObject, public TerminationRequests {
    Q_OBJECT

public:
    // Make it after the QCoreApplication and before the event loop runs.
    explicit UnixSignalNotifier(QObject* parent = nullptr);
    ~UnixSignalNotifier() override;
    UnixSignalNotifier(const UnixSignalNotifier&) = delete;
    UnixSignalNotifier& operator=(const UnixSignalNotifier&) = delete;

    void setHandler(Handler handler) override;

    // False when the signals could not be taken over (no pipe, or another object has them); they then keep
    // their default effect of ending the program at once.
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested(tw::platform::TerminationReason reason);

private:
    void readRequests();
    void deliver(TerminationReason reason);

    static constexpr int kSignalCount = 3;
    int m_readEnd = -1;
    int m_writeEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_previous[kSignalCount] { };
    bool m_taken[kSignalCount] {};
    Handler m_handler;
    std::optional<TerminationReason> m_pending;
};

} // namespace tw::platform
