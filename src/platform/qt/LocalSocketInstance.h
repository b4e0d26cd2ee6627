#pragma once
#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QObject;

namespace tw::platform {

// The running copy listens on a local socket in a folder only its user may enter
// ($XDG_RUNTIME_DIR/tintwise-color-picker-<uid>/, or the same under the temporary folder), and accepts only
// connections from processes of its own user. A later start connects, sends its command line and waits for
// the running copy to confirm that it took it.
//
// The message is the magic line, the length of the path in UTF-8 as a 32-bit big-endian number, and the
// path. A message that is malformed, too long, not UTF-8 or not complete within a few seconds is dropped and
// its connection closed; the running copy goes on as before.
//
// Starts decide under a lock file next to the socket. A start that cannot take it in time (another start
// hangs while holding it) never touches the socket: it hands over when a copy answers, and otherwise runs on
// its own without listening.
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
    // True while this process is the running copy and listens.
    bool isListening() const;

    static QByteArray encodeMessage(const QString& commandLine);
    static inline const QByteArray kMagic = QByteArrayLiteral("tintwise-color-picker hand-over 1\n");
    // Far above any real path (4096 bytes on Linux), far below anything that could hurt.
    static constexpr qsizetype kMaxPathBytes = 16384;
    // How long a later start waits for the confirmation, and how long the running copy waits for a message.
    static constexpr int kReplyTimeoutMs = 5000;
    static constexpr int kMessageTimeoutMs = 5000;

private:
    bool preparePrivateDirectory();
    bool listen();
    void acceptConnections();
    void deliver(const QString& commandLine);

    QString m_baseDirectory;
    QString m_socketPath;
    std::unique_ptr<QObject> m_context;
    QLocalServer* m_server = nullptr;
    QLocalSocket* m_client = nullptr;
    Receiver m_receiver;
    QStringList m_pending;
};

} // namespace tw::platform
