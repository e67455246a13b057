#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QUdpSocket>

#include "E2eRun.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::HasSubstr;

// One request by curl, the client of the test: its HTTP status and its body.
struct Answer {
    int status = 0;
    QByteArray body;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    QJsonValue value() const { return json().value("Value"); }
    int error() const { return json().value("ErrorNumber").toInt(); }
};

class Curl {
  public:
    explicit Curl(quint16 port) : base_(QString("http://127.0.0.1:%1").arg(port)) {}

    Answer get(const QString& path) const { return run({base_ + path}); }
    Answer put(const QString& path, const QString& form = {}) const {
        return run({"-X", "PUT", "-d", form, base_ + path});
    }

  private:
    static Answer run(const QStringList& args) {
        QProcess curl;
        curl.start("curl", QStringList{"-s", "--max-time", "5", "-w", "\n%{http_code}"} + args);
        curl.waitForFinished(10000);
        QByteArray out = curl.readAllStandardOutput();
        const qsizetype cut = out.lastIndexOf('\n');
        return {out.mid(cut + 1).toInt(), out.left(cut)};
    }
    QString base_;
};

// The port zaq says it listens on, in its messages.
quint16 alpacaPort(const E2eRun& run) {
    static const QRegularExpression line("Alpaca: escuchando en 127\\.0\\.0\\.1:(\\d+)");
    for (const auto& l : run.output()) {
        const auto m = line.match(l.text);
        if (m.hasMatch()) {
            return static_cast<quint16>(m.captured(1).toUInt());
        }
    }
    return 0;
}

QString discoveryAnswer() {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    socket.writeDatagram("alpacadiscovery1", QHostAddress::LocalHost, 32227);
    return socket.waitForReadyRead(3000) ? QString::fromUtf8(socket.receiveDatagram().data())
                                         : QString();
}

// An imaging program on this PC, speaking Alpaca to `zaq --headless` while the simulated
// station rains, then dries.
TEST(AlpacaE2ETest, CurlReadsTheDevicesAndOpensTheRoofWhenTheRainEnds) {
    E2eRun run;
    run.startSimulator(false,
                       "at 0s temperature 12.5\nat 0s humidity 60\n"
                       "at 0s pressure 1013.2\nat 0s wind 13.9\nat 0s direction 200\n"
                       "at 0s cloud 20\nat 0s sky 19.5\nat 0s rain 50\nat 25s rain 0\n");
    run.writeConfiguration(false, 0, true, false, E2eRun::observatoryLimits);
    run.startZaq(run.ttyLink(), true, {"--alpaca", "0"});
    run.runFor(10000, [&] { return alpacaPort(run) != 0; });
    const quint16 port = alpacaPort(run);
    ASSERT_NE(port, 0);
    const Curl curl(port);

    EXPECT_EQ(curl.get("/management/apiversions").value(), QJsonArray{1});
    EXPECT_EQ(curl.get("/management/v1/description").value()["ServerName"], "ZAQ");
    const QJsonArray devices = curl.get("/management/v1/configureddevices").value().toArray();
    ASSERT_EQ(devices.size(), 3);
    EXPECT_EQ(devices[2].toObject()["DeviceType"], "Dome");
    EXPECT_EQ(devices[0].toObject()["UniqueID"].toString().size(), 36);
    EXPECT_THAT(curl.get("/setup").body.toStdString(), HasSubstr("Niveles de Cierre"));
    EXPECT_EQ(discoveryAnswer(), QString("{\"AlpacaPort\":%1}").arg(port));

    for (const QString device : {"safetymonitor", "observingconditions", "dome"}) {
        const QString at = "/api/v1/" + device + "/0/";
        for (const char* member :
             {"connected", "connecting", "description", "driverinfo", "driverversion",
              "interfaceversion", "name", "supportedactions", "devicestate"}) {
            const Answer a = curl.get(at + member);
            EXPECT_EQ(a.status, 200) << device.toStdString() << member;
            EXPECT_TRUE(a.json().contains("Value")) << device.toStdString() << member;
        }
        EXPECT_EQ(curl.put(at + "commandblind", "Command=x&Raw=true").error(), 0x400);
        EXPECT_EQ(curl.put(at + "connect").error(), 0);
        EXPECT_EQ(curl.get(at + "connected").value(), true);
        EXPECT_EQ(curl.put(at + "disconnect").error(), 0);
        // Parameter names in any case.
        EXPECT_EQ(curl.put(at + "connected", "cOnNeCtEd=True").error(), 0);
        EXPECT_EQ(curl.get(at + "connected").value(), true) << device.toStdString();
    }

    const Answer first = curl.get("/api/v1/safetymonitor/0/issafe?ClientTransactionID=41");
    const Answer second = curl.get("/api/v1/safetymonitor/0/issafe?clienttransactionid=42");
    EXPECT_EQ(first.json()["ClientTransactionID"], 41);
    EXPECT_EQ(second.json()["ClientTransactionID"], 42);
    EXPECT_EQ(second.json()["ServerTransactionID"].toInt(),
              first.json()["ServerTransactionID"].toInt() + 1);
    EXPECT_EQ(curl.get("/api/v1/dome/0/shutterstatus?ClientTransactionID=abc").status, 400);
    EXPECT_EQ(curl.get("/api/v1/dome/0/temperature").status, 404);

    // The first live message: every reading as the station sent it (the dew point it derives
    // from 12.5 ºC and 60 %, the pressure at its 620 m).
    const QString oc = "/api/v1/observingconditions/0/";
    run.runFor(20000, [&] { return curl.get(oc + "temperature").error() == 0; });
    const std::vector<std::pair<const char*, double>> readings = {
        {"temperature", 12.5}, {"humidity", 60},   {"dewpoint", 4.9},
        {"pressure", 939.7},   {"cloudcover", 20}, {"windspeed", 13.9 / 3.6},
        {"winddirection", 200}};
    for (const auto& [member, expected] : readings) {
        EXPECT_NEAR(curl.get(oc + member).value().toDouble(-1), expected, 1e-9) << member;
    }
    EXPECT_NEAR(curl.get(oc + "skyquality").value().toDouble(), 19.5, 0.05);
    EXPECT_GE(curl.get(oc + "windgust").value().toDouble(-1), 0);
    EXPECT_EQ(curl.get(oc + "skytemperature").error(), 0x402);
    EXPECT_EQ(curl.get(oc + "rainrate").error(), 0x400);
    EXPECT_LT(curl.get(oc + "timesincelastupdate?SensorName=").value().toDouble(-1), 10);

    // Raining: unsafe, and the roof stays shut.
    const QString dome = "/api/v1/dome/0/";
    EXPECT_EQ(curl.get("/api/v1/safetymonitor/0/issafe").value(), false);
    const Answer refused = curl.put(dome + "openshutter");
    EXPECT_EQ(refused.error(), 0x40B);
    EXPECT_EQ(refused.json()["ErrorMessage"],
              "La apertura no es posible. Limites de seguridad superados.");
    EXPECT_EQ(curl.get(dome + "shutterstatus").value(), 1);

    // Dry again: safe, the order accepted and sent, the roof reported open.
    run.runFor(60000, [&] { return curl.get("/api/v1/safetymonitor/0/issafe").value() == true; });
    EXPECT_EQ(curl.get("/api/v1/safetymonitor/0/issafe").value(), true);
    EXPECT_EQ(curl.put(dome + "openshutter").error(), 0);
    EXPECT_EQ(curl.get(dome + "shutterstatus").value(), 2);
    run.runFor(run.elapsed() + 20000,
               [&] { return curl.get(dome + "shutterstatus").value() == 0; });
    EXPECT_EQ(curl.get(dome + "shutterstatus").value(), 0);
    run.stop();
    const auto commands = run.received();
    EXPECT_TRUE(std::any_of(commands.begin(), commands.end(),
                            [](const auto& c) { return c.text == "(X001)"; }));
}

}  // namespace
}  // namespace zaq::test
