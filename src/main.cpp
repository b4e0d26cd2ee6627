// Composition root: builds the real services and hands them to the main window.
#include "core/CommandLine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StartUp.h"
#include "platform/qt/DBusScreenshotPortal.h"
#include "platform/qt/FreedMemory.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/LocalSocketInstance.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/UnixSignalNotifier.h"
#include "sampling/FrozenPick.h"
#include "sampling/Snapshot.h"
#include "web/TemplateList.h"

#include <QApplication>
#include <QScreen>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kProgram = "tintwise-color-picker";

// Writes to a file descriptor. The standard std::cout and std::cerr are not used: the <iostream> that
// declares them sets them up, with the C++ locale, at every start, which costs a few hundred KiB of memory
// for the few starts that write to a terminal.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int descriptor)
        : m_descriptor(descriptor)
    {
        setp(m_buffer, m_buffer + sizeof m_buffer);
    }
    ~DescriptorBuffer() override { (void)sync(); }
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const char* data = pbase();
        auto left = static_cast<size_t>(pptr() - pbase());
        // What cannot be written is dropped, so that a closed terminal cannot hold the program up.
        setp(m_buffer, m_buffer + sizeof m_buffer);
        while (left > 0) {
            const ssize_t written = ::write(m_descriptor, data, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return -1;
            data += written;
            left -= static_cast<size_t>(written);
        }
        return 0;
    }

private:
    int m_descriptor;
    char m_buffer[4096];
};

// --pick: one pick from a still picture of the screen, printed as --convert prints a code. Where the desktop
// lets no program read the screen, its portal takes the picture (or, failing that, picks the colour itself).
int PickOnce(const std::string& format, const std::vector<tw::core::ColorTemplate>& templates,
    tw::platform::UnixSignalNotifier& terminations)
{
    tw::platform::QtScreen screen;
    tw::platform::DBusScreenshotPortal portal;
    DescriptorBuffer outBuffer(STDOUT_FILENO);
    DescriptorBuffer errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    int status = static_cast<int>(tw::core::ExitStatus::NothingPicked);
    std::unique_ptr<tw::FrozenPick> pick;
    const auto print = [&](tw::core::ColorValue color) {
        tw::core::PrintColor(color, format, templates, out);
        out.flush();
        status = static_cast<int>(tw::core::ExitStatus::Done);
        QCoreApplication::exit(0);
    };
    const auto fail = [&](const QString& why) {
        err << kProgram << ": " << why.toStdString() << ", so nothing can be picked\n";
        err.flush();
        QCoreApplication::exit(0);
    };
    const auto show = [&](QImage picture) {
        pick = std::make_unique<tw::FrozenPick>(std::move(picture), &screen);
        QObject::connect(
            pick.get(), &tw::FrozenPick::picked, [&](tw::core::ColorValue color, Qt::MouseButton) { print(color); });
        QObject::connect(pick.get(), &tw::FrozenPick::cancelled, [] { QCoreApplication::exit(0); });
        pick->start(pick->pointerPixel());
    };
    using Outcome = tw::platform::ScreenshotPortal::Outcome;
    const auto explain = [](const tw::platform::ScreenshotPortal::Result& result) {
        switch (result.outcome) {
        case Outcome::Refused:
            return QStringLiteral("the desktop did not allow a picture of the screen");
        case Outcome::Missing:
            return QStringLiteral("the desktop has no screenshot portal");
        case Outcome::NoAnswer:
            return QStringLiteral("the desktop's screenshot portal did not answer");
        case Outcome::Failed:
        case Outcome::Taken:
            break;
        }
        return QStringLiteral("the desktop could not take a picture of the screen (%1)").arg(result.detail);
    };
    if (!screen.needsDesktopPortal()) {
        std::optional<QImage> snapshot = tw::TakeSnapshot(screen);
        if (!snapshot) {
            err << kProgram << ": the screen cannot be read here, so nothing can be picked\n";
            return status;
        }
        show(std::move(*snapshot));
    } else {
        portal.takeScreenshot([&](const tw::platform::ScreenshotPortal::Result& result) {
            if (result.outcome == Outcome::Taken && !result.image.isNull()) {
                show(result.image);
            } else if (result.outcome == Outcome::Failed || result.outcome == Outcome::Missing) {
                portal.pickColor([&, first = result](const tw::platform::ScreenshotPortal::Result& answer) {
                    if (answer.outcome == Outcome::Taken && answer.color)
                        print(*answer.color);
                    else
                        fail(explain(answer.outcome == Outcome::Refused ? answer : first));
                });
            } else {
                fail(explain(result));
            }
        });
    }
    // A termination request ends the pick as Esc does.
    QObject::connect(
        &terminations, &tw::platform::UnixSignalNotifier::terminationRequested, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    out.flush();
    err.flush();
    // The answer is out and nothing is left to save: the process ends here, without the toolkit's teardown,
    // which on a Wayland display has been seen to hang now and then while it closes its connection.
    std::_Exit(status);
}

} // namespace

int main(int argc, char* argv[])
{
    // The whole command line is read before any window system is touched: --help, --version, --convert and
    // every misuse answer without a display.
    const tw::core::CommandLine commandLine
        = tw::core::ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    // A --format may name one of the templates the user keeps in the settings; only then is the file read.
    std::vector<tw::core::ColorTemplate> templates = tw::core::PredefinedTemplates();
    if (!commandLine.format.empty())
        templates
            = tw::ReadTemplates(tw::platform::IniSettingsStore(tw::platform::IniSettingsStore::defaultFilePath()));
    if (commandLine.action != tw::core::CommandLine::Action::Run) {
        DescriptorBuffer outBuffer(STDOUT_FILENO);
        DescriptorBuffer errBuffer(STDERR_FILENO);
        std::ostream out(&outBuffer);
        std::ostream err(&errBuffer);
        // As std::cerr: each message at once, after what went to out before it.
        err.tie(&out);
        err.setf(std::ios_base::unitbuf);
        if (const auto status
            = tw::core::AnswerWithoutWindow(commandLine, kProgram, PROJECT_VERSION, out, err, templates)) {
            out.flush();
            return static_cast<int>(*status);
        }
    }

    // The window system sees the program's name and its own options only, so that it can never take FILE for
    // one of them. It keeps the count and the strings for as long as it runs.
    std::vector<std::string> toolkitStrings { argc > 0 ? argv[0] : kProgram };
    toolkitStrings.insert(
        toolkitStrings.end(), commandLine.toolkitArguments.begin(), commandLine.toolkitArguments.end());
    std::vector<char*> toolkitArgv;
    for (std::string& argument : toolkitStrings)
        toolkitArgv.push_back(argument.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitStrings.size());

    tw::MarkStartUp("main");
    QApplication app(toolkitArgc, toolkitArgv.data());
    tw::MarkStartUp("application");
    QApplication::setApplicationName(QStringLiteral("tintwise-color-picker"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // The program ends through the main window's shutdown, never because a dialog was the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    tw::platform::UnixSignalNotifier terminations;

    if (commandLine.action == tw::core::CommandLine::Action::Pick)
        return PickOnce(commandLine.format, templates, terminations);

    tw::platform::QtServices os;

    // Single instance: a second start hands its command line to the running copy and ends.
    const QString path = tw::CommandLinePath(QByteArray::fromStdString(commandLine.path), os.prompter);
    tw::MarkStartUp("services");
    tw::platform::LocalSocketInstance instance;
    switch (tw::ClaimOrHandOver(os.settings, os.prompter, instance, path)) {
    case tw::StartDecision::RunHere:
        break;
    case tw::StartDecision::HandedOver:
        return static_cast<int>(tw::core::ExitStatus::Done);
    case tw::StartDecision::HandOverFailed:
        return static_cast<int>(tw::core::ExitStatus::NotHandedOver);
    }

    tw::MarkStartUp("single instance claimed");
    tw::MainWindow window({ os.prompter, os.systemColors, os.settings, os.clipboard, os.screen, os.fileDialogs, os.tray,
        os.colorDialog, os.associations, os.shell, os.portal });
    tw::MarkStartUp("main window built");
    window.setCommandLine(path);
    window.continueFormLoad();
    tw::MarkStartUp("settings restored");
    window.show();
    tw::MarkStartUp("shown");
    instance.setReceiver([&window](const QString& handedOver) { window.receiveHandOver(handedOver); });
    QObject::connect(&window, &tw::MainWindow::startUpFinished, &window, [] { tw::platform::ReleaseFreedMemory(); });
    // Ended by the system (kill, Ctrl+C in a terminal, a closed terminal, the session ending): the same
    // orderly shutdown as closing the window, so the settings are saved and "Cap" is emptied. A request that
    // came during start-up waits in the notifier until the event loop runs.
    QObject::connect(&terminations, &tw::platform::UnixSignalNotifier::terminationRequested, &window,
        [&window](tw::platform::TerminationReason) { window.shutdown(); });
    return QApplication::exec();
}
