#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>

using tw::platform::Prompt;
using tw::platform::PromptAnswer;
using tw::platform::PromptButtons;

Q_DECLARE_METATYPE(PromptButtons)
Q_DECLARE_METATYPE(PromptAnswer)

namespace {

// What the next message box showed, and a way to answer it. The answer runs from the box's own event loop,
// queued when the box is shown, so no timer decides when the box is there.
class BoxAnswerer : public QObject {
public:
    using Answer = std::function<void(QMessageBox&)>;

    explicit BoxAnswerer(Answer answer)
        : m_answer(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }

    int shown = 0;
    Qt::TextFormat boxFormat = Qt::AutoText;
    Qt::TextFormat labelFormat = Qt::AutoText;
    QString labelText;
    QRect boxGeometry;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        ++shown;
        boxFormat = box->textFormat();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            labelFormat = label->textFormat();
            labelText = label->text();
        }
        QMetaObject::invokeMethod(
            box,
            [this, box] {
                // Where the box stands once it is on the screen.
                boxGeometry = box->frameGeometry();
                m_answer(*box);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    Answer m_answer;
};

BoxAnswerer::Answer Click(QMessageBox::StandardButton button)
{
    return [button](QMessageBox& box) { box.button(button)->click(); };
}

BoxAnswerer::Answer Press(Qt::Key key)
{
    return [key](QMessageBox& box) { QTest::keyClick(&box, key); };
}

} // namespace

Q_DECLARE_METATYPE(BoxAnswerer::Answer)

class QtPrompterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTextIsShownAsItStands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup") << "<h1>BIG</h1><i>x";
        QTest::newRow("a file name with tags") << "The file /tmp/<b>bold</b>.tcpc is not a colour file.";
        QTest::newRow("entities and a line break tag") << "a &amp; b<br>c";
        QTest::newRow("line breaks of the text itself") << "first\n\nThis tip will not appear again.";
    }
    void theTextIsShownAsItStands()
    {
        QFETCH(QString, text);
        BoxAnswerer answerer(Click(QMessageBox::Ok));
        tw::platform::QtPrompter prompter;
        QCOMPARE(prompter.ask(nullptr, { text, QStringLiteral("Tintwise Color Picker") }), PromptAnswer::Ok);
        QCOMPARE(answerer.shown, 1);
        QCOMPARE(answerer.boxFormat, Qt::PlainText);
        QCOMPARE(answerer.labelFormat, Qt::PlainText);
        QCOMPARE(answerer.labelText, text);
    }

    void aBoxStandsCentredOnItsWindow()
    {
        // A window away from the top-left corner, where a box placed by default would not be centred on it (the
        // offscreen screen is 800 x 600).
        QWidget window;
        window.setGeometry(300, 200, 420, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BoxAnswerer answerer(Click(QMessageBox::Ok));
        tw::platform::QtPrompter prompter;
        prompter.ask(&window, { QStringLiteral("Centred?"), QStringLiteral("Tintwise Color Picker") });
        QCOMPARE(answerer.shown, 1);
        const QPoint offset = answerer.boxGeometry.center() - window.frameGeometry().center();
        QVERIFY2(
            offset.manhattanLength() <= 2, qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void answersFollowTheButtonPressed_data()
    {
        QTest::addColumn<PromptButtons>("buttons");
        QTest::addColumn<PromptAnswer>("defaultButton");
        QTest::addColumn<BoxAnswerer::Answer>("answer");
        QTest::addColumn<PromptAnswer>("expected");
        QTest::newRow("Yes") << PromptButtons::YesNo << PromptAnswer::Yes << Click(QMessageBox::Yes)
                             << PromptAnswer::Yes;
        QTest::newRow("Cancel") << PromptButtons::YesNoCancel << PromptAnswer::Yes << Click(QMessageBox::Cancel)
                                << PromptAnswer::Cancel;
        QTest::newRow("Enter presses the default No")
            << PromptButtons::YesNo << PromptAnswer::No << Press(Qt::Key_Return) << PromptAnswer::No;
        QTest::newRow("Escape on Yes/No is No")
            << PromptButtons::YesNo << PromptAnswer::Yes << Press(Qt::Key_Escape) << PromptAnswer::No;
        QTest::newRow("Escape on Yes/No/Cancel is Cancel")
            << PromptButtons::YesNoCancel << PromptAnswer::Yes << Press(Qt::Key_Escape) << PromptAnswer::Cancel;
        QTest::newRow("Escape on OK is OK")
            << PromptButtons::Ok << PromptAnswer::Ok << Press(Qt::Key_Escape) << PromptAnswer::Ok;
    }
    void answersFollowTheButtonPressed()
    {
        QFETCH(PromptButtons, buttons);
        QFETCH(PromptAnswer, defaultButton);
        QFETCH(BoxAnswerer::Answer, answer);
        QFETCH(PromptAnswer, expected);
        BoxAnswerer answerer(answer);
        tw::platform::QtPrompter prompter;
        const Prompt prompt { QStringLiteral("Replace it?"), QStringLiteral("Tintwise Color Picker"),
            tw::core::MessageIcon::Question, buttons, defaultButton };
        QCOMPARE(prompter.ask(nullptr, prompt), expected);
        QCOMPARE(answerer.shown, 1);
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
