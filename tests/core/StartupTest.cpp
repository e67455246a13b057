#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/PtyPair.h"
#include "support/RecordingHooks.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "support/TestWiring.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TEST(StartupSequenceTest, NetworkStationAnsweringListsTheLinesInOrder) {
    TestContext t;
    RecordedTimers recorded(t.app);
    Configuration& c = t.app.config;
    c.networkMode = true;
    c.stationAddress = "127.0.0.1";
    c.stationPort = "20108";
    c.acousticAlarm = true;
    c.tx20 = true;
    c.wmr968Messages = true;
    c.autoShutdown = true;
    c.reloadGraphs = true;
    t.pinger.answers["127.0.0.1"] = true;
    recorded.timers.tick4s();
    EXPECT_THAT(t.shownLines(),
                ElementsAre("05/03/2015 9:07:21", "Alarma Acustica Habilitada.",
                            "Habilitada Comunicacion Ethernet.",
                            "Red Configurada en: 127.0.0.1 Puerto: 20108",
                            "Dispositivo de Red detectado OK ", "Seleccionado Anemometro TX20.",
                            "Activados Mensajes Compatibles WMR968.",
                            "Habilitado Apagado Automatico por Bateria Baja.",
                            "Autorecarga de graficos 24h al inicio.", "     "));
    EXPECT_THAT(
        t.logEntries(),
        ElementsAre("-------- Inicio del programa -------- ", "Alarma Acustica Habilitada. ",
                    "Puerto Serie Deshabilitado. ", "Red Configurada en: 127.0.0.1 Puerto: 20108 ",
                    "Dispositivo de Red detectado OK  ", "Seleccionado Anemometro TX20. ",
                    "Activados Mensajes Compatibles WMR968. ",
                    "Habilitado Apagado Automatico por Bateria Baja. "));
    EXPECT_TRUE(t.app.flags.startupDone);
    EXPECT_THAT(recorded.followUp.calls, ElementsAre("runPeriodicProcessing"));
    // "( )" from the presence duty came first; the station gets "(y)" first of the sequence.
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(y)", "(@t0000)", "(@01373)", "( )"));
}

TEST(StartupSequenceTest, NetworkStationSilentIsReportedNotDetected) {
    TestContext t;
    t.app.config.networkMode = true;
    t.app.flags.startupDone = false;
    t.app.startup.run();
    EXPECT_TRUE(t.lines().contains("Dispositivo de Red NO detectado"));
    EXPECT_FALSE(t.app.client.active());
}

TEST(StartupSequenceTest, AMissingSerialDeviceDisablesTheMasterLine) {
    TestContext t("/dev/no-such-zaq-tty");
    t.app.config.serialPort = 3;
    t.app.startup.run();
    const QString text = "Puerto Serie COM:3 NO DISPONIBLE - Deshabilitado PC Master";
    EXPECT_TRUE(t.lines().contains(text));
    EXPECT_TRUE(t.logEntries().contains(text + " "));
    EXPECT_TRUE(t.app.messagesForm.window.visible);
    EXPECT_EQ(t.app.mainForm.LRx.fontColour, colours::red);
}

TEST(StartupSequenceTest, AnOpenSerialLineIsReportedWithItsNumber) {
    PtyPair pty;
    TestContext t(pty.device());
    t.app.settingsForm.CBmaster.checked = false;
    t.app.startup.run();
    EXPECT_THAT(t.shownLines(),
                ElementsAre("05/03/2015 9:07:21", "Datos por Puerto Serie.", "Puerto Serie COM:1",
                            "Este PC no es Master, solo escucha.", "     "));
    EXPECT_TRUE(t.logEntries().contains("PC no Master, solo escucha. "));
    EXPECT_TRUE(t.app.serial.isOpen());
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(y)", "(@01373)"));
}

TEST(StartupSequenceTest, RunsOnlyWhileStartupDoneIsLowered) {
    TestContext t;
    t.app.settingsForm.CBmaster.checked = false;
    t.app.timers.tick4s();
    t.app.timers.tick4s();
    EXPECT_EQ(t.logEntries().count("-------- Inicio del programa -------- "), 1);
    t.app.flags.startupDone = false;
    t.app.timers.tick4s();
    EXPECT_EQ(t.logEntries().count("-------- Inicio del programa -------- "), 2);
}

class AlarmTest : public ::testing::Test {
  protected:
    AlarmTest() {
        t.app.flags.startupDone = true;
        t.app.settingsForm.CBmaster.checked = false;
        t.app.settingsForm.CBAlarmaAcustica.checked = true;
    }
    TestContext t;
};

TEST_F(AlarmTest, AClosingAlarmRepeatsEveryTickUntilCleared) {
    t.app.flags.closingAlarm = true;
    t.app.timers.tick4s();
    t.app.timers.tick4s();
    t.app.flags.closingAlarm = false;
    t.app.timers.tick4s();
    EXPECT_THAT(t.sound.sounds, ElementsAre("beep 2000 500", "play cierreauto.wav", "beep 2000 500",
                                            "play cierreauto.wav"));
}

TEST_F(AlarmTest, APlayerFailureEndsTheTicksAlarmWork) {
    t.sound.playerWorks = false;
    t.app.flags.closingAlarm = true;
    t.app.flags.noResponseAlarm = true;
    t.app.timers.tick4s();
    EXPECT_THAT(t.sound.sounds, ElementsAre("beep 2000 500", "play cierreauto.wav"));
}

TEST_F(AlarmTest, AStationStopIsLoggedOnceAndMarksTheRoofUnsafe) {
    t.app.flags.supplyStopAlarm = true;
    t.app.safety.openingPermitted = true;
    t.app.timers.tick4s();
    t.app.timers.tick4s();
    EXPECT_THAT(t.logEntries(),
                ElementsAre("05/03/2015 9:07:21 STOP por Alimentacion ZAQ Muy Baja. "));
    EXPECT_THAT(t.sound.sounds, ElementsAre("beep 1000 1000", "play zaqoff.wav", "beep 1000 1000",
                                            "play zaqoff.wav"));
    EXPECT_FALSE(t.app.safety.openingPermitted);
    // The evaluation ran on the tick: it paints the roof button.
    EXPECT_EQ(t.app.mainForm.BBAbrirObs.fontColour, colours::red);
}

// Readings that pass every limit, then the station falls silent: tick after tick the alarm
// re-evaluates the stale readings, and opening stays refused until live data arrive again.
TEST(SilentStationTest, StaysUnsafeAcrossAlarmTicksUntilLiveDataArrive) {
    TestContext t;
    t.app.flags.startupDone = true;
    t.app.settingsForm.CBmaster.checked = false;
    t.app.settingsForm.CBAlarmaAcustica.checked = true;
    ClosingLimits& l = t.app.config.limits;
    l = {30, 50, 18.0f, 250, 250, 250, 11.0f};
    t.feed(exampleDataMessage());
    ASSERT_TRUE(t.app.safety.openingPermitted);
    t.app.flags.noResponseAlarm = true;
    for (int tick = 0; tick < 4; ++tick) {
        t.app.timers.tick4s();
        EXPECT_FALSE(t.app.safety.openingPermitted) << "tick " << tick;
        EXPECT_TRUE(t.app.safety.limitsExceeded) << "tick " << tick;
        EXPECT_EQ(t.app.mainForm.BBAbrirObs.fontColour, colours::red) << "tick " << tick;
    }
    t.feed(exampleDataMessage());
    EXPECT_TRUE(t.app.safety.openingPermitted);
    EXPECT_FALSE(t.app.safety.limitsExceeded);
}

TEST_F(AlarmTest, NothingSoundsWithTheAlarmUnticked) {
    t.app.settingsForm.CBAlarmaAcustica.checked = false;
    t.app.flags.closingAlarm = true;
    t.app.flags.noResponseAlarm = true;
    t.app.timers.tick4s();
    EXPECT_TRUE(t.sound.sounds.empty());
}

TEST(MinuteTickTest, RaisesTheMinuteFlagAndRunsItsDutiesInOrder) {
    TestContext t;
    RecordedTimers recorded(t.app);
    recorded.timers.tick60s();
    EXPECT_TRUE(t.app.flags.minuteFlag);
    EXPECT_THAT(recorded.duties.calls,
                ElementsAre("extremes", "cameras", "banner", "charts", "monthly"));
}

TEST(MinuteTickTest, TheMonthlyFileFollowsCadaMinuto) {
    TestContext t;
    RecordedTimers recorded(t.app);
    std::vector<std::string>& calls = recorded.duties.calls;
    t.app.settingsForm.CB1minuto.checked = false;
    for (int i = 0; i < 10; ++i) {
        recorded.timers.tick60s();
    }
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "monthly"), 2);
    t.app.settingsForm.CB1minuto.checked = true;
    calls.clear();
    recorded.timers.tick60s();
    recorded.timers.tick60s();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "monthly"), 2);
}

TEST(MinuteTickTest, EveryFifthMinuteTheFocusGoesToMensajesWhileTheWindowIsShown) {
    TestContext t;
    for (int i = 0; i < 10; ++i) {
        t.app.timers.tick60s();
    }
    EXPECT_EQ(t.app.mainForm.window.focusCount, 2);
    EXPECT_EQ(t.app.mainForm.window.focusControl, "BMensajes");
    t.app.mainForm.window.hide();
    for (int i = 0; i < 10; ++i) {
        t.app.timers.tick60s();
    }
    EXPECT_EQ(t.app.mainForm.window.focusCount, 2);
}

TEST(MainActionsTest, MensajesPresetsTheMonthUpToYesterday) {
    TestContext t;
    t.clock.set(QDateTime(QDate(2024, 3, 15), QTime(12, 0)));
    t.app.actions.BMensajesClick();
    EXPECT_EQ(t.app.messagesForm.DTP1.date, QDate(2024, 3, 1));
    EXPECT_EQ(t.app.messagesForm.ENumDias.text, "014");
    EXPECT_TRUE(t.app.messagesForm.window.visible);
}

TEST(MainActionsTest, TheSummaryTakesTheMainWindowsPlace) {
    TestContext t;
    t.app.actions.BCartelClick();
    EXPECT_TRUE(t.app.summaryForm.window.visible);
    EXPECT_FALSE(t.app.mainForm.window.visible);
    t.app.actions.BAjustesClick();
    EXPECT_TRUE(t.app.settingsForm.window.visible);
}

}  // namespace
}  // namespace zaq::test
