#include "automation/WeatherObject.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QThread>
#include <exception>

#include "automation/ObservatoryInterface.h"
#include "automation/WeatherInterface.h"
#include "automation/WeatherService.h"
#include "base/MessagesList.h"

namespace zaq {
namespace {

const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kIntrospectable = QStringLiteral("org.freedesktop.DBus.Introspectable");
const QString kPeer = QStringLiteral("org.freedesktop.DBus.Peer");
constexpr int kBusCheckMs = 5000;

const WeatherMember* memberNamed(const QString& name) {
    for (const WeatherMember& m : kWeatherMembers) {
        if (name == QLatin1String(m.name)) {
            return &m;
        }
    }
    return nullptr;
}

bool readable(const WeatherMember& m) {
    return m.kind == WeatherMember::Kind::Read || m.kind == WeatherMember::Kind::ReadWrite;
}

QDBusMessage error(const QDBusMessage& call, const char* name, const QString& text) {
    return call.createErrorReply(QLatin1String(name), text);
}

}  // namespace

WeatherObject::WeatherObject(WeatherService& service, MessagesList& messages,
                             std::function<void()> lastClientGone)
    : service_(service),
      observatory_(service),
      messages_(messages),
      lastClientGone_(std::move(lastClientGone)) {
    peerWatcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&peerWatcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            &WeatherObject::onPeerGone);
    busWatch_.setInterval(kBusCheckMs);
    connect(&busWatch_, &QTimer::timeout, this, &WeatherObject::checkBusStillThere);
}

WeatherObject::~WeatherObject() {
    if (published_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(QLatin1String(kWeatherService));
        bus.unregisterObject(QLatin1String(kWeatherPath));
    }
}

// The object first, then the name, so that a call queued for an activated program finds it.
void WeatherObject::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        messages_.addMessage(
            QStringLiteral("Sin bus de sesion D-Bus: zaq.Weather no esta disponible."));
        return;
    }
    if (!bus.registerVirtualObject(QLatin1String(kWeatherPath), this)) {
        messages_.addMessage(QStringLiteral("No es posible publicar zaq.Weather en D-Bus: ") +
                             bus.lastError().message());
        return;
    }
    published_ = true;
    peerWatcher_.setConnection(bus);
    if (lastClientGone_) {
        busWatch_.start();
    }
    if (!bus.registerService(QLatin1String(kWeatherService))) {
        messages_.addMessage(
            QStringLiteral("zaq.Weather ya esta en uso en D-Bus (otro programa ZAQ): ") +
            bus.lastError().message());
    }
}

QString WeatherObject::introspect(const QString&) const {
    return weatherInterfaceXml() + ObservatoryInterface::interfaceXml();
}

bool WeatherObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage) {
        return false;
    }
    Q_ASSERT(QThread::currentThread() == thread());
    rememberPeer(message.service());
    QDBusMessage reply = answer(message);
    if (!message.isReplyRequired()) {
        return true;
    }
    return connection.send(reply);
}

// The lock count of the automation server: the peers that have called and are still on the bus.
void WeatherObject::rememberPeer(const QString& peer) {
    if (!peer.isEmpty() && !peers_.contains(peer)) {
        peers_.insert(peer);
        peerWatcher_.addWatchedService(peer);
        QMetaObject::invokeMethod(
            this, [this, peer] { checkPeerStillThere(peer); }, Qt::QueuedConnection);
    }
}

// A peer that left before its watch was set (a client that gave up while the program was being
// started for it) is never reported leaving: it is asked for once the reply has gone.
void WeatherObject::checkPeerStillThere(const QString& peer) {
    const QDBusReply<bool> registered =
        QDBusConnection::sessionBus().interface()->isServiceRegistered(peer);
    if (registered.isValid() && !registered.value()) {
        onPeerGone(peer);
    }
}

// With the bus gone no client can call again, and none can be seen leaving.
void WeatherObject::checkBusStillThere() {
    if (!QDBusConnection::sessionBus().isConnected()) {
        busWatch_.stop();
        lastClientGone_();
    }
}

void WeatherObject::onPeerGone(const QString& peer) {
    peerWatcher_.removeWatchedService(peer);
    if (peers_.remove(peer) && peers_.isEmpty() && lastClientGone_) {
        lastClientGone_();
    }
}

// A fault inside a member reaches the client as zaq.Weather.Error with its text.
QDBusMessage WeatherObject::answer(const QDBusMessage& call) {
    try {
        if (call.interface() == kProperties) {
            if (call.member() == QLatin1String("Get")) {
                return propertyGet(call);
            }
            if (call.member() == QLatin1String("GetAll")) {
                return propertyGetAll(call);
            }
            if (call.member() == QLatin1String("Set")) {
                return propertySet(call);
            }
        } else if (call.interface() == kIntrospectable) {
            return call.createReply(weatherIntrospectionDocument());
        } else if (call.interface() == kPeer && call.member() == QLatin1String("Ping")) {
            return call.createReply();
        } else if (call.interface() == QLatin1String(kObservatoryInterface)) {
            return observatoryCall(call);
        } else if (call.interface().isEmpty() ||
                   call.interface() == QLatin1String(kWeatherInterface)) {
            return methodCall(call);
        }
        return error(
            call, "org.freedesktop.DBus.Error.UnknownMethod",
            QStringLiteral("Metodo desconocido: ") + call.interface() + u'.' + call.member());
    } catch (const std::exception& e) {
        return error(call, kWeatherError, QString::fromLocal8Bit(e.what()));
    }
}

QVariant WeatherObject::read(const QString& name) const {
    const WeatherService& s = service_;
    if (name == QLatin1String("AmbientTemperature"))
        return s.ambientTemperature();
    if (name == QLatin1String("Safe"))
        return s.safe();
    if (name == QLatin1String("Clouds"))
        return s.clouds();
    if (name == QLatin1String("SkyQuality"))
        return s.skyQuality();
    if (name == QLatin1String("Precipitation"))
        return s.precipitation();
    if (name == QLatin1String("Name"))
        return WeatherService::name();
    if (name == QLatin1String("MensajeZaq"))
        return s.mensajeZaq();
    if (name == QLatin1String("BarometricPressure"))
        return s.barometricPressure();
    if (name == QLatin1String("DewPoint"))
        return s.dewPoint();
    if (name == QLatin1String("RelativeHumidity"))
        return s.relativeHumidity();
    if (name == QLatin1String("WindDirection"))
        return s.windDirection();
    if (name == QLatin1String("WindVelocity"))
        return s.windVelocity();
    if (name == QLatin1String("Connected"))
        return s.connected();
    if (name == QLatin1String("ShutterStatus"))
        return s.shutterStatus();
    if (name == QLatin1String("SkyMagnitude"))
        return s.skyMagnitude();
    return {};
}

QDBusMessage WeatherObject::propertyGet(const QDBusMessage& call) {
    const QList<QVariant> args = call.arguments();
    const QString name = args.value(1).toString();
    if (args.value(0).toString() == QLatin1String(kObservatoryInterface) &&
        ObservatoryInterface::hasProperty(name)) {
        return call.createReply(QVariant::fromValue(QDBusVariant(observatory_.read(name))));
    }
    const WeatherMember* member = memberNamed(name);
    if (args.size() != 2 || member == nullptr || member->kind == WeatherMember::Kind::Method) {
        return error(call, "org.freedesktop.DBus.Error.UnknownProperty",
                     QStringLiteral("Propiedad desconocida: ") + name);
    }
    if (!readable(*member)) {
        return error(call, "org.freedesktop.DBus.Error.AccessDenied",
                     QStringLiteral("La propiedad solo admite escritura: ") + name);
    }
    return call.createReply(QVariant::fromValue(QDBusVariant(read(name))));
}

QDBusMessage WeatherObject::propertyGetAll(const QDBusMessage& call) {
    if (call.arguments().value(0).toString() == QLatin1String(kObservatoryInterface)) {
        return call.createReply(observatory_.readAll());
    }
    QVariantMap all;
    for (const WeatherMember& m : kWeatherMembers) {
        if (readable(m)) {
            all.insert(QLatin1String(m.name), read(QLatin1String(m.name)));
        }
    }
    return call.createReply(all);
}

QDBusMessage WeatherObject::propertySet(const QDBusMessage& call) {
    const QList<QVariant> args = call.arguments();
    const QString name = args.value(1).toString();
    const QVariant value = args.value(2).value<QDBusVariant>().variant();
    if (ObservatoryInterface::hasProperty(name)) {
        return error(call, "org.freedesktop.DBus.Error.PropertyReadOnly",
                     QStringLiteral("La propiedad solo admite lectura: ") + name);
    }
    const WeatherMember* member = memberNamed(name);
    if (args.size() != 3 || member == nullptr || member->kind == WeatherMember::Kind::Method) {
        return error(call, "org.freedesktop.DBus.Error.UnknownProperty",
                     QStringLiteral("Propiedad desconocida: ") + name);
    }
    if (readable(*member) && member->kind != WeatherMember::Kind::ReadWrite) {
        return error(call, "org.freedesktop.DBus.Error.PropertyReadOnly",
                     QStringLiteral("La propiedad solo admite lectura: ") + name);
    }
    const bool boolean = *member->type == 'b';
    if (value.metaType().id() != (boolean ? QMetaType::Bool : QMetaType::QString)) {
        return error(call, "org.freedesktop.DBus.Error.InvalidArgs",
                     QStringLiteral("%1 espera un valor de tipo '%2'")
                         .arg(name, QLatin1String(member->type)));
    }
    if (boolean) {
        service_.setConnected(value.toBool());
    } else {
        service_.mensajeCor(value.toString());
    }
    return call.createReply();
}

// A refusal comes back as zaq.Weather.Error with the program's text.
QDBusMessage WeatherObject::observatoryCall(const QDBusMessage& call) {
    if (!observatory_.call(call.member())) {
        return error(call, "org.freedesktop.DBus.Error.UnknownMethod",
                     QStringLiteral("Metodo desconocido: ") + call.member());
    }
    return call.createReply();
}

QDBusMessage WeatherObject::methodCall(const QDBusMessage& call) {
    const QString name = call.member();
    if (name == QLatin1String("OpenShutter")) {
        service_.openShutter();
    } else if (name == QLatin1String("CloseShutter")) {
        service_.closeShutter();
    } else if (name == QLatin1String("SetupDialog")) {
        service_.setupDialog();
    } else {
        return error(call, "org.freedesktop.DBus.Error.UnknownMethod",
                     QStringLiteral("Metodo desconocido: ") + name);
    }
    return call.createReply();
}

}  // namespace zaq
