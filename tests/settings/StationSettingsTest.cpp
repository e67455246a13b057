#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/ConfigLayout.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StationSettingsTest : public ::testing::Test {
  protected:
    StationSettingsTest() {
        t.app.configFile.loadConfiguration();
        t.app.pcSettings.fillFields();
    }

    // A field that was never read takes two clicks: grey → window → yellow.
    void mark(Control& field, const QString& text = {}) {
        StationSettings::toggleMark(field);
        EXPECT_EQ(field.colour, colours::window);
        StationSettings::toggleMark(field);
        EXPECT_EQ(field.colour, colours::yellow);
        if (!text.isNull()) {
            field.text = text;
        }
    }
    std::vector<QByteArray> sent() { return queued(t.app.queue); }

    TestContext t;
    SettingsForm& f = t.app.settingsForm;
    StationSettings& s = t.app.stationSettings;
};

// The commands of the marked fields, in the station's fixed widths; the answers fill the fields.
struct EncodingCase {
    const char* what;
    Edit SettingsForm::*field;
    const char* text;
    bool limits;
    const char* command;
};

class StationEncodingTest : public StationSettingsTest,
                            public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(StationEncodingTest, SendsTheCommand) {
    const EncodingCase& c = GetParam();
    mark(f.*c.field, QString::fromUtf8(c.text));
    c.limits ? s.BGrabarClick() : s.BAjuste_Meteo_FlashClick();
    EXPECT_THAT(sent(), ElementsAre(QByteArray(c.command))) << c.what;
    EXPECT_THAT(t.prompter.warnings, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, StationEncodingTest,
    ::testing::Values(
        EncodingCase{"rain clamped", &SettingsForm::ELimiteLluvia, "150", true, "(L100)"},
        EncodingCase{"sky, comma", &SettingsForm::ELimiteLuznoche, "21,5", true, "(I215)"},
        EncodingCase{"sky, point", &SettingsForm::ELimiteLuznoche, "21.5", true, "(I215)"},
        EncodingCase{"supply", &SettingsForm::ELimiteFuente, "11.5", true, "(F115)"},
        EncodingCase{"not a number", &SettingsForm::ELimiteKmh, "abc", true, "(W000)"},
        EncodingCase{"supply offset", &SettingsForm::EOfsetVcc, "0.3", false, "(F+03)"},
        EncodingCase{"negative offset", &SettingsForm::EOfsetMagV, "-0,5", false, "(I-05)"},
        EncodingCase{"sky gain", &SettingsForm::EGMagV, "1.25", false, "(I00125)"},
        EncodingCase{"altitude", &SettingsForm::EAltura_Bar, "620", false, "(M062)"},
        EncodingCase{"barometer", &SettingsForm::EOffset_Bar, "-6", false, "(B-06)"},
        EncodingCase{"daylight gain", &SettingsForm::EGLuzdia, "1,25", false, "(J125)"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(StationSettingsTest, ARainLimitAboveItsClampIsStoredAsTypedAndUsedByThePc) {
    mark(f.ELimiteLluvia, "150");
    s.BGrabarClick();
    EXPECT_EQ(t.app.config.limits.rainPercent, 150);
    EXPECT_EQ(t.app.configImage.readText(cfglayout::kLimitRain, 3), "150");
}

// A first run has no zaq.cfg: saving the limits must not turn the PC's defaults into zeros
// (serial port 0 would mean data over the network).
TEST_F(StationSettingsTest, ASaveWithoutAFileKeepsThePcsDefaults) {
    mark(f.ELimiteLluvia, "40");
    s.BGrabarClick();
    const Configuration defaults;
    EXPECT_EQ(t.app.config.serialPort, defaults.serialPort);
    EXPECT_EQ(t.app.config.master, defaults.master);
    EXPECT_EQ(t.app.config.altitudeM, defaults.altitudeM);
    EXPECT_DOUBLE_EQ(t.app.config.latitude, defaults.latitude);
    EXPECT_DOUBLE_EQ(t.app.config.longitude, defaults.longitude);
    EXPECT_EQ(t.app.config.hoursFromUt, defaults.hoursFromUt);
    EXPECT_EQ(t.app.config.dataDirectory, defaults.dataDirectory);
    EXPECT_EQ(t.app.config.limits.rainPercent, 40);
}

TEST_F(StationSettingsTest, TheAnswersFillTheFieldsAndChooseTheAltitudeForm) {
    t.feed("(F115)(F+03)(M00620)");
    EXPECT_EQ(f.ELimiteFuente.text, "11,5");
    EXPECT_EQ(f.EOfsetVcc.text, "0,3");
    EXPECT_EQ(f.ELimiteFuente.colour, colours::window);
    StationSettings::toggleMark(f.EAltura_Bar);
    s.BAjuste_Meteo_FlashClick();
    EXPECT_THAT(sent(), ElementsAre("(M00620)"));
}

TEST_F(StationSettingsTest, AGainAboveNineNinetyNineIsResetAndNothingSent) {
    mark(f.EGMagV, "12");
    s.BAjuste_Meteo_FlashClick();
    EXPECT_EQ(f.EGMagV.text, "1.00");
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_EQ(t.prompter.questions.last(), "No hay parametros seleccionados");
}

// "Leer" greys the fields and asks in order; with the station's answers and nothing marked,
// "Guarda Niveles" copies them into zaq.cfg and the PC's limits.
TEST_F(StationSettingsTest, ReadThenSaveWithNothingMarkedCopiesTheStationsLimits) {
    s.BLeerClick();
    EXPECT_EQ(f.ELimiteRocio.colour, colours::buttonFace);
    EXPECT_THAT(sent(), ElementsAre("(c)", "(f)", "(t)", "(w)", "(o)", "(v)", "(i)", "(n)", "(l)"));
    t.feed("(L030)(N045)(I185)(V060)(O025)(W040)(T090)(F112)(C003)");
    s.BGrabarClick();
    EXPECT_EQ(t.prompter.questions.last(), "Ningun parametro seleccionado");
    EXPECT_THAT(sent(), IsEmpty());
    const ClosingLimits& l = t.app.config.limits;
    EXPECT_EQ(l.rainPercent, 30);
    EXPECT_EQ(l.cloudPercent, 45);
    EXPECT_FLOAT_EQ(l.skyMagnitude, 18.5f);
    EXPECT_EQ(l.windKmh, 40);
    EXPECT_EQ(l.pcWaitSeconds, 90);
    EXPECT_FLOAT_EQ(l.supplyVolts, 11.2f);
    EXPECT_EQ(l.dewMarginC, 3);
    ConfigImage reread;
    Configuration again;
    ConfigFile(t.app.configFile.path(), reread, again).loadConfiguration();
    EXPECT_EQ(again.limits.rainPercent, 30);
}

TEST_F(StationSettingsTest, ReadingTheCalibrationAsksThirteenTimesWithTheEnyeByte) {
    s.BLeerOffsetsClick();
    EXPECT_EQ(f.CBoregon.colour, colours::buttonFace);
    EXPECT_THAT(sent(), ElementsAre("(j)", "(r)", "(i)", "(f)", "(g)", "(e)", "(\xF1)", "(z)",
                                    "(a)", "(u)", "(m)", "(b)", "(p)"));
}

// The calibration save stores every value with "cfg:" and the directories; the check boxes go
// as their own commands, WR918 with the byte 0xD1.
TEST_F(StationSettingsTest, CalibrationSaveSendsTheCheckBoxesAndStoresEverything) {
    f.CBoregon.checked = true;
    mark(f.CBoregon);
    mark(f.CBtx20);
    f.EAltura_Bar.text = "700";
    f.EDirectorio.text = "./datos/";
    s.BAjuste_Meteo_FlashClick();
    EXPECT_THAT(sent(), ElementsAre("(\xD1"
                                    "001)",
                                    "(Z000)"));
    EXPECT_EQ(t.app.configImage.readText(cfglayout::kPrefix, 5), "cfg:");
    EXPECT_EQ(t.app.config.altitudeM, 700);
    EXPECT_TRUE(t.app.config.wmr968Messages);
    EXPECT_EQ(t.app.config.dataDirectory, "./datos/");
}

// Values the fixed-width commands cannot carry: a warning naming the field, nothing queued and
// nothing stored.
struct RefusedCase {
    Edit SettingsForm::*field;
    const char* text;
    bool limits;
    const char* warning;
};

class StationRefusalTest : public StationSettingsTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(StationRefusalTest, WarnsAndSendsNothing) {
    const RefusedCase& c = GetParam();
    mark(f.ELimiteLluvia, "40");
    mark(f.EKPluvio, "124");
    mark(f.*c.field, QString::fromUtf8(c.text));
    c.limits ? s.BGrabarClick() : s.BAjuste_Meteo_FlashClick();
    EXPECT_THAT(sent(), IsEmpty());
    EXPECT_THAT(t.prompter.warnings, ElementsAre(QString::fromUtf8(c.warning)));
    EXPECT_FALSE(QFile::exists(t.app.configFile.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StationRefusalTest,
    ::testing::Values(RefusedCase{&SettingsForm::ELimiteKmh, "-5", true,
                                  "Valor fuera de rango en Viento Km/h: admite de 0 a 250."},
                      RefusedCase{&SettingsForm::ELimiteLuznoche, "30,0", true,
                                  "Valor fuera de rango en Magnitud Vis: admite de 0,0 a 29,9."},
                      RefusedCase{&SettingsForm::ELimiteFuente, "123.4", true,
                                  "Valor fuera de rango en Fuente v: admite de 0,0 a 19,9."},
                      RefusedCase{&SettingsForm::EOfsetVcc, "10", false,
                                  "Valor fuera de rango en Fuente Of.: admite de -9,9 a 9,9."},
                      RefusedCase{&SettingsForm::EGNubes, "100", false,
                                  "Valor fuera de rango en Nubes G: admite de -9,9 a 99,9."},
                      RefusedCase{&SettingsForm::EKPluvio, "1240", false,
                                  "Valor fuera de rango en K Pluvio: admite de -99 a 999."}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(StationSettingsTest, ANonNumericCalibrationDecimalEndsWithTheErrorReport) {
    mark(f.EKPluvio, "124");
    mark(f.EGNubes, "uno");
    s.BAjuste_Meteo_FlashClick();
    EXPECT_THAT(sent(), ElementsAre("(P124)"));
    EXPECT_EQ(t.prompter.errors.size(), 1);
    EXPECT_FALSE(QFile::exists(t.app.configFile.path()));
}

TEST_F(StationSettingsTest, ClockPingAndMasterKey) {
    t.clock.set(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)));
    s.BrtcClick();
    EXPECT_THAT(sent(), ElementsAre("(Y070324090503)"));

    f.EPingInternet.text = "127.0.0.1";
    s.BTestPingClick();
    EXPECT_EQ(t.app.mainForm.LPing.text, "Fallo");
    t.pinger.answers["127.0.0.1"] = true;
    s.BTestPingClick();
    EXPECT_EQ(t.app.mainForm.LPing.text, "-OK-");

    s.CBmasterKeyPress();
    EXPECT_THAT(t.prompter.warnings,
                ElementsAre("PC Master modificado desde teclado. Verifique su estado."));
}

}  // namespace
}  // namespace zaq::test
