#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/RecordingHooks.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "support/TestWiring.h"
#include "ui/NumberFormat.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;

class LiveReadingsTest : public ::testing::Test {
  protected:
    void feedLive(const QByteArray& message) { station.feed(message); }
    const CurrentReadings& r() const { return t.app.readings; }

    TestContext t;
    RecordedStation<> station{t.app};
    RecordingFollowUp& followUp = station.followUp;
};

TEST_F(LiveReadingsTest, ExampleMessageGivesEveryValue) {
    feedLive(exampleDataMessage());
    EXPECT_EQ(r().roofLetter, 'C');
    EXPECT_EQ(r().heaterLetter, 'A');
    EXPECT_EQ(r().supplyTenthsV, 115);
    EXPECT_EQ(r().rainSensorX10, 80);
    EXPECT_EQ(r().cloudX10, 0);
    EXPECT_EQ(formatNumber(r().pressureSeaX10 * 0.1, 5, 1), "1.020,0");
    EXPECT_EQ(formatNumber(r().pressureAbsX10 * 0.1, 5, 1), "940,8");
    EXPECT_FLOAT_EQ(r().rainTodayTenths * 0.1f, 112.0f);
    EXPECT_FLOAT_EQ(r().rainTotalMm, 245.0f);
    EXPECT_FLOAT_EQ(r().daylight, 78.0f);
    EXPECT_EQ(formatNumber(r().skyMagnitude, 4, 2), "18,50");
    EXPECT_EQ(r().temperatureX10, 138);
    EXPECT_EQ(r().humidityX10, 112);
    EXPECT_EQ(r().dewPointX10, -128);
    EXPECT_FLOAT_EQ(r().windThermalKmh, 180.0f);
    EXPECT_FLOAT_EQ(r().windMeanKmh, 234.0f);
    EXPECT_EQ(formatNumber(r().windKmh, 4, 1), "213,1");
    EXPECT_EQ(r().windDirectionDeg, 180);
    EXPECT_TRUE(r().readingsValid);
    EXPECT_EQ(t.app.lastDataMessage.text(), exampleDataMessage());
}

struct HumidityCase {
    const char* field;
    int stored;
};

class HumidityTest : public LiveReadingsTest, public ::testing::WithParamInterface<HumidityCase> {};

TEST_P(HumidityTest, ReadingsUnderFivePercentAreTakenAsSaturated) {
    feedLive(withField(exampleDataMessage(), 50, GetParam().field));
    EXPECT_EQ(r().humidityX10, GetParam().stored);
    EXPECT_EQ(t.app.sums.humiditySum, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, HumidityTest,
                         ::testing::Values(HumidityCase{"049", 990}, HumidityCase{"050", 50},
                                           HumidityCase{"000", 990}, HumidityCase{"999", 999}));

TEST_F(LiveReadingsTest, HeaterLetterPLeavesTemperatureHumidityAndDewPointAlone) {
    feedLive(exampleDataMessage());
    feedLive(withField(withField(exampleDataMessage(), 2, "p"), 45, "-050 500 -070"));
    EXPECT_EQ(r().heaterLetter, 'p');
    EXPECT_EQ(r().temperatureX10, 138);
    EXPECT_EQ(r().humidityX10, 112);
    EXPECT_EQ(r().dewPointX10, -128);
    EXPECT_EQ(t.app.sums.temperatureSum, 138);
    EXPECT_EQ(t.app.sums.humiditySum, 112);
    EXPECT_EQ(t.app.sums.dewPointSum, -128);
}

struct RainDayCase {
    QTime time;
    bool recorded;
};

class RainDayTest : public LiveReadingsTest, public ::testing::WithParamInterface<RainDayCase> {};

TEST_P(RainDayTest, ADropOfTheDailyRainNearMidnightClosesTheRainDay) {
    t.clock.set(QDateTime(QDate(2015, 3, 5), GetParam().time));
    feedLive(withField(exampleDataMessage(), 25, "0150"));
    followUp.calls.clear();
    feedLive(withField(exampleDataMessage(), 25, "0000"));
    const bool recorded = !followUp.calls.empty() && followUp.calls.front() == "writeRainSummary";
    EXPECT_EQ(recorded, GetParam().recorded);
    EXPECT_FLOAT_EQ(r().rainTodayTenths, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, RainDayTest,
                         ::testing::Values(RainDayCase{QTime(23, 58), true},
                                           RainDayCase{QTime(0, 3), true},
                                           RainDayCase{QTime(12, 0), false},
                                           RainDayCase{QTime(22, 59), false}));

// The day-closing record must see the closing day's rain, not the new day's zero.
struct RainAtSummary : RecordingFollowUp {
    const CurrentReadings* readings = nullptr;
    float seen = -1;
    void writeRainSummary() override { seen = readings->rainTodayTenths; }
};

TEST(RainSummaryTest, IsWrittenFromTheClosingDaysValues) {
    TestContext t;
    RecordedStation<RainAtSummary> station{t.app};
    RainAtSummary& capture = station.followUp;
    capture.readings = &t.app.readings;
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(23, 58)));
    station.feed(withField(exampleDataMessage(), 25, "0150"));
    station.feed(withField(exampleDataMessage(), 25, "0000"));
    EXPECT_FLOAT_EQ(capture.seen, 150.0f);
}

struct GustCase {
    const char* mean;
    const char* wind;
    float gust;
};

class GustTest : public LiveReadingsTest, public ::testing::WithParamInterface<GustCase> {};

TEST_P(GustTest, AGustIsWindMoreThanOneKmhAboveTheMean) {
    feedLive(withField(withField(exampleDataMessage(), 64, GetParam().mean), 68, GetParam().wind));
    EXPECT_FLOAT_EQ(r().windGustKmh, GetParam().gust);
}

INSTANTIATE_TEST_SUITE_P(Cases, GustTest,
                         ::testing::Values(GustCase{"005", "0060", 0.0f},
                                           GustCase{"005", "0061", 6.1f},
                                           GustCase{"000", "0000", 0.0f},
                                           GustCase{"000", "0011", 1.1f}));

TEST_F(LiveReadingsTest, SampleCountIsOneAfterTheFirstMessageAndTwoAfterTheSecond) {
    EXPECT_EQ(t.app.sums.sampleCount, -2);
    feedLive(exampleDataMessage());
    EXPECT_EQ(t.app.sums.sampleCount, 1);
    feedLive(exampleDataMessage());
    EXPECT_EQ(t.app.sums.sampleCount, 2);
    EXPECT_FLOAT_EQ(t.app.sums.pressureSeaSum, 2040.0f);
}

TEST_F(LiveReadingsTest, FirstMessageShowsThePressuresAtOnceThenFollowsUpInOrder) {
    feedLive(exampleDataMessage());
    EXPECT_THAT(followUp.calls, ElementsAre("showSeaPressure", "showAbsolutePressure",
                                            "refreshLivePanel", "evaluateSafety"));
    followUp.calls.clear();
    t.app.settingsForm.CB5sg.checked = true;
    t.app.flags.minuteFlag = true;
    feedLive(exampleDataMessage());
    EXPECT_THAT(followUp.calls,
                ElementsAre("refreshLivePanel", "evaluateSafety", "writeFiveSecondLine",
                            "runPeriodicProcessing", "saveGraphFile"));
}

TEST_F(LiveReadingsTest, WindExtremesAndDirectionSumsFollowTheMessages) {
    feedLive(withField(exampleDataMessage(), 68, "0100 090"));
    feedLive(withField(exampleDataMessage(), 68, "0020 270"));
    EXPECT_FLOAT_EQ(r().windMaxKmh, 10.0f);
    EXPECT_FLOAT_EQ(r().windMinKmh, 2.0f);
    EXPECT_NEAR(t.app.sums.dirSinSum, 0.0, 1e-9);
    EXPECT_NEAR(t.app.sums.dirCosSum, 0.0, 1e-9);
    EXPECT_FLOAT_EQ(t.app.sums.windSum, 12.0f);
}

TEST_F(LiveReadingsTest, SupplyAboveEightVoltsClearsTheStationStopAlarm) {
    t.app.flags.supplyStopAlarm = true;
    t.app.flags.supplyStopLogged = true;
    feedLive(withField(exampleDataMessage(), 3, "P"));  // 8.0 V
    EXPECT_TRUE(t.app.flags.supplyStopAlarm);
    feedLive(withField(exampleDataMessage(), 3, "Q"));  // 8.1 V
    EXPECT_FALSE(t.app.flags.supplyStopAlarm);
    EXPECT_FALSE(t.app.flags.supplyStopLogged);
}

struct MonthRainCase {
    float monthStart;
    bool valid;
    float month;
};

class MonthRainTest : public LiveReadingsTest,
                      public ::testing::WithParamInterface<MonthRainCase> {};

TEST_P(MonthRainTest, MonthFigureIsStoredOnlyWhenPlausible) {
    followUp.monthStart = GetParam().monthStart;
    feedLive(exampleDataMessage());  // 245 mm before today, 112.0 mm today
    EXPECT_EQ(r().rainMonthValid, GetParam().valid);
    EXPECT_NEAR(r().rainMonthMm, GetParam().month, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthRainTest,
                         ::testing::Values(MonthRainCase{200, true, 157.0f},
                                           MonthRainCase{400, false, 0.0f},
                                           MonthRainCase{-700, false, 0.0f}));

TEST_F(LiveReadingsTest, MalformedFieldsReadAsTheirLeadingDigits) {
    feedLive(withField(exampleDataMessage(), 45, "+1x8 ab2 --12 18.0"));
    EXPECT_EQ(r().temperatureX10, 1);
    EXPECT_EQ(r().humidityX10, 990);
    EXPECT_EQ(r().dewPointX10, 0);
    EXPECT_FLOAT_EQ(r().windThermalKmh, 18.0f);
}

TEST_F(LiveReadingsTest, NonDigitSkyExponentGivesTheDeadSensorValue) {
    feedLive(withField(exampleDataMessage(), 39,
                       "\x01"
                       "0001"));
    EXPECT_FLOAT_EQ(r().skyMagnitude, 24.0f);
    feedLive(withField(exampleDataMessage(), 39, "z9999"));
    EXPECT_FLOAT_EQ(r().skyMagnitude, 24.0f);
}

}  // namespace
}  // namespace zaq::test
