// A second process for the single-instance tests:
//   tw_instance_helper serve           claims; prints "running" or "another". The running copy then prints
//                                      "received:<path>" for every hand-over until it is killed; another copy
//                                      hands over "served" and prints "delivered" or "failed".
//   tw_instance_helper send PATH       claims and hands PATH over: exit 0 delivered, 1 failed, 3 no copy ran
//   tw_instance_helper connect SOCKET PATH [UID]
//                                      hands PATH over straight through SOCKET, as user UID when given (needs
//                                      root): exit 0 delivered, 1 not delivered, 4 could not connect
// With TW_START_GATE set to a path, serve and send wait until that file exists, so that several helpers claim at
// the same moment.
#include "platform/qt/LocalSocketInstance.h"

#include <QCoreApplication>
#include <QLocalSocket>

#include <cstdio>
#include <grp.h>
#include <unistd.h>

namespace {

using tw::platform::LocalSocketInstance;
using Role = tw::platform::SingleInstance::Role;

void Say(const QString& line)
{
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

bool BecomeUser(uid_t uid)
{
    const gid_t gid = static_cast<gid_t>(uid);
    return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);

    if (mode == QLatin1String("connect") && arguments.size() >= 4) {
        if (arguments.size() == 5 && !BecomeUser(static_cast<uid_t>(arguments[4].toUInt())))
            return 65;
        QLocalSocket socket;
        socket.connectToServer(arguments[2]);
        if (!socket.waitForConnected(2000))
            return 4;
        return LocalSocketInstance::sendHandOver(static_cast<int>(socket.socketDescriptor()), arguments[3]) ? 0 : 1;
    }

    const QByteArray gate = qgetenv("TW_START_GATE");
    while (!gate.isEmpty() && ::access(gate.constData(), F_OK) != 0)
        ::usleep(200);
    LocalSocketInstance instance;
    const Role role = instance.claim();
    if (mode == QLatin1String("send") && arguments.size() == 3) {
        if (role == Role::Running)
            return 3;
        return instance.handOver(arguments[2]) ? 0 : 1;
    }
    if (mode == QLatin1String("serve")) {
        if (role == Role::AnotherRuns) {
            Say(QStringLiteral("another"));
            Say(instance.handOver(QStringLiteral("served")) ? QStringLiteral("delivered") : QStringLiteral("failed"));
            return 0;
        }
        Say(QStringLiteral("running"));
        instance.setReceiver([](const QString& path) { Say(QStringLiteral("received:") + path); });
        return QCoreApplication::exec();
    }
    return 64;
}
