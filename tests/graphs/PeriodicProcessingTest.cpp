#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>

#include "support/TestContext.h"
#include "ui/DayCount.h"

namespace zaq::test {
namespace {

class PeriodicProcessingTest : public ::testing::Test {
  protected:
    PeriodicProcessingTest() {
        t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(2, 0)));  // night: no expected radiation
        t.app.graphStore.initGraphStore();
        sums().sampleCount = 1;
    }
    ReadingSums& sums() { return t.app.sums; }
    const GraphRecord& newest() { return t.app.graphStore.newest(); }
    void run() { t.app.periodic.runPeriodicProcessing(); }
    void directions(std::initializer_list<int> degrees) {
        sums().sampleCount = static_cast<int>(degrees.size());
        for (const int d : degrees) {
            sums().dirSinSum += std::sin(d / 360.0 * 2 * M_PI);
            sums().dirCosSum += std::cos(d / 360.0 * 2 * M_PI);
        }
    }
    TestContext t;
};

TEST_F(PeriodicProcessingTest, IntegerMeansAreTruncatedBeforeScaling) {
    sums().sampleCount = 2;
    sums().temperatureSum = -45;
    sums().pressureSeaSum = 2040.0f;
    sums().pressureAbsSum = 1881.6f;
    run();
    EXPECT_FLOAT_EQ(newest().temperature, -2.2f);
    EXPECT_FLOAT_EQ(newest().pressureSeaLevel, 1020.0f);
    EXPECT_EQ(t.app.mainForm.PBarometro.text, "1.020,0");
    EXPECT_EQ(t.app.mainForm.PBarometroAbs.text, "940,8");
}

TEST_F(PeriodicProcessingTest, WithoutSamplesOnlyTheMinuteFlagIsLowered) {
    sums().sampleCount = 0;
    sums().temperatureSum = 99;
    t.app.flags.minuteFlag = true;
    run();
    EXPECT_FALSE(t.app.flags.minuteFlag);
    EXPECT_EQ(sums().temperatureSum, 99);
    EXPECT_FALSE(QFile::exists(t.dirPath("zaqdf.txt")));
}

struct HighCase {
    int highRecords;
    double axis;
};

class PressureAxisTest : public PeriodicProcessingTest,
                         public ::testing::WithParamInterface<HighCase> {};

TEST_P(PressureAxisTest, ThreeRecordsAbove1030WidenTheAxes) {
    for (int i = 0; i < GetParam().highRecords; ++i) {
        t.app.graphStore.records()[static_cast<std::size_t>(100 + i * 300)].pressureSeaLevel = 1031;
    }
    run();
    const Chart& p = t.app.chartModel.charts[ChartModel::Pressure];
    EXPECT_EQ(p.left.maximum, GetParam().axis);
    EXPECT_EQ(p.right.maximum, GetParam().axis);
    EXPECT_EQ(p.left.minimum, 990);
}

INSTANTIATE_TEST_SUITE_P(Cases, PressureAxisTest,
                         ::testing::Values(HighCase{2, 1030}, HighCase{3, 1040}));

TEST_F(PeriodicProcessingTest, TheDayRatioIsCappedAt150Percent) {
    const double today = std::trunc(toDayCount(t.clock.now()));
    for (int i = 1400; i < 1440; ++i) {
        GraphRecord& r = t.app.graphStore.records()[static_cast<std::size_t>(i)];
        r.date = today;
        r.solarRadiation = 160;
        r.expectedRadiation = 100;
    }
    run();
    EXPECT_EQ(t.app.mainForm.LRadSolacuPorcent.text, "150%");
    EXPECT_EQ(t.app.mainForm.PRadSolacumulada.text, "107");  // 40 minutes of 160 W/m²
}

TEST_F(PeriodicProcessingTest, NoExpectedRadiationGivesZeroPercent) {
    run();
    EXPECT_EQ(t.app.mainForm.LRadSolacuPorcent.text, "0%");
}

TEST_F(PeriodicProcessingTest, MeanDirectionAcrossNorthIsNorth) {
    directions({350, 10, 350, 10});
    run();
    EXPECT_NEAR(t.app.periodic.meanWindDirection(), 0.0, 1e-6);
}

TEST_F(PeriodicProcessingTest, MeanDirectionAcrossSouthIsSouth) {
    directions({170, 190});
    run();
    EXPECT_NEAR(t.app.periodic.meanWindDirection(), 180.0, 1e-6);
}

struct CloudCase {
    float skyTemperature;
    float thermalCloud;
};

class ThermalCloudTest : public PeriodicProcessingTest,
                         public ::testing::WithParamInterface<CloudCase> {};

TEST_P(ThermalCloudTest, FromTheSkyTemperatureBelowTheAir) {
    sums().temperatureSum = 100;  // 10.0 °C
    t.app.readings.skyTemperatureC = GetParam().skyTemperature;
    run();
    EXPECT_FLOAT_EQ(newest().thermalCloud, GetParam().thermalCloud);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThermalCloudTest,
                         ::testing::Values(CloudCase{-10.0f, 40.0f}, CloudCase{-30.0f, -20.0f}));

TEST_F(PeriodicProcessingTest, TitlesFollowThePanelsAndTheDaysDarkestSky) {
    MainForm& m = t.app.mainForm;
    m.PPluviometro.text = "1,2";
    m.PPluvioAcumuladoMes.text = "30,5";
    m.PPluvioAcumulado.text = "245";
    m.LAnemometroMecMax.text = "45,3";
    m.PDirNSEO.text = "NE";
    run();
    ChartModel& c = t.app.chartModel;
    EXPECT_EQ(c.rainGauge().title, "Pluviometro mm  Hoy: 1,2  Mes: 30,5  Año: 245");
    EXPECT_EQ(c.windMax().title, "V.Max (45,3)");
    EXPECT_EQ(c.windDirection().title, "Veleta (NE)");
    EXPECT_EQ(c.skyBrightness().title, "Brillo Cielo (mag/arc sg2)           ");
    m.LMagnitudVMin.text = "21,00";
    sums().sampleCount = 1;
    run();
    EXPECT_EQ(c.skyBrightness().title, "Brillo Cielo(mag/arcsg2) (min. 21,00)");
    EXPECT_EQ(c.limitingMagnitude().title, "Magnitud V lim.  (NELM) (max.6,1)");
}

TEST_F(PeriodicProcessingTest, TheStoreShiftsTheNewestRecordIsNowAndTheSumsStartAgain) {
    t.app.graphStore.records()[1439].temperature = 5.0f;
    t.app.graphStore.records()[1439].reserved = 1.0f;
    t.app.graphStore.records()[1438].reserved = 2.0f;
    sums().windSum = 30;
    sums().sampleCount = 3;
    t.app.readings.windMaxKmh = 14;
    t.app.readings.windMinKmh = 6;
    run();
    const auto& r = t.app.graphStore.records();
    EXPECT_FLOAT_EQ(r[1438].temperature, 5.0f);
    EXPECT_FLOAT_EQ(r[1438].reserved, 2.0f);  // stays with its slot
    EXPECT_FLOAT_EQ(r[1439].windMean, 10.0f);
    EXPECT_FLOAT_EQ(r[1439].windMax, 14.0f);
    EXPECT_FLOAT_EQ(r[1439].windMin, 6.0f);
    EXPECT_EQ(fromDayCount(r[1439].date + r[1439].timeOfDay), t.clock.now());
    EXPECT_EQ(sums().sampleCount, 0);
    EXPECT_EQ(sums().windSum, 0.0f);
    EXPECT_FLOAT_EQ(t.app.readings.windMaxKmh, 0.0f);
    EXPECT_FLOAT_EQ(t.app.readings.windMinKmh, 500.0f);
    EXPECT_TRUE(QFile::exists(t.dirPath("zaqdf.txt")));
    EXPECT_TRUE(QFile::exists(t.dirPath("easyweather.txt")));
    EXPECT_TRUE(QFile::exists(t.dirPath("cdf.txt")));
    EXPECT_EQ(t.app.chartModel.temperature().points[1].y(), 5.0);  // redrawn
}

TEST_F(PeriodicProcessingTest, TheMinuteFlagRunsItAtTheNextLiveMessageAndSavesTheStore) {
    sums().sampleCount = -2;  // as at start
    t.app.flags.minuteFlag = true;
    t.feed("(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)");
    EXPECT_FALSE(t.app.flags.minuteFlag);
    EXPECT_FLOAT_EQ(newest().temperature, 13.8f);
    EXPECT_EQ(QFile(t.dirPath("zaqgraf.hex")).size(), 149760);
}

}  // namespace
}  // namespace zaq::test
