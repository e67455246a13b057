#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

// Limits that the example message passes; each case moves one reading or limit.
class SafetyTest : public ::testing::Test {
  protected:
    SafetyTest() {
        ClosingLimits& l = t.app.config.limits;
        l.rainPercent = 30;
        l.cloudPercent = 50;
        l.skyMagnitude = 18.0f;
        l.windKmh = 250;
        l.meanWindKmh = 250;
        l.thermalWindKmh = 250;
        l.supplyVolts = 11.0f;
    }
    void live(const QByteArray& message) { t.feed(message); }
    const MainForm& m() const { return t.app.mainForm; }
    bool permitted() const { return t.app.safety.openingPermitted; }

    TestContext t;
};

TEST_F(SafetyTest, TheExampleMessagePassesEveryLimit) {
    live(exampleDataMessage());
    EXPECT_TRUE(permitted());
    EXPECT_FALSE(t.app.safety.limitsExceeded);
    EXPECT_EQ(m().BBAbrirObs.fontColour, colours::buttonText);
    for (const Label* row : {&m().Llluvia, &m().Lvfuente, &m().Lnubes, &m().Lmagnitud, &m().Lanekmh,
                             &m().Label3, &m().Laneterm}) {
        EXPECT_EQ(row->fontColour, colours::buttonText);
    }
}

struct LimitCase {
    const char* name;
    int pos;
    const char* field;
    bool passes;
};

class OneReadingTest : public SafetyTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(OneReadingTest, ComparesInSinglePrecision) {
    live(withField(exampleDataMessage(), GetParam().pos, GetParam().field));
    EXPECT_EQ(permitted(), GetParam().passes) << GetParam().name;
    EXPECT_EQ(m().BBAbrirObs.fontColour, GetParam().passes ? colours::buttonText : colours::red);
}

INSTANTIATE_TEST_SUITE_P(Cases, OneReadingTest,
                         ::testing::Values(LimitCase{"rain 30.0", 5, "300", true},
                                           LimitCase{"rain 30.1", 5, "301", false},
                                           LimitCase{"cloud 50.0", 9, "500", true},
                                           LimitCase{"cloud 50.1", 9, "501", false},
                                           LimitCase{"supply 11.0", 3, "n", true},
                                           LimitCase{"supply 10.9", 3, "m", false},
                                           LimitCase{"sky 18.50", 40, "1003", true},
                                           LimitCase{"sky brighter than 18", 39, "21003", false}));

TEST_F(SafetyTest, RainOverItsLimitTurnsItsLabelAndTheRoofButtonRed) {
    live(withField(exampleDataMessage(), 5, "301"));
    EXPECT_EQ(m().Llluvia.fontColour, colours::red);
    EXPECT_EQ(m().Lnubes.fontColour, colours::buttonText);
    EXPECT_TRUE(t.app.safety.limitsExceeded);
}

TEST_F(SafetyTest, ASupplyLimitOf11Point5PassesExactly11Point5) {
    t.app.config.limits.supplyVolts = 11.5f;
    live(exampleDataMessage());  // 's' is 115
    EXPECT_TRUE(permitted());
    EXPECT_EQ(m().Lvfuente.fontColour, colours::buttonText);
}

TEST_F(SafetyTest, WindOverItsLimitWithTheMeanUnderIt) {
    t.app.config.limits.windKmh = 40;
    t.app.config.limits.meanWindKmh = 30;
    live(withField(exampleDataMessage(), 64, "020 0450"));  // mean 20, wind 45.0
    EXPECT_FALSE(permitted());
    EXPECT_EQ(m().Lanekmh.fontColour, colours::red);
    EXPECT_EQ(m().Label3.fontColour, colours::buttonText);
}

TEST_F(SafetyTest, ALimitOfZeroFailsAsSoonAsTheReadingIsAboveZero) {
    t.app.config.limits.cloudPercent = 0;
    live(exampleDataMessage());  // cloud 0
    EXPECT_TRUE(permitted());
    live(withField(exampleDataMessage(), 9, "001"));
    EXPECT_FALSE(permitted());
    EXPECT_EQ(m().Lnubes.fontColour, colours::red);
}

TEST_F(SafetyTest, ThermalWindIsTheLastCheck) {
    t.app.config.limits.thermalWindKmh = 100;
    live(exampleDataMessage());  // 180.0 km/h
    EXPECT_FALSE(permitted());
    EXPECT_EQ(m().Laneterm.fontColour, colours::red);
}

struct CompassCase {
    int degrees;
    const char* word;
};

class CompassTest : public ::testing::TestWithParam<CompassCase> {};

TEST_P(CompassTest, SectorWords) {
    EXPECT_EQ(LivePanel::compassWord(GetParam().degrees), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompassTest,
                         ::testing::Values(CompassCase{0, " N"}, CompassCase{22, " N"},
                                           CompassCase{23, "NE"}, CompassCase{67, "NE"},
                                           CompassCase{68, " E"}, CompassCase{157, "SE"},
                                           CompassCase{158, " S"}, CompassCase{247, "SW"},
                                           CompassCase{270, "W"}, CompassCase{337, "NW"},
                                           CompassCase{338, " N"}, CompassCase{359, " N"}));

class LivePanelTest : public SafetyTest {};

TEST_F(LivePanelTest, TheExampleMessageFillsThePanels) {
    live(exampleDataMessage());
    EXPECT_EQ(m().PTempAmbiente.text, "13,8");
    EXPECT_EQ(m().PHumedad.text, "11,2");
    EXPECT_EQ(m().PPuntoRocio.text, "-12,8");
    EXPECT_EQ(m().PPluviometro.text, "112,0");
    EXPECT_EQ(m().PPluvioAcumuladoMes.text, "357,0");
    EXPECT_EQ(m().PPluvioAcumulado.text, "357");
    EXPECT_EQ(m().PVelViento.text, "213,1");
    EXPECT_EQ(m().PVelVientoMedia.text, "234");
    EXPECT_EQ(m().PDirViento.text, "180");
    EXPECT_EQ(m().PDirNSEO.text, " S");
    EXPECT_EQ(m().PvelOmni.text, "180,0");
    EXPECT_EQ(m().PBarometro.text, "1.020,0");
    EXPECT_EQ(m().PBarometroAbs.text, "940,8");
    EXPECT_EQ(m().PNublados.text, "0");
    EXPECT_EQ(m().PLluvia.text, "8");
    EXPECT_EQ(m().PMagnitud.text, "18,50");
    EXPECT_EQ(m().PRadSol.text, "78");
    EXPECT_EQ(m().PVFuente.text, "11,5");
    EXPECT_EQ(m().PCalentar.text, " Calentador OFF");
    EXPECT_EQ(m().PTecho.text, "Obs. Cerrado");
    EXPECT_EQ(m().BBAbrirObs.text, "Abrir Obs.");
}

TEST_F(LivePanelTest, ThePressurePanelsShowOnlyTheFirstMessage) {
    live(exampleDataMessage());
    live(withField(exampleDataMessage(), 13, "10100 09300"));
    EXPECT_EQ(m().PBarometro.text, "1.020,0");
    EXPECT_EQ(m().PBarometroAbs.text, "940,8");
}

TEST_F(LivePanelTest, HeaterPWithRoofAShowsTheRoofOpenAndNoTemperatures) {
    live(withField(exampleDataMessage(), 1, "Ap"));
    EXPECT_EQ(m().PTecho.text, "Obs. Abierto");
    EXPECT_EQ(m().PTecho.colour, colours::skyBlue);
    EXPECT_EQ(m().BBAbrirObs.text, "Cerrar");
    for (const Panel* p : {&m().PTempAmbiente, &m().PHumedad, &m().PPuntoRocio}) {
        EXPECT_EQ(p->text, "  --");
    }
    EXPECT_EQ(m().PCalentar.text, "Calentador");  // 'p' leaves the heater panel alone
}

struct LetterCase {
    const char* letters;
    const char* roof;
    Colour roofColour;
    const char* heater;
    Colour heaterColour;
};

class LettersTest : public SafetyTest, public ::testing::WithParamInterface<LetterCase> {};

TEST_P(LettersTest, RoofAndHeaterTables) {
    live(withField(exampleDataMessage(), 1, GetParam().letters));
    EXPECT_EQ(m().PTecho.text, GetParam().roof);
    EXPECT_EQ(m().PTecho.colour, GetParam().roofColour);
    EXPECT_EQ(m().PCalentar.text, GetParam().heater);
    EXPECT_EQ(m().PCalentar.colour, GetParam().heaterColour);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LettersTest,
    ::testing::Values(
        LetterCase{"AE", "Obs. Abierto", colours::skyBlue, " Calentador ON", colours::red},
        LetterCase{"ae", "Obs. Abierto", colours::yellow, " Rele ON", colours::green},
        LetterCase{"Ca", "Obs. Cerrado", colours::buttonFace, " Rele OFF", colours::buttonFace},
        LetterCase{"?x", "Techo", colours::buttonFace, "Calentador", colours::buttonFace}));

TEST_F(LivePanelTest, DuringTheRoofHoldOffTheRoofPanelKeepsTheOrdersEcho) {
    t.app.safety.roofHoldOff = 4;
    t.feed("(X001)");
    live(exampleDataMessage());  // 'C'
    EXPECT_EQ(m().PTecho.text, "Abriendo Obs.");
    EXPECT_EQ(m().BBAbrirObs.text, "Abrir Obs.");
    t.app.mainForm.BBAbrirObs.text = "Esperar";
    live(exampleDataMessage());
    EXPECT_EQ(m().BBAbrirObs.text, "Esperar");
    t.app.safety.roofHoldOff = 10;
    live(exampleDataMessage());
    EXPECT_EQ(m().PTecho.text, "Obs. Cerrado");
    EXPECT_EQ(m().BBAbrirObs.text, "Abrir Obs.");
}

TEST_F(LivePanelTest, AnImplausibleMonthFigureShowsADash) {
    t.app.config.limits = {};
    live(withField(exampleDataMessage(), 30, "9999"));  // 9999 + 112 ≥ 1000
    EXPECT_EQ(m().PPluvioAcumuladoMes.text, "-");
}

TEST_F(LivePanelTest, PanelClicksAcknowledgeTheClosingAlarmWhateverTheColour) {
    t.feed("(l000)");
    EXPECT_EQ(m().PLluvia.colour, colours::yellow);
    t.app.flags.closingAlarm = true;
    t.app.livePanel.PLluviaClick();
    EXPECT_EQ(m().PLluvia.colour, colours::buttonFace);
    EXPECT_FALSE(t.app.flags.closingAlarm);
    t.app.flags.closingAlarm = true;
    t.app.flags.supplyStopAlarm = true;
    t.app.flags.supplyStopLogged = true;
    t.app.livePanel.PVFuenteClick();
    EXPECT_FALSE(t.app.flags.closingAlarm);
    EXPECT_FALSE(t.app.flags.supplyStopAlarm);
    EXPECT_FALSE(t.app.flags.supplyStopLogged);
}

}  // namespace
}  // namespace zaq::test
