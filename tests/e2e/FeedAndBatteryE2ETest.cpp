#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>

#include "E2eRun.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

// A port nobody listens on now, for zaq to take.
quint16 freeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

qint64 nowMsOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

// The simulator with its WMR968-compatible records on: a Weather Display client on the feed port
// gets each record whole, byte for byte, about a second after the station sent it.
TEST(WeatherDisplayE2ETest, TheClientReceivesTheStationsRecordsByteForByte) {
    E2eRun run;
    run.startSimulator(false, {}, {"--wmr968"});
    run.writeConfiguration(false, 0, true);
    const quint16 port = freeLoopbackPort();
    run.setZaqEnvironment("ZAQ_WD_PORT", QString::number(port));
    run.startZaq(run.ttyLink());

    QTcpSocket client;
    run.runFor(10000, [&] {
        if (client.state() == QAbstractSocket::UnconnectedState) {
            client.connectToHost(QHostAddress::LocalHost, port);
        }
        return client.waitForConnected(50);
    });
    ASSERT_EQ(client.state(), QAbstractSocket::ConnectedState);
    const qint64 connectedAt = nowMsOfDay();

    struct Arrival {
        qint64 endOffset;
        qint64 msOfDay;
    };
    QByteArray stream;
    std::vector<Arrival> arrivals;
    run.runFor(run.elapsed() + 9000, [&] {
        if (client.waitForReadyRead(10)) {
            stream += client.readAll();
            arrivals.push_back({stream.size(), nowMsOfDay()});
        }
        return false;
    });
    run.stop();

    int checked = 0;
    qsizetype from = 0;
    for (const E2eRun::Line& write : run.sent()) {
        const QByteArray bytes = write.text.toLatin1();
        // Records sent before the client came are discarded; the last ones may still be in
        // their window.
        if (!bytes.startsWith("\xFF\xFF") || write.stationMs < connectedAt + 200 ||
            write.stationMs > nowMsOfDay() - 2000) {
            continue;
        }
        const qsizetype at = stream.indexOf(bytes, from);
        ASSERT_GE(at, 0) << "record " << bytes.toHex().toStdString() << " not forwarded";
        from = at + bytes.size();
        const auto arrived = std::find_if(arrivals.begin(), arrivals.end(),
                                          [&](const Arrival& a) { return a.endOffset >= from; });
        ASSERT_NE(arrived, arrivals.end());
        EXPECT_LE(arrived->msOfDay - write.stationMs, 1600) << "record " << checked;
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

// A supply below the limit minus half a volt with AutoShutdown on: the warnings, then the
// shutdown command at the 36th evaluation, and the program ends with code 0.
TEST(BatteryE2ETest, AFlatBatteryRunsTheShutdownCommandAndEndsTheProgram) {
    E2eRun run;
    run.startSimulator(false, "at 0s supply 12.6\nat 3s supply 10.8\n");
    run.writeConfiguration(false, 0, true, false, [](ConfigImage& image) {
        image.writeFlag(cfglayout::kAutoShutdown, true);
        image.writeScaled(cfglayout::kLimitSupply, 3, 11.5, 10);
    });
    const QString marker = run.dir() + "/apagado.txt";
    run.setZaqEnvironment("ZAQ_SHUTDOWN_COMMAND", "echo apagado > '" + marker + "'");
    run.startZaq(run.ttyLink());

    EXPECT_EQ(run.zaqExitCode(90000), 0);
    run.stop();
    EXPECT_EQ(QFile::exists(marker), true);
    EXPECT_EQ(run.outputCountEndingWith(" Bateria Muy Baja, el PC se apagara en 3 minutos."), 1);
    const QStringList log = run.logEntries();
    EXPECT_THAT(log, Contains("Bateria Muy Baja: 10,8v  En 1 minuto Apagado Automatico. "));
    EXPECT_THAT(log, Contains("Apagando el PC por Bateria en: 10,8v "));
}

}  // namespace
}  // namespace zaq::test
