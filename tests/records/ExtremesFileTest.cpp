#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using Q = StationExtremes;

// A plausible day of the station, and the rain it reports.
class ExtremesFileTest : public ::testing::Test {
  protected:
    ExtremesFileTest() {
        t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(9, 7, 21)));
        day(13.8f, -2.5f, 95, 40, 1020.0f, 1010.5f, 21.3f);
        t.app.readings.rainTotalMm = 245;
        t.app.readings.rainTodayTenths = 1120;
    }
    void day(float highT, float lowT, float highH, float lowH, float highP, float lowP,
             float wind) {
        StationExtremes& d = t.app.stationExtremes;
        d.max[Q::Temperature] = highT;
        d.min[Q::Temperature] = lowT;
        d.max[Q::Humidity] = highH;
        d.min[Q::Humidity] = lowH;
        d.max[Q::PressureSea] = highP;
        d.min[Q::PressureSea] = lowP;
        d.max[Q::Wind] = wind;
        d.stationMaxReceived = true;
    }
    QString file() const { return t.dirPath("extremas.txt"); }
    void update() { t.app.extremesFile.updateExtremes(); }
    const MonthYearExtremes& records() const { return t.app.monthYearExtremes; }

    TestContext t;
};

TEST_F(ExtremesFileTest, TheFirstUpdateWithoutAFileTakesTheDayAndWritesTheLine) {
    update();
    EXPECT_THAT(t.lines(), ::testing::Contains("Inicializado fichero: " + file()));
    EXPECT_FALSE(t.app.stationExtremes.stationMaxReceived);
    EXPECT_EQ(fileContents(file()),
              "*MES=03 *MHTM=013.8\t*MLTM=-02.5\t*MHHM=095.0\t*MLHM=040.0\t*MHBR=1020.0\t"
              "*MLBR=1010.5\t*MGST=021.3\t*MPCP=245.0\t*YHTM=013.8\t*YLTM=-02.5\t*YHHM=095.0\t"
              "*YLHM=040.0\t*YHBR=1020.0\t*YLBR=1010.5\t*YGST=021.3\t*YPCP=357.0\r\n");
    // The month's rain on the main panel counts from the month-start total.
    EXPECT_FLOAT_EQ(t.app.liveFollowUp.monthStartRainTotalMm(), 245.0f);
}

// The 60-second tick's conditions, then the plausibility stops: nothing written either way.
TEST_F(ExtremesFileTest, ImplausibleDaysLeaveTheRecordsAndTheFile) {
    update();
    const QByteArray before = fileContents(file());
    day(30.0f, -9.0f, 99, 3, 1030.0f, 1000.0f, 50.0f);
    update();
    EXPECT_THAT(t.lines(), ::testing::Contains(
                               "05/03/2015 9:07:21 HUMEDAD < 5, no se creó archivo para web."));
    day(30.0f, -9.0f, 99, 30, 1030.0f, 480.0f, 50.0f);
    update();
    EXPECT_THAT(t.lines(), ::testing::Contains(
                               "05/03/2015 9:07:21 BAROMETRO < 500, no se creó archivo para web."));
    EXPECT_EQ(fileContents(file()), before);
    EXPECT_FLOAT_EQ(records().month.lowHumidity, 40.0f);
    // At the minute tick a day minimum humidity of 8 or a pressure of 950 is no reason to try.
    day(30.0f, -9.0f, 99, 8, 1030.0f, 1000.0f, 50.0f);
    t.app.timers.tick60s();
    EXPECT_TRUE(t.app.stationExtremes.stationMaxReceived);
}

struct MonthCase {
    const char* name;
    QDate first;
    QDate second;
    const char* archive;
    float yearHighAfter;  // the year's high temperature after the second update
    float monthStartAfter;
};

class MonthChangeTest : public ExtremesFileTest, public ::testing::WithParamInterface<MonthCase> {};

TEST_P(MonthChangeTest, TheEndedMonthIsArchivedAndItsRecordsRestart) {
    const MonthCase& c = GetParam();
    t.clock.set(QDateTime(c.first, QTime(12, 0)));
    update();
    const QByteArray ended = fileContents(file());
    t.clock.set(QDateTime(c.second, QTime(0, 5)));
    t.app.readings.rainTotalMm = 260;
    day(9.0f, 1.0f, 90, 50, 1015.0f, 1012.0f, 10.0f);
    update();
    EXPECT_EQ(fileContents(t.dirPath(c.archive)), ended) << c.name;
    EXPECT_THAT(t.lines(),
                ::testing::Contains("Salvado fichero de max-min mensual: " + t.dirPath(c.archive)));
    EXPECT_FLOAT_EQ(records().month.highTemperature, 9.0f);
    EXPECT_FLOAT_EQ(records().year.highTemperature, c.yearHighAfter);
    EXPECT_FLOAT_EQ(records().monthStartRainMm, c.monthStartAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthChangeTest,
    ::testing::Values(MonthCase{"MarchToApril", QDate(2015, 3, 31), QDate(2015, 4, 1),
                                "extremas03.txt", 13.8f, 260.0f},
                      MonthCase{"DecemberToJanuary", QDate(2015, 12, 31), QDate(2016, 1, 1),
                                "extremas12.txt", 9.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

// A missing key keeps its reset value, and values wider than the old fixed widths come back
// whole; the stored month is the file's, so no archive is made.
TEST_F(ExtremesFileTest, ARestartRecoversTheFileEvenWithAKeyMissingAndWideValues) {
    QFile written(file());
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(
        "*MES=03 *MHTM=045.0\t*MLTM=-400.0\t*MHHM=1000.0\t*MLHM=030.0\t*MHBR=1050.0\t"
        "*MLBR=20000.0\t*MPCP=1234.5\t*YHTM=045.0\t*YLTM=-20.0\t*YHHM=1000.0\t"
        "*YLHM=020.0\t*YHBR=1060.0\t*YLBR=0950.0\t*YGST=120.0\t*YPCP=2000.0\r\n");
    written.close();
    day(13.8f, -2.5f, 95, 40, 1020.0f, 1010.5f, -5.0f);
    update();
    EXPECT_THAT(t.lines(), ::testing::Contains("Recuperadas max-min de: " + file()));
    EXPECT_FALSE(QFile::exists(t.dirPath("extremas03.txt")));
    const QByteArray line = fileContents(file());
    EXPECT_THAT(line.toStdString(), ::testing::HasSubstr("*MHTM=045.0\t*MLTM=-400.0\t"));
    EXPECT_THAT(line.toStdString(), ::testing::HasSubstr("*MHHM=1000.0\t*MLHM=030.0\t"));
    EXPECT_THAT(line.toStdString(), ::testing::HasSubstr("*MLBR=1010.5\t*MGST=-05.0\t"));
    EXPECT_THAT(line.toStdString(), ::testing::HasSubstr("*MPCP=1234.5\t"));
    EXPECT_THAT(line.toStdString(), ::testing::HasSubstr("*YLBR=0950.0\t*YGST=120.0\t"));
}

}  // namespace
}  // namespace zaq::test
