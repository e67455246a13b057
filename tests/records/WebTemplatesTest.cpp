#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using Q = StationExtremes;

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// 12.5 °C and 80 % at 09:05:03, a day, a month and a year of records.
class WebTemplatesTest : public ::testing::Test {
  protected:
    WebTemplatesTest() {
        t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(9, 5, 3)));
        CurrentReadings& r = t.app.readings;
        r.temperatureX10 = 125;
        r.humidityX10 = 800;
        r.windKmh = 12.3f;
        r.windMeanKmh = 8;
        r.windGustKmh = 20.5f;
        r.windDirectionDeg = 225;
        r.pressureSeaX10 = 10132;
        r.daylight = 78;
        r.rainTodayTenths = 15;
        r.rainTotalMm = 245;
        StationExtremes& d = t.app.stationExtremes;
        d.max[Q::Temperature] = 13.8f;
        d.min[Q::Temperature] = -2.5f;
        d.max[Q::Humidity] = 95;
        d.min[Q::Humidity] = 40;
        d.max[Q::PressureSea] = 1020;
        d.min[Q::PressureSea] = 1010.5f;
        d.max[Q::Wind] = 21.3f;
        MonthYearExtremes& e = t.app.monthYearExtremes;
        e.month = {14, -3, 96, 35, 1025, 1005, 30};
        e.year = {20, -8, 99, 20, 1035, 990, 60};
        e.monthStartRainMm = 240;
    }
    QString meteoclimatic() const { return t.dirPath("meteoclimatic.htm"); }
    QString awekas() const { return t.dirPath("awekas_wl.htm"); }
    QString codeFile() const { return t.dirPath("cod_meteoclimatic.txt"); }
    WebTemplates& templates() { return t.app.webTemplates; }
    void pressures(float newest, float threeHoursBack) {
        auto& records = t.app.graphStore.records();
        records[1439].pressureSeaLevel = newest;
        records[1439 - 180].pressureSeaLevel = threeHoursBack;
        records[1439].rainGauge = 1.5f;
        records[1439 - 60].rainGauge = 0.5f;
    }

    TestContext t;
};

const QByteArray kMeteoclimaticBody =
    "*UPD=05/03/2015 9:05:03\r\n*TMP=12.5\r\n*WND=12.3\r\n*AZI=225\r\n*BAR=1013.2\r\n*HUM=80.0\r\n"
    "*SUN=78.0\r\n*UVI= "
    "\r\n*DHTM=13.8\r\n*DLTM=-2.5\r\n*DHHM=95.0\r\n*DLHM=40.0\r\n*DHBR=1020.0\r\n"
    "*DLBR=1010.5\r\n*DGST=21.3\r\n*DSUN= \r\n*DHUV= \r\n*DPCP=1.5\r\n*WRUN= \r\n*MHTM=14.0\r\n"
    "*MLTM=-3.0\r\n*MHHM=96.0\r\n*MLHM=35.0\r\n*MHBR=1025.0\r\n*MLBR=1005.0\r\n*MGST=30.0\r\n"
    "*MSUN= \r\n*MHUV= \r\n*MPCP=6.5\r\n*YHTM=20.0\r\n*YLTM=-8.0\r\n*YHHM=99.0\r\n*YLHM=20.0\r\n"
    "*YHBR=1035.0\r\n*YLBR=990.0\r\n*YGST=60.0\r\n*YSUN= \r\n*YHUV= \r\n*YPCP=246.5\r\n*EOT*\r\n"
    "</BODY>\r\n</HTML>";
const QByteArray kMeteoclimaticHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE>Plantilla Meteoclimatic</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
    "*VER=DATA2\r\n";

TEST_F(WebTemplatesTest, MeteoclimaticWithoutACodeFileByteForByte) {
    templates().writeMeteoclimaticTemplate();
    EXPECT_EQ(fileContents(meteoclimatic()),
              kMeteoclimaticHead + "*COD=Codigo-Meteoclimatic\r\n" + kMeteoclimaticBody);
    EXPECT_THAT(t.lines(),
                ::testing::Contains("Iniciado Fichero Meteoclimatic: " + meteoclimatic()));
    EXPECT_EQ(t.app.chartModel.charts[ChartModel::RainGauge].hint, "Este mes: 6,5mm");
}

TEST_F(WebTemplatesTest, AValidCodeFileIsInsertedAndAnInvalidOneReportedOnce) {
    // 68 bytes: the code line padded so that "*EOT" begins at character 61.
    const QByteArray valid =
        "*COD=ESMAD2800000028001A\r\n" + QByteArray(34, ' ') + "*EOT" + QByteArray(4, ' ');
    ASSERT_EQ(valid.size(), 68);
    writeBytes(codeFile(), valid);
    templates().writeMeteoclimaticTemplate();
    const QByteArray inserted = valid.left(63);
    const QByteArray written = kMeteoclimaticHead + inserted + kMeteoclimaticBody;
    EXPECT_EQ(fileContents(meteoclimatic()), written);

    // "*EOT" at character 50.
    writeBytes(codeFile(), "*COD=ESMAD\r\n" + QByteArray(37, ' ') + "*EOT" + QByteArray(15, ' '));
    templates().writeMeteoclimaticTemplate();
    templates().writeMeteoclimaticTemplate();
    EXPECT_EQ(t.lines().count("Fichero cod_meteoclimatic.txt incorrecto."), 1);
    EXPECT_EQ(t.lines().count("pos:1 EOT: 51"), 2);
    EXPECT_EQ(fileContents(meteoclimatic()), written);
}

struct TendencyCase {
    const char* name;
    float newest;
    float threeHoursBack;
    const char* word;
};

class AwekasTest : public WebTemplatesTest, public ::testing::WithParamInterface<TendencyCase> {};

TEST_P(AwekasTest, ThirtyOneLinesWithTheTendencyOfThreeHours) {
    pressures(GetParam().newest, GetParam().threeHoursBack);
    templates().writeAwekasTemplate();
    const QByteArray expected =
        "AWEKAS_Template_start\r\n12,5\r\n80,0\r\n1013,2\r\n1,5\r\n8,0\r\n"
        "225\r\n9:5\r\n05/03/2015\r\n" +
        QByteArray(GetParam().word) +
        "\r\n-\r\n-\r\n-\r\n-\r\n-\r\n-\r\n-\r\n20,5\r\n---\r\n---\r\n1,0\r\n"
        "---\r\n\xBA"
        "C\r\n%\r\nkm/h\r\nhPa\r\nmm\r\nW/m\xB2\r\nmm/h\r\nindex\r\n"
        "Template_V1.5\r\n";
    EXPECT_EQ(fileContents(awekas()), expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AwekasTest,
    ::testing::Values(TendencyCase{"FallingSlowly", 1012.5f, 1014.0f, "Falling Slowly"},
                      TendencyCase{"FallingRapidly", 1011.5f, 1014.0f, "Falling Rapidly"},
                      TendencyCase{"Steady", 1014.0f, 1013.6f, "Steady"},
                      TendencyCase{"RisingSlowly", 1014.0f, 1012.0f, "Rising Slowly"},
                      TendencyCase{"RisingRapidly", 1014.0f, 1011.9f, "Rising Rapidly"},
                      TendencyCase{"EmptyStoreBack", 1014.0f, 0.0f, "Steady"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zaq::test
