#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "E2eRun.h"
#include "station/IcmpPinger.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::Contains;

// The station falls silent at 13 s for 24 s: a master PC's presence goes out on the last word
// of the station, the next one meets 10 s of silence, the PC reports once, and the start-up
// sequence runs again.
const QString kSilence = "at 13s silent 24s\n";
constexpr qint64 kSilenceStartMs = 13000;

// The lines from the first "Inicio"-time line of the start-up to its five blanks.
QStringList startupLines(const E2eRun& run) {
    QStringList lines;
    bool started = false;
    for (const E2eRun::Line& line : run.output()) {
        if (!started &&
            line.text.contains(QRegularExpression("^\\d\\d/\\d\\d/\\d{4} \\d+:\\d\\d:\\d\\d$"))) {
            started = true;
        }
        if (started) {
            lines << line.text;
            if (line.text == "     ") {
                break;
            }
        }
    }
    return lines;
}

// Presence reaches the station every 4 s before the silence, as the station's own log times
// it. (After it, what was queued while the station was silent goes out as it speaks again, so
// those gaps are shorter.)
void expectPresenceEveryFourSeconds(const E2eRun& run) {
    constexpr qint64 kDayMs = 86'400'000;
    std::vector<qint64> times;
    for (const E2eRun::Line& c : run.received()) {
        if (c.text == "( )" && c.ms < kSilenceStartMs && c.stationMs >= 0) {
            // A run across midnight keeps counting.
            const qint64 previous = times.empty() ? c.stationMs : times.back();
            times.push_back(c.stationMs < previous ? c.stationMs + kDayMs : c.stationMs);
        }
    }
    // The first one may wait for the connection the start-up has just made.
    ASSERT_GE(times.size(), 3u);
    for (std::size_t i = 2; i < times.size(); ++i) {
        EXPECT_NEAR(times[i] - times[i - 1], 4000, 700) << "presence " << i;
    }
}

void expectSilenceHandledOnce(const E2eRun& run, bool master) {
    EXPECT_EQ(run.outputCountEndingWith("  ZAQ no responde"), 1);
    EXPECT_EQ(run.outputCountEndingWith("  ZAQ responde OK"), 1);
    const QStringList log = run.logEntries();
    EXPECT_EQ(log.filter(QRegularExpression("  ZAQ no responde $")).size(), 1);
    EXPECT_EQ(log.count("-------- Inicio del programa -------- "), master ? 2 : 1);
}

TEST(HeadlessE2ETest, MasterOverAPseudoTerminal) {
    E2eRun run;
    run.startSimulator(false, kSilence);
    run.writeConfiguration(false, 0, true);
    run.startZaq(run.ttyLink());
    run.runFor(48000, [&] {
        return run.outputCountEndingWith("  ZAQ responde OK") > 0 &&
               run.logEntries().count("-------- Inicio del programa -------- ") == 2;
    });
    run.stop();

    const QStringList startup = startupLines(run);
    ASSERT_GE(startup.size(), 4) << startup.join(" | ").toStdString();
    EXPECT_EQ(startup.mid(1),
              QStringList({"Datos por Puerto Serie.", "Puerto Serie COM:1", "     "}));

    const auto commands = run.received();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0].text, "(y)");
    EXPECT_EQ(commands[1].text, "(@01373)");
    expectPresenceEveryFourSeconds(run);
    expectSilenceHandledOnce(run, true);
}

TEST(HeadlessE2ETest, MasterOverTcp) {
    IcmpPinger pinger([](const QString&) {});
    if (!pinger.ping("127.0.0.1")) {
        GTEST_SKIP() << "this machine does not let the program ping 127.0.0.1";
    }
    E2eRun run;
    const quint16 port = run.startSimulator(true, kSilence);
    ASSERT_NE(port, 0);
    run.writeConfiguration(true, port, true);
    run.startZaq(run.ttyLink());
    run.runFor(48000, [&] {
        return run.outputCountEndingWith("  ZAQ responde OK") > 0 &&
               run.logEntries().count("-------- Inicio del programa -------- ") == 2;
    });
    run.stop();

    const QStringList startup = startupLines(run);
    EXPECT_EQ(startup.mid(1),
              QStringList({"Habilitada Comunicacion Ethernet.",
                           QString("Red Configurada en: 127.0.0.1 Puerto: %1").arg(port),
                           "Dispositivo de Red detectado OK ", "     "}));
    expectPresenceEveryFourSeconds(run);
    expectSilenceHandledOnce(run, true);
}

TEST(HeadlessE2ETest, ListenOnlyPcSendsNothingAndDoesNotRestart) {
    E2eRun run;
    run.startSimulator(false, "at 6s silent 14s\n");
    run.writeConfiguration(false, 0, false);
    run.startZaq(run.ttyLink());
    run.runFor(26000, [&] { return run.outputCountEndingWith("  ZAQ responde OK") > 0; });
    run.stop();
    EXPECT_THAT(startupLines(run), Contains("Este PC no es Master, solo escucha."));
    EXPECT_TRUE(run.received().empty());
    expectSilenceHandledOnce(run, false);
}

// Neither a serial device nor a session bus: each is said once, and the program runs on.
TEST(HeadlessE2ETest, AMissingSerialDeviceDisablesTheMasterLine) {
    E2eRun run;
    run.writeConfiguration(false, 0, true);
    run.startZaq(run.dir() + "/no-such-tty");
    const QString expected = "Puerto Serie COM:1 NO DISPONIBLE - Deshabilitado PC Master";
    run.runFor(9000, [&] { return run.outputCount(expected) > 0; });
    run.stop();
    EXPECT_EQ(run.outputCount(expected), 1);
    EXPECT_THAT(run.logEntries(), Contains(expected + " "));
    EXPECT_EQ(run.outputCount("Sin bus de sesion D-Bus: zaq.Weather no esta disponible."), 1);
}

}  // namespace
}  // namespace zaq::test
