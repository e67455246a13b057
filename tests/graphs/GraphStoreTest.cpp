#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTimeZone>
#include <ctime>
#include <optional>
#include <random>

#include "graphs/ChartRedraw.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "ui/DayCount.h"

namespace zaq::test {
namespace {

class GraphStoreTest : public ::testing::Test {
  protected:
    GraphStoreTest() {
        t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(10, 0)));
        t.app.configFile.loadConfiguration();
        t.app.pcSettings.fillFields();  // the site: 40° N, 3° O
    }
    GraphStore& store() { return t.app.graphStore; }
    const GraphRecord& at(int slot) { return store().records()[static_cast<std::size_t>(slot)]; }
    void refill(int block, int temperatureX10) {
        BlockRecord record;
        record.temperatureX10 = temperatureX10;
        store().refillFromDayRecord(block, record, 600);
    }
    TestContext t;
};

TEST_F(GraphStoreTest, BlocksArePlacedAgainstTheReferenceMinute) {
    refill(119, 119);  // 09:55, today
    refill(120, 120);  // 10:00, today: the newest slot, clamped
    refill(121, 121);  // 10:05, yesterday's
    for (int slot = 1434; slot <= 1438; ++slot) {
        EXPECT_FLOAT_EQ(at(slot).temperature, 11.9f) << slot;
    }
    EXPECT_FLOAT_EQ(at(1439).temperature, 12.0f);
    for (int slot = 5; slot <= 9; ++slot) {
        EXPECT_FLOAT_EQ(at(slot).temperature, 12.1f) << slot;
    }
    EXPECT_FLOAT_EQ(at(4).temperature, 0.0f);
    EXPECT_FLOAT_EQ(at(10).temperature, 0.0f);
}

TEST_F(GraphStoreTest, ARefillWritesTheValuesOfTheBlock) {
    BlockRecord r;
    parseBlockMessage(exampleWithKind("t0119").constData(), r);
    store().refillFromDayRecord(119, r, 600);
    const GraphRecord& g = at(1434);
    EXPECT_FLOAT_EQ(g.humidity, 11.2f);
    EXPECT_FLOAT_EQ(g.dewPoint, -12.8f);
    EXPECT_FLOAT_EQ(g.rainPercent, 8.0f);
    EXPECT_FLOAT_EQ(g.windMean, 213.1f);
    EXPECT_FLOAT_EQ(g.windMax, 213.1f);
    EXPECT_FLOAT_EQ(g.windMin, 0.0f);
    EXPECT_FLOAT_EQ(g.windMean10, 234.0f);
    EXPECT_FLOAT_EQ(g.thermalWind, 180.0f);
    EXPECT_FLOAT_EQ(g.windDirection, 180.0f);
    EXPECT_FLOAT_EQ(g.directionCopy, 180.0f);
    EXPECT_FLOAT_EQ(g.rainGauge, 112.0f);
    EXPECT_FLOAT_EQ(g.pressureSeaLevel, 1020.0f);
    EXPECT_FLOAT_EQ(g.pressureStation, 940.8f);
    EXPECT_FLOAT_EQ(g.solarRadiation, 78.0f);
    EXPECT_NEAR(g.limitingMagnitude, limitingMagnitude(g.skyBrightness), 1e-6);
    EXPECT_GT(g.expectedRadiation, 0.0f);  // 09:55 in March, sun up
}

TEST_F(GraphStoreTest, ABlockPastTheDayIsRefusedWithAMessage) {
    t.feed(exampleWithKind("00288"));
    t.feed(exampleWithKind("00289"));
    EXPECT_THAT(t.lines(), ::testing::ElementsAre("Error, posicion fuera de ultimas 24h."));
    refill(-1, 5);
    EXPECT_EQ(t.lines().size(), 2);
}

TEST(LimitingMagnitudeTest, NakedEyeLimitFromSkyBrightness) {
    EXPECT_NEAR(limitingMagnitude(21.0), 6.1155, 5e-5);
    EXPECT_NEAR(limitingMagnitude(18.0), 3.9681, 5e-5);
    EXPECT_NEAR(limitingMagnitude(22.0), 6.6247, 5e-5);
}

TEST_F(GraphStoreTest, InitStampsTheLastDayUpToAMinuteAgo) {
    store().initGraphStore();
    EXPECT_EQ(fromDayCount(at(0).date + at(0).timeOfDay),
              QDateTime(QDate(2015, 3, 4), QTime(10, 0)));
    EXPECT_EQ(fromDayCount(at(1439).date + at(1439).timeOfDay),
              QDateTime(QDate(2015, 3, 5), QTime(9, 59)));
}

TEST_F(GraphStoreTest, SaveThenLoadIsByteIdentical) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-100, 1100);
    for (GraphRecord& r : store().records()) {
        for (float* f = &r.temperature; f <= &r.thermalWindCopy; ++f) {
            *f = value(random);
        }
        r.date = 42068;
        r.timeOfDay = 0.25;
    }
    store().saveGraphFile();
    QFile file(t.dirPath("zaqgraf.hex"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    ASSERT_EQ(saved.size(), 149760);
    EXPECT_EQ(std::memcmp(saved.constData(), store().records().data(), 149760), 0);

    TestContext other;
    QFile::copy(t.dirPath("zaqgraf.hex"), other.dirPath("zaqgraf.hex"));
    other.app.graphStore.loadGraphFile();
    EXPECT_EQ(std::memcmp(other.app.graphStore.records().data(), store().records().data(), 149760),
              0);
}

TEST_F(GraphStoreTest, AFileOfTheWrongSizeIsRefusedWithAMessage) {
    QFile file(t.dirPath("zaqgraf.hex"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, '\x7F'));
    file.close();
    store().initGraphStore();
    EXPECT_THAT(t.lines(),
                ::testing::ElementsAre("Fichero zaqgraf.hex de tamaño incorrecto, no cargado."));
    EXPECT_FLOAT_EQ(at(0).temperature, 0.0f);
    EXPECT_EQ(at(0).date, 42067);
}

TEST_F(GraphStoreTest, RequestDayDumpRestampsTheTimesAndAsksTheStation) {
    at(100);
    store().records()[100].temperature = 7.5f;
    store().requestDayDump(t.app.queue);
    EXPECT_EQ(t.app.queue.top(), "(@t0000)");
    EXPECT_FLOAT_EQ(at(100).temperature, 7.5f);
    EXPECT_EQ(fromDayCount(at(1439).date + at(1439).timeOfDay),
              QDateTime(QDate(2015, 3, 5), QTime(9, 59)));
}

TEST_F(GraphStoreTest, ARedrawOfAFreshStoreDrawsZerosWithTheLastDaysTimes) {
    store().initGraphStore();
    redrawGraphs(store(), t.app.chartModel);
    ChartModel& m = t.app.chartModel;
    int fed = 0;
    for (const Chart& chart : m.charts) {
        for (const ChartSeries& s : chart.series) {
            if (!s.points.empty()) {
                ++fed;
                EXPECT_EQ(s.points.size(), 1440u) << s.title.toStdString();
                EXPECT_EQ(s.points.front().y(), 0.0);
            }
        }
    }
    EXPECT_EQ(fed, 19);
    EXPECT_TRUE(m.temperature2().points.empty());
    ASSERT_EQ(m.pointLabels.size(), 1440);
    EXPECT_EQ(m.pointLabels.front(), "9:59:00");  // x = 0 is the newest minute
    EXPECT_EQ(m.pointLabels.back(), "10:00:00");  // 24 hours ago
    EXPECT_EQ(m.humidity().pointColour, colours::blue);
}

TEST_F(GraphStoreTest, ASkyTemperatureActivatesTheThermalCloudSeries) {
    EXPECT_FALSE(t.app.chartModel.thermalCloud().active);
    t.feed("(>101 -12.0)");
    EXPECT_TRUE(t.app.chartModel.thermalCloud().active);
}

// Instants made from day counts are wall-clock arithmetic: on the two change days of Madrid the
// sun's UT and a stored block's time must not move by the hour the clock jumps.
struct ChangeDayCase {
    const char* name;
    QDate day;
    QTime time;
    int hoursFromUt;
};

class DaylightSavingTest : public ::testing::TestWithParam<ChangeDayCase> {
  protected:
    void SetUp() override {
        const QByteArray before = qgetenv("TZ");
        savedTz_ = before.isNull() ? std::nullopt : std::optional(before);
        qputenv("TZ", "Europe/Madrid");
        ::tzset();
    }
    void TearDown() override {
        if (savedTz_) {
            qputenv("TZ", *savedTz_);
        } else {
            qunsetenv("TZ");
        }
        ::tzset();
    }
    std::optional<QByteArray> savedTz_;
};

TEST_P(DaylightSavingTest, TheSunAndTheRefillKeepTheWallClock) {
    const ChangeDayCase& c = GetParam();
    TestContext t;
    t.clock.set(QDateTime(c.day, QTime(12, 0)));
    t.app.settingsForm.EHorasTU.text = QString::number(c.hoursFromUt);
    t.app.settingsForm.ELatGrad.text = "40";
    t.app.settingsForm.ELatMin.text = "25";
    t.app.settingsForm.Ens.text = "N";
    t.app.settingsForm.ELongHoras.text = "3";
    t.app.settingsForm.ELongMin.text = "40";
    t.app.settingsForm.Eeo.text = "O";
    // In UTC no time of the day is skipped or repeated: the same wall clock, without a change.
    const auto local = t.app.sun.sunPosition(QDateTime(c.day, c.time));
    const auto wall = t.app.sun.sunPosition(QDateTime(c.day, c.time, QTimeZone::utc()));
    ASSERT_TRUE(local && wall);
    EXPECT_DOUBLE_EQ(local->altitude, wall->altitude) << c.name;

    QTime refilledAt;
    GraphStore store(t.dirPath("g.hex"), t.clock, t.app.messages, [&](const QDateTime& instant) {
        refilledAt = instant.time();
        return std::optional(0.0);
    });
    store.refillFromDayRecord(c.time.msecsSinceStartOfDay() / 300'000, BlockRecord{}, 12 * 60);
    EXPECT_EQ(refilledAt, c.time) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Madrid, DaylightSavingTest,
    ::testing::Values(ChangeDayCase{"Spring", QDate(2015, 3, 29), QTime(3, 30), 1},
                      ChangeDayCase{"Autumn", QDate(2015, 10, 25), QTime(3, 30), 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zaq::test
