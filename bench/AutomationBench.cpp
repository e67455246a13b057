#include <benchmark/benchmark.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <vector>

#include "BenchPlatform.h"
#include "automation/WeatherObject.h"

namespace {

// A session bus of the figure's own.
QString startPrivateBus(QProcess& daemon) {
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    daemon.waitForStarted();
    while (!daemon.canReadLine() && daemon.waitForReadyRead(5000)) {
    }
    return QString::fromUtf8(daemon.readLine()).trimmed();
}

// A client on a thread of its own, on its own connection: property reads at a steady rate,
// each timed from the call to its reply.
class ReadingClient : public QThread {
  public:
    ReadingClient(QString address, int callsPerSecond, int seconds)
        : address_(std::move(address)), rate_(callsPerSecond), seconds_(seconds) {}
    std::vector<double> latenciesMs;

  private:
    void run() override {
        QDBusConnection bus = QDBusConnection::connectToBus(address_, "bench-client");
        QElapsedTimer clock;
        clock.start();
        const qint64 total = static_cast<qint64>(rate_) * seconds_;
        for (qint64 i = 0; i < total; ++i) {
            const qint64 due = i * 1'000'000'000 / rate_;
            while (clock.nsecsElapsed() < due) {
                QThread::usleep(50);
            }
            QDBusMessage get = QDBusMessage::createMethodCall(
                "zaq.Weather", "/zaq/Weather", "org.freedesktop.DBus.Properties", "Get");
            get << QString("zaq.IWeather") << QString(i % 2 ? "AmbientTemperature" : "Safe");
            const qint64 start = clock.nsecsElapsed();
            bus.call(get);
            latenciesMs.push_back((clock.nsecsElapsed() - start) / 1e6);
        }
        QDBusConnection::disconnectFromBus("bench-client");
    }
    QString address_;
    int rate_;
    int seconds_;
};

// 500 property reads a second through the real bus while the station feeds a live message every
// second; the 100 ms pump's lateness shows whether the calls crowd out the program's own work.
void BM_AutomationPropertyReads(benchmark::State& state) {
    QProcess daemon;
    const QString address = startPrivateBus(daemon);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    zaq::bench::BenchProgram program;
    zaq::WeatherObject object(program.app.weather, program.app.messages, {});
    object.publish();

    for (auto _ : state) {
        ReadingClient client(address, 500, 5);
        zaq::bench::StationUnderLoad station(program);
        QEventLoop loop;
        QObject::connect(&client, &QThread::finished, &loop, &QEventLoop::quit);
        station.start();
        client.start();
        loop.exec();

        std::vector<double> sorted = client.latenciesMs;
        std::sort(sorted.begin(), sorted.end());
        state.counters["calls_per_s"] = sorted.size() / 5.0;
        state.counters["p50_ms"] = zaq::bench::quantile(sorted, 0.50);
        state.counters["p99_ms"] = zaq::bench::quantile(sorted, 0.99);
        state.counters["pump_late_max_ms"] = station.worstLateMs();
    }
    daemon.kill();
    daemon.waitForFinished();
}
BENCHMARK(BM_AutomationPropertyReads)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
