#include "mainwindow/StartUp.h"

#include "platform/Prompter.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include "widgets/Prompts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>

#include <ctime>

namespace tw {

namespace {

    Q_LOGGING_CATEGORY(lcStart, "tw.start", QtWarningMsg)

} // namespace

void MarkStartUp(const char* phase)
{
    if (!lcStart().isDebugEnabled())
        return;
    static QElapsedTimer sinceFirst;
    if (!sinceFirst.isValid())
        sinceFirst.start();
    // The thread's own processor time beside the time that passed: the first does not grow when other
    // processes take the processor.
    timespec used {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    qCDebug(lcStart, "%7.2f ms  (processor %7.2f ms)  %s", static_cast<double>(sinceFirst.nsecsElapsed()) / 1e6,
        static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6, phase);
}

QString AbsoluteCommandLinePath(const QString& path)
{
    // Joined as it stands, not cleaned: "link/../x" must name what the kernel finds there.
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QDir::currentPath() + u'/' + path;
}

QString CommandLinePath(const QByteArray& raw, platform::Prompter& prompter)
{
    const QString decoded = QFile::decodeName(raw);
    if (QFile::encodeName(decoded) == raw)
        return AbsoluteCommandLinePath(decoded);
    prompter.ask(nullptr,
        { QStringLiteral("The name of the file given on the command line is not valid text in this system's "
                         "encoding, so the file cannot be opened. Rename the file and open it again."),
            QString::fromLatin1(kAppTitle), core::MessageIcon::Exclamation, platform::PromptButtons::Ok,
            platform::PromptAnswer::Ok });
    return {};
}

StartDecision ClaimOrHandOver(platform::SettingsStore& settings, platform::Prompter& prompter,
    platform::SingleInstance& instance, const QString& commandLine)
{
    // Written before anything else, for the running copy; the path also travels in the hand-over itself, so a
    // store that cannot be written only costs the setting. A value already stored is not written again: a
    // write takes the settings file's lock, whose file goes to the disk, on the way to the first frame.
    if (settings.read(keys::kMain, keys::kCmd) != commandLine && !settings.write(keys::kMain, keys::kCmd, commandLine))
        qCWarning(lcStart, "\"Cmd\" not stored: %s", qUtf8Printable(settings.lastError()));
    if (instance.claim() == platform::SingleInstance::Role::Running)
        return StartDecision::RunHere;
    if (instance.handOver(commandLine))
        return StartDecision::HandedOver;
    prompter.ask(nullptr,
        { QStringLiteral("Message could not be sent to the application."), QString::fromLatin1(kAppTitle),
            core::MessageIcon::Critical, platform::PromptButtons::Ok, platform::PromptAnswer::Ok });
    return StartDecision::HandOverFailed;
}

} // namespace tw
