#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "support/TestContext.h"
#include "ui/DayCount.h"

namespace zaq::test {
namespace {

// The default site: 40° 25' N, 3° 40' O, two hours from UT, 700 m.
class SunPositionTest : public ::testing::Test {
  protected:
    SunPositionTest() {
        SettingsForm& f = t.app.settingsForm;
        f.ELatGrad.text = "40";
        f.ELatMin.text = "25";
        f.Ens.text = "N";
        f.ELongHoras.text = "3";
        f.ELongMin.text = "40";
        f.Eeo.text = "O";
        f.EHorasTU.text = "2";
        t.app.config.altitudeM = 700;
        t.clock.set(example());
    }
    static QDateTime example() { return QDateTime(QDate(2024, 6, 21), QTime(14, 0)); }
    SunCalculator& sun() { return t.app.sun; }

    TestContext t;
};

TEST_F(SunPositionTest, TheWorkedExampleToItsPrintedDigits) {
    EXPECT_NEAR(sun().daysSinceEpoch(), 8938.0841, 5e-5);
    const auto p = sun().sunPosition(example());
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->rightAscension, 90.6649, 5e-5);
    EXPECT_NEAR(p->declination, 23.4347, 5e-5);
    EXPECT_NEAR(p->siderealTime, 86.5891, 5e-5);
    EXPECT_NEAR(p->hourAngle, 355.2575, 5e-5);
    EXPECT_NEAR(p->altitude, 72.5550, 5e-5);
    EXPECT_EQ(t.app.messagesForm.LAR.text, "AR :  6h 2,6595");
    EXPECT_EQ(t.app.messagesForm.LDEC.text, "DEC: 23º 26,082");
    EXPECT_EQ(t.app.messagesForm.LHS.text, "HSL: 05:46:21  AH: 23h 41,0");
    const auto radiation = sun().expectedClearSkyRadiation(example());
    ASSERT_TRUE(radiation);
    EXPECT_NEAR(*radiation, 945.48, 0.005);
}

TEST_F(SunPositionTest, TheAltitudeLabelShowsThreeCharactersAndTheDegreeSign) {
    sun().showSunAltitude();
    EXPECT_EQ(t.app.mainForm.LAlturaSol.text, "72,º");
    t.clock.set(QDateTime(QDate(2024, 6, 21), QTime(23, 0)));
    sun().showSunAltitude();
    EXPECT_TRUE(t.app.mainForm.LAlturaSol.text.startsWith("-"))
        << t.app.mainForm.LAlturaSol.text.toStdString();
}

TEST_F(SunPositionTest, LowerCaseSIsSouthButLowerCaseOAndWAreEast) {
    const double north = *sun().computeSunPosition(example());
    t.app.settingsForm.Ens.text = "s";
    const double south = *sun().computeSunPosition(example());
    EXPECT_LT(south, north - 30);  // the June sun stands low from 40° S
    t.app.settingsForm.Ens.text = "N";
    t.app.settingsForm.Eeo.text = "E";
    const double east = *sun().computeSunPosition(example());
    for (const char* side : {"o", "w"}) {
        t.app.settingsForm.Eeo.text = side;
        EXPECT_DOUBLE_EQ(*sun().computeSunPosition(example()), east) << side;
    }
    t.app.settingsForm.Eeo.text = "W";
    EXPECT_DOUBLE_EQ(*sun().computeSunPosition(example()), north);
}

TEST_F(SunPositionTest, ANegativeHourAngleIsRaisedOnceAndAnEasternOneMayPass360) {
    t.app.settingsForm.Eeo.text = "E";
    t.app.settingsForm.ELongHoras.text = "170";
    bool pastFullCircle = false;
    for (int hour = 0; hour < 24; ++hour) {
        const auto p = sun().sunPosition(QDateTime(QDate(2024, 6, 21), QTime(hour, 0)));
        ASSERT_TRUE(p);
        EXPECT_GE(p->hourAngle, 0);
        if (p->hourAngle >= 360) {
            pastFullCircle = true;
            const int hours = static_cast<int>(std::trunc(p->hourAngle / 15));
            EXPECT_TRUE(t.app.messagesForm.LHS.text.contains(QString("AH: %1h").arg(hours)));
            EXPECT_GE(hours, 24);
        }
    }
    EXPECT_TRUE(pastFullCircle);
}

TEST_F(SunPositionTest, ASiderealSumOfExactly360Stays360) {
    // With the clock at the epoch, d is 0; at 00:00 UT only 100.46 and the longitude remain.
    t.clock.set(QDateTime(QDate(2000, 1, 1), QTime(11, 58, 56)));
    EXPECT_DOUBLE_EQ(sun().daysSinceEpoch(), 0.0);
    EXPECT_EQ(localSiderealTime(sun().daysSinceEpoch(), toDayCount(QDate(2000, 1, 1)), 259.54),
              360.0f);
    EXPECT_NEAR(localSiderealTime(sun().daysSinceEpoch(), toDayCount(QDate(2000, 1, 1)), 269.54),
                10.0f, 1e-4);
}

TEST_F(SunPositionTest, ASouthernDeclinationSignsOnlyTheMinutes) {
    sun().sunPosition(QDateTime(QDate(2024, 12, 21), QTime(14, 0)));
    EXPECT_TRUE(t.app.messagesForm.LDEC.text.startsWith("DEC: 23º -26,"))
        << t.app.messagesForm.LDEC.text.toStdString();
}

// Clear-sky radiation by hand from the altitude, with the factors of the given season.
double byHand(double altitude, bool summer, int dayOfYear) {
    const double A = 0.7;
    const double r0 = summer ? 0.97 : 1.03, r1 = summer ? 0.99 : 1.01, rk = summer ? 1.02 : 1.0;
    const double cz = std::cos((90 - altitude) * 0.017453292519943295);
    const double a0 = r0 * (0.4237 - 0.00821 * (6 - A) * (6 - A));
    const double a1 = r1 * (0.5055 + 0.00595 * (6.5 - A) * (6.5 - A));
    const double k = rk * (0.2711 + 0.01858 * (2.5 - A) * (2.5 - A));
    const double tb = a0 + a1 * std::exp(-k / cz);
    return cz * (tb + 0.271 - 0.2939 * tb) * 1367 *
           (1 + 0.033 * std::cos(6.283185307179586 * dayOfYear / 365.0));
}

TEST_F(SunPositionTest, August31UsesTheSummerFactorsAndSeptember1TheWinterOnes) {
    const QDateTime august(QDate(2024, 8, 31), QTime(14, 0));
    const QDateTime september(QDate(2024, 9, 1), QTime(14, 0));
    EXPECT_NEAR(*sun().expectedClearSkyRadiation(august),
                byHand(*sun().computeSunPosition(august), true, august.date().dayOfYear()), 1e-9);
    EXPECT_NEAR(*sun().expectedClearSkyRadiation(september),
                byHand(*sun().computeSunPosition(september), false, september.date().dayOfYear()),
                1e-9);
}

TEST_F(SunPositionTest, WithTheSunBelowTheHorizonTheRadiationIsExactlyZero) {
    EXPECT_EQ(*sun().expectedClearSkyRadiation(QDateTime(QDate(2024, 6, 21), QTime(2, 0))), 0.0);
}

TEST_F(SunPositionTest, ASiteFieldThatIsNotANumberIsReportedOnceAndChangesNoLabel) {
    t.app.settingsForm.ELatGrad.text = "cuarenta";
    t.app.messagesForm.LAR.text = "sin cambio";
    EXPECT_FALSE(sun().computeSunPosition(example()));
    EXPECT_FALSE(sun().expectedClearSkyRadiation(example()));
    EXPECT_EQ(t.app.messagesForm.LAR.text, "sin cambio");
    EXPECT_EQ(t.prompter.errors.size(), 1);
    t.app.settingsForm.ELatGrad.text = "40";
    EXPECT_TRUE(sun().computeSunPosition(example()));
}

}  // namespace
}  // namespace zaq::test
