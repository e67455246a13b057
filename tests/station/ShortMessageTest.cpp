#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/ProgramVersion.h"
#include "support/RecordingHooks.h"
#include "support/TestContext.h"
#include "support/TestWiring.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ShortMessageTest : public ::testing::Test {
  protected:
    void controlMessagesShown(bool shown) { t.app.messagesForm.CBMensCorto.checked = shown; }
    const MainForm& main() const { return t.app.mainForm; }

    TestContext t;
    RecordedStation<> station{t.app};
    RecordingGraphFeed& graphs = station.graphs;
    RecordingDump& dump = station.dump;
};

TEST_F(ShortMessageTest, RelayOnHourSetsItsLabelAndIsLogged) {
    station.feed("(Son2215)");
    EXPECT_EQ(main().Lhon.text, "on:22:15");
    EXPECT_THAT(t.logEntries(), ElementsAre("22:15 Hora de Rele ON "));
}

TEST_F(ShortMessageTest, RelayOffHourSetsItsLabelAndIsLogged) {
    station.feed("(Sof2245)");
    EXPECT_EQ(main().Lhoraoff.text, "off:22:45");
    EXPECT_THAT(t.logEntries(), ElementsAre("22:45 Hora de Rele OFF "));
}

struct RelayCase {
    const char* text;
    const char* logged;
};

class RelayStateTest : public ShortMessageTest, public ::testing::WithParamInterface<RelayCase> {};

TEST_P(RelayStateTest, ClearsTheTimerLabelsAndLogsTheState) {
    station.feed("(Son2215)");
    station.feed(GetParam().text);
    EXPECT_EQ(main().Lhon.text, " ");
    EXPECT_EQ(main().Lhoraoff.text, " ");
    EXPECT_EQ(main().LFuncionRele.text, " ");
    EXPECT_EQ(t.logEntries().last(), GetParam().logged);
}

INSTANTIATE_TEST_SUITE_P(Cases, RelayStateTest,
                         ::testing::Values(RelayCase{"(S005)", "Rele ON "},
                                           RelayCase{"(S004)", "Rele OFF "},
                                           RelayCase{"(S000)", "Rele en funcion Calentadores "}));

TEST_F(ShortMessageTest, TimerStopAndRunChangeTheRelayLabel) {
    station.feed("(S008)");
    EXPECT_EQ(main().LFuncionRele.text, "Timer STOP");
    EXPECT_EQ(main().LFuncionRele.fontColour, colours::none);
    station.feed("(S009)");
    EXPECT_EQ(main().LFuncionRele.text, "Timer RUN");
    EXPECT_EQ(main().LFuncionRele.fontColour, colours::blue);
    EXPECT_THAT(t.logEntries(),
                ElementsAre("05/03/2015 9:07:21 Timer STOP ", "05/03/2015 9:07:21 Timer ON "));
}

TEST_F(ShortMessageTest, ClosedAndOpenOrderInOneTextOnlyActsAsClosed) {
    controlMessagesShown(false);
    station.feed("(Cerrado Abrir Obs)");
    EXPECT_TRUE(t.app.flags.closingAlarm);
    EXPECT_THAT(t.shownLines(), ElementsAre("(Cerrado Abrir Obs)"));
    EXPECT_THAT(t.logEntries(), ElementsAre("(Cerrado Abrir Obs) "));
}

struct SkyTemperatureCase {
    const char* text;
    bool accepted;
    float value;
};

class SkyTemperatureTest : public ShortMessageTest,
                           public ::testing::WithParamInterface<SkyTemperatureCase> {};

TEST_P(SkyTemperatureTest, OnlyValuesStrictlyInsideFiftyDegreesAreTaken) {
    t.app.readings.skyTemperatureC = 7.0f;
    station.feed(GetParam().text);
    EXPECT_FLOAT_EQ(t.app.readings.skyTemperatureC, GetParam().accepted ? GetParam().value : 7.0f);
    EXPECT_EQ(graphs.calls.size(), GetParam().accepted ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkyTemperatureTest,
                         ::testing::Values(SkyTemperatureCase{"(>101 +75.0)", false, 0},
                                           SkyTemperatureCase{"(>101 -49.9)", true, -49.9f},
                                           SkyTemperatureCase{"(>101 -50.0)", false, 0},
                                           SkyTemperatureCase{"(>101 +12.3)", true, 12.3f},
                                           SkyTemperatureCase{"(>101)", true, 0.0f},
                                           SkyTemperatureCase{"(>101 abcde)", true, 0.0f}));

TEST_F(ShortMessageTest, SkyTemperatureCaptionShowsTheFiveCharacters) {
    station.feed("(>101 -49.9)");
    EXPECT_EQ(main().PNubladosIR.text, "(-49.9ºC)");
    EXPECT_THAT(graphs.calls, ElementsAre("activate"));
}

TEST_F(ShortMessageTest, ControlFilterOnListsTheTextOnceAsReceived) {
    station.feed("(Apagado)");
    EXPECT_THAT(t.shownLines(), ElementsAre("(Apagado)"));
}

TEST_F(ShortMessageTest, ControlFilterOffListsTheTextOnceFromTheChain) {
    controlMessagesShown(false);
    station.feed("(Apagado)");
    station.feed("(L080)");
    EXPECT_THAT(t.shownLines(), ElementsAre("(Apagado)"));
}

TEST_F(ShortMessageTest, StationResetIsWordedWhenControlMessagesAreHidden) {
    controlMessagesShown(false);
    station.feed("(Placa v2)");
    EXPECT_THAT(t.shownLines(), ElementsAre("05/03/2015 9:07:21 ZAQ RESET"));
    EXPECT_THAT(t.logEntries(), ElementsAre("REINICIO de la Estacion "));
}

TEST_F(ShortMessageTest, ControlFilterOnIgnoresTextsStartingWithABlank) {
    station.feed("( Apagado)");
    EXPECT_THAT(t.shownLines(), IsEmpty());
}

TEST_F(ShortMessageTest, RoofOrdersAreWordedAndLogged) {
    controlMessagesShown(false);
    station.feed("(Abrir Obs)");
    station.feed("(Cerrar Obs)");
    EXPECT_THAT(t.shownLines(), ElementsAre("05/03/2015 9:07:21 Orden de Apertura",
                                            "05/03/2015 9:07:21 Orden de Cierre"));
    EXPECT_THAT(t.logEntries(), ElementsAre("(Abrir Obs) ", "(Cerrar Obs) "));
}

TEST_F(ShortMessageTest, RoofEchoesPaintTheRoofPanel) {
    station.feed("(X001)");
    EXPECT_EQ(main().PTecho.colour, colours::skyBlue);
    EXPECT_EQ(main().PTecho.text, "Abriendo Obs.");
    station.feed("(X000)");
    EXPECT_EQ(main().PTecho.colour, colours::skyBlue);
    EXPECT_EQ(main().PTecho.text, "Cerrando Obs.");
}

TEST_F(ShortMessageTest, DumpMessagesGoToTheDecoderBetweenStartAndEnd) {
    station.feed("(Start Dump)(01617)(0000)(End Dump)(01618)");
    EXPECT_THAT(dump.texts, ElementsAre("(01617)", "(0000)", "(End Dump)"));
    EXPECT_FALSE(t.app.flags.dumpInProgress);
}

TEST_F(ShortMessageTest, StationStopIsAlwaysListedAndRaisesItsAlarm) {
    controlMessagesShown(false);
    station.feed("(STOP Fuente)");
    EXPECT_TRUE(t.app.flags.supplyStopAlarm);
    EXPECT_THAT(t.shownLines(), ElementsAre("05/03/2015 9:07:21(STOP Fuente)"));
}

TEST_F(ShortMessageTest, SpeedAnswersSetTheSpeedButton) {
    station.feed("(57K)");
    EXPECT_EQ(t.app.messagesForm.BVelocidad.text, "57K6 bps");
    station.feed("(9K6)");
    EXPECT_EQ(t.app.messagesForm.BVelocidad.text, "9K6 bps");
}

TEST_F(ShortMessageTest, WaitGreysTheTerminalUntilTheNextByte) {
    station.feed("(wait)");
    EXPECT_EQ(t.app.messagesForm.Eterminal.colour, colours::silver);
    station.feed("x");
    EXPECT_EQ(t.app.messagesForm.Eterminal.colour, colours::window);
}

TEST_F(ShortMessageTest, ClockReplyNamesStationVersionAndClockInTheCaption) {
    t.app.settingsForm.Eident.text = "Torrejon";
    station.feed("(21:04:59)");
    EXPECT_EQ(main().window.caption, "  ZAQ Torrejon v" + programVersionText() + " 21:04:59");
}

TEST_F(ShortMessageTest, ClockReplyTooShortTakesOnlyWhatIsThere) {
    station.feed("(ab:cd:)");
    EXPECT_EQ(main().window.caption, "  ZAQ Observatorio v" + programVersionText() + " ab:cd:)");
}

}  // namespace
}  // namespace zaq::test
