#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using Q = StationExtremes;

// Through the program's own dispatcher and wiring.
TEST(DailyExtremesTest, TheExampleAsMaximaFillsTheMaxColumn) {
    TestContext t;
    t.feed(exampleWithKind("M1373"));
    const MainForm& m = t.app.mainForm;
    const std::vector<std::pair<const Label*, QString>> shown = {{&m.LTemperaturaMax, "13,8"},
                                                                 {&m.LHumedadMax, "11,2"},
                                                                 {&m.LRocioMax, "-12,8"},
                                                                 {&m.LNubesMax, "0"},
                                                                 {&m.LLluviaMax, "8"},
                                                                 {&m.LAnemometroMecMax, "213,1"},
                                                                 {&m.LAnemometroMecMedMax, "234"},
                                                                 {&m.LAnemometroTermMax, "180,0"},
                                                                 {&m.LPluviometroMax, "112.0"},
                                                                 {&m.LBarometroMax, "1.020,0"},
                                                                 {&m.LBarometroAbsMax, "940,8"},
                                                                 {&m.LMagnitudVMax, "18,50"},
                                                                 {&m.LLuzDiaMax, "078"},
                                                                 {&m.LVFuenteMax, "11,5"}};
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->text, text);
    }
    EXPECT_EQ(m.LTemperaturaMin.text, "---");
    const StationExtremes& e = t.app.stationExtremes;
    EXPECT_TRUE(e.stationMaxReceived);
    EXPECT_FLOAT_EQ(e.max[Q::PressureSea], 1020.0f);
    EXPECT_FLOAT_EQ(e.max[Q::RainToday], 112.0f);
    EXPECT_FLOAT_EQ(e.max[Q::Supply], 11.5f);
    EXPECT_FLOAT_EQ(e.min[Q::Temperature], 0.0f);
}

struct HumidityCase {
    const char* kind;
    const char* field;
    float stored;
    const char* shown;
};

class DailyHumidityTest : public ::testing::TestWithParam<HumidityCase> {};

TEST_P(DailyHumidityTest, ASaturatedSensorIsTakenAsNearlyFull) {
    const HumidityCase& c = GetParam();
    TestContext t;
    t.feed(withField(exampleWithKind(c.kind), 50, c.field));
    const bool maxima = c.kind[0] == 'M';
    const StationExtremes& e = t.app.stationExtremes;
    EXPECT_FLOAT_EQ((maxima ? e.max : e.min)[Q::Humidity], c.stored);
    EXPECT_EQ((maxima ? t.app.mainForm.LHumedadMax : t.app.mainForm.LHumedadMin).text, c.shown);
    EXPECT_EQ(e.stationMaxReceived, maxima);
}

INSTANTIATE_TEST_SUITE_P(Cases, DailyHumidityTest,
                         ::testing::Values(HumidityCase{"M1373", "015", 99.9f, "99,9"},
                                           HumidityCase{"M1373", "020", 2.0f, "2,0"},
                                           HumidityCase{"m1373", "000", 99.8f, "99,8"},
                                           HumidityCase{"m1373", "015", 1.5f, "1,5"}));

TEST(DailyExtremesTest, OtherBlocksAndTheTextElsewhereChangeNothing) {
    TestContext t;
    t.feed(exampleWithKind("M1374"));
    t.feed(withField(exampleWithKind("X1373"), 40, "M1373)"));
    EXPECT_FALSE(t.app.stationExtremes.stationMaxReceived);
    EXPECT_EQ(t.app.mainForm.LTemperaturaMax.text, "---");
    EXPECT_EQ(t.app.stationExtremes.max, StationExtremes{}.max);
}

}  // namespace
}  // namespace zaq::test
