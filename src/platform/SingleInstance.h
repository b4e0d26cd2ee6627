#pragma once
#include <QString>

#include <functional>

namespace tw::platform {

// One running copy of the program per user. A later start finds the running copy, hands it its command line
// and ends; the running copy opens what it was handed.
class SingleInstance {
public:
    enum class Role {
        // No copy ran: this process is the running copy now (or runs on its own when the test itself failed,
        // so that a broken set-up never keeps the program from starting).
        Running,
        // Another copy of this user runs: hand the command line over and end.
        AnotherRuns,
    };
    using Receiver = std::function<void(const QString& commandLine)>;

    virtual ~SingleInstance() = default;
    virtual Role claim() = 0;
    // After AnotherRuns: delivers the command line (an absolute path, or empty) to the running copy. False
    // when it could not be delivered.
    virtual bool handOver(const QString& commandLine) = 0;
    // After Running: every command line handed over from now on goes to receiver, on the UI thread; hand-overs
    // that arrived before it was set are delivered once it is.
    virtual void setReceiver(Receiver receiver) = 0;
};

} // namespace tw::platform
