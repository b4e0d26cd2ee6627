// A second process for the settings tests:
//   tw_settings_writer FILE keys PREFIX COUNT   writes PREFIX-0 .. PREFIX-(COUNT-1), one write each; exit 1 if any
//                                               write failed
//   tw_settings_writer FILE churn               rewrites a large value and its length until killed; prints
//                                               "ready" after the first write
#include "platform/qt/IniSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 64;
    tw::platform::IniSettingsStore store(arguments[1]);
    const QString mode = arguments[2];
    if (mode == QLatin1String("keys") && arguments.size() == 5) {
        const int count = arguments[4].toInt();
        bool allWritten = true;
        for (int i = 0; i < count; ++i)
            allWritten = store.write(QStringLiteral("Main"), arguments[3] + u'-' + QString::number(i),
                             QStringLiteral("v") + QString::number(i))
                && allWritten;
        return allWritten ? 0 : 1;
    }
    if (mode == QLatin1String("churn")) {
        for (int round = 0;; ++round) {
            // Sizes change every round, so a file cut short would show as a length that does not match.
            const int length = 100000 + (round % 7) * 50000;
            // The writer only churns until it is killed; a round that fails is simply followed by the next.
            static_cast<void>(store.apply(QStringLiteral("Main"),
                { { QStringLiteral("blob"), QString(length, QChar(u'a' + round % 26)) },
                    { QStringLiteral("length"), QString::number(length) } }));
            if (round == 0) {
                std::puts("ready");
                std::fflush(stdout);
            }
        }
    }
    return 64;
}
