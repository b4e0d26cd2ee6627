#pragma once
#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <optional>

class QObject;
class QSocketNotifier;

namespace tw::platform {

// The running copy listens on a local socket in a folder only its user may enter
// ($XDG_RUNTIME_DIR/tintwise-color-picker-<uid>/, or the same under the temporary folder), and accepts only
// connections from processes of its own user.
//
// A hand-over is confirmed before it is acted on, so that a later start that reports failure never has its
// file opened after all (the running copy may have been stopped or busy while the later start waited):
//   later start  -> message: the magic line, the length of the path in UTF-8 as a 32-bit big-endian number,
//                   and the path
//   running copy -> 'A' once the message is whole and valid
//   later start  -> 'K' when it got the 'A' in time; it reports success from here on
//   running copy    opens the path only after the 'K'.
// A later start that waits in vain closes the connection without the 'K', and the running copy drops the
// message. A message that is malformed, too long, not whole, valid UTF-8, or not finished within a few
// seconds is dropped and its connection closed; the running copy goes on as before.
//
// Starts decide under a lock file next to the socket. A start that cannot take it in time (another start
// hangs while holding it) never touches the socket: it hands over when a copy answers, and otherwise runs on
// its own without listening. A lock file left empty by a start that was killed at the wrong moment is broken
// after a few seconds, within that wait.
//
// The socket is a plain Unix stream socket served from the event loop, without the toolkit's network module:
// loading that module and the libraries it pulls in costs a start more time and memory than the exchange is
// worth.
//
// Failures are logged under the category "tw.instance" (warnings only, unless debug output is enabled).
class LocalSocketInstance : public SingleInstance {
public:
    // baseDirectory holds the private folder; empty means $XDG_RUNTIME_DIR, or the temporary folder when that
    // is not set.
    explicit LocalSocketInstance(QString baseDirectory = {});
    ~LocalSocketInstance() override;
    LocalSocketInstance(const LocalSocketInstance&) = delete;
    LocalSocketInstance& operator=(const LocalSocketInstance&) = delete;

    Role claim() override;
    bool handOver(const QString& commandLine) override;
    void setReceiver(Receiver receiver) override;

    // Empty until claim() found a usable folder.
    QString socketPath() const { return m_socketPath; }
    // True while this process is the running copy and listens. False after claim() when it could not listen:
    // the copy then runs on its own, and later starts run on their own as well.
    bool isListening() const;

    // The sending half of the exchange above, on the descriptor of a connected socket; also for tests that
    // connect themselves. True once the running copy accepted the message and this side confirmed it. Either
    // way the connection is shut down afterwards; the descriptor stays the caller's to close.
    static bool sendHandOver(int socket, const QString& commandLine);
    static QByteArray encodeMessage(const QString& commandLine);
    // What the running copy has read so far of one message: the path once the message is whole, nothing while
    // it is incomplete; sets rejected when the bytes are no hand-over message. Public for the tests.
    static std::optional<QString> readMessage(const QByteArray& buffer, bool& rejected);
    static inline const QByteArray kMagic = QByteArrayLiteral("tintwise-color-picker hand-over 2\n");
    static constexpr char kAccepted = 'A';
    static constexpr char kConfirmed = 'K';
    // Linux passes no single argument longer than this (MAX_ARG_STRLEN) to a program, so every path that can
    // arrive on a command line fits; far above PATH_MAX, far below anything that could hurt.
    static constexpr qsizetype kMaxPathBytes = 128 * 1024;
    // How long a later start waits for the 'A', and how long the running copy waits for a whole message and
    // then for the 'K'.
    static constexpr int kReplyTimeoutMs = 5000;
    static constexpr int kMessageTimeoutMs = 5000;

private:
    bool preparePrivateDirectory();
    bool listen();
    void acceptConnections();
    void deliver(const QString& commandLine);

    QString m_baseDirectory;
    QString m_socketPath;
    // Parent of the notifiers, timers and connections; goes first, before the descriptors are closed.
    std::unique_ptr<QObject> m_context;
    int m_server = -1;
    QSocketNotifier* m_serverNotifier = nullptr;
    int m_client = -1;
    Receiver m_receiver;
    QStringList m_pending;
};

} // namespace tw::platform
