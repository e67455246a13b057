#include "ZaqBusClient.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace zaq::indi {
namespace {

constexpr int kCallTimeoutMs = 3000;

QDBusMessage weatherCall(const QString& interface, const QString& member) {
    return QDBusMessage::createMethodCall(QStringLiteral("zaq.Weather"),
                                          QStringLiteral("/zaq/Weather"), interface, member);
}

// Both interfaces' properties in one map each; an error message when the call failed.
QDBusMessage getAll(const char* interface) {
    QDBusMessage call =
        weatherCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << QString::fromLatin1(interface);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, kCallTimeoutMs);
}

// The a{sv} of GetAll arrives as a D-Bus argument still to be read.
QVariantMap propertiesOf(const QDBusMessage& reply) {
    return qdbus_cast<QVariantMap>(reply.arguments().value(0));
}

}  // namespace

// QtDBus wants an application object; the drivers' loop is libindi's, not Qt's.
ZaqBusClient::ZaqBusClient() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "indi_zaq";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }
}

ZaqSnapshot ZaqBusClient::read() const {
    ZaqSnapshot s;
    const QDBusMessage weather = getAll("zaq.IWeather");
    const QDBusMessage observatory = getAll("zaq.Observatory");
    for (const QDBusMessage& reply : {weather, observatory}) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            s.failure = reply.errorMessage();
            return s;
        }
    }
    const QVariantMap w = propertiesOf(weather);
    const QVariantMap o = propertiesOf(observatory);
    s.reached = true;
    s.temperature = w.value(QStringLiteral("AmbientTemperature")).toDouble();
    s.humidity = w.value(QStringLiteral("RelativeHumidity")).toDouble();
    s.dewPoint = w.value(QStringLiteral("DewPoint")).toDouble();
    s.pressure = w.value(QStringLiteral("BarometricPressure")).toDouble();
    s.windKmh = w.value(QStringLiteral("WindVelocity")).toDouble();
    s.windDirection = w.value(QStringLiteral("WindDirection")).toDouble();
    s.cloudFraction = w.value(QStringLiteral("Clouds")).toDouble();
    s.skyMagnitude = w.value(QStringLiteral("SkyMagnitude")).toDouble();
    s.precipitation = w.value(QStringLiteral("Precipitation")).toBool();
    s.safe = w.value(QStringLiteral("Safe")).toBool();
    s.windGustKmh = o.value(QStringLiteral("WindGust")).toDouble();
    s.skyTemperature = o.value(QStringLiteral("SkyTemperature")).toDouble();
    s.lastDataAge = o.value(QStringLiteral("LastDataAge")).toDouble();
    s.stationSilent = o.value(QStringLiteral("StationSilent")).toBool();
    s.roofState = o.value(QStringLiteral("RoofState")).toString();
    return s;
}

QString ZaqBusClient::order(const char* method) const {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        weatherCall(QStringLiteral("zaq.Observatory"), QString::fromLatin1(method)), QDBus::Block,
        kCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? QString() : reply.errorMessage();
}

QString ZaqBusClient::openRoof() const {
    return order("OpenRoof");
}
QString ZaqBusClient::closeRoof() const {
    return order("CloseRoof");
}

}  // namespace zaq::indi
