#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/RecordingHooks.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "support/TestWiring.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StationDispatcherTest : public ::testing::Test {
  protected:
    TestContext t;
    RecordedStation<> station{t.app};
    RecordingGraphFeed& graphs = station.graphs;
    RecordingExtremes& extremes = station.extremes;
    RecordingWdTap& wd = station.wd;
};

TEST_F(StationDispatcherTest, DataMessageFollowedByStrayBytesAndANewStartWorksNormally) {
    station.feed(exampleDataMessage() + "xy" + exampleDataMessage());
    EXPECT_EQ(t.app.sums.sampleCount, 2);
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST_F(StationDispatcherTest, NinetyFiveStrayCharactersInAMessageReportInvalidData) {
    station.feed("(" + QByteArray(95, 'x') + exampleDataMessage());
    EXPECT_THAT(t.lines(), ElementsAre("Dato invalido"));
    EXPECT_EQ(t.app.sums.sampleCount, 1);
}

TEST_F(StationDispatcherTest, NinetyCollectedCharactersAreNotYetInvalid) {
    station.feed("(" + QByteArray(89, 'x') + "(");
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST_F(StationDispatcherTest, CloseOutsideAMessageRunsAnEmptyShortMessage) {
    station.feed("(Apagado)");
    t.app.messages.clear();
    t.app.flags.stationSpoke = false;
    station.feed(")");
    EXPECT_TRUE(t.app.flags.stationSpoke);
    // "Ver msg Control" is ticked and the previous message's second character was 'A'.
    EXPECT_THAT(t.lines(), ElementsAre(""));
}

TEST_F(StationDispatcherTest, CloseOutsideAMessageAfterASpaceAddsNothing) {
    station.feed("( x)");
    t.app.messages.clear();
    station.feed(")");
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST_F(StationDispatcherTest, CloseBetweenSeventySixAndEightyTwoEndsNothing) {
    QByteArray message = exampleDataMessage();
    message[78] = ')';  // a ')' at index 78 inside the block field
    station.feed(message);
    // ')' at 78 ended nothing; the closing one at 82 completes the data message.
    EXPECT_EQ(t.app.sums.sampleCount, 1);
    EXPECT_EQ(t.app.lastDataMessage.text(), message);
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST_F(StationDispatcherTest, SeventyFiveCharacterFormIsOnlyKeptAndCounted) {
    const QByteArray old = "(" + QByteArray(73, '5') + ")";
    station.feed(old);
    EXPECT_EQ(t.app.lastDataMessage.text(), old);
    EXPECT_EQ(t.app.sums.sampleCount, -1);
    EXPECT_FALSE(t.app.readings.readingsValid);
    EXPECT_THAT(t.lines(), IsEmpty());
}

TEST_F(StationDispatcherTest, LongTextIsShownBetweenBlanksWithItsSupplyFigure) {
    const QByteArray text = "(MAs" + QByteArray(90, 'd') + ")";
    station.feed(text);
    ASSERT_EQ(t.lines().size(), 1);
    EXPECT_EQ(t.lines()[0], " MAs" + QString(90, u'd') + "  11.5");
    // the message flag stays set: the following bytes are collected
    EXPECT_TRUE(station.dispatcher.assembler().inMessage);
}

TEST_F(StationDispatcherTest, AMessageGrowingPastTwoHundredWrapsWithoutOverrun) {
    station.feed("(" + QByteArray(300, 'z'));  // 301 bytes: the index wrapped to 100
    EXPECT_LE(station.dispatcher.assembler().index, 200);
    station.feed(exampleDataMessage());
    EXPECT_THAT(t.lines(), ElementsAre("Dato invalido"));
    EXPECT_EQ(t.app.sums.sampleCount, 1);
}

TEST_F(StationDispatcherTest, InputLongerThanOneAppendIsDispatchedInPieces) {
    QByteArray many;
    for (int i = 0; i < 60; ++i) {
        many += exampleDataMessage();
    }
    ASSERT_GT(many.size(), 2 * StationDispatcher::kMaxAppend);
    station.feed(many);
    EXPECT_EQ(t.app.sums.sampleCount, 60);
}

TEST_F(StationDispatcherTest, DataMessagesAreListedWhenAskedExceptDumpBlocks) {
    t.app.messagesForm.CBHistoriaMeteo.checked = true;
    station.feed(exampleDataMessage());
    station.feed(exampleWithKind("M1373"));
    EXPECT_THAT(t.lines(), ElementsAre(QString::fromLatin1(exampleDataMessage()),
                                       QString::fromLatin1(exampleWithKind("M1373"))));
}

TEST_F(StationDispatcherTest, KindsGoToTheirHandlers) {
    station.feed(exampleDataMessage());
    station.feed(exampleWithKind("M1373"));
    station.feed(exampleWithKind("m1373"));
    station.feed(exampleWithKind("00004"));
    station.feed(exampleWithKind("t0000"));
    station.feed(exampleWithKind("X1234"));
    EXPECT_EQ(t.app.sums.sampleCount, 1);
    ASSERT_EQ(extremes.messages.size(), 4u);
    EXPECT_EQ(extremes.messages[0], exampleWithKind("M1373"));
    EXPECT_EQ(extremes.messages[2], exampleWithKind("00004"));
    EXPECT_THAT(graphs.calls, ElementsAre("refill 4", "redraw", "refill 0"));
}

TEST_F(StationDispatcherTest, EveryByteReachesTheWeatherDisplayTapFirst) {
    const QByteArray bytes = QByteArray("\xFF\x01\x02", 3) + "(Apagado)";
    station.feed(bytes);
    EXPECT_EQ(wd.bytes, bytes);
}

TEST_F(StationDispatcherTest, MessageStartsAndShortEndsMarkThatTheStationSpoke) {
    t.app.flags.stationSpoke = false;
    t.app.flags.rxBlink = false;
    station.feed("(Ap");
    EXPECT_TRUE(t.app.flags.stationSpoke);
    EXPECT_TRUE(t.app.flags.rxBlink);
    t.app.flags.stationSpoke = false;
    station.feed("agado)");
    EXPECT_TRUE(t.app.flags.stationSpoke);
}

// The same traffic cut into two pieces at every possible point, and fed a byte at a time, must
// leave the program exactly as the whole of it does.
struct Outcome {
    QStringList lines;
    QStringList log;
    int sampleCount;
    int temperature;
    QString lhon;
    QString caption;
    QString rainLimit;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    *os << o.lines.join(" | ").toStdString() << " // " << o.log.join(" | ").toStdString() << " // "
        << o.sampleCount << " " << o.temperature << " " << o.lhon.toStdString() << " "
        << o.caption.toStdString() << " " << o.rainLimit.toStdString();
}

QByteArray recordedTraffic() {
    return "(Placa v2)" + exampleDataMessage() + "(Son2215)" + "noise" + "(L080)" +
           withField(exampleDataMessage(), 45, "-050") + "(12:34:56)" + "(Cerrado)";
}

Outcome run(const std::vector<QByteArray>& pieces) {
    TestContext t;
    t.app.settingsForm.ELimiteLluvia.colour = colours::yellow;
    for (const QByteArray& piece : pieces) {
        t.feed(piece);
    }
    QStringList lines = t.lines();
    lines.replaceInStrings(t.dir.path(), QStringLiteral("<dir>"));
    return Outcome{lines,
                   t.logEntries(),
                   t.app.sums.sampleCount,
                   t.app.readings.temperatureX10,
                   t.app.mainForm.Lhon.text,
                   t.app.mainForm.window.caption,
                   t.app.settingsForm.ELimiteLluvia.text};
}

TEST(StationDispatcherSplitTest, MessagesSplitAtAnyPointGiveTheSameResult) {
    const QByteArray traffic = recordedTraffic();
    const Outcome whole = run({traffic});
    ASSERT_EQ(whole.sampleCount, 2);
    ASSERT_EQ(whole.temperature, -50);
    ASSERT_EQ(whole.rainLimit, "80");
    for (qsizetype cut = 1; cut < traffic.size(); ++cut) {
        EXPECT_EQ(run({traffic.left(cut), traffic.mid(cut)}), whole) << "cut at " << cut;
    }
    std::vector<QByteArray> bytes;
    for (const char c : traffic) {
        bytes.emplace_back(1, c);
    }
    EXPECT_EQ(run(bytes), whole);
}

}  // namespace
}  // namespace zaq::test
