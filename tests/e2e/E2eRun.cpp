#include "E2eRun.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <cstdio>

#include "base/Configuration.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "support/SimulatorLink.h"
#include "ui/Windows1252.h"

namespace zaq::test {

E2eRun::E2eRun() {
    clock_.start();
}

E2eRun::~E2eRun() {
    stop();
    // A failing run shows what both programs said.
    if (::testing::Test::HasFailure()) {
        for (const Line& line : output_) {
            std::fprintf(stderr, "zaq %6lld %s\n", static_cast<long long>(line.ms),
                         qPrintable(line.text));
        }
        for (const Line& line : simLines_) {
            std::fprintf(stderr, "sim %6lld %s\n", static_cast<long long>(line.ms),
                         qPrintable(line.text.left(120)));
        }
    }
}

quint16 E2eRun::startSimulator(bool tcp, const QString& scenario, const QStringList& options) {
    QStringList args = QStringList{"--interval", "1"} + options;
    if (!scenario.isEmpty()) {
        QFile file(dir() + "/scenario.txt");
        file.open(QIODevice::WriteOnly);
        file.write(scenario.toUtf8());
        args << "--scenario" << file.fileName();
    }
    args << (tcp ? QStringList{"--tcp", "0"} : QStringList{"--pty", ttyLink()});
    sim_.start(ZAQ_STATION_SIM, args);
    sim_.waitForStarted();
    while (clock_.elapsed() < 10000) {
        sim_.waitForReadyRead(50);
        collect();
        for (const Line& line : simLines_) {
            if (tcp && simulatorPort(line.text) > 0) {
                return static_cast<quint16>(simulatorPort(line.text));
            }
            if (!tcp && line.text.contains("serial line")) {
                return 0;
            }
        }
    }
    return 0;
}

void E2eRun::writeConfiguration(bool networkMode, quint16 port, bool master, bool reloadGraphs,
                                const std::function<void(ConfigImage&)>& adjust) {
    using namespace cfglayout;
    ConfigImage image;
    image.writeFlag(kMaster, master);
    image.writeText(kSerialPort, 2, "1");
    image.writeChar(kDataInterval, '1');
    image.writeFlag(kNetworkMode, networkMode);
    image.writeFlag(kReloadGraphs, reloadGraphs);
    image.writeZeroTerminated(kDataDirectory, kDirectorySpaces, kDirectoryMax, "./");
    image.writeZeroTerminated(kGraphsDirectory, kDirectorySpaces, kDirectoryMax, "./");
    image.writeZeroTerminated(kCapturesDirectory, kDirectorySpaces, kDirectoryMax, "./");
    image.writeZeroTerminated(kStationAddress, kHostSpaces, kStationAddressMax, "127.0.0.1");
    image.writeText(kStationPort, kPortWidth, QString::number(port));
    image.writeText(kStationName, kStationNameWidth, "Prueba");
    if (adjust) {
        adjust(image);
    }
    Configuration unused;
    ConfigFile(dir() + "/zaq.cfg", image, unused).writeConfiguration();
}

void E2eRun::observatoryLimits(ConfigImage& image) {
    using namespace cfglayout;
    const std::vector<std::pair<int, QString>> limits = {
        {kLimitRain, "030"},   {kLimitCloud, "070"},    {kLimitSky, "180"},
        {kLimitWind, "045"},   {kLimitMeanWind, "030"}, {kLimitThermalWind, "050"},
        {kLimitSupply, "100"}, {kLimitPcWait, "060"},   {kLimitDew, "002"}};
    for (const auto& [offset, text] : limits) {
        image.writeText(offset, 3, text);
    }
}

// Started in "/" and told where its directory is, as an activated or service program is.
void E2eRun::startZaq(const QString& serialDevice, bool headless, const QStringList& options) {
    zaq_.setWorkingDirectory("/");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("ZAQ_SERIAL_DEVICE");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // An ordinary start registers the automation server: here, not in the user's home. Without a
    // bus of the test's own, none at all.
    env.insert("XDG_CONFIG_HOME", dir() + "/config");
    env.insert("XDG_DATA_HOME", dir() + "/data");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    env.insert(zaqEnvironment_);
    zaq_.setProcessEnvironment(env);
    QStringList args = {"--serial-device", serialDevice, "--program-directory", dir()};
    if (headless) {
        args.prepend("--headless");
    }
    zaq_.start(ZAQ_PROGRAM, args + options);
    zaq_.waitForStarted();
    clock_.restart();
}

qint64 E2eRun::signalZaq(int signal, int withinMs) {
    QElapsedTimer waited;
    waited.start();
    ::kill(static_cast<pid_t>(zaq_.processId()), signal);
    if (!zaq_.waitForFinished(withinMs)) {
        return -1;
    }
    collect();
    return waited.elapsed();
}

int E2eRun::zaqExitCode(int withinMs) {
    runFor(clock_.elapsed() + withinMs, [this] { return zaq_.state() == QProcess::NotRunning; });
    if (zaq_.state() != QProcess::NotRunning) {
        return -1;
    }
    collect();
    return zaq_.exitStatus() == QProcess::NormalExit ? zaq_.exitCode() : -1;
}

void E2eRun::collect() {
    const auto split = [this](QByteArray& partial, const QByteArray& more,
                              std::vector<Line>& into) {
        partial += more;
        qsizetype end;
        while ((end = partial.indexOf('\n')) >= 0) {
            into.push_back({clock_.elapsed(), QString::fromUtf8(partial.left(end))});
            partial.remove(0, end + 1);
        }
    };
    if (zaq_.isOpen()) {
        split(zaqPartial_, zaq_.readAllStandardOutput(), output_);
    }
    if (sim_.isOpen()) {
        split(simPartial_, sim_.readAllStandardError(), simLines_);
    }
}

void E2eRun::runFor(qint64 ms, const std::function<bool()>& until) {
    while (clock_.elapsed() < ms) {
        zaq_.waitForReadyRead(20);
        sim_.waitForReadyRead(20);
        collect();
        if (until && until()) {
            return;
        }
    }
}

void E2eRun::stop() {
    for (QProcess* p : {&zaq_, &sim_}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
    }
    collect();
}

std::vector<E2eRun::Line> E2eRun::received() const {
    std::vector<Line> commands;
    static const QRegularExpression command("\\([^()]*\\)");
    for (const Line& line : simLines_) {
        const qsizetype at = line.text.indexOf(" <- ");
        if (at < 0) {
            continue;
        }
        const QTime logged = QTime::fromString(line.text.left(12), "HH:mm:ss.zzz");
        const qint64 stationMs = logged.isValid() ? logged.msecsSinceStartOfDay() : -1;
        auto it = command.globalMatch(line.text.mid(at + 4));
        while (it.hasNext()) {
            commands.push_back({line.ms, it.next().captured(), stationMs});
        }
    }
    return commands;
}

// The simulator writes printable bytes as they are and every other byte as \xHH.
std::vector<E2eRun::Line> E2eRun::sent() const {
    std::vector<Line> writes;
    for (const Line& line : simLines_) {
        const qsizetype at = line.text.indexOf(" -> ");
        if (at < 0) {
            continue;
        }
        const QTime logged = QTime::fromString(line.text.left(12), "HH:mm:ss.zzz");
        const QString shown = line.text.mid(at + 4);
        QString bytes;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown.mid(i, 2) == "\\x" && i + 3 < shown.size()) {
                bytes += QChar(shown.mid(i + 2, 2).toUShort(nullptr, 16));
                i += 3;
            } else {
                bytes += shown[i];
            }
        }
        writes.push_back({line.ms, bytes, logged.isValid() ? logged.msecsSinceStartOfDay() : -1});
    }
    return writes;
}

int E2eRun::outputCount(const QString& text) const {
    return static_cast<int>(std::count_if(output_.begin(), output_.end(),
                                          [&](const Line& l) { return l.text == text; }));
}

int E2eRun::outputCountEndingWith(const QString& text) const {
    return static_cast<int>(std::count_if(output_.begin(), output_.end(),
                                          [&](const Line& l) { return l.text.endsWith(text); }));
}

QStringList E2eRun::logEntries() const {
    QStringList entries;
    for (const QString& name : QDir(dir()).entryList({"Log_*.txt"})) {
        QFile file(dir() + "/" + name);
        file.open(QIODevice::ReadOnly);
        for (const QString& line : decodeWindows1252(file.readAll()).split("\r\n")) {
            const qsizetype arrow = line.indexOf("-> ");
            if (arrow >= 0) {
                entries << line.mid(arrow + 3);
            }
        }
    }
    return entries;
}

}  // namespace zaq::test
