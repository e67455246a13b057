#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include "E2eRun.h"
#include "SessionBus.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::HasSubstr;

// indiserver with both drivers on a free loopback port, on the test's session bus, and the
// tools of indi-bin as the client, one of them watching the roof driver's messages.
class IndiServer {
  public:
    IndiServer(const SessionBus& bus, const QString& home) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = QString::number(probe.serverPort());
        probe.close();
        QProcessEnvironment env = bus.environment();
        env.insert("HOME", home);
        server_.setProcessEnvironment(env);
        // Its log and the drivers' standard error go to a file: a pipe nobody reads would fill
        // and stop the server.
        server_.setStandardOutputFile(home + "/indiserver.log");
        server_.setStandardErrorFile(home + "/indiserver.log", QIODevice::Append);
        server_.start("indiserver", {"-p", port_, ZAQ_INDI_WEATHER, ZAQ_INDI_ROOF});
        server_.waitForStarted();
        for (int i = 0; i < 50 && get("ZAQ Roof.CONNECTION.CONNECT").isEmpty(); ++i) {
            QThread::msleep(100);
        }
    }
    ~IndiServer() {
        for (QProcess* p : {&monitor_, &server_}) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
    }

    QString get(const QString& property) const {
        QProcess tool;
        tool.start("indi_getprop", {"-p", port_, "-t", "5", "-1", property});
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    bool set(const QString& property) const {
        QProcess tool;
        tool.start("indi_setprop", {"-p", port_, property});
        return tool.waitForFinished(10000) && tool.exitCode() == 0;
    }
    // At -vvv indi_getprop writes every element it receives, the drivers' <message>s among them.
    void startMonitor() {
        monitor_.start("indi_getprop", {"-p", port_, "-m", "-t", "600", "-vvv", "ZAQ Roof.*.*"});
        monitor_.waitForStarted();
    }
    // What the monitor wrote within `ms`.
    QString monitored(int ms) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms) {
            monitor_.waitForReadyRead(100);
            monitor_.readAllStandardOutput();
            seen_ += QString::fromUtf8(monitor_.readAllStandardError());
        }
        return seen_;
    }

  private:
    QString port_;
    QProcess server_;
    QProcess monitor_;
    QString seen_;
};

// KStars's side of the observatory: the weather device Ok while dry and Alert within one update
// period of the rain, the roof unparked (opened) while permitted, parked, and refused in the rain.
TEST(IndiE2ETest, IndiToolsSeeTheWeatherAndDriveTheRoofThroughZaq) {
    E2eRun run;
    SessionBus bus(run.dir());
    run.startSimulator(false,
                       "at 0s temperature 12.5\nat 0s humidity 60\nat 0s wind 13.9\n"
                       "at 0s direction 200\nat 0s cloud 20\nat 0s sky 19.5\nat 0s rain 0\n"
                       "at 70s rain 50\n");
    run.writeConfiguration(false, 0, true, false, E2eRun::observatoryLimits);
    run.setZaqEnvironment("DBUS_SESSION_BUS_ADDRESS", bus.address());
    run.startZaq(run.ttyLink());
    IndiServer indi(bus, run.dir());
    ASSERT_TRUE(indi.set("ZAQ Weather.CONNECTION.CONNECT=On"));
    ASSERT_TRUE(indi.set("ZAQ Roof.CONNECTION.CONNECT=On"));
    const QString status = "ZAQ Weather.WEATHER_STATUS._STATE";
    const QString parameter = "ZAQ Weather.WEATHER_PARAMETERS.";

    run.runFor(40000, [&] { return indi.get(status) == "Ok"; });
    EXPECT_EQ(indi.get(status), "Ok");
    EXPECT_EQ(indi.get(parameter + "WEATHER_TEMPERATURE").toDouble(), 12.5);
    EXPECT_EQ(indi.get(parameter + "WEATHER_HUMIDITY").toDouble(), 60);
    EXPECT_EQ(indi.get(parameter + "WEATHER_WIND_SPEED").toDouble(), 13);
    EXPECT_EQ(indi.get(parameter + "WEATHER_WIND_DIRECTION").toDouble(), 200);
    EXPECT_NEAR(indi.get(parameter + "WEATHER_CLOUD_COVER").toDouble(), 20, 1e-9);
    EXPECT_EQ(indi.get(parameter + "ZAQ_SAFE").toDouble(), 1);

    // Unparked while permitted: "(X001)" to the station, then open.
    ASSERT_TRUE(indi.set("ZAQ Roof.DOME_PARK.UNPARK=On"));
    run.runFor(run.elapsed() + 20000, [&] {
        return indi.get("ZAQ Roof.DOME_SHUTTER.SHUTTER_OPEN") == "On" &&
               indi.get("ZAQ Roof.DOME_SHUTTER._STATE") == "Ok";
    });
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_SHUTTER._STATE"), "Ok");
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_SHUTTER.SHUTTER_OPEN"), "On");
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_PARK.UNPARK"), "On");
    const auto received = [&](const char* command) {
        const auto r = run.received();
        return std::count_if(r.begin(), r.end(), [&](const auto& c) { return c.text == command; });
    };
    EXPECT_GE(received("(X001)"), 1);

    // Parked: closed again.
    ASSERT_TRUE(indi.set("ZAQ Roof.DOME_PARK.PARK=On"));
    run.runFor(run.elapsed() + 20000,
               [&] { return indi.get("ZAQ Roof.DOME_PARK._STATE") == "Ok"; });
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_PARK.PARK"), "On");
    EXPECT_GE(received("(X000)"), 1);

    // Rain from the 70th second of the station, clear of the program's minute at the 60th:
    // Alert within one update period (10 s).
    run.runFor(90000, [&] { return indi.get(status) == "Alert"; });
    EXPECT_EQ(indi.get(status), "Alert");
    EXPECT_LE(run.elapsed(), 70000 + 10000 + 2000) << "the rain's message and one update period";
    EXPECT_EQ(indi.get(parameter + "ZAQ_SAFE").toDouble(), 0);

    // Unparked in the rain: refused, the roof stays closed.
    const int opens = received("(X001)");
    indi.startMonitor();
    ASSERT_TRUE(indi.set("ZAQ Roof.DOME_PARK.UNPARK=On"));
    EXPECT_THAT(indi.monitored(2000).toStdString(),
                HasSubstr("La apertura no es posible. Limites de seguridad superados."));
    run.runFor(run.elapsed() + 3000);
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_PARK._STATE"), "Alert");
    EXPECT_EQ(indi.get("ZAQ Roof.DOME_SHUTTER.SHUTTER_CLOSE"), "On");
    EXPECT_EQ(received("(X001)"), opens);
    run.stop();
}

}  // namespace
}  // namespace zaq::test
