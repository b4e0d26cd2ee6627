#pragma once
#include <functional>

namespace tw::platform {

// Why the program is asked from outside to end.
enum class TerminationReason {
    // SIGTERM: kill, a service manager, or the session ending.
    Terminate,
    // SIGINT: Ctrl+C in the terminal the program was started from.
    Interrupt,
    // SIGHUP: that terminal was closed.
    HangUp,
    // The session manager asks the program to save its data because the session is about to end.
    SessionEnding,
};

// Requests from outside to end the program. The program answers each with its normal shutdown (settings
// saved, tray icon removed), as if the main window had been closed, instead of dying where it stands.
class TerminationRequests {
public:
    using Handler = std::function<void(TerminationReason reason)>;

    virtual ~TerminationRequests() = default;
    // handler runs on the UI thread, from the event loop and never inside a signal handler, once for every
    // request; requests that come close together may arrive as one. A request that came before a handler was
    // set is delivered once it is. The shutdown it starts must cope with a second request meanwhile.
    virtual void setHandler(Handler handler) = 0;
};

} // namespace tw::platform
