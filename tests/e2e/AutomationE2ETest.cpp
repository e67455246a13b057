#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "E2eRun.h"
#include "SessionBus.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

const char* kData =
    "(CAs 080 000 10200 09408 1120 0245 078 11003 +160 750 +120 0050 013 0139 180 a0200)";

struct Registration {
    QString registry;
    QString activation;
    QString interfaceXml;
    explicit Registration(const QString& dir)
        : registry(dir + "/config/zaq/registry.ini"),
          activation(dir + "/data/dbus-1/services/zaq.Weather.service"),
          interfaceXml(dir + "/data/dbus-1/interfaces/zaq.IWeather.xml") {}
    int present() const {
        return QFile::exists(registry) + QFile::exists(activation) + QFile::exists(interfaceXml);
    }
};

int runZaq(const SessionBus& bus, const QStringList& arguments) {
    QProcess zaq;
    zaq.setProcessEnvironment(bus.environment());
    zaq.start(ZAQ_PROGRAM, arguments);
    return zaq.waitForFinished(10000) && zaq.exitStatus() == QProcess::NormalExit ? zaq.exitCode()
                                                                                  : -1;
}

// The program started by the user, read and driven with gdbus: each property in its D-Bus type,
// Connected written, a text for the station's dispatcher, and the roof closed at the station.
TEST(AutomationE2ETest, GdbusReadsEveryPropertyAndDrivesTheProgram) {
    E2eRun run;
    SessionBus bus(run.dir());
    run.startSimulator(false,
                       "at 0s roof A\nat 0s temperature 12.5\nat 0s pressure 1013.2\n"
                       "at 0s wind 13.9\nat 0s direction 200\nat 0s cloud 20\nat 0s rain 0\n",
                       {"--interval", "5"});
    run.writeConfiguration(false, 0, true);
    run.setZaqEnvironment("DBUS_SESSION_BUS_ADDRESS", bus.address());
    run.startZaq(run.ttyLink());
    // The readings come with the first live message (gdbus fails until zaq is on the bus).
    run.runFor(30000, [&] {
        const QString out = bus.get("AmbientTemperature").out;
        return out.startsWith("(<") && out != "(<0.0>,)";
    });

    const std::vector<std::pair<QString, QString>> expected = {
        {"AmbientTemperature", "^\\(<12\\.5>,\\)$"},
        {"Safe", "^\\(<(true|false)>,\\)$"},
        {"Clouds", "^\\(<0\\.2\\d*>,\\)$"},
        {"SkyQuality", "^\\(<-?\\d+>,\\)$"},
        {"Precipitation", "^\\(<false>,\\)$"},
        {"Name", "^\\(<'ZAQ [^']+'>,\\)$"},
        // gdbus writes a control character of the message (a supply of 12.7 V) as \u007f.
        {"MensajeZaq", "^\\(<'\\([AaC][^']{80,90}\\)'>,\\)$"},
        {"BarometricPressure", "^\\(<1013\\.2\\d*>,\\)$"},
        {"DewPoint", "^\\(<-?\\d+>,\\)$"},
        {"RelativeHumidity", "^\\(<\\d+>,\\)$"},
        {"WindDirection", "^\\(<200>,\\)$"},
        {"WindVelocity", "^\\(<13>,\\)$"},
        {"Connected", "^\\(<false>,\\)$"},
        {"ShutterStatus", "^\\(<0>,\\)$"},
        {"SkyMagnitude", "^\\(<-?\\d+\\.\\d+>,\\)$"},
    };
    for (const auto& [property, pattern] : expected) {
        const SessionBus::Reply reply = bus.get(property);
        EXPECT_TRUE(QRegularExpression(pattern).match(reply.out).hasMatch())
            << property.toStdString() << ": " << reply.out.toStdString() << " "
            << reply.err.toStdString();
    }
    // The second interface, for the INDI drivers.
    const auto observatory = [&](const char* property) {
        return bus.get(property, "zaq.Observatory").out.toStdString();
    };
    EXPECT_EQ(observatory("Master"), "(<true>,)");
    EXPECT_EQ(observatory("RoofState"), "(<'open'>,)");
    EXPECT_EQ(observatory("StationSilent"), "(<false>,)");
    EXPECT_EQ(observatory("SkyTemperature"), "(<nan>,)");
    EXPECT_THAT(observatory("LastDataAge"), ::testing::MatchesRegex("\\(<[0-9.e-]+>,\\)"));
    EXPECT_THAT(bus.gdbus({"introspect", "--session", "--dest", "zaq.Weather", "--object-path",
                           "/zaq/Weather"})
                    .out.toStdString(),
                HasSubstr("interface zaq.Observatory"));
    EXPECT_THAT(bus.get("MensajeCor").err.toStdString(), HasSubstr("AccessDenied"));
    EXPECT_THAT(bus.set("Connected", "<7>").err.toStdString(), HasSubstr("InvalidArgs"));

    EXPECT_EQ(bus.set("Connected", "<true>").exitCode, 0);
    EXPECT_EQ(bus.get("Connected").out, "(<true>,)");
    EXPECT_EQ(bus.call("CloseShutter").exitCode, 0);
    // A closed roof's message: as if the station had sent it.
    EXPECT_EQ(bus.set("MensajeCor", QString("<'%1'>").arg(kData)).exitCode, 0);
    EXPECT_EQ(bus.get("AmbientTemperature").out, "(<16.0>,)");
    EXPECT_EQ(bus.get("ShutterStatus").out, "(<1>,)");
    run.runFor(run.elapsed() + 12000, [&] {
        const auto r = run.received();
        return std::any_of(r.begin(), r.end(), [](const auto& c) { return c.text == "(X000)"; });
    });
    // Started by the user, it runs on after its clients have gone.
    EXPECT_EQ(run.zaqExitCode(1000), -1);
    run.stop();

    EXPECT_EQ(run.outputCount(kData), 1) << "the text is listed";
    QStringList commands;
    for (const auto& c : run.received()) {
        commands << c.text;
    }
    EXPECT_THAT(commands, Contains("(X000)"));
}

// The switches, case-insensitively with "/" or "-", end the program with code 0 and no window.
class RegistrationSwitchTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RegistrationSwitchTest, WritesTheThreeFilesAndUnregisterRemovesThem) {
    QTemporaryDir dir;
    SessionBus bus(dir.path(), [] {
        QProcessEnvironment none;
        none.insert("QT_QPA_PLATFORM", "");
        return none;
    }());
    const Registration files(dir.path());
    EXPECT_EQ(runZaq(bus, {GetParam(), "--program-directory", dir.path()}), 0);
    EXPECT_EQ(files.present(), 3);
    QFile service(files.activation);
    service.open(QIODevice::ReadOnly);
    EXPECT_THAT(service.readAll().toStdString(),
                HasSubstr(std::string("Exec=") + ZAQ_PROGRAM + " --program-directory " +
                          dir.path().toStdString() + " /Automation\n"));
    EXPECT_EQ(runZaq(bus, {"/unregserver"}), 0);
    EXPECT_EQ(files.present(), 0);
}

INSTANTIATE_TEST_SUITE_P(Spellings, RegistrationSwitchTest,
                         ::testing::Values("/regserver", "-RegServer", "/REGSERVER"));

bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > ms) {
            return false;
        }
        QThread::msleep(100);
    }
    return true;
}

// With no program running, a call activates the registered one: it reads the zaq.cfg of the
// registration directory (the serial line of its zaq.cfg), hears the station, and ends when its
// last client has left the bus.
TEST(AutomationE2ETest, ACallActivatesTheProgramWhichEndsWithItsLastClient) {
    E2eRun run;
    run.startSimulator(false, "at 0s temperature 12.5\n");
    run.writeConfiguration(false, 0, true);
    QProcessEnvironment activated;
    activated.insert("ZAQ_SERIAL_DEVICE", run.ttyLink());
    SessionBus bus(run.dir(), activated);
    ASSERT_EQ(runZaq(bus, {"/RegServer", "--program-directory", run.dir()}), 0);

    const SessionBus::Reply name = bus.get("Name");
    EXPECT_THAT(name.out.toStdString(), HasSubstr("ZAQ ")) << name.err.toStdString();
    EXPECT_TRUE(waitFor([&] { return !bus.nameHasOwner("zaq.Weather"); }, 10000))
        << "the activated program still runs after gdbus left";

    // A client that stays: the program runs until it leaves.
    QString message;
    {
        QDBusConnection client = QDBusConnection::connectToBus(bus.address(), "client");
        const auto read = [&] {
            QDBusMessage get = QDBusMessage::createMethodCall(
                "zaq.Weather", "/zaq/Weather", "org.freedesktop.DBus.Properties", "Get");
            get << QString("zaq.IWeather") << QString("MensajeZaq");
            const QDBusMessage reply = client.call(get);
            return reply.arguments().value(0).value<QDBusVariant>().variant().toString();
        };
        EXPECT_TRUE(waitFor([&] { return !(message = read()).isEmpty(); }, 20000));
        EXPECT_TRUE(bus.nameHasOwner("zaq.Weather"));
    }
    QDBusConnection::disconnectFromBus("client");
    EXPECT_THAT(message.toStdString(), HasSubstr("+125"));
    EXPECT_TRUE(waitFor([&] { return !bus.nameHasOwner("zaq.Weather"); }, 10000))
        << "the activated program still runs after its client left";
    run.stop();
}

// A program started for clients ends when its only caller was gone by the time the call was
// handled, and when the bus itself goes: neither may leave it running with the serial line open.
TEST(AutomationE2ETest, AProgramStartedForClientsEndsWhenItsCallerOrItsBusIsGone) {
    E2eRun run;
    run.startSimulator(false, "at 0s temperature 12.5\n");
    run.writeConfiguration(false, 0, true);
    QProcess zaq;
    const auto startForClients = [&](const SessionBus& bus) {
        QProcessEnvironment env = bus.environment();
        env.insert("ZAQ_SERIAL_DEVICE", run.ttyLink());
        zaq.setProcessEnvironment(env);
        zaq.start(ZAQ_PROGRAM, {"--program-directory", run.dir(), "/Automation"});
        return waitFor([&] { return bus.nameHasOwner("zaq.Weather"); }, 20000);
    };
    const auto get = [](const QString& property) {
        QDBusMessage m = QDBusMessage::createMethodCall("zaq.Weather", "/zaq/Weather",
                                                        "org.freedesktop.DBus.Properties", "Get");
        m << QString("zaq.IWeather") << property;
        return m;
    };
    {
        SessionBus bus(run.dir());
        ASSERT_TRUE(startForClients(bus));
        {
            QDBusConnection hasty = QDBusConnection::connectToBus(bus.address(), "hasty");
            hasty.send(get("Name"));
        }
        QDBusConnection::disconnectFromBus("hasty");
        EXPECT_TRUE(zaq.waitForFinished(10000)) << "still running after its caller left";

        ASSERT_TRUE(startForClients(bus));
        QDBusConnection client = QDBusConnection::connectToBus(bus.address(), "staying");
        EXPECT_EQ(client.call(get("Name")).type(), QDBusMessage::ReplyMessage);
    }
    EXPECT_TRUE(zaq.waitForFinished(15000)) << "still running after its bus went";
    QDBusConnection::disconnectFromBus("staying");
    if (zaq.state() != QProcess::NotRunning) {
        zaq.kill();
        zaq.waitForFinished(2000);
    }
    EXPECT_EQ(zaq.exitCode(), 0);
    run.stop();
}

}  // namespace
}  // namespace zaq::test
