#include "platform/qt/QtColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <functional>

using tw::core::ColorValue;
using tw::core::MakeColor;
using tw::platform::ColorChoice;
using tw::platform::ColorDialogOutcome;

Q_DECLARE_METATYPE(ColorDialogOutcome)

namespace {

// What each colour dialog showed when it came up, and a way to use it. The answer runs from the dialog's own
// event loop, queued when the dialog is shown, so no timer decides when the dialog is there.
class DialogUser : public QObject {
public:
    using Use = std::function<void(QColorDialog&)>;

    struct Seen {
        QColor current;
        bool native = true;
        bool alpha = true;
        Qt::WindowModality modality = Qt::NonModal;
        QRect geometry;
        QList<QRgb> customColors;
    };

    explicit DialogUser(QList<Use> uses)
        : m_uses(std::move(uses))
    {
        qApp->installEventFilter(this);
    }
    ~DialogUser() override { qApp->removeEventFilter(this); }

    QList<Seen> seen;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QColorDialog*>(watched);
        if (!dialog || event->type() != QEvent::Show || m_uses.isEmpty())
            return false;
        const Use use = m_uses.takeFirst();
        QMetaObject::invokeMethod(
            dialog,
            [this, dialog, use] {
                Seen now { dialog->currentColor(), !dialog->testOption(QColorDialog::DontUseNativeDialog),
                    dialog->testOption(QColorDialog::ShowAlphaChannel), dialog->windowModality(),
                    dialog->frameGeometry(), {} };
                for (int index = 0; index < QColorDialog::customCount(); ++index)
                    now.customColors.append(QColorDialog::customColor(index).rgb());
                seen.append(now);
                use(*dialog);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QList<Use> m_uses;
};

QPushButton* Button(QColorDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

DialogUser::Use Ok()
{
    return [](QColorDialog& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); };
}

DialogUser::Use Cancel()
{
    return [](QColorDialog& dialog) { Button(dialog, QDialogButtonBox::Cancel)->click(); };
}

DialogUser::Use Escape()
{
    return [](QColorDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}

// The user picks rgb in the dialog and adds it to the custom colours, then leaves with finish.
DialogUser::Use DefineCustom(QRgb rgb, DialogUser::Use finish)
{
    return [rgb, finish](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor::fromRgb(rgb));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QColorDialog::tr("&Add to Custom Colors"))
                button->click();
        finish(dialog);
    };
}

const QList<QRgb> kStartingCustomColors(16, qRgb(254, 254, 254));

} // namespace

Q_DECLARE_METATYPE(DialogUser::Use)

class QtColorDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersWithTheColourChosenOrCancelled_data()
    {
        QTest::addColumn<DialogUser::Use>("use");
        QTest::addColumn<ColorDialogOutcome>("outcome");
        QTest::addColumn<ColorValue>("color");
        QTest::newRow("OK") << Ok() << ColorDialogOutcome::Chosen << MakeColor(250, 10, 100);
        QTest::newRow("Cancel") << Cancel() << ColorDialogOutcome::Cancelled << 0;
        QTest::newRow("Escape") << Escape() << ColorDialogOutcome::Cancelled << 0;
    }
    void answersWithTheColourChosenOrCancelled()
    {
        QFETCH(DialogUser::Use, use);
        QFETCH(ColorDialogOutcome, outcome);
        QFETCH(ColorValue, color);
        DialogUser user({ use });
        tw::platform::QtColorDialog service;
        const ColorChoice choice = service.ChooseColorDialog(nullptr, MakeColor(250, 10, 100));
        QCOMPARE(choice.outcome, outcome);
        QCOMPARE(choice.color, color);
        QCOMPARE(user.seen.size(), 1);
        QCOMPARE(user.seen[0].current, QColor(250, 10, 100));
        QVERIFY(!user.seen[0].native);
        QVERIFY(!user.seen[0].alpha);
        QCOMPARE(user.seen[0].modality, Qt::ApplicationModal);
    }

    void theDialogStandsCentredOnItsWindow_data()
    {
        QTest::addColumn<QRect>("window");
        // The offscreen screen is 800 x 600.
        QTest::newRow("away from the corner") << QRect(300, 200, 420, 300);
        QTest::newRow("at the screen's bottom right edge") << QRect(600, 450, 300, 200);
    }
    void theDialogStandsCentredOnItsWindow()
    {
        QFETCH(QRect, window);
        QWidget parent;
        parent.setGeometry(window);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        DialogUser user({ Cancel() });
        tw::platform::QtColorDialog service;
        static_cast<void>(service.ChooseColorDialog(&parent, 0));
        QCOMPARE(user.seen.size(), 1);
        // Near the edge it may lie partly beyond the screen: it is not pushed back onto it.
        const QPoint offset = user.seen[0].geometry.center() - parent.frameGeometry().center();
        QVERIFY2(
            offset.manhattanLength() <= 2, qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void customColoursAreKeptForTheRunFromDialogsEndedWithOk()
    {
        // Custom colours Qt brought back from an earlier run never show.
        QColorDialog::setCustomColor(3, QColor(Qt::red));
        tw::platform::QtColorDialog service;
        QWidget first;
        QWidget second;
        DialogUser user({ DefineCustom(qRgb(1, 2, 3), Ok()), DefineCustom(qRgb(4, 5, 6), Cancel()), Ok() });
        static_cast<void>(service.ChooseColorDialog(&first, 0));
        static_cast<void>(service.ChooseColorDialog(&second, 0));
        static_cast<void>(service.ChooseColorDialog(&first, 0));
        QCOMPARE(user.seen.size(), 3);
        QCOMPARE(user.seen[0].customColors, kStartingCustomColors);
        // The colour defined in the first dialog is offered by the next, whichever window asks.
        QCOMPARE(user.seen[1].customColors.value(0), qRgb(1, 2, 3));
        QCOMPARE(user.seen[1].customColors.mid(1), kStartingCustomColors.mid(1));
        // The one defined in a cancelled dialog is not.
        QCOMPARE(user.seen[2].customColors, user.seen[1].customColors);

        // The service a new run builds starts on the starting colours again.
        tw::platform::QtColorDialog nextRun;
        DialogUser again({ Ok() });
        static_cast<void>(nextRun.ChooseColorDialog(nullptr, 0));
        QCOMPARE(again.seen.size(), 1);
        QCOMPARE(again.seen[0].customColors, kStartingCustomColors);
    }

    void aDialogAskedForWhileOneIsOpenFails()
    {
        tw::platform::QtColorDialog service;
        ColorChoice inner;
        DialogUser user({ [&service, &inner](QColorDialog& dialog) {
            inner = service.ChooseColorDialog(&dialog, 0);
            Button(dialog, QDialogButtonBox::Cancel)->click();
        } });
        QCOMPARE(service.ChooseColorDialog(nullptr, 0).outcome, ColorDialogOutcome::Cancelled);
        QCOMPARE(inner.outcome, ColorDialogOutcome::Failed);
        QCOMPARE(user.seen.size(), 1);
        // The first one ended: the next opens again.
        DialogUser next({ Ok() });
        QCOMPARE(service.ChooseColorDialog(nullptr, 0).outcome, ColorDialogOutcome::Chosen);
    }
};

QTEST_MAIN(QtColorDialogTest)
#include "QtColorDialogTest.moc"
