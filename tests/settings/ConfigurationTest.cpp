#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include <QFile>

#include "settings/ConfigLayout.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using namespace cfglayout;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The settings window as it is at program start, and "Guardar Configuración" answered OK.
class ConfigurationTest : public ::testing::Test {
  protected:
    QString cfgPath() const { return t.dirPath("zaq.cfg"); }
    SettingsForm& form() { return t.app.settingsForm; }
    void construct() {
        t.app.configFile.loadConfiguration();
        t.app.pcSettings.fillFields();
    }
    void save() { t.app.pcSettings.BOkDirectorioClick(); }
    QByteArray image() const {
        const auto& b = t.app.configImage.bytes();
        return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
    }

    TestContext t;
};

TEST_F(ConfigurationTest, WithoutAFileTheWindowShowsTheDefaults) {
    construct();
    EXPECT_EQ(form().EDirCOR.text, "255.100.20.15");
    EXPECT_EQ(form().EPuertoEth.text, "20108");
    EXPECT_EQ(form().EPingInternet.text, "192.168.0.90");
    EXPECT_EQ(form().EdirIPcamara.text, "127.0.0.1");
    EXPECT_EQ(form().EdirCamaraPI.text, "192.168.0.20");
    EXPECT_EQ(form().EDirectorio.text, "./");
    EXPECT_EQ(form().Ejpg.text, "./");
    EXPECT_EQ(form().EFich5sg.text, "./");
    EXPECT_EQ(form().ELatGrad.text, "40");
    EXPECT_EQ(form().ELatMin.text, "0");
    EXPECT_EQ(form().Ens.text, "N");
    EXPECT_EQ(form().ELongHoras.text, "3");
    EXPECT_EQ(form().ELongMin.text, "0");
    EXPECT_EQ(form().Eeo.text, "O");
    EXPECT_EQ(form().EHorasTU.text, "1");
    EXPECT_EQ(form().ETiempoJpg.text, "3");
    EXPECT_TRUE(form().CBmaster.checked);
    EXPECT_TRUE(form().CB1minuto.checked);
    EXPECT_EQ(form().EKPluvio.text, "84");
    EXPECT_EQ(form().EAltura_Bar.text, "620");
    EXPECT_EQ(form().EGLuzdia.text, "1,00");
    EXPECT_EQ(t.app.config.thermalAnemometerK2, 1345);
    EXPECT_TRUE(form().window.caption.startsWith("Configuración v: "));
}

struct CoordinateCase {
    const char* degrees;
    const char* minutes;
    const char* side;
    QByteArray stored;  // seven characters and the side letter
    double loaded;
    const char* shownMinutes;
};

class CoordinateTest : public ConfigurationTest,
                       public ::testing::WithParamInterface<CoordinateCase> {};

TEST_P(CoordinateTest, LatitudeIsStoredUnsignedAndReadBack) {
    construct();
    const CoordinateCase& c = GetParam();
    form().ELatGrad.text = c.degrees;
    form().ELatMin.text = c.minutes;
    form().Ens.text = c.side;
    save();
    EXPECT_EQ(image().mid(kLatitude, 9), c.stored);
    EXPECT_NEAR(t.app.config.latitude, c.loaded, 1e-4);
    construct();
    EXPECT_EQ(form().ELatGrad.text, c.degrees);
    EXPECT_EQ(form().ELatMin.text, c.shownMinutes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinateTest,
    ::testing::Values(CoordinateCase{"40", "25", "N", QByteArray("40.417\0\0N", 9), 40.417, "25"},
                      CoordinateCase{"40", "29", "N", QByteArray("40.483\0\0N", 9), 40.483, "28"},
                      CoordinateCase{"40", "25", "S", QByteArray("40.417\0\0S", 9), -40.417, "25"},
                      CoordinateCase{"3", "40", "N", QByteArray("3.667\0\0\0N", 9), 3.667, "40"},
                      CoordinateCase{"100", "30", "N", QByteArray("100.500\0N", 9), 100.5, "30"}));

// Qt sets the C library's locale from the environment: under the station PC's own Spanish
// locale the file must still hold "40.417", which reads back as 40.417 and not as 40.
TEST_F(ConfigurationTest, UnderTheSpanishLocaleTheCoordinatesKeepTheirDecimalPoint) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "es_ES.UTF-8") == nullptr) {
        GTEST_SKIP() << "es_ES.UTF-8 is not installed";
    }
    construct();
    form().ELatGrad.text = "40";
    form().ELatMin.text = "25";
    save();
    construct();
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(image().mid(kLatitude, 9), QByteArray("40.417\0\0N", 9));
    EXPECT_NEAR(t.app.config.latitude, 40.417, 1e-4);
    EXPECT_EQ(form().ELatMin.text, "25");
}

TEST_F(ConfigurationTest, LongitudeWestIsStoredAsO) {
    construct();
    form().ELongHoras.text = "3";
    form().ELongMin.text = "40";
    form().Eeo.text = "W";
    save();
    EXPECT_EQ(image().mid(kLongitude, 9), QByteArray("3.667\0\0\0O", 9));
    EXPECT_NEAR(t.app.config.longitude, -3.667, 1e-4);
    form().Eeo.text = "E";
    save();
    EXPECT_EQ(t.app.configImage.charAt(kLongitudeSide), 'E');
    // Lower case leaves the letter as it was.
    form().Eeo.text = "w";
    save();
    EXPECT_EQ(t.app.configImage.charAt(kLongitudeSide), 'E');
    construct();
    EXPECT_EQ(form().Eeo.text, "E");
}

TEST_F(ConfigurationTest, PcSaveLeavesTheCalibrationFieldsAlone) {
    QByteArray bytes(1000, '\0');
    bytes.replace(kWmr968, 1, "1");
    bytes.replace(kSkyOffset, 3, "-05");
    bytes.replace(kPrefix, 5, QByteArray("cfg:\0", 5));
    writeFile(cfgPath(), bytes);
    construct();
    EXPECT_TRUE(t.app.config.wmr968Messages);
    save();
    const QByteArray saved = readFile(cfgPath());
    EXPECT_EQ(saved.mid(kWmr968, 1), "1");
    EXPECT_EQ(saved.mid(kSkyOffset, 3), "-05");
    EXPECT_EQ(saved.left(5), QByteArray("cfg:\0", 5));
    EXPECT_DOUBLE_EQ(t.app.config.skyOffset, -0.5);
}

struct ChartIntervalCase {
    QByteArray field;
    int loaded;
};

class ChartIntervalTest : public ConfigurationTest,
                          public ::testing::WithParamInterface<ChartIntervalCase> {};

TEST_P(ChartIntervalTest, AnIntervalNotAboveZeroLoadsAsThree) {
    QByteArray bytes(1000, '\0');
    bytes.replace(kChartInterval, 2, GetParam().field);
    writeFile(cfgPath(), bytes);
    construct();
    EXPECT_EQ(t.app.config.chartIntervalMinutes, GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChartIntervalTest,
                         ::testing::Values(ChartIntervalCase{"0", 3}, ChartIntervalCase{"ab", 3},
                                           ChartIntervalCase{QByteArray(2, '\0'), 3},
                                           ChartIntervalCase{"-4", 3},
                                           ChartIntervalCase{"12", 12}));

struct HoursCase {
    const char* typed;
    QByteArray onDisk;  // byte 891 as stored in the file
    int loaded;
};

class HoursFromUtTest : public ConfigurationTest,
                        public ::testing::WithParamInterface<HoursCase> {};

TEST_P(HoursFromUtTest, IsOneSignedByteAndTenTakesTwoOnDisk) {
    construct();
    form().EHorasTU.text = GetParam().typed;
    save();
    const QByteArray disk = readFile(cfgPath());
    EXPECT_EQ(disk.mid(kHoursFromUt, GetParam().onDisk.size()), GetParam().onDisk);
    EXPECT_EQ(t.app.config.hoursFromUt, GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Cases, HoursFromUtTest,
                         ::testing::Values(HoursCase{"-3", QByteArray("\xFD"), -3},
                                           HoursCase{"10", QByteArray("\r\n"), 10},
                                           HoursCase{"2", QByteArray("\x02"), 2}));

TEST_F(ConfigurationTest, PlusTenHoursMakesTheFileOneByteLongerAndLoadsBack) {
    construct();
    form().EHorasTU.text = "10";
    save();
    EXPECT_EQ(readFile(cfgPath()).size(), 1001);
    Configuration fresh;
    ConfigImage image;
    ConfigFile(cfgPath(), image, fresh).loadConfiguration();
    EXPECT_EQ(fresh.hoursFromUt, 10);
    EXPECT_EQ(fresh.cameraAddress, "192.168.0.20");
}

struct IntervalCase {
    QByteArray byte;
    int minutes;
};

class DataIntervalTest : public ConfigurationTest,
                         public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(DataIntervalTest, AnythingButOneLoadsAsFiveMinutes) {
    QByteArray bytes(1000, '\0');
    bytes.replace(kDataInterval, 1, GetParam().byte);
    writeFile(cfgPath(), bytes);
    construct();
    EXPECT_EQ(t.app.config.dataIntervalMinutes, GetParam().minutes);
    EXPECT_EQ(form().CB1minuto.checked, GetParam().minutes == 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, DataIntervalTest,
                         ::testing::Values(IntervalCase{"1", 1}, IntervalCase{"5", 5},
                                           IntervalCase{"0", 5},
                                           IntervalCase{QByteArray(1, '\0'), 5}));

TEST_F(ConfigurationTest, AStationNameOfThirtyFiveCharactersKeepsItsFirstThirty) {
    construct();
    form().Eident.text = QString(30, u'x') + "abcde";
    save();
    EXPECT_EQ(t.app.config.stationName, QString(30, u'x'));
    EXPECT_EQ(image().mid(kStationName + 30, 1), QByteArray(1, '\0'));
}

// A zaq.cfg written down by hand, field by field, from the configuration table: offsets and
// bytes as the station PC laid them, not made with the program's own layout code.
QByteArray goldenConfiguration() {
    QByteArray b(1000, '\0');
    const auto put = [&b](int offset, const QByteArray& bytes) {
        b.replace(offset, bytes.size(), bytes);
    };
    const auto zeroTerminated = [&](int offset, int blanks, const QByteArray& text) {
        put(offset, QByteArray(blanks, ' ') + '\0');
        put(offset, text + '\0');
    };
    put(0, QByteArray("cfg:\0", 5));
    put(5, "084");
    put(9, "125");
    put(13, "-06");
    put(17, "0620");
    put(21, "100");
    put(25, "010");
    put(29, "050");
    put(35, "10100");  // master, IP-video channels 1 to 4
    put(40, "1");      // WMR968
    put(41, "0");      // TX20
    put(45, "0");
    put(47, "1");
    put(48, "0");
    put(49, "012");
    put(53, "013");
    put(58, "010");
    put(62, "0000");
    put(67, "1345");
    put(71, QByteArray("1\0", 2));
    put(73, "1");
    put(75, "0");
    put(77, "1");
    put(79, "1");
    put(81, "0");
    put(82, "0");
    put(85, "0");
    put(86, "0");
    zeroTerminated(110, 36, "/srv/zaq/");
    zeroTerminated(210, 36, "./");
    zeroTerminated(310, 36, "./capturas/");
    put(400, "030");
    put(405, "070");
    put(410, QByteArray("180\0", 4));
    put(415, "045");
    put(420, "030");
    put(425, "050");
    put(430, "110");
    put(435, "060");
    put(440, "002");
    put(455, "2");
    zeroTerminated(510, 48, "127.0.0.1");
    zeroTerminated(610, 48, "127.0.0.2");
    put(690, "4001      ");
    put(702, "5");
    put(705, "10");
    put(708, "0");
    zeroTerminated(710, 48, "127.0.0.3");
    put(810, "Observatorio de Prueba");
    put(850, "webiopi");
    put(860, "secreto");
    put(870, QByteArray("40.417\0\0N", 9));
    put(880, QByteArray("3.667\0\0\0O", 9));
    put(891, QByteArray(1, '\x02'));
    zeroTerminated(900, 48, "127.0.0.4");
    zeroTerminated(950, 30, "./pi.jpg");
    return b;
}

TEST_F(ConfigurationTest, AHandWrittenFileLoadsAndAPcSaveWritesItBackByteForByte) {
    writeFile(cfgPath(), goldenConfiguration());
    construct();
    const Configuration& c = t.app.config;
    EXPECT_EQ(c.rainGaugeFactor, 84);
    EXPECT_EQ(c.barometerOffset, -6);
    EXPECT_DOUBLE_EQ(c.daylightGain, 1.0);
    EXPECT_DOUBLE_EQ(c.skyOffset, 1.2);
    EXPECT_TRUE(c.master);
    EXPECT_TRUE(c.ipVideoChannels[1]);
    EXPECT_FALSE(c.ipVideoChannels[0]);
    EXPECT_TRUE(c.wmr968Messages);
    EXPECT_TRUE(c.networkMode);
    EXPECT_EQ(c.dataDirectory, "/srv/zaq/");
    EXPECT_EQ(c.capturesDirectory, "./capturas/");
    EXPECT_EQ(c.limits.rainPercent, 30);
    EXPECT_FLOAT_EQ(c.limits.skyMagnitude, 18.0f);
    EXPECT_FLOAT_EQ(c.limits.supplyVolts, 11.0f);
    EXPECT_EQ(c.skyRangeIndex, 2);
    EXPECT_EQ(c.stationAddress, "127.0.0.2");
    EXPECT_EQ(c.stationPort, "4001 ");
    EXPECT_EQ(c.chartIntervalMinutes, 5);
    EXPECT_EQ(c.stationName, "Observatorio de Prueba");
    EXPECT_EQ(c.cameraPassword, "secreto");
    EXPECT_NEAR(c.latitude, 40.417, 1e-9);
    EXPECT_NEAR(c.longitude, -3.667, 1e-9);
    EXPECT_EQ(c.hoursFromUt, 2);
    EXPECT_EQ(form().EGLuzdia.text, "1,00");
    EXPECT_EQ(form().ELimiteLuznoche.text, "18,0");
    EXPECT_EQ(form().ELatMin.text, "25");
    EXPECT_EQ(form().Eeo.text, "O");
    save();
    EXPECT_EQ(readFile(cfgPath()), goldenConfiguration());
}

TEST_F(ConfigurationTest, WriteLoadWriteIsByteIdentical) {
    construct();
    form().Eident.text = "Observatorio Ñ";
    form().EDirectorio.text = "/srv/zaq/datos/";
    form().EDirCOR.text = "10.0.0.7";
    form().EPuertoEth.text = "4001";
    form().EUserPI.text = "webiopi";
    form().EPassPI.text = "marmalade";
    form().CBDatosUDP.checked = true;
    form().CBipvideo3.checked = true;
    form().EHorasTU.text = "10";
    save();
    const QByteArray first = readFile(cfgPath());
    construct();
    save();
    const QByteArray second = readFile(cfgPath());
    for (qsizetype i = 0; i < std::min(first.size(), second.size()); ++i) {
        if (first[i] != second[i]) {
            ADD_FAILURE() << "first difference at byte " << i << ": " << int(first[i]) << " vs "
                          << int(second[i]);
            break;
        }
    }
    EXPECT_EQ(second, first);
    EXPECT_EQ(t.app.config.stationName, "Observatorio Ñ");
    EXPECT_EQ(t.app.config.dataDirectory, "/srv/zaq/datos/");
    EXPECT_TRUE(t.app.config.networkMode);
    EXPECT_TRUE(t.app.config.ipVideoChannels[2]);
    EXPECT_EQ(t.app.config.stationPort, "4001");
}

TEST_F(ConfigurationTest, TheSkyRangeItemIsStoredAsItsIndex) {
    construct();
    EXPECT_EQ(t.app.graphsForm.RGCielo.itemIndex, 3);  // "18-22" at start
    t.app.graphsForm.RGCielo.itemIndex = 2;
    save();
    EXPECT_EQ(t.app.configImage.charAt(kSkyRange), '2');
    t.app.graphsForm.RGCielo.itemIndex = 3;
    construct();
    EXPECT_EQ(t.app.graphsForm.RGCielo.itemIndex, 2);
    t.app.graphsForm.RGCielo.itemIndex = 0;
    save();
    EXPECT_EQ(t.app.configImage.charAt(kSkyRange), '0');
}

TEST_F(ConfigurationTest, TheFileIsReadableByItsOwnerOnly) {
    construct();
    save();
    const auto perms = QFile(cfgPath()).permissions();
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

TEST_F(ConfigurationTest, DirectoriesKeepTheirLayoutOfBlanksAndZeros) {
    construct();
    form().EDirectorio.text = "./d/";
    save();
    QByteArray expected = QByteArray("./d/", 4) + '\0' + QByteArray(31, ' ') + '\0';
    EXPECT_EQ(image().mid(kDataDirectory, 37), expected);
    form().EDirectorio.text = QString(120, u'a');
    save();
    EXPECT_EQ(t.app.config.dataDirectory.size(), kDirectoryMax);
    EXPECT_EQ(image().mid(kGraphsDirectory, 2), "./");  // the next field is untouched
}

TEST_F(ConfigurationTest, CancelWritesNothing) {
    construct();
    t.prompter.answers = {false};
    save();
    EXPECT_FALSE(QFile::exists(cfgPath()));
    EXPECT_THAT(t.prompter.questions, ::testing::ElementsAre("¿Confirma Guardar Entorno PC?"));
}

TEST_F(ConfigurationTest, ANonNumericLatitudeStopsBeforeTheFileIsWritten) {
    construct();
    t.app.flags.startupDone = true;
    form().ELatGrad.text = "cuarenta";
    save();
    EXPECT_FALSE(QFile::exists(cfgPath()));
    EXPECT_EQ(t.prompter.errors.size(), 1);
    EXPECT_TRUE(t.app.flags.startupDone);
}

TEST_F(ConfigurationTest, ASaveLowersStartupDoneAndTakesTheLimitsFromTheFile) {
    QByteArray bytes(1000, '\0');
    bytes.replace(kLimitRain, 3, "030");
    bytes.replace(kLimitSky, 4, QByteArray("215\0", 4));
    bytes.replace(kLimitSupply, 3, "115");
    writeFile(cfgPath(), bytes);
    construct();
    EXPECT_EQ(t.app.config.limits.rainPercent, 30);
    EXPECT_FLOAT_EQ(t.app.config.limits.skyMagnitude, 21.5f);
    EXPECT_EQ(form().ELimiteFuente.text, "11,5");
    t.app.flags.startupDone = true;
    save();
    EXPECT_FALSE(t.app.flags.startupDone);
}

TEST_F(ConfigurationTest, TruncatedAndGarbageFilesLoadWithoutACrash) {
    writeFile(cfgPath(), QByteArray("cfg:\0"
                                    "12",
                                    7));
    construct();
    EXPECT_EQ(t.app.config.rainGaugeFactor, 12);
    QByteArray garbage(3000, '\xFF');
    for (int i = 0; i < garbage.size(); i += 7) {
        garbage[i] = static_cast<char>(i * 31);
    }
    writeFile(cfgPath(), garbage);
    construct();
    save();
    EXPECT_LE(t.app.config.dataDirectory.size(), kDirectoryMax);
    EXPECT_LE(t.app.config.stationAddress.size(), kStationAddressMax);
}

}  // namespace
}  // namespace zaq::test
