#include "platform/qt/DBusScreenshotPortal.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using tw::platform::DBusScreenshotPortal;
using Outcome = tw::platform::ScreenshotPortal::Outcome;
using Result = tw::platform::ScreenshotPortal::Result;

Q_DECLARE_METATYPE(Outcome)

// Drives the portal client against a stand-in portal on a private session bus of its own, so no desktop is
// needed and the user's session bus is never touched.
class DBusScreenshotPortalTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_bus.setProgram(QStringLiteral("dbus-daemon"));
        m_bus.setArguments(
            { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address") });
        m_bus.start();
        QVERIFY2(m_bus.waitForStarted(), "dbus-daemon (package dbus-daemon) is needed");
        QTRY_VERIFY(m_bus.canReadLine());
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        // Set before the first use of the session bus in this process, and inherited by the stand-in.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QVERIFY(m_files.isValid());
        m_image = QImage(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                m_image.setPixel(x, y, qRgb(30 * x, 40 * y, 99));
        QVERIFY(m_image.save(m_files.filePath(QStringLiteral("desktop.png"))));
    }

    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    // The stand-in answers one request after another from its script; each row names the answers and what
    // the client makes of them, in order.
    void answersEachRequestOnce_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QList<Outcome>>("outcomes");
        QTest::newRow("picture, refusal, failure, silence") << QStringList { "image", "refuse", "fail",
            "silent" } << QList<Outcome> { Outcome::Taken, Outcome::Refused, Outcome::Failed, Outcome::NoAnswer };
        QTest::newRow("a second picture after a refusal")
            << QStringList { "refuse", "image" } << QList<Outcome> { Outcome::Refused, Outcome::Taken };
    }
    void answersEachRequestOnce()
    {
        QFETCH(QStringList, script);
        QFETCH(QList<Outcome>, outcomes);
        QProcess portal;
        startPortal(portal, script);
        DBusScreenshotPortal client(std::chrono::milliseconds(1500));
        for (const Outcome expected : outcomes) {
            int answers = 0;
            std::optional<Result> result;
            client.takeScreenshot([&](const Result& answer) {
                ++answers;
                result = answer;
            });
            QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000);
            QCOMPARE(result->outcome, expected);
            if (expected == Outcome::Taken) {
                QCOMPARE(result->image.size(), m_image.size());
                QCOMPARE(result->image.pixel(6, 4), m_image.pixel(6, 4));
                QCOMPARE(result->image.pixel(3, 2), qRgb(90, 80, 99));
            } else {
                QVERIFY(result->image.isNull());
            }
            // Nothing answers the same request twice, not even the time running out later.
            QTest::qWait(0);
            QCOMPARE(answers, 1);
        }
        stopPortal(portal);
    }

    void theDesktopsOwnPickerGivesOneColor()
    {
        QProcess portal;
        startPortal(portal, { QStringLiteral("color:255,128,0") });
        DBusScreenshotPortal client;
        std::optional<Result> result;
        client.pickColor([&](const Result& answer) { result = answer; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000);
        QCOMPARE(result->outcome, Outcome::Taken);
        QVERIFY(result->color.has_value());
        QCOMPARE(*result->color, 0x0080FF); // 0x00BBGGRR
        stopPortal(portal);
    }

    void withoutAPortalTheServiceIsMissing()
    {
        DBusScreenshotPortal client;
        std::optional<Result> result;
        client.takeScreenshot([&](const Result& answer) { result = answer; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000);
        QCOMPARE(result->outcome, Outcome::Missing);
        QVERIFY(!result->detail.isEmpty());
    }

private:
    void startPortal(QProcess& portal, const QStringList& script)
    {
        portal.setProgram(QStringLiteral(TW_PORTAL_HELPER));
        portal.setArguments(
            QStringList { QStringLiteral("--image"), m_files.filePath(QStringLiteral("desktop.png")) } + script);
        portal.start();
        QVERIFY(portal.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(portal.canReadLine(), 5000);
        QCOMPARE(portal.readLine().trimmed(), QByteArray("ready"));
    }

    void stopPortal(QProcess& portal)
    {
        portal.terminate();
        if (!portal.waitForFinished(3000))
            portal.kill();
        // The bus lets go of the name once it notices the stand-in is gone.
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    QProcess m_bus;
    QTemporaryDir m_files;
    QImage m_image;
};

QTEST_MAIN(DBusScreenshotPortalTest)
#include "DBusScreenshotPortalTest.moc"
