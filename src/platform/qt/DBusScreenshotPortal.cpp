#include "platform/qt/DBusScreenshotPortal.h"

#include "platform/ColorConversion.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tw::platform {

namespace {

    Q_LOGGING_CATEGORY(lcPortal, "tw.portal", QtWarningMsg)

    const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
    const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
    const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
    const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

    // The portal names the request object after the caller's bus name and the token the caller chose.
    QString RequestPath(const QDBusConnection& bus, const QString& token)
    {
        QString sender = bus.baseService();
        sender.remove(0, 1); // the leading ':'
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    }

    // The colour answer is a struct of three doubles, 0..1.
    std::optional<core::ColorValue> ColorOf(const QVariant& value)
    {
        if (!value.canConvert<QDBusArgument>())
            return std::nullopt;
        const auto argument = value.value<QDBusArgument>();
        double red = -1;
        double green = -1;
        double blue = -1;
        argument.beginStructure();
        argument >> red >> green >> blue;
        argument.endStructure();
        const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
        if (red < 0 || green < 0 || blue < 0)
            return std::nullopt;
        return core::MakeColor(channel(red), channel(green), channel(blue));
    }

    ScreenshotPortal::Result ImageOf(const QVariantMap& results)
    {
        ScreenshotPortal::Result result;
        const QUrl uri(results.value(QStringLiteral("uri")).toString());
        if (!uri.isLocalFile()) {
            result.outcome = ScreenshotPortal::Outcome::Failed;
            result.detail = QStringLiteral("the screenshot came as \"%1\", not as a file").arg(uri.toString());
            return result;
        }
        const QString path = uri.toLocalFile();
        QImage image(path);
        if (image.isNull()) {
            result.outcome = ScreenshotPortal::Outcome::Failed;
            result.detail = QStringLiteral("the screenshot %1 could not be read").arg(path);
            return result;
        }
        // The file was made for this pick alone; left behind it would fill the user's picture folder.
        if (!QFile::remove(path))
            qCDebug(lcPortal, "the screenshot %s stays behind", qUtf8Printable(path));
        result.outcome = ScreenshotPortal::Outcome::Taken;
        result.image = image.convertToFormat(QImage::Format_RGB32);
        return result;
    }

    // One request: it answers exactly once, by the Response signal, a failed call or the time running out.
    class PendingRequest : public QObject {
        Q_OBJECT
    public:
        PendingRequest(bool color, ScreenshotPortal::Done done, QObject* parent)
            : QObject(parent)
            , m_color(color)
            , m_done(std::move(done))
        {
        }

        void finish(const ScreenshotPortal::Result& result)
        {
            if (m_finished)
                return;
            m_finished = true;
            QDBusConnection::sessionBus().disconnect(kService, m_path, kRequestInterface, QStringLiteral("Response"),
                this, SLOT(onResponse(uint, QVariantMap)));
            // The callback may start another request; this one goes once it has run.
            deleteLater();
            m_done(result);
        }

        void setPath(const QString& path) { m_path = path; }

        void follow(const QString& path)
        {
            if (m_finished || path.isEmpty() || path == m_path)
                return;
            QDBusConnection bus = QDBusConnection::sessionBus();
            bus.disconnect(kService, m_path, kRequestInterface, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
            m_path = path;
            bus.connect(kService, m_path, kRequestInterface, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
        }

    public Q_SLOTS:
        void onResponse(uint response, const QVariantMap& results)
        {
            ScreenshotPortal::Result result;
            if (response == 1) {
                result.outcome = ScreenshotPortal::Outcome::Refused;
                result.detail = QStringLiteral("the request was cancelled");
            } else if (response != 0) {
                result.outcome = ScreenshotPortal::Outcome::Failed;
                result.detail = QStringLiteral("the desktop ended the request (response %1)").arg(response);
            } else if (m_color) {
                result.color = ColorOf(results.value(QStringLiteral("color")));
                result.outcome = result.color ? ScreenshotPortal::Outcome::Taken : ScreenshotPortal::Outcome::Failed;
                if (!result.color)
                    result.detail = QStringLiteral("the answer held no colour");
            } else {
                result = ImageOf(results);
            }
            finish(result);
        }

    private:
        bool m_color = false;
        bool m_finished = false;
        QString m_path;
        ScreenshotPortal::Done m_done;
    };

} // namespace

DBusScreenshotPortal::DBusScreenshotPortal(std::chrono::milliseconds answerTime, QObject* parent)
    : QObject(parent)
    , m_answerTime(answerTime)
{
}

void DBusScreenshotPortal::takeScreenshot(Done done)
{
    request(Kind::Screenshot, std::move(done));
}

void DBusScreenshotPortal::pickColor(Done done)
{
    request(Kind::Color, std::move(done));
}

void DBusScreenshotPortal::request(Kind kind, Done done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Result result;
        result.outcome = Outcome::Missing;
        result.detail = QStringLiteral("there is no session bus");
        // Answered later, as every request is.
        QTimer::singleShot(0, this, [done = std::move(done), result] { done(result); });
        return;
    }
    auto* pending = new PendingRequest(kind == Kind::Color, std::move(done), this);
    const QString token = QStringLiteral("tintwise%1").arg(++m_tokens);
    const QString path = RequestPath(bus, token);
    pending->setPath(path);
    bus.connect(
        kService, path, kRequestInterface, QStringLiteral("Response"), pending, SLOT(onResponse(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kInterface, kind == Kind::Color ? QStringLiteral("PickColor") : QStringLiteral("Screenshot"));
    QVariantMap options { { QStringLiteral("handle_token"), token } };
    if (kind == Kind::Screenshot) {
        options.insert(QStringLiteral("interactive"), false);
        options.insert(QStringLiteral("modal"), false);
    }
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), pending);
    connect(watcher, &QDBusPendingCallWatcher::finished, pending, [pending](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        finished->deleteLater();
        if (!reply.isError()) {
            // An older portal names the request object itself: the answer comes from there.
            pending->follow(reply.value().path());
            return;
        }
        const QDBusError error = reply.error();
        Result result;
        switch (error.type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::UnknownObject:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
            result.outcome = Outcome::Missing;
            break;
        case QDBusError::NoReply:
        case QDBusError::Timeout:
            result.outcome = Outcome::NoAnswer;
            break;
        default:
            result.outcome = Outcome::Failed;
            break;
        }
        result.detail = error.message();
        qCDebug(lcPortal, "the portal call failed: %s", qUtf8Printable(error.message()));
        pending->finish(result);
    });
    QTimer::singleShot(m_answerTime, pending, [pending] {
        Result result;
        result.outcome = Outcome::NoAnswer;
        result.detail = QStringLiteral("the desktop did not answer");
        pending->finish(result);
    });
}

} // namespace tw::platform

#include "DBusScreenshotPortal.moc"
