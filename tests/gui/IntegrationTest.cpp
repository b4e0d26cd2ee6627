// The file associations at start and by hand, and the Help menu: manual, updates, About box, uninstaller.
#include "integration/AboutBox.h"
#include "integration/Associations.h"
#include "integration/HelpCommands.h"
#include "tests/gui/MainWindowFixture.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tw;
using platform::PromptAnswer;
using platform::PromptButtons;
using tw::test::FakeFileAssociations;
using tw::test::FakePrompter;
using tw::test::FakeServices;
using tw::test::MainWindowFixture;

namespace {

const QString kAdministrator = QStringLiteral(
    "You must run Tintwise Color Picker as an administrator to successfully install its file associations (*.tcpc; "
    "*.tcpp). You are NOT running as an administrator.\n\nNext time you run Tintwise Color Picker as an "
    "administrator, the file associations will automatically be set.");

struct HelpFixture {
    FakeServices fakes;
    QWidget window;
    QAction tips, check, about, uninstallAction, top;
    HelpCommands help { { fakes.shell, fakes.associations, fakes.settings, fakes.prompter, fakes.clipboard },
        { &tips, &check, &about, &uninstallAction, &top }, window };
    bool ended = false;
    QTemporaryDir dir;

    HelpFixture()
    {
        QObject::connect(&help, &HelpCommands::uninstalled, &window, [this] { ended = true; });
        // The program's folder is a real one, so the check that it can be written has something to look at.
        fakes.shell.program = dir.path() + QStringLiteral("/tintwise-color-picker");
        fakes.shell.manual = dir.path() + QStringLiteral("/Help.html");
        QFile manual(fakes.shell.manual);
        if (!manual.open(QIODevice::WriteOnly))
            qFatal("no manual");
        if (!fakes.settings.write(QStringLiteral("Main"), QStringLiteral("grid"), QStringLiteral("True")))
            qFatal("the memory store refused a write");
    }
    bool settingsLeft() const { return !fakes.settings.read(QStringLiteral("Main"), QStringLiteral("grid")).isEmpty(); }
};

} // namespace

class IntegrationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theStartCheckRepairsOrSaysWhyItCannot_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("paletteIcon");
        QTest::addColumn<int>("installs");
        QTest::addColumn<QStringList>("messages");
        const QString noPaletteIcon = QStringLiteral(
            "Icon source for *.tcpp is missing! Please login to this computer as an administrator (if you currently "
            "are not), open Tintwise Color Picker, press Ctrl-R, and then press Ctrl-A. If the message comes back "
            "after that, please report it on the Tintwise Color Picker project's issue tracker.");
        QTest::newRow("registered") << true << true << true << 0 << QStringList();
        QTest::newRow("missing, repaired silently") << false << true << true << 1 << QStringList();
        QTest::newRow("missing, folder not writable") << false << false << true << 0 << QStringList { kAdministrator };
        QTest::newRow("an icon missing") << true << true << false << 0 << QStringList { noPaletteIcon };
    }
    void theStartCheckRepairsOrSaysWhyItCannot()
    {
        QFETCH(bool, registered);
        QFETCH(bool, writable);
        QFETCH(bool, paletteIcon);
        QFETCH(int, installs);
        QFETCH(QStringList, messages);
        FakeServices fakes;
        fakes.associations.colorRegistered = registered;
        fakes.associations.writable = writable;
        fakes.associations.paletteIcon = paletteIcon;
        QWidget window;
        Associations associations({ fakes.associations, fakes.prompter }, window);
        associations.checkAtStartUp();
        QCOMPARE(fakes.associations.installs, installs);
        QCOMPARE(fakes.prompter.texts(), messages);
    }

    void theMainWindowChecksOnceItIsOnTheScreenAndGoesOn()
    {
        FakeServices fakes;
        QVERIFY(fakes.settings.writeBool(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), true));
        fakes.associations.paletteRegistered = false;
        fakes.associations.writable = false;
        MainWindow window(fakes.services());
        window.continueFormLoad();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(fakes.prompter.texts(), QStringList { kAdministrator });
        QVERIFY(window.isVisible());
    }

    void removingAndAddingByHandAskFirst()
    {
        FakeServices fakes;
        QWidget window;
        Associations associations({ fakes.associations, fakes.prompter }, window);
        fakes.prompter.answers = { PromptAnswer::Cancel };
        associations.removeByHand();
        QCOMPARE(fakes.associations.removals, 0);
        const platform::Prompt& asked = fakes.prompter.prompts.last();
        QCOMPARE(asked.title, QStringLiteral("Debug"));
        QCOMPARE(asked.buttons, PromptButtons::OkCancel);
        QCOMPARE(asked.defaultButton, PromptAnswer::Cancel);
        QCOMPARE(asked.text,
            QStringLiteral("Click \"OK\" to remove all Tintwise Color Picker file associations.\n\nWarning: This is "
                           "for debugging purposes only. If you are unsure what this will do, click \"Cancel\"."));

        fakes.prompter.answers = { PromptAnswer::Ok };
        associations.removeByHand();
        QCOMPARE(fakes.associations.removals, 1);
        fakes.prompter.answers = { PromptAnswer::Ok };
        associations.addByHand();
        QCOMPARE(fakes.associations.installs, 1);
        QVERIFY(fakes.prompter.prompts.last().text.startsWith(
            QStringLiteral("Click \"OK\" to add all Tintwise Color Picker file associations.")));

        // A failed write is told with the path and the reason.
        fakes.associations.failure = QStringLiteral("/home/u/.local/share/applications: Permission denied");
        fakes.prompter.answers = { PromptAnswer::Ok };
        associations.addByHand();
        QCOMPARE(fakes.prompter.texts().last(),
            QStringLiteral("The file associations could not be changed:\n/home/u/.local/share/applications: "
                           "Permission denied"));

        // Where nothing can be registered, nothing is asked.
        fakes.prompter.clear();
        fakes.associations.writable = false;
        associations.removeByHand();
        associations.addByHand();
        QCOMPARE(fakes.prompter.texts(),
            QStringList(2, QStringLiteral("Cannot continue because you are not running as a Windows administrator!")));
        QCOMPARE(fakes.associations.removals, 1);
    }

    void theManualAndTheUpdatePageOpenInTheBrowser()
    {
        HelpFixture f;
        f.tips.trigger();
        QCOMPARE(f.fakes.shell.opened, QList<QUrl> { QUrl::fromLocalFile(f.fakes.shell.manual) });
        f.fakes.shell.manual = f.dir.path() + QStringLiteral("/gone/Help.html");
        f.tips.trigger();
        QCOMPARE(f.fakes.prompter.texts().last(),
            QStringLiteral("Tintwise Color Picker Help file could not be found: ") + f.fakes.shell.manual);

        f.fakes.shell.opened.clear();
        f.fakes.prompter.answers = { PromptAnswer::Cancel };
        f.check.trigger();
        QVERIFY(f.fakes.shell.opened.isEmpty());
        QCOMPARE(f.fakes.prompter.prompts.last().buttons, PromptButtons::OkCancel);
        f.fakes.prompter.answers = { PromptAnswer::Ok };
        f.check.trigger();
        QCOMPARE(f.fakes.shell.opened.size(), 1);
        QVERIFY(f.fakes.shell.opened[0].toString().startsWith(AboutBox::projectPage() + QStringLiteral("update")));
    }

    void theAboutBoxNamesVersionLicenceAndQtAndGivesTheSystemReport()
    {
        HelpFixture f;
        QTimer::singleShot(0, &f.window, [&f] {
            auto* box = f.window.findChild<AboutBox*>(QStringLiteral("frmAbout"));
            QVERIFY(box);
            const auto text
                = [box](const char* name) { return box->findChild<QLabel*>(QString::fromLatin1(name))->text(); };
            QCOMPARE(text("lblTitle"), QStringLiteral("Tintwise Color Picker"));
            QVERIFY(text("lblVersion").startsWith(QStringLiteral("Version ")));
            QVERIFY(text("Label4").contains(QString::fromLatin1(qVersion())));
            QVERIFY(text("Label6").contains(QStringLiteral("MIT")));
            QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
            QCOMPARE(f.fakes.shell.opened.last(), QUrl(AboutBox::projectPage()));

            QTimer::singleShot(0, box, [&f, box] {
                auto* info = box->findChild<QDialog*>(QStringLiteral("frmSysInfo"));
                QVERIFY(info);
                QCOMPARE(info->findChild<QPlainTextEdit*>(QStringLiteral("txtSysInfo"))->toPlainText(),
                    f.fakes.shell.systemReport().join(QLatin1Char('\n')));
                info->findChild<QPushButton*>(QStringLiteral("cmdCopyInfo"))->click();
                QCOMPARE(f.fakes.clipboard.lastText, f.fakes.shell.systemReport().join(QLatin1Char('\n')));
                info->findChild<QPushButton*>(QStringLiteral("cmdDesktopTool"))->click();
                QCOMPARE(f.fakes.shell.systemToolStarts, 1);
                QVERIFY(f.fakes.prompter.texts().last().startsWith(QStringLiteral("No system information tool")));
                info->reject();
                box->accept();
            });
            box->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        });
        f.about.trigger();
    }

    void uninstallingStopsAtEveryNoAndRemovesEverythingOnlyAfterBothYeses_data()
    {
        QTest::addColumn<bool>("bySystem");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QList<PromptAnswer>>("answers");
        QTest::addColumn<bool>("removed");
        QTest::newRow("installed by the package manager") << true << true << QList<PromptAnswer>() << false;
        QTest::newRow("No") << false << true << QList<PromptAnswer> { PromptAnswer::No } << false;
        QTest::newRow("Yes, then Cancel")
            << false << true << QList<PromptAnswer> { PromptAnswer::Yes, PromptAnswer::Cancel } << false;
        QTest::newRow("not allowed") << false << false << QList<PromptAnswer> { PromptAnswer::Yes, PromptAnswer::Ok }
                                     << false;
        QTest::newRow("Yes, then OK") << false << true << QList<PromptAnswer> { PromptAnswer::Yes, PromptAnswer::Ok }
                                      << true;
    }
    void uninstallingStopsAtEveryNoAndRemovesEverythingOnlyAfterBothYeses()
    {
        QFETCH(bool, bySystem);
        QFETCH(bool, writable);
        QFETCH(QList<PromptAnswer>, answers);
        QFETCH(bool, removed);
        HelpFixture f;
        f.fakes.shell.bySystem = bySystem;
        f.fakes.associations.writable = writable;
        f.fakes.prompter.answers = answers;
        f.uninstallAction.trigger();
        QCOMPARE(f.ended, removed);
        QCOMPARE(f.fakes.associations.removals, removed ? 1 : 0);
        QCOMPARE(f.settingsLeft(), !removed);
        QCOMPARE(f.fakes.shell.removed,
            removed ? QStringList({ f.fakes.shell.manual, f.fakes.shell.program }) : QStringList());
        if (bySystem)
            QVERIFY(f.fakes.prompter.texts().last().startsWith(
                QStringLiteral("This program was installed by the system's package manager.")));
        if (!writable)
            QCOMPARE(f.fakes.prompter.texts().last(),
                QStringLiteral("You must run Tintwise Color Picker as a Windows administrator to uninstall it. You "
                               "are NOT running as an administrator."));
        if (!answers.isEmpty())
            QCOMPARE(f.fakes.prompter.prompts[0].text,
                QStringLiteral("Are you sure you want to uninstall Tintwise Color Picker?\n\nTintwise Color Picker "
                               "will close to finalize the uninstallation process. Tintwise Color Picker's registry "
                               "settings and its program file, tintwise-color-picker, will be deleted, effectively "
                               "removing any traces left by Tintwise Color Picker."));
    }

    void aMissingManualIsToldAndTheUninstallGoesOn()
    {
        HelpFixture f;
        f.fakes.shell.manual = f.dir.path() + QStringLiteral("/moved/Help.html");
        f.fakes.prompter.answers = { PromptAnswer::Yes, PromptAnswer::Ok };
        f.uninstallAction.trigger();
        QVERIFY(f.fakes.prompter.texts().contains(
            QStringLiteral("Tintwise Color Picker Help file could not be found. It is possible the file was moved, "
                           "renamed, or has already been deleted.\n\nThis will not affect the rest of the uninstall "
                           "process.")));
        QVERIFY(f.ended);
        QCOMPARE(f.fakes.shell.removed, QStringList { f.fakes.shell.program });
    }

    void anUninstalledProgramEndsWithoutWritingItsSettingsAgain()
    {
        MainWindowFixture f;
        QTemporaryDir dir;
        f.fakes.shell.program = dir.path() + QStringLiteral("/tintwise-color-picker");
        f.fakes.prompter.answers = { PromptAnswer::Yes, PromptAnswer::Ok };
        f.action("mnuUninstall")->trigger();
        QCOMPARE(f.fakes.associations.removals, 1);
        f->close();
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("grid")), QString());
        QCOMPARE(f.fakes.settings.read(QStringLiteral("Main"), QStringLiteral("blnCodesTip")), QString());
    }
};

QTEST_MAIN(IntegrationTest)
#include "IntegrationTest.moc"
