// A stand-in for the desktop's screenshot portal on a private session bus. It owns
// org.freedesktop.portal.Desktop and answers each request with the next answer of its script, given as
// arguments: "image" (a copy of the picture given with --image, as a file:// URI), "refuse" (response 1),
// "fail" (response 2), "silent" (never answers), or "color:R,G,B" (a PickColor answer, channels 0..255).
// It prints "ready" once the name is its own.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>

namespace {

struct PickedColor {
    double red = 0;
    double green = 0;
    double blue = 0;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PickedColor& color)
{
    argument.beginStructure();
    argument << color.red << color.green << color.blue;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PickedColor& color)
{
    argument.beginStructure();
    argument >> color.red >> color.green >> color.blue;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PickedColor)

namespace {

class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version)
public:
    FakePortal(QString image, QStringList script)
        : m_image(std::move(image))
        , m_script(std::move(script))
    {
    }
    uint version() const { return 2; }

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        return answer(options, message);
    }
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        return answer(options, message);
    }

private:
    QDBusObjectPath answer(const QVariantMap& options, const QDBusMessage& message)
    {
        QString sender = message.service();
        sender.remove(0, 1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(sender, options.value(QStringLiteral("handle_token")).toString());
        const QString step = m_script.isEmpty() ? QStringLiteral("silent") : m_script.takeFirst();
        std::printf("request %s\n", qPrintable(step));
        std::fflush(stdout);
        uint response = 0;
        QVariantMap results;
        if (step == QLatin1String("image")) {
            const QString copy = m_files.filePath(QStringLiteral("shot%1.png").arg(++m_shots));
            QFile::copy(m_image, copy);
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(copy).toString());
        } else if (step == QLatin1String("refuse")) {
            response = 1;
        } else if (step == QLatin1String("fail")) {
            response = 2;
        } else if (step.startsWith(QLatin1String("color:"))) {
            const QStringList parts = step.mid(6).split(QLatin1Char(','));
            PickedColor color;
            if (parts.size() == 3)
                color = { parts[0].toDouble() / 255, parts[1].toDouble() / 255, parts[2].toDouble() / 255 };
            results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        } else {
            return QDBusObjectPath(path); // silent: the request stays open for ever
        }
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << response << results;
        // The answer follows the method's reply, as a real portal's does.
        QMetaObject::invokeMethod(
            this, [signal] { QDBusConnection::sessionBus().send(signal); }, Qt::QueuedConnection);
        return QDBusObjectPath(path);
    }

    QString m_image;
    QStringList m_script;
    QTemporaryDir m_files;
    int m_shots = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<PickedColor>();
    QStringList arguments = app.arguments().mid(1);
    QString image;
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--image")) {
        image = arguments.at(1);
        arguments = arguments.mid(2);
    }
    FakePortal portal(image, arguments);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(
            stderr, "portal helper: cannot own the portal's name: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "PortalHelper.moc"
