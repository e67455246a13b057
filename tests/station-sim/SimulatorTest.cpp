#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "LayoutParser.h"
#include "MessageComposer.h"
#include "SimulatedStation.h"
#include "support/QtPrinters.h"

namespace zaqsim::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

StationReading randomReading(std::mt19937& random) {
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    StationReading r;
    r.roof = "AaC"[in(0, 2)];
    r.heater = "EeAap"[in(0, 4)];
    r.supplyTenths = in(50, 255);
    r.rainSensorX10 = in(0, 999);
    r.cloudX10 = in(0, 999);
    r.pressureSeaX10 = in(9000, 10999);
    r.pressureAbsX10 = in(8000, 10999);
    r.rainTodayTenths = in(0, 9999);
    r.rainTotalMm = in(0, 9999);
    r.daylight = in(0, 999);
    r.skyExponent = in(0, 9);
    r.skyMantissa = in(0, 9999);
    r.temperatureX10 = in(-999, 999);
    r.humidityX10 = in(0, 999);
    r.dewPointX10 = in(-999, 999);
    const bool calm = in(0, 3) == 0;
    r.thermalWindX10 = calm ? 0 : in(0, 9999);
    r.windMeanKmh = calm ? 0 : in(0, 999);
    r.windX10 = calm ? 0 : in(0, 9999);
    r.directionDeg = in(0, 359);
    r.kind = "atM0m"[in(0, 4)];
    r.block = in(0, 287);
    return r;
}

TEST(SimulatorMessageTest, EveryComposedMessageParsesBackToItsState) {
    std::mt19937 random(1373);
    for (int i = 0; i < 5000; ++i) {
        const StationReading r = randomReading(random);
        const QByteArray message = MessageComposer::dataMessage(r);
        const auto parsed = parseLayout(message);
        ASSERT_TRUE(parsed.has_value()) << message.toStdString();
        EXPECT_EQ(*parsed, r) << message.toStdString();
    }
}

TEST(SimulatorMessageTest, ExampleStateGivesTheHelpTextsExample) {
    StationReading r;
    r.roof = 'C';
    r.heater = 'A';
    r.supplyTenths = 115;
    r.rainSensorX10 = 80;
    r.cloudX10 = 0;
    r.pressureSeaX10 = 10200;
    r.pressureAbsX10 = 9408;
    r.rainTodayTenths = 1120;
    r.rainTotalMm = 245;
    r.daylight = 78;
    r.skyExponent = 1;
    r.skyMantissa = 1003;
    r.temperatureX10 = 138;
    r.humidityX10 = 112;
    r.dewPointX10 = -128;
    r.thermalWindX10 = 1800;
    r.windMeanKmh = 234;
    r.windX10 = 2131;
    r.directionDeg = 180;
    r.kind = 'a';
    r.block = 200;
    EXPECT_EQ(
        MessageComposer::dataMessage(r),
        "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)");
}

TEST(SimulatorMessageTest, OutOfRangeValuesStayInsideTheirFields) {
    StationReading r;
    r.temperatureX10 = -1500;
    r.cloudX10 = 1000;
    r.supplyTenths = 40;  // would be '(' and break the framing
    r.directionDeg = 360;
    const auto parsed = parseLayout(MessageComposer::dataMessage(r));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->temperatureX10, -999);
    EXPECT_EQ(parsed->cloudX10, 999);
    EXPECT_EQ(parsed->supplyTenths, 50);
    EXPECT_EQ(parsed->directionDeg, 359);
}

TEST(SimulatorMessageTest, SkyFrequencyKeepsFourSignificantDigits) {
    int e = 0;
    int m = 0;
    MessageComposer::encodeSkyFrequency(10.03, e, m);
    EXPECT_EQ(e, 1);
    EXPECT_EQ(m, 1003);
    MessageComposer::encodeSkyFrequency(0.64, e, m);
    EXPECT_EQ(e, 0);
    EXPECT_EQ(m, 640);
    MessageComposer::encodeSkyFrequency(150000.0, e, m);
    EXPECT_EQ(e, 5);
    EXPECT_EQ(m, 1500);
}

// The station with its output captured; time moves only when the test says so.
class SimulatedStationTest : public ::testing::Test {
  protected:
    SimulatedStationTest()
        : station(
              model, {60, 245}, [this](const QByteArray& b) { sent.push_back(b); },
              [](const QString&) {}) {
        station.start(now);
        sent.clear();
    }

    void pc(const QByteArray& command) { station.receive(command, now); }
    void after(int seconds) {
        now = now.addSecs(seconds);
        station.checkWatchdog(now);
    }
    StationReading live() {
        station.sendLive(now);
        const auto r = parseLayout(sent.back());
        EXPECT_TRUE(r);
        return r.value_or(StationReading{});
    }

    QDateTime now{QDate(2024, 6, 21), QTime(14, 2, 30)};
    WeatherModel model;
    std::vector<QByteArray> sent;
    SimulatedStation station;
};

TEST_F(SimulatedStationTest, DumpIsTheWholeDaysBlocksInOrder) {
    pc("(@t0000)");
    ASSERT_EQ(sent.size(), 1u);
    const QByteArray dump = sent.front();
    ASSERT_EQ(dump.size(), 288 * 83);
    for (int block = 0; block < 288; ++block) {
        const auto r = parseLayout(dump.mid(block * 83, 83));
        ASSERT_TRUE(r) << block;
        EXPECT_EQ(r->kind, 't');
        EXPECT_EQ(r->block, block);
    }
}

TEST_F(SimulatedStationTest, DumpHoldsTheLastLiveMessageInItsBlock) {
    const StationReading sample = live();
    pc("(@t0000)");
    const auto stored = parseLayout(sent.back().mid(sample.block * 83, 83));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->temperatureX10, sample.temperatureX10);
    EXPECT_EQ(sample.block, (14 * 60 + 2) / 5);
}

TEST_F(SimulatedStationTest, WatchdogClosesAnOpenRoofAfterTheLimitAndNotBefore) {
    pc("(X001)");
    EXPECT_THAT(sent, ElementsAre("(X001)", "(Abrir Obs)"));
    EXPECT_EQ(live().roof, 'A');
    sent.clear();
    after(60);
    EXPECT_THAT(sent, IsEmpty());
    EXPECT_EQ(station.roof(), 'A');
    after(1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(sent.front().contains("Cerrado"));
    EXPECT_EQ(live().roof, 'C');
}

TEST_F(SimulatedStationTest, PresenceKeepsTheRoofOpen) {
    pc("(X007)");
    for (int i = 0; i < 30; ++i) {
        after(4);
        pc("( )");
    }
    EXPECT_EQ(live().roof, 'a');
}

TEST_F(SimulatedStationTest, ClockAndExtremesAnswers) {
    pc("(y)");
    EXPECT_THAT(sent, ElementsAre("(14:02:30)"));
    sent.clear();
    live();
    pc("(@01373)");
    ASSERT_EQ(sent.size(), 3u);
    const auto max = parseLayout(sent[1]);
    const auto min = parseLayout(sent[2]);
    ASSERT_TRUE(max && min);
    EXPECT_EQ(sent[1].mid(77, 5), "M1373");
    EXPECT_EQ(sent[2].mid(77, 5), "m1373");
    EXPECT_GE(max->temperatureX10, min->temperatureX10);
    EXPECT_GE(max->pressureSeaX10, min->pressureSeaX10);
}

TEST_F(SimulatedStationTest, RelayCommandsAreEchoedAndShowInTheHeaterLetter) {
    pc("(S005)");
    EXPECT_EQ(live().heater, 'e');
    pc("(S004)");
    EXPECT_EQ(live().heater, 'a');
    pc("(S000)");
    const char dew = live().heater;
    EXPECT_TRUE(dew == 'A' || dew == 'E');
    sent.clear();
    pc("(Son2100)(S009)(s)");
    EXPECT_THAT(sent, ElementsAre("(Son2100)", "(S009)", "(S009)", "(Son2100)(Sof2245)"));
}

TEST_F(SimulatedStationTest, SpeedChangesAndUnknownCommands) {
    pc("(&057)(&009)(Q)(K080)");
    EXPECT_THAT(sent, ElementsAre("(57K6 bps)", "(9K6 bps)"));
}

// The records of the WMR968-compatible option: two after every other live message, each a whole
// record with its checksum and without the framing bytes of the text messages.
TEST_F(SimulatedStationTest, Wmr968RecordsFollowEveryOtherLiveMessageWhileSwitchedOn) {
    pc("(\xF1)(\xD1"
       "001)(\xF1)");
    EXPECT_THAT(sent, ElementsAre("(\xD1"
                                  "000)",
                                  "(\xD1"
                                  "001)",
                                  "(\xD1"
                                  "001)"));
    std::vector<QByteArray> records;
    for (int i = 0; i < 4; ++i) {
        sent.clear();
        station.sendLive(now);
        ASSERT_TRUE(parseLayout(sent.front()));
        records.insert(records.end(), sent.begin() + 1, sent.end());
    }
    ASSERT_EQ(records.size(), 4u);
    // Readings whose digits are the framing bytes' codes (0x28, 0x29) keep out of them too.
    StationReading framingDigits;
    for (int v = 270; v < 300; ++v) {
        framingDigits.temperatureX10 = framingDigits.humidityX10 = framingDigits.windX10 = v;
        records.push_back(MessageComposer::wmr968Record(framingDigits, v));
    }
    for (const QByteArray& record : records) {
        ASSERT_GE(record.size(), 9);
        EXPECT_TRUE(record.startsWith("\xFF\xFF"));
        EXPECT_FALSE(record.contains('(') || record.contains(')'));
        int sum = 0;
        for (const char c : record.chopped(1)) {
            sum += static_cast<unsigned char>(c);
        }
        EXPECT_EQ(sum & 0xFF, static_cast<unsigned char>(record.back()));
    }
    pc("(\xD1"
       "000)");
    sent.clear();
    station.sendLive(now);
    station.sendLive(now);
    EXPECT_EQ(sent.size(), 2u);
}

// The settings memory: each value and request is answered with its echo, the two forms of 'F'
// and 'I' apart, the altitude in the form it was set; the rain limit closes an open roof.
TEST_F(SimulatedStationTest, SettingsAreEchoedAndTheStationClosesByItsOwnLimits) {
    pc("(L040)(l)(F+03)(f)(M00700)(m)(M071)(m)(I00125)(T020)(t)");
    EXPECT_THAT(sent, ElementsAre("(L040)", "(L040)", "(F+03)", "(F105)(F+03)", "(M00700)",
                                  "(M00700)", "(M071)", "(M071)", "(I00125)", "(T020)", "(T020)"));
    sent.clear();
    pc("(Y070324090503)(y)");
    EXPECT_THAT(sent, ElementsAre("(09:05:03)"));

    station.setRoof('A');
    model.set(QStringLiteral("rain"), 60);
    sent.clear();
    station.sendLive(now);
    EXPECT_EQ(station.roof(), 'C');
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], "(l060)");
}

// The datalogger: one long line per day for "Max"/"Min"; the ten-minute dump paced by the line
// speed, block headers and 54-character records between "Start Dump" and "End Dump"; "(q)" stops.
TEST_F(SimulatedStationTest, TheDataloggerAnswersDailyLinesAndTheTenMinuteDump) {
    pc("(&M032003)");
    ASSERT_EQ(sent.size(), 3u);
    for (const QByteArray& line : sent) {
        EXPECT_GE(line.size(), 85);
        EXPECT_TRUE(line.startsWith('(') && line.endsWith(')'));
    }
    EXPECT_TRUE(sent[0].contains(" 01/02/24)"));
    sent.clear();
    pc("(&057)(&1617014)");
    for (int i = 0; i < 100; ++i) {
        station.pumpDump(now);
    }
    QByteArray dump;
    for (const QByteArray& part : sent) {
        dump += part;
    }
    ASSERT_TRUE(dump.startsWith("(57K6 bps)(Start Dump)(01617)"));
    EXPECT_TRUE(dump.endsWith("(End Dump)"));
    EXPECT_EQ(dump.size(), 10 + 12 + 14 * 7 + 14 * 22 * 54 + 10);
    EXPECT_TRUE(
        dump.contains("(0000"
                      "18"))
        << "records carry the year 2024 as 18";

    sent.clear();
    pc("(&009)(&1617014)");
    station.pumpDump(now);
    pc("(q)");
    station.pumpDump(now);
    EXPECT_EQ(sent.back(), "(End Dump)");
    EXPECT_LT(sent.size(), 5u);
}

TEST_F(SimulatedStationTest, ThermometerOffGivesTheHeaterLetterP) {
    station.setThermometer(false);
    EXPECT_EQ(live().heater, 'p');
}

TEST_F(SimulatedStationTest, SilentStationSendsNothingUntilTheEnd) {
    station.fallSilentUntil(now.addSecs(10));
    pc("(y)");
    station.sendLive(now);
    EXPECT_THAT(sent, IsEmpty());
    now = now.addSecs(11);
    pc("(y)");
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(SimulatedStationTest, NightSkyIsDarkAndTheDayBright) {
    now = QDateTime(QDate(2024, 1, 15), QTime(2, 0));
    const StationReading night = live();
    now = QDateTime(QDate(2024, 6, 21), QTime(14, 0));
    const StationReading day = live();
    EXPECT_LE(night.skyExponent, 0);  // below 10 Hz: about 21 mag/arcsec²
    EXPECT_GE(day.skyExponent, 4);
    EXPECT_EQ(night.daylight, 0);
    EXPECT_GT(day.daylight, 500);
}

}  // namespace
}  // namespace zaqsim::test
