#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/RecordingHooks.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "support/TestWiring.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

class BlockRefillTest : public ::testing::Test {
  protected:
    BlockRefillTest() { feed.record = &t.app.blockRecord; }

    // A stored block whose temperature field carries its number, so the refills can be told apart.
    void sendBlock(char kind, int block) {
        QByteArray kindAndBlock =
            QByteArray(1, kind) + QByteArray::number(block).rightJustified(4, '0');
        QByteArray message =
            withField(exampleWithKind(kindAndBlock), 45,
                      "+" + QByteArray::number(block % 1000).rightJustified(3, '0'));
        station.feed(message);
    }

    TestContext t;
    RecordedStation<> station{t.app};
    RecordingGraphFeed& feed = station.graphs;
};

TEST_F(BlockRefillTest, MissingBlockOfADumpTakesTheValuesOfTheNextOne) {
    sendBlock('t', 0);
    sendBlock('t', 1);
    sendBlock('t', 3);
    EXPECT_THAT(feed.calls, ElementsAre("refill 0", "refill 1", "refill 2", "refill 3"));
    EXPECT_THAT(feed.temperatures, ElementsAre(0, 1, 3, 3));
    EXPECT_THAT(t.lines(), ElementsAre("Restaurado Bloque 3"));
}

TEST_F(BlockRefillTest, DumpRedrawsAfterEveryFiveBlocks) {
    for (int block = 0; block < 12; ++block) {
        sendBlock('t', block);
    }
    std::vector<std::string> expected;
    for (int block = 0; block < 12; ++block) {
        expected.push_back("refill " + std::to_string(block));
        if (block == 5 || block == 10) {
            expected.push_back("redraw");
        }
    }
    EXPECT_EQ(feed.calls, expected);
}

TEST_F(BlockRefillTest, BlockZeroOfADumpSetsTheReferenceMinute) {
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(10, 0, 30)));
    sendBlock('t', 0);
    EXPECT_EQ(station.blockRefill.refMinuteOfDay(), 600);
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(11, 0)));
    sendBlock('t', 1);
    EXPECT_EQ(station.blockRefill.refMinuteOfDay(), 600);
}

TEST_F(BlockRefillTest, DumpLinesAreListedWithSupplyAndStartTimeWhenDataMessagesAreShown) {
    t.app.messagesForm.CBHistoriaMeteo.checked = true;
    const int shownBefore = t.app.messagesForm.window.raiseCount;
    sendBlock('t', 125);
    sendBlock('t', 126);
    ASSERT_GE(t.lines().size(), 1);
    EXPECT_THAT(t.lines()[0].toStdString(), EndsWith("t0125)  11.5 10h25"));
    EXPECT_GT(t.app.messagesForm.window.raiseCount, shownBefore);
}

TEST_F(BlockRefillTest, DumpLineOfBlockOneEndsInZeroHoursFiveMinutes) {
    t.app.messagesForm.CBHistoriaMeteo.checked = true;
    sendBlock('t', 1);
    EXPECT_THAT(t.lines().front().toStdString(), EndsWith("t0001)  11.5 0h5"));
}

TEST_F(BlockRefillTest, SingleBlocksAreStoredAndRedrawnBelow289) {
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(7, 15)));
    sendBlock('0', 288);
    sendBlock('0', 289);
    sendBlock('0', 5);
    EXPECT_THAT(feed.calls, ElementsAre("refill 288", "redraw", "refill 5", "redraw"));
    EXPECT_EQ(station.blockRefill.refMinuteOfDay(), 7 * 60 + 15);
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST(BlockRecordTest, ParsesTheStoredBlockFields) {
    BlockRecord record;
    parseBlockMessage(exampleWithKind("t0003").constData(), record);
    EXPECT_EQ(record.supplyTenthsV, 115);
    EXPECT_EQ(record.rainSensorX10, 80);
    EXPECT_EQ(record.pressureSeaX10, 10200);
    EXPECT_EQ(record.pressureAbsX10, 9408);
    EXPECT_EQ(record.rainTodayTenths, 1120);
    EXPECT_EQ(record.rainTotalMm, 245);
    EXPECT_EQ(record.daylight, 78);
    EXPECT_NEAR(record.skyMagnitude, 18.4964f, 1e-3);
    EXPECT_EQ(record.temperatureX10, 138);
    EXPECT_EQ(record.humidityX10, 112);
    EXPECT_EQ(record.dewPointX10, -128);
    EXPECT_EQ(record.windThermalKmh, 180);
    EXPECT_EQ(record.windMeanKmh, 234);
    EXPECT_EQ(record.windRawX10, 2131);
    EXPECT_EQ(record.windDirectionDeg, 180);
}

TEST(BlockRecordTest, HumidityIsNotCorrectedAndThermalWindIsTruncated) {
    BlockRecord record;
    QByteArray message = withField(exampleWithKind("t0003"), 50, "012");
    message = withField(message, 59, "-019");
    message = withField(message, 39, "x");
    parseBlockMessage(message.constData(), record);
    EXPECT_EQ(record.humidityX10, 12);
    EXPECT_EQ(record.windThermalKmh, -1);
    // a non-digit exponent reads as 0: 1003 × 0.001 Hz
    EXPECT_NEAR(record.skyMagnitude, 21.0093f, 1e-3);
}

}  // namespace
}  // namespace zaq::test
