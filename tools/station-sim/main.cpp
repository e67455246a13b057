// zaq-station-sim: a stand-in for the ZAQ weather station on a TCP port or a pseudo-terminal.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "PtyLink.h"
#include "Scenario.h"
#include "ScenarioRunner.h"
#include "SimulatedStation.h"
#include "TcpLink.h"
#include "WeatherModel.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// Readable form of the line's bytes: printable text as it is, the rest (and the backslash) as
// \xHH.
QString printable(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x20 && b < 0x7F && b != '\\') ? QString(QChar(b))
                                                     : QString::asprintf("\\x%02X", b);
    }
    return text;
}

constexpr const char* kDescription =
    "Simulated ZAQ weather station.\n"
    "\n"
    "It sends a live data message every --interval seconds, answers the PC's commands "
    "((y), (@01373), (@t0000), (X001), (X000), (X007), (S000), (S004), (S005), (S008), "
    "(S009), (s), (Son hhmm), (Sof hhmm), (&057), (&009), (Ñ001), (Ñ000), (ñ), ( )), and "
    "closes an open roof when the PC's presence stops for longer than --pc-wait seconds. "
    "With --wmr968, or after (Ñ001), every other live message is followed by two "
    "WMR968-compatible binary records (0xFF 0xFF, type, payload, checksum).\n"
    "\n"
    "Scenario file, one step a line, times counted from the start (90, 90s, 1m30s, 1h, "
    "500ms), '#' starts a comment:\n"
    "  at 30s rain 40               set a quantity: temperature, dewpoint, humidity,\n"
    "                               pressure, wind, meanwind, thermalwind, direction,\n"
    "                               cloud, rain, rainrate, daylight, sky, supply\n"
    "  at 1m ramp cloud 90 over 5m  ramp it from its present value\n"
    "  at 7m release cloud          give it back to the weather model\n"
    "  at 2m silent 15s             send nothing at all for a while\n"
    "  at 3m noise 40               send 40 random bytes\n"
    "  at 4m send (Cerrado)         send a raw text\n"
    "  at 5m supply 10.6            drop the supply\n"
    "  at 6m roof A                 set the roof letter (A, a or C)\n"
    "  at 6m thermometer off        heater letter 'p': no temperature (on: back)\n"
    "  at 7m command (&057)         act on a command as though the PC had sent it\n"
    "  at 8m loop                   start again, times counted from now\n"
    "  at 9m end                    stop the simulator";

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zaq-station-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    const QCommandLineOption tcp(QStringLiteral("tcp"), "Listen on TCP PORT (0: any free port).",
                                 QStringLiteral("PORT"));
    const QCommandLineOption bind(QStringLiteral("bind"), "Address to listen on.",
                                  QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption pty(QStringLiteral("pty"), "Open a pseudo-terminal linked as LINK.",
                                 QStringLiteral("LINK"));
    const QCommandLineOption interval(QStringLiteral("interval"), "Seconds between live messages.",
                                      QStringLiteral("SECONDS"), QStringLiteral("5"));
    const QCommandLineOption pcWait(QStringLiteral("pc-wait"),
                                    "Seconds without presence before the roof closes.",
                                    QStringLiteral("SECONDS"), QStringLiteral("60"));
    const QCommandLineOption scenario(QStringLiteral("scenario"), "Timed steps to carry out.",
                                      QStringLiteral("FILE"));
    const QCommandLineOption latitude(QStringLiteral("latitude"), "Site latitude, degrees north.",
                                      QStringLiteral("DEG"), QStringLiteral("40.4"));
    const QCommandLineOption longitude(QStringLiteral("longitude"), "Site longitude, degrees east.",
                                       QStringLiteral("DEG"), QStringLiteral("-3.7"));
    const QCommandLineOption wmr968(QStringLiteral("wmr968"),
                                    "Send WMR968-compatible binary records from the start.");
    const QCommandLineOption quiet(QStringLiteral("quiet"), "Do not log the traffic.");
    parser.addOptions(
        {tcp, bind, pty, interval, pcWait, scenario, latitude, longitude, wmr968, quiet});
    parser.process(app);

    const bool logging = !parser.isSet(quiet);
    auto log = [logging](const QString& text) {
        if (logging) {
            std::fprintf(stderr, "%s %s\n",
                         qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))),
                         qPrintable(text));
            std::fflush(stderr);
        }
    };
    auto fail = [](const QString& text) {
        std::fprintf(stderr, "zaq-station-sim: %s\n", qPrintable(text));
        return 2;
    };

    if (parser.isSet(tcp) == parser.isSet(pty)) {
        return fail(QStringLiteral("give exactly one of --tcp PORT and --pty LINK"));
    }
    std::vector<zaqsim::Scenario::Step> steps;
    if (parser.isSet(scenario)) {
        QFile file(parser.value(scenario));
        QString error;
        if (!file.open(QIODevice::ReadOnly)) {
            return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
        }
        if (!zaqsim::Scenario::parse(QString::fromUtf8(file.readAll()), steps, error)) {
            return fail(file.fileName() + QStringLiteral(": ") + error);
        }
    }

    std::unique_ptr<zaqsim::SimLink> link;
    if (parser.isSet(tcp)) {
        link = std::make_unique<zaqsim::TcpLink>(QHostAddress(parser.value(bind)),
                                                 static_cast<quint16>(parser.value(tcp).toUInt()));
    } else {
        link = std::make_unique<zaqsim::PtyLink>(parser.value(pty));
    }
    QObject::connect(link.get(), &zaqsim::SimLink::note, log);
    QString error;
    if (!link->open(error)) {
        return fail(error);
    }

    zaqsim::WeatherModel model(
        {parser.value(latitude).toDouble(), parser.value(longitude).toDouble(), 620});
    zaqsim::SimulatedStation station(
        model, {parser.value(pcWait).toInt(), 245, parser.isSet(wmr968)},
        [&](const QByteArray& bytes) {
            log(QStringLiteral("-> ") + printable(bytes));
            link->write(bytes);
        },
        log);
    QObject::connect(link.get(), &zaqsim::SimLink::received, [&](const QByteArray& bytes) {
        log(QStringLiteral("<- ") + printable(bytes));
        station.receive(bytes, QDateTime::currentDateTime());
    });

    zaqsim::ScenarioRunner runner(std::move(steps), station, model, log);
    const QDateTime started = QDateTime::currentDateTime();
    station.start(started);
    runner.start(started);

    QTimer live;
    QObject::connect(&live, &QTimer::timeout,
                     [&] { station.sendLive(QDateTime::currentDateTime()); });
    live.start(static_cast<int>(parser.value(interval).toDouble() * 1000));

    QTimer second;
    QObject::connect(&second, &QTimer::timeout,
                     [&] { station.checkWatchdog(QDateTime::currentDateTime()); });
    second.start(1000);

    QTimer steps100;
    QObject::connect(&steps100, &QTimer::timeout, [&] {
        station.pumpDump(QDateTime::currentDateTime());
        if (!runner.runDue(QDateTime::currentDateTime())) {
            log(QStringLiteral("scenario ended"));
            QCoreApplication::quit();
        }
    });
    steps100.start(100);

    // SIGINT and SIGTERM end the loop, so the link is removed on the way out.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        ::signal(SIGINT, onSignal);
        ::signal(SIGTERM, onSignal);
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated,
                     [] { QCoreApplication::quit(); });

    return app.exec();
}
