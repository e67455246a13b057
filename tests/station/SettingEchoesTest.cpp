#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct EchoCase {
    const char* echo;
    Edit SettingsForm::*field;
    const char* shown;
    const char* logged;  // after marking the field yellow
};

class SettingEchoTest : public ::testing::TestWithParam<EchoCase> {};

TEST_P(SettingEchoTest, WritesTheFieldAndClearsItsMark) {
    TestContext t;
    Edit& field = t.app.settingsForm.*(GetParam().field);
    t.feed(GetParam().echo);
    EXPECT_EQ(field.text, GetParam().shown);
    EXPECT_EQ(field.colour, colours::window);
    EXPECT_THAT(t.logEntries(), IsEmpty());
}

TEST_P(SettingEchoTest, AMarkedFieldLogsItsNewValue) {
    TestContext t;
    Edit& field = t.app.settingsForm.*(GetParam().field);
    field.colour = colours::yellow;
    t.app.settingsForm.EOffset_Bar.colour = colours::yellow;  // the altitude rows test this mark
    t.feed(GetParam().echo);
    EXPECT_EQ(field.colour, colours::window);
    EXPECT_THAT(t.logEntries(), ElementsAre(GetParam().logged));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingEchoTest,
    ::testing::Values(
        EchoCase{"(L080)", &SettingsForm::ELimiteLluvia, "80", "Nuevo Limite Lluvia (L080) "},
        EchoCase{"(N040)", &SettingsForm::ELimiteNubes, "40", "Nuevo Limite Nubes (N040) "},
        EchoCase{"(I+05)", &SettingsForm::EOfsetMagV, "0,5", "Nuevo Offset Mag V (I+05) "},
        EchoCase{"(I-12)", &SettingsForm::EOfsetMagV, "-1,2", "Nuevo Offset Mag V (I-12) "},
        EchoCase{"(I215)", &SettingsForm::ELimiteLuznoche, "21,5", "Nuevo Limite Mag V (I215) "},
        EchoCase{"(V060)", &SettingsForm::ELimiteKmhT, "60", "Nuevo Limite Km/h T (V060) "},
        EchoCase{"(W045)", &SettingsForm::ELimiteKmh, "45", "Nuevo Limite Km/h (W045) "},
        EchoCase{"(O030)", &SettingsForm::ELimiteKmhMedia, "30", "Nuevo Limite Km/h Media (O030) "},
        EchoCase{"(T120)", &SettingsForm::ELimiteEspera, "120", "Nuevo Limite Espera pc (T120) "},
        EchoCase{"(F115)", &SettingsForm::ELimiteFuente, "11,5", "Nuevo Limite Fuente (F115) "},
        EchoCase{"(F+03)", &SettingsForm::EOfsetVcc, "0,3", "Nuevo Offset Vcc (F+03) "},
        EchoCase{"(C002)", &SettingsForm::ELimiteRocio, "2", "Nuevo Limite Rocio (C002) "},
        EchoCase{"(P124)", &SettingsForm::EKPluvio, "124", "Nuevo K Pluvio (P124) "},
        EchoCase{"(B-06)", &SettingsForm::EOffset_Bar, "-6", "Nuevo Offset Bar (B-06) "},
        EchoCase{"(M062)", &SettingsForm::EAltura_Bar, "620", "Nuevo Altura Bar (M062) "},
        EchoCase{"(M00620)", &SettingsForm::EAltura_Bar, "620", "Nuevo Altura Bar (M00620) "},
        EchoCase{"(U013)", &SettingsForm::EOffset_UV, "13", "Nuevo Offset Luz Dia (U013) "},
        EchoCase{"(A036)", &SettingsForm::EKAnem_mec, "36", "Nuevo K Anem. mec. (A036) "},
        EchoCase{"(E010)", &SettingsForm::EOffset_Ane1631, "10", "Nuevo Offset Anem T (E010) "},
        EchoCase{"(G100)", &SettingsForm::EKAnem_1631, "100", "Nuevo K Anem T (G100) "},
        EchoCase{"(R012)", &SettingsForm::EGNubes, "1,2", "Nuevo G Nubes (R012) "},
        EchoCase{"(J125)", &SettingsForm::EGLuzdia, "1,25", "Nuevo G Luz dia (J125) "},
        EchoCase{"(I00125)", &SettingsForm::EGMagV, "1,250", "Nuevo cad G Mag V (I00125) "},
        EchoCase{"(Lxyz)", &SettingsForm::ELimiteLluvia, "0", "Nuevo Limite Lluvia (Lxyz) "}));

TEST(SettingEchoesTest, AltitudeEchoesChooseTheAltitudeForm) {
    TestContext t;
    t.feed("(M00620)");
    EXPECT_TRUE(t.app.flags.altitudeFiveDigits);
    t.feed("(M062)");
    EXPECT_FALSE(t.app.flags.altitudeFiveDigits);
}

TEST(SettingEchoesTest, AltitudeEchoLooksAtTheBarometerOffsetsMarkAndClearsItsOwn) {
    TestContext t;
    t.app.settingsForm.EAltura_Bar.colour = colours::yellow;
    t.feed("(M062)");
    EXPECT_EQ(t.app.settingsForm.EAltura_Bar.colour, colours::window);
    EXPECT_THAT(t.logEntries(), IsEmpty());
}

TEST(SettingEchoesTest, CheckBoxEchoesTickAndUntick) {
    TestContext t;
    t.app.settingsForm.CBoregon.colour = colours::yellow;
    t.feed(
        "(\xD1"
        "001)");
    EXPECT_TRUE(t.app.settingsForm.CBoregon.checked);
    EXPECT_EQ(t.app.settingsForm.CBoregon.colour, colours::window);
    t.feed(
        "(\xD1"
        "000)");
    EXPECT_FALSE(t.app.settingsForm.CBoregon.checked);
    t.feed("(Z001)");
    EXPECT_TRUE(t.app.settingsForm.CBtx20.checked);
    t.feed("(Z007)");
    EXPECT_TRUE(t.app.settingsForm.CBtx20.checked);
    EXPECT_THAT(t.logEntries(), IsEmpty());
}

TEST(SettingEchoesTest, PingReportsCountUpToThree) {
    TestContext t;
    const char* expected[] = {"Fal 1", "Fal 2", "Fal 3", "Fal 3"};
    for (const char* label : expected) {
        t.feed("(t000)");
        EXPECT_EQ(t.app.mainForm.LPing.text, label);
    }
    EXPECT_EQ(t.app.flags.pingFailCount, 3);
}

TEST(SettingEchoesTest, LowerCaseLettersTurnTheirPanelYellow) {
    TestContext t;
    t.feed("(f000)(i000)(l000)(n000)(w000)(o000)(v000)(x000)");
    const MainForm& m = t.app.mainForm;
    for (const Panel* panel : {&m.PVFuente, &m.PMagnitud, &m.PLluvia, &m.PNublados, &m.PVelViento,
                               &m.PVelVientoMedia, &m.PvelOmni}) {
        EXPECT_EQ(panel->colour, colours::yellow);
    }
    EXPECT_EQ(m.PTecho.colour, colours::buttonFace);
    EXPECT_THAT(t.logEntries(), IsEmpty());
}

TEST(SettingEchoesTest, UnknownLettersAndForeignLengthsChangeNothing) {
    TestContext t;
    t.feed("(S005)(Q123)(I3xx)(F2xx)(L0800)");
    EXPECT_EQ(t.app.settingsForm.ELimiteLuznoche.text, "");
    EXPECT_EQ(t.app.settingsForm.ELimiteFuente.text, "");
    EXPECT_EQ(t.app.settingsForm.ELimiteLluvia.text, "");
    EXPECT_EQ(t.app.settingsForm.ELimiteLluvia.colour, colours::buttonFace);
}

}  // namespace
}  // namespace zaq::test
