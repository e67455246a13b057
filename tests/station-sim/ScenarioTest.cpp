#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include "LayoutParser.h"
#include "Scenario.h"
#include "support/QtPrinters.h"
#include "support/SimulatorLink.h"

namespace zaqsim::test {
namespace {

using Kind = Scenario::Kind;

TEST(ScenarioParseTest, ReadsEveryStepKind) {
    const QString text =
        "# a night that goes wrong\n"
        "at 30s rain 40\n"
        "at 1m ramp cloud 90 over 5m   # slowly\n"
        "at 7m release cloud\n"
        "at 2m silent 15s\n"
        "at 3m noise 40\n"
        "at 4m send (Cerrado # not a comment)\n"
        "at 5m supply 10.6\n"
        "at 6m roof a\n"
        "at 6m thermometer off\n"
        "at 6m30s command (&057)\n"
        "at 6m40s loop\n"
        "\n"
        "at 1h1m1.5s end\n";
    std::vector<Scenario::Step> steps;
    QString error;
    ASSERT_TRUE(Scenario::parse(text, steps, error)) << error.toStdString();
    ASSERT_EQ(steps.size(), 12u);
    EXPECT_EQ(steps[0].kind, Kind::Set);
    EXPECT_EQ(steps[0].quantity, "rain");
    EXPECT_EQ(steps[0].atMs, 30000);
    EXPECT_EQ(steps[1].kind, Kind::Ramp);
    EXPECT_EQ(steps[1].value, 90);
    EXPECT_EQ(steps[1].durationMs, 300000);
    EXPECT_EQ(steps[2].kind, Kind::Silent);
    EXPECT_EQ(steps[3].kind, Kind::Noise);
    EXPECT_EQ(steps[4].kind, Kind::Send);
    EXPECT_EQ(steps[4].text, "(Cerrado # not a comment)");
    EXPECT_EQ(steps[5].kind, Kind::Set);
    EXPECT_EQ(steps[6].kind, Kind::Roof);
    EXPECT_EQ(steps[6].text, "a");
    EXPECT_EQ(steps[7].kind, Kind::Thermometer);
    EXPECT_EQ(steps[8].kind, Kind::Command);
    EXPECT_EQ(steps[8].text, "(&057)");
    EXPECT_EQ(steps[9].kind, Kind::Loop);
    EXPECT_EQ(steps[10].kind, Kind::Release);  // 7m, sorted by time
    EXPECT_EQ(steps[11].kind, Kind::End);
    EXPECT_EQ(steps[11].atMs, 3661500);
}

TEST(ScenarioParseTest, ABadLineIsNamed) {
    std::vector<Scenario::Step> steps;
    QString error;
    for (const char* bad :
         {"at 1m rian 40", "at soon rain 4", "at 1m roof X", "at 1m noise -3", "rain 40",
          "at 1m ramp cloud 90 in 5m", "at 0s loop", "at 1m command X001"}) {
        EXPECT_FALSE(Scenario::parse(QString("at 1s end\n") + bad, steps, error)) << bad;
        EXPECT_TRUE(error.startsWith("line 2:")) << error.toStdString();
        EXPECT_TRUE(steps.empty());
    }
}

TEST(ScenarioParseTest, TheShippedScenariosAreReadable) {
    QDir folder(ZAQ_SCENARIOS);
    const QStringList names = folder.entryList({"*.txt"});
    EXPECT_EQ(names.size(), 6);
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        std::vector<Scenario::Step> steps;
        QString error;
        EXPECT_TRUE(Scenario::parse(QString::fromUtf8(file.readAll()), steps, error))
            << name.toStdString() << ": " << error.toStdString();
        EXPECT_FALSE(steps.empty()) << name.toStdString();
    }
}

struct Arrival {
    qint64 ms;
    QByteArray bytes;
};

// Runs the real simulator with a scenario and records what a client sees.
class ScenarioRunTest : public ::testing::Test {
  protected:
    // Until the simulator ends, or for forMs when its scenario loops.
    void run(const QByteArray& scenario, qint64 forMs = 20000) {
        QFile file(dir.path() + "/steps.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scenario);
        file.close();
        sim.start(ZAQ_STATION_SIM,
                  {"--tcp", "0", "--interval", "0.5", "--scenario", file.fileName()});
        ASSERT_TRUE(sim.waitForStarted());
        const quint16 port = listeningPort();
        ASSERT_NE(port, 0);
        QTcpSocket client;
        client.connectToHost("127.0.0.1", port);
        ASSERT_TRUE(client.waitForConnected(2000));
        clock.start();
        while (sim.state() == QProcess::Running && clock.elapsed() < forMs) {
            if (client.waitForReadyRead(50)) {
                arrivals.push_back({clock.elapsed(), client.readAll()});
            }
            sim.waitForFinished(0);
        }
        if (forMs < 20000) {
            sim.terminate();
        }
        ASSERT_TRUE(sim.state() == QProcess::NotRunning || sim.waitForFinished(2000));
        for (const Arrival& a : arrivals) {
            stream += a.bytes;
        }
    }

    quint16 listeningPort() {
        static const QRegularExpression listening("listening on [0-9.]+:(\\d+)");
        QElapsedTimer waited;
        waited.start();
        QByteArray err;
        while (waited.elapsed() < 5000) {
            sim.waitForReadyRead(100);
            err += sim.readAllStandardError();
            const auto m = listening.match(QString::fromLatin1(err));
            if (m.hasMatch()) {
                return static_cast<quint16>(m.captured(1).toUInt());
            }
        }
        return 0;
    }

    // Live messages and the time they arrived.
    std::vector<std::pair<qint64, StationReading>> liveMessages() const {
        std::vector<std::pair<qint64, StationReading>> found;
        static const QRegularExpression message("\\([^()]{81}\\)");
        for (const Arrival& a : arrivals) {
            auto it = message.globalMatch(QString::fromLatin1(a.bytes));
            while (it.hasNext()) {
                const auto r = parseLayout(it.next().captured().toLatin1());
                if (r && r->kind == 'a') {
                    found.emplace_back(a.ms, *r);
                }
            }
        }
        return found;
    }

    QTemporaryDir dir;
    QProcess sim;
    QElapsedTimer clock;
    std::vector<Arrival> arrivals;
    QByteArray stream;
};

// Rain and supply stay inside the station's own closing limits, so the roof stays as set.
TEST_F(ScenarioRunTest, EveryStepKindDoesWhatItSaysSeenFromAClient) {
    run("at 0.5s rain 25\n"
        "at 0.5s supply 10.6\n"
        "at 0.5s roof A\n"
        "at 0.5s thermometer off\n"
        "at 1s ramp cloud 90 over 2s\n"
        "at 3.2s send (Cerrado)\n"
        "at 3.4s noise 25\n"
        "at 4s silent 2s\n"
        "at 6.5s release cloud\n"
        "at 6.5s thermometer on\n"
        "at 8s end\n");
    ASSERT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_GT(clock.elapsed(), 7000);

    const auto live = liveMessages();
    ASSERT_GE(live.size(), 8u);
    int rampSeen = 0;
    for (const auto& [ms, r] : live) {
        if (ms > 900 && ms < 6000) {
            EXPECT_EQ(r.rainSensorX10, 250) << ms;
            EXPECT_EQ(r.supplyTenths, 106) << ms;
            EXPECT_EQ(r.roof, 'A') << ms;
            EXPECT_EQ(r.heater, 'p') << ms;
        }
        if (ms > 1500 && ms < 2800) {
            EXPECT_GT(r.cloudX10, 100) << ms;
            EXPECT_LT(r.cloudX10, 900) << ms;
            ++rampSeen;
        }
        if (ms > 3300 && ms < 6000) {
            EXPECT_EQ(r.cloudX10, 900) << ms;
        }
        // the client's clock starts a little after the simulator's
        if (ms > 4300 && ms < 5500) {
            ADD_FAILURE() << "a live message arrived while silent, at " << ms;
        }
        if (ms > 7000) {
            EXPECT_NE(r.heater, 'p') << ms;
            EXPECT_LT(r.cloudX10, 900) << ms;
        }
    }
    EXPECT_GE(rampSeen, 1);
    EXPECT_TRUE(stream.contains("(Cerrado)"));

    // What is left once the messages and the raw text are taken out is the noise.
    QByteArray rest = stream;
    rest.replace("(Cerrado)", "");
    static const QRegularExpression message("\\([^()]{81}\\)");
    QString latin = QString::fromLatin1(rest);
    latin.remove(message);
    EXPECT_EQ(latin.size(), 25);
}

// A looping scenario runs its steps again, each time a command acted on as the PC's would be.
TEST_F(ScenarioRunTest, ALoopRunsTheStepsAgainAndACommandIsAnswered) {
    run("at 0.2s command (&057)\nat 0.3s send (Vuelta)\nat 1s loop\n", 3600);
    EXPECT_GE(stream.count("(Vuelta)"), 3) << stream.toStdString();
    EXPECT_EQ(stream.count("(57K6 bps)"), stream.count("(Vuelta)"));
}

TEST(PtyLinkTest, ServesASerialLineThroughTheLinkAndRemovesItOnExit) {
    QTemporaryDir dir;
    const QString link = dir.path() + "/ttyZAQ";
    QProcess sim;
    sim.start(ZAQ_STATION_SIM, {"--pty", link, "--interval", "0.3", "--quiet"});
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(zaq::test::waitForPtyLink(link));
    QElapsedTimer waited;
    waited.start();

    const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd, TCSANOW, &raw);
    ASSERT_EQ(::write(fd, "(y)", 3), 3);
    QByteArray got;
    while (waited.elapsed() < 8000 && !(got.contains(":") && got.contains(" a0"))) {
        char buffer[512];
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                got.append(buffer, n);
            }
        }
    }
    ::close(fd);
    static const QRegularExpression clock("\\(\\d\\d:\\d\\d:\\d\\d\\)");
    EXPECT_TRUE(QString::fromLatin1(got).contains(clock)) << got.toStdString();
    EXPECT_TRUE(got.contains(" a0")) << got.toStdString();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(3000));
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).exists() || QFileInfo(link).isSymLink());
}

}  // namespace
}  // namespace zaqsim::test
