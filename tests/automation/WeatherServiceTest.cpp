#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::Contains;

TEST(WeatherServiceTest, BeforeTheFirstMessageEveryNumberIsZeroAndTheMessageEmpty) {
    TestContext t;
    const WeatherService& s = t.app.weather;
    EXPECT_EQ(s.ambientTemperature(), 0);
    EXPECT_EQ(s.clouds(), 0);
    EXPECT_EQ(s.skyQuality(), 0);
    EXPECT_EQ(s.barometricPressure(), 0);
    EXPECT_EQ(s.dewPoint(), 0);
    EXPECT_EQ(s.relativeHumidity(), 0);
    EXPECT_EQ(s.windDirection(), 0);
    EXPECT_EQ(s.windVelocity(), 0);
    EXPECT_EQ(s.skyMagnitude(), 0);
    EXPECT_FALSE(s.precipitation());
    EXPECT_FALSE(s.safe());
    EXPECT_EQ(s.mensajeZaq(), QString());
}

// Each member's result from one reading: truncations toward zero, fractions, thresholds.
struct ReadingCase {
    const char* what;
    std::function<void(CurrentReadings&)> set;
    std::function<double(const WeatherService&)> member;
    double expected;
};

class WeatherReadingTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(WeatherReadingTest, GivesTheMembersResult) {
    TestContext t;
    GetParam().set(t.app.readings);
    EXPECT_DOUBLE_EQ(GetParam().member(t.app.weather), GetParam().expected) << GetParam().what;
}

using S = const WeatherService&;
using R = CurrentReadings&;
INSTANTIATE_TEST_SUITE_P(
    Members, WeatherReadingTest,
    ::testing::Values(ReadingCase{"rain sensor 2", [](R r) { r.rainSensorX10 = 2; },
                                  [](S s) { return double(s.precipitation()); }, 0},
                      ReadingCase{"rain sensor 3", [](R r) { r.rainSensorX10 = 3; },
                                  [](S s) { return double(s.precipitation()); }, 1},
                      ReadingCase{"humidity 999", [](R r) { r.humidityX10 = 999; },
                                  [](S s) { return double(s.relativeHumidity()); }, 99},
                      ReadingCase{"dew -128", [](R r) { r.dewPointX10 = -128; },
                                  [](S s) { return double(s.dewPoint()); }, -12},
                      ReadingCase{"wind 13.9", [](R r) { r.windKmh = 13.9f; },
                                  [](S s) { return double(s.windVelocity()); }, 13},
                      ReadingCase{"cloud 1000", [](R r) { r.cloudX10 = 1000; },
                                  [](S s) { return s.clouds(); }, 1.0},
                      ReadingCase{"sky 21.7", [](R r) { r.skyMagnitude = 21.7f; },
                                  [](S s) { return double(s.skyQuality()); }, 21},
                      ReadingCase{"temperature -45", [](R r) { r.temperatureX10 = -45; },
                                  [](S s) { return s.ambientTemperature(); }, -4.5},
                      ReadingCase{"pressure 10132", [](R r) { r.pressureSeaX10 = 10132; },
                                  [](S s) { return s.barometricPressure(); }, 1013.2}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Only the sky-blue roof counts as open: the second open state (yellow) is closed here.
TEST(WeatherServiceTest, TheRoofMembersCountOnlySkyBlueAsOpen) {
    TestContext t;
    WeatherService& s = t.app.weather;
    t.app.mainForm.PTecho.colour = colours::yellow;
    EXPECT_EQ(s.shutterStatus(), 1);
    s.closeShutter();
    EXPECT_EQ(t.app.queue.count(), 0);
    s.openShutter();
    ASSERT_EQ(t.app.queue.count(), 1);
    EXPECT_EQ(t.app.queue.top(), "(X001)");

    t.app.queue.clear();
    t.app.mainForm.PTecho.colour = colours::skyBlue;
    EXPECT_EQ(s.shutterStatus(), 0);
    s.openShutter();
    EXPECT_EQ(t.app.queue.count(), 0);
    s.closeShutter();
    EXPECT_EQ(t.app.queue.top(), "(X000)");
}

TEST(WeatherServiceTest, ConnectedReadsFalseWhileTheStationIsReportedSilent) {
    TestContext t;
    t.app.mainForm.LRx.fontColour = colours::red;
    t.app.weather.setConnected(true);
    EXPECT_FALSE(t.app.weather.connected());
    EXPECT_TRUE(t.app.weather.automationConnected());
    t.app.link.pumpTick();
    EXPECT_EQ(t.app.mainForm.LledCOM.fontColour, colours::green);
    t.app.mainForm.LRx.fontColour = colours::green;
    EXPECT_TRUE(t.app.weather.connected());
}

// A client's text is handled as the station's own bytes, however long, and listed whatever the
// filters say.
TEST(WeatherServiceTest, MensajeCorFeedsTheDispatcherAndListsTheText) {
    TestContext t;
    t.app.messagesForm.CBMensCorto.checked = false;
    t.app.messagesForm.CBHistoriaMeteo.checked = false;
    const QString text = QString(3000, u'x') + QString::fromLatin1(exampleDataMessage());
    t.app.weather.mensajeCor(text);
    EXPECT_DOUBLE_EQ(t.app.weather.ambientTemperature(), 13.8);
    EXPECT_EQ(t.app.weather.mensajeZaq(), QString::fromLatin1(exampleDataMessage()));
    EXPECT_THAT(t.lines(), Contains(text));
}

}  // namespace
}  // namespace zaq::test
