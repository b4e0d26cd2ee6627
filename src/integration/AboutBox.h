#pragma once
#include <QDialog>

#include <functional>

namespace tw {

namespace platform {
    class Clipboard;
    class Prompter;
    class Shell;
} // namespace platform

// frmAbout: the program's name, version, licence and Qt version, with links to the project, its issue tracker and
// the manual; "&System Info..." shows what a bug report needs.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    struct Services {
        platform::Shell& shell;
        platform::Prompter& prompter;
        platform::Clipboard& clipboard;
        // "Help Topics...", as the Help menu opens it.
        std::function<void()> openManual;
    };
    AboutBox(Services services, QWidget* parent);

    static QString projectPage();
    static QString issuePage();

    // "&System Info...": the report in a box the user can copy from, and the desktop's own tool.
    void StartSysInfo();

private:
    platform::Shell& m_shell;
    platform::Prompter& m_prompter;
    platform::Clipboard& m_clipboard;
};

} // namespace tw
