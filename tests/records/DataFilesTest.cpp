#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "support/StationText.h"
#include "support/TestContext.h"
#include "ui/DayCount.h"

namespace zaq::test {
namespace {

const QByteArray kTableHeader =
    "Dia\tHora\tLluv\tNubes\tBar\tBarAbs\tPluv\tPluv.Acu\tLuzD\tLuzN\tTemp\tHrel\tT.Roc\tVel.T\t"
    "Vel.Med\tVel\tDir.M\tFuente\tRiesgo";

class DataFilesTest : public ::testing::Test {
  protected:
    DataFilesTest() {
        t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(9, 5, 3)));
        t.app.graphStore.initGraphStore();
        // The records the tests fill stand for minutes made in this run.
        t.app.graphStore.noteRecordMade();
    }
    GraphRecord& record(int i) { return t.app.graphStore.records()[static_cast<std::size_t>(i)]; }
    // A plain minute: 5 °C, 80 %, 1013.2 hPa …
    void fill(GraphRecord& g, float temperature, float windMax) {
        g.temperature = temperature;
        g.humidity = 80;
        g.dewPoint = 1.6f;
        g.pressureSeaLevel = 1013.2f;
        g.pressureStation = 940.1f;
        g.rainGauge = 1.5f;
        g.cloudPercent = 12.7f;
        g.rainPercent = 3.9f;
        g.solarRadiation = 78;
        g.skyBrightness = 18.5f;
        g.thermalWind = 4.4f;
        g.windMean10 = 3;
        g.windMax = windMax;
        g.windDirection = 225;
    }
    TestContext t;
};

TEST_F(DataFilesTest, TheMonthlyFileWithCadaMinutoHasTheNewestRecord) {
    fill(record(1439), 5.0f, 7.5f);
    t.app.readings.rainTotalMm = 245;
    t.app.readings.supplyTenthsV = 125;
    t.app.readings.skyTemperatureC = -3.3f;
    t.app.dataTables.writeMonthlyDataLine();
    fill(record(1439), -3.3f, 7.5f);
    t.app.safety.limitsExceeded = true;
    t.app.dataTables.writeMonthlyDataLine();
    EXPECT_EQ(fileContents(t.dirPath("zaq_03_2015.txt")),
              kTableHeader + "\tTIR\r\n" +
                  "05/03/2015\t09:04:03\t03\t12\t1013,2\t940,1\t001,5\t245,0\t78,0\t18,50\t05,0\t"
                  "80,0\t01,6\t04,4\t03,0\t07,5\t000\t12,5\t0\t-3,3\r\n"
                  "05/03/2015\t09:04:03\t03\t12\t1013,2\t940,1\t001,5\t245,0\t78,0\t18,50\t-3,3\t"
                  "80,0\t01,6\t04,4\t03,0\t07,5\t000\t12,5\t1\t-3,3\r\n");
}

TEST_F(DataFilesTest, EveryFifthMinuteTheMeansOfFiveAndTheHighestWind) {
    t.app.settingsForm.CB1minuto.checked = false;
    for (int i = 1435; i < 1440; ++i) {
        fill(record(i), static_cast<float>(i - 1435), i == 1437 ? 21.5f : 3.0f);
    }
    t.app.dataTables.writeMonthlyDataLine();
    const QList<QByteArray> lines = fileContents(t.dirPath("zaq_03_2015.txt")).split('\n');
    ASSERT_GE(lines.size(), 2);
    const QList<QByteArray> cols = lines[1].trimmed().split('\t');
    EXPECT_EQ(cols[10], "02,0");  // (0+1+2+3+4)/5
    EXPECT_EQ(cols[15], "21,5");
}

// Summed in double precision these five would give 01,8.
TEST_F(DataFilesTest, TheMeansOfFiveAreFloatSums) {
    t.app.settingsForm.CB1minuto.checked = false;
    const float temperatures[] = {-19.85f, 19.5f, 21.6f, -3.9f, -8.1f};
    for (int i = 0; i < 5; ++i) {
        fill(record(1435 + i), temperatures[i], 3.0f);
    }
    t.app.dataTables.writeMonthlyDataLine();
    const QList<QByteArray> lines = fileContents(t.dirPath("zaq_03_2015.txt")).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[1].split('\t')[10], "01,9");
}

// A real station speaks every 5 s: its first messages can come after the first 4-second tick,
// so no periodic processing has run by the first minute. No line of zeros may be written then.
TEST(MonthlyTableTest, ALateFirstMessageWritesNoLineOfZeros) {
    TestContext t;
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(9, 5, 3)));
    t.app.settingsForm.CBmaster.checked = false;
    t.app.settingsForm.CB1minuto.checked = true;
    t.app.graphStore.initGraphStore();
    t.app.timers.tick4s();
    for (int i = 0; i < 3; ++i) {
        t.feed(exampleDataMessage());
    }
    t.app.timers.tick60s();
    EXPECT_FALSE(QFile::exists(t.dirPath("zaq_03_2015.txt")));
    t.feed(exampleDataMessage());  // the minute's processing
    t.app.timers.tick60s();
    const QList<QByteArray> lines = fileContents(t.dirPath("zaq_03_2015.txt")).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].split('\t')[10], "13,8");
}

TEST_F(DataFilesTest, TheFiveSecondFileIsAnnouncedWhenCreated) {
    t.feed(exampleDataMessage());
    t.app.dataTables.writeFiveSecondLine();
    t.app.dataTables.writeFiveSecondLine();
    const QString name = t.dirPath("5sg_05_03_2015.txt");
    EXPECT_TRUE(t.lines().contains("Creado fichero para datos cada 5sg: " + name));
    EXPECT_EQ(
        fileContents(name),
        kTableHeader + "\r\n" +
            QByteArray("05/03/2015\t9:05:03\t08\t00\t1020,0\t940,8\t112,0\t245,0\t07,8\t18,50\t"
                       "13,8\t11,2\t-12,8\t180,0\t234,0\t213,1\t000\t11,5\t1\r\n")
                .repeated(2));
}

TEST_F(DataFilesTest, TheCurrentDataFileHoldsTheHeaderAndOneLine) {
    fill(record(1439), 5.0f, 7.5f);
    t.app.dataTables.writeCurrentDataFile();
    t.app.dataTables.writeCurrentDataFile();
    EXPECT_EQ(fileContents(t.dirPath("zaqdf.txt")),
              kTableHeader + "\r\n" +
                  "05/03/2015\t09:04:03\t03\t12\t1013,2\t940,1\t001,5\t000,0\t78,0\t18,50\t05,0\t"
                  "80,0\t01,6\t04,4\t03,0\t07,5\t225\t00,0\t0\r\n");
}

TEST_F(DataFilesTest, ASilentStationRewritesTheCurrentDataFileWithRiskOne) {
    t.app.queue.enqueueCommand("( )");
    t.app.flags.stationSpoke = false;
    for (int i = 0; i < 101; ++i) {
        t.app.link.pumpTick();
    }
    const QByteArray text = fileContents(t.dirPath("zaqdf.txt"));
    EXPECT_TRUE(text.endsWith("\t1\r\n")) << text.toStdString();
}

TEST_F(DataFilesTest, TheClarityRecordOfTheExampleColumnByColumn) {
    t.app.config.limits.cloudPercent = 30;
    t.feed(withField(withField(exampleDataMessage(), 5, "000 000"), 39,
                     "01230 +123 810 +091 0000 003 0040"));
    // 19.5 mag/arcsec² needs about 2.0 Hz: 2030 mHz with exponent 0.
    t.app.readings.skyMagnitude = 19.5f;
    t.app.clarity.writeClarityFile();
    const QByteArray r = fileContents(t.dirPath("cdf.txt"));
    ASSERT_EQ(r.size(), 104);
    EXPECT_EQ(r.left(22), "2015-03-05 09:05:03.00");
    EXPECT_EQ(r.mid(23, 1), "C");
    EXPECT_EQ(r.mid(25, 1), "K");
    EXPECT_EQ(r.mid(27, 7), "-33.3  ");
    EXPECT_EQ(r.mid(34, 6), "12.3  ");
    EXPECT_EQ(r.mid(40, 8), "12.3    ");
    EXPECT_EQ(r.mid(48, 7), "04.0   ");
    EXPECT_EQ(r.mid(55, 4), "081 ");
    EXPECT_EQ(r.mid(59, 4), "09.1");
    EXPECT_EQ(r.mid(70, 3), "0 0");
    EXPECT_EQ(r.mid(74, 5), "00005");
    EXPECT_EQ(r.mid(80, 12), QString::asprintf("%12.5f", toDayCount(t.clock.now())).toLatin1());
    EXPECT_EQ(r.mid(93, 7), "1 1 1 1");
    EXPECT_EQ(r[103], '\0');
    EXPECT_TRUE(t.lines().contains("Creado fichero simple de datos en: " + t.dirPath("cdf.txt")));
}

struct CloudCase {
    const char* cloud;
    char condition;
};

class ClarityCloudTest : public DataFilesTest, public ::testing::WithParamInterface<CloudCase> {};

TEST_P(ClarityCloudTest, ConditionsForACloudLimitOf30) {
    t.app.config.limits.cloudPercent = 30;
    t.feed(withField(exampleDataMessage(), 9, GetParam().cloud));
    EXPECT_EQ(t.app.clarity.composeRecord()[93], GetParam().condition) << GetParam().cloud;
}

INSTANTIATE_TEST_SUITE_P(Cases, ClarityCloudTest,
                         ::testing::Values(CloudCase{"299", '1'}, CloudCase{"300", '2'},
                                           CloudCase{"399", '2'}, CloudCase{"450", ' '},
                                           CloudCase{"750", '3'}));

TEST_F(DataFilesTest, TheEasyWeatherLineCountsItsWritesAndEndsWithASeparator) {
    fill(record(1439), 5.0f, 7.5f);
    record(1379).rainGauge = 1.0f;
    t.feed(exampleDataMessage());
    t.app.easyWeather.writeEasyWeatherFile();
    const QByteArray first = fileContents(t.dirPath("easyweather.txt"));
    EXPECT_TRUE(
        first.startsWith("0001, 2015-3-5 09:05:03, 2015-3-5 09:05:03, 5, 12, 18.5, 11, "
                         "13.8, -12.8, 1.6, 940.1, 1013.2, 0.8, 3, 2.1, 7, 9,  S, 0, 245.0, "
                         "0.0, 0.5, 1.5, 0, 357.0, 245.0, 0, 0, 0, 0, 0, 0, 0, 0, 000000, "))
        << first.toStdString();
    EXPECT_TRUE(first.endsWith(QByteArray("00 ").repeated(16) + ", "));
    EXPECT_FALSE(first.contains('\n'));
    t.app.easyWeather.writeEasyWeatherFile();
    EXPECT_TRUE(fileContents(t.dirPath("easyweather.txt")).startsWith("0002, "));
}

TEST_F(DataFilesTest, TheRainSummaryLineCarriesTheDayAndTheYearSoFar) {
    t.app.readings.rainTodayTenths = 124;
    t.app.readings.rainTotalMm = 300;
    t.app.rainSummary.writeRainSummary();
    EXPECT_EQ(fileContents(t.dirPath("pluviometria.txt")),
              "RESUMEN DE DATOS PLUVIOMETRICOS \r\n"
              "Datos completos si el PC permanece encendido 24h. \r\n"
              "Caso contrario, consultar historico a la estacion. \r\n" +
                  QByteArray(51, '-') + "\r\nFecha       l/m2    Acumulados\r\n" +
                  QByteArray(36, '-') + "\r\n05/03/2015\t12.4\t\t312\r\n");
}

TEST_F(DataFilesTest, TheNewRainDayWritesTheSummaryFromTheClosingDay) {
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(23, 59)));
    t.feed(withField(exampleDataMessage(), 25, "0124 0300"));
    t.feed(withField(exampleDataMessage(), 25, "0000 0312"));
    EXPECT_TRUE(
        fileContents(t.dirPath("pluviometria.txt")).endsWith("05/03/2015\t12.4\t\t312\r\n"));
}

}  // namespace
}  // namespace zaq::test
