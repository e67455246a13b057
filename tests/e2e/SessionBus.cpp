#include "SessionBus.h"

#include <QElapsedTimer>

namespace zaq::test {

SessionBus::SessionBus(const QString& dir, const QProcessEnvironment& extra)
    : environment_(QProcessEnvironment::systemEnvironment()) {
    environment_.insert("XDG_CONFIG_HOME", dir + "/config");
    environment_.insert("XDG_DATA_HOME", dir + "/data");
    environment_.insert("QT_QPA_PLATFORM", "offscreen");
    environment_.insert(extra);
    runner_.setProcessEnvironment(environment_);
    // The shell prints the bus address and waits on its input: closing it ends the bus.
    runner_.start("dbus-run-session",
                  {"--", "sh", "-c", "echo \"$DBUS_SESSION_BUS_ADDRESS\"; exec cat >/dev/null"});
    runner_.waitForStarted();
    QElapsedTimer waited;
    waited.start();
    while (!runner_.canReadLine() && waited.elapsed() < 10000) {
        runner_.waitForReadyRead(100);
    }
    address_ = QString::fromUtf8(runner_.readLine()).trimmed();
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", address_);
}

SessionBus::~SessionBus() {
    runner_.closeWriteChannel();
    if (!runner_.waitForFinished(5000)) {
        runner_.kill();
        runner_.waitForFinished(1000);
    }
}

QProcessEnvironment SessionBus::environment() const {
    return environment_;
}

SessionBus::Reply SessionBus::gdbus(const QStringList& arguments) const {
    QProcess client;
    client.setProcessEnvironment(environment_);
    client.start("gdbus", arguments);
    Reply reply;
    if (client.waitForFinished(30000)) {
        reply.exitCode = client.exitCode();
    }
    reply.out = QString::fromUtf8(client.readAllStandardOutput()).trimmed();
    reply.err = QString::fromUtf8(client.readAllStandardError()).trimmed();
    return reply;
}

namespace {
QStringList weatherCall(const QString& method) {
    return {"call",          "--session",    "--dest",   "zaq.Weather",
            "--object-path", "/zaq/Weather", "--method", method};
}
}  // namespace

SessionBus::Reply SessionBus::get(const QString& property, const QString& interface) const {
    return gdbus(weatherCall("org.freedesktop.DBus.Properties.Get") << interface << property);
}

SessionBus::Reply SessionBus::set(const QString& property, const QString& gvariant) const {
    return gdbus(weatherCall("org.freedesktop.DBus.Properties.Set")
                 << "zaq.IWeather" << property << gvariant);
}

SessionBus::Reply SessionBus::call(const QString& method) const {
    return gdbus(weatherCall("zaq.IWeather." + method));
}

bool SessionBus::nameHasOwner(const QString& name) const {
    return gdbus({"call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
                  "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.NameHasOwner", name})
               .out == "(true,)";
}

}  // namespace zaq::test
