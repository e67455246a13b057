#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QThread>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// One record of the station's dump, its fields as they are sent.
struct Fields {
    int offset = 0;
    QByteArray year = "0F";  // year − 2000 in hex: 2015
    int cloud = 20, humidity = 65, direction = 18, rainSensor = 0, supply = 0x73;
    int temperature = 125, dewPoint = 53, light = 300, sky = 0x2AFB;
    int rainDay = 0, rainTotal = 2450, meanWind = 5, wind = 123, pressure = 10132;
};

QByteArray hex(int value, int digits) {
    return QByteArray::number(value & ((1 << (4 * digits)) - 1), 16)
        .toUpper()
        .rightJustified(digits, '0');
}

QByteArray record(const Fields& f) {
    return "(" + QByteArray::number(f.offset).rightJustified(4, '0') + f.year + hex(f.cloud, 2) +
           hex(f.humidity, 2) + hex(f.direction, 2) + hex(f.rainSensor, 2) + hex(f.supply, 2) +
           hex(f.temperature, 4) + hex(f.dewPoint, 4) + hex(f.light, 4) + hex(f.sky, 4) +
           hex(f.rainDay, 4) + hex(f.rainTotal, 4) + hex(f.meanWind, 4) + hex(f.wind, 4) +
           hex(f.pressure, 4) + ")";
}

QByteArray header(int block) {
    return "(" + QByteArray::number(block).rightJustified(5, '0') + ")";
}

class DataLogDecoderTest : public ::testing::Test {
  protected:
    DataLogDecoderTest() { t.app.flags.dumpInProgress = true; }
    DataLogDecoder& decoder() { return t.app.dataLogDecoder; }
    // The day of 1 February: seven blocks of 22 records, `change` applied to record i.
    void feedDay(const std::function<void(int, Fields&)>& change = {}) {
        for (int block = 0; block < 7; ++block) {
            t.feed(header(1617 + block));
            for (int i = 0; i < 22; ++i) {
                Fields f;
                f.offset = i * 24;
                if (change) {
                    change(block * 22 + i, f);
                }
                t.feed(record(f));
            }
        }
    }
    QStringList lines(const QString& name) {
        return decodeWindows1252(fileContents(t.dirPath(name))).split("\r\n", Qt::SkipEmptyParts);
    }
    TestContext t;
};

TEST_F(DataLogDecoderTest, AHeaderNamesMonthDayAndBlockAndOffsetsGiveTheTime) {
    t.feed(header(1617));
    EXPECT_EQ(t.lines().last(), "  Mes:2 Dia:1 Bloque:0");
    t.feed(header(1623));
    t.feed(record({.offset = 0}));
    t.feed(record({.offset = 264}));
    EXPECT_EQ(decoder().record(0).time, QTime(22, 0));
    EXPECT_EQ(decoder().record(1).time, QTime(23, 50));
    EXPECT_EQ(decoder().record(1).date, QDate(2015, 2, 1));
    EXPECT_EQ(decoder().recordCount(), 2);
}

// A day that the month lacks (30 February) keeps the slot's date; "F" keeps the year.
TEST_F(DataLogDecoderTest, DatesThatDoNotExistAreNotStored) {
    t.feed(header(1617));
    t.feed(record({}));
    t.feed(header(1400 + 7 * (31 + 29)));
    EXPECT_EQ(t.lines().last(), "  Mes:2 Dia:30 Bloque:0");
    t.feed(record({.year = "F0"}));
    EXPECT_EQ(decoder().record(1).date, QDate());
    EXPECT_EQ(decoder().recordCount(), 2);
}

// A whole day: the ten-minute lines with their columns, the maximum and minimum lines, and the
// records whose supply is not plausible left out.
TEST_F(DataLogDecoderTest, AWholeDayIsAppendedToTheThreeMonthlyFiles) {
    t.app.config.dataDirectory = t.dir.path() + u'/';
    feedDay([](int i, Fields& f) {
        if (i == 1) {
            f.temperature = -100;  // FF9C
        }
        if (i == 2) {
            f.supply = 0xFF;
        }
        if (i == 3) {
            f.cloud = 120;
        }
        if (i == 147) {
            f.temperature = 250;
        }
        if (i >= 149 || (i >= 144 && i < 146)) {
            f.supply = 0xFF;  // erased memory
        }
    });
    EXPECT_EQ(decoder().recordCount(), 0);
    const QStringList ten = lines("DataLog_02_2015.txt");
    ASSERT_EQ(ten.size(), 1 + 143);
    EXPECT_EQ(ten[0],
              "Dia\tHora\tLluv\tNubes\tBar\tPluv\tPluv.Acu\tLuzD\tLuzN\tTemp\tHrel\tT.Roc\t"
              "Ane.M\tAne\tVeleta\tFuente ");
    EXPECT_EQ(ten[1],
              "01/02/2015\t00:00:00\t00\t20\t1013,2\t000,0\t245,0\t300\t18,50\t12,5\t65\t"
              "05,3\t005\t012\t180\t11,5");
    EXPECT_THAT(ten[2].toStdString(), ::testing::HasSubstr("\t-10,0\t"));
    EXPECT_TRUE(ten[3].startsWith("01/02/2015\t00:30:00\t00\t00\t")) << "cloud above 99 reads 0";
    EXPECT_TRUE(ten.last().startsWith("01/02/2015\t23:50:00\t"));
    const QStringList max = lines("DataLog_02_2015_Max.txt");
    ASSERT_EQ(max.size(), 2);
    EXPECT_THAT(max[1].toStdString(), ::testing::HasSubstr("\t25,0\t"));
    EXPECT_EQ(lines("DataLog_02_2015_Min.txt").size(), 2);
    EXPECT_THAT(t.lines(), Contains("Creado: " + t.dir.path() + "/DataLog_02_2015_Max.txt"));
}

// Without a valid year the full day cannot be filed: it is dropped and the buffer starts again,
// never written past its end.
TEST_F(DataLogDecoderTest, ADayWithoutAValidYearRestartsTheBuffer) {
    t.app.config.dataDirectory = t.dir.path() + u'/';
    feedDay([](int, Fields& f) { f.year = "32"; });
    EXPECT_EQ(decoder().recordCount(), 0);
    EXPECT_THAT(t.lines(), Contains("Datalogger: dia sin año valido (2050), no se guarda."));
    EXPECT_FALSE(QFile::exists(t.dirPath("DataLog_02_2050.txt")));
    t.feed(header(1617));
    t.feed(record({}));
    EXPECT_EQ(decoder().recordCount(), 1);
}

TEST_F(DataLogDecoderTest, AnUnwritableDirectoryIsReported) {
    t.app.config.dataDirectory = t.dir.path() + "/no/such/";
    feedDay();
    EXPECT_THAT(t.lines(),
                Contains("Inaccesible: " + t.dir.path() + "/no/such/DataLog_02_2015.txt"));
}

// Over the network a busy moment gathers more than 2200 bytes of a dump in one read: during a dump
// all of it is records, outside one it is still noise.
TEST_F(DataLogDecoderTest, AReadOfMoreThan2200BytesIsNoiseOnlyOutsideADump) {
    for (const bool dumping : {true, false}) {
        SCOPED_TRACE(dumping ? "during a dump" : "outside a dump");
        TestContext net;
        net.app.flags.dumpInProgress = dumping;
        QTcpServer server;
        QTcpSocket* peer = net.connectToAdapter(server);
        ASSERT_NE(peer, nullptr);
        QByteArray burst;
        int records = 0;
        for (int block = 0; block < 6; ++block) {
            burst += header(1617 + block);
            for (int i = 0; i < 22; ++i, ++records) {
                burst += record({.offset = i * 24});
            }
        }
        ASSERT_GT(burst.size(), 6000);
        peer->write(burst);
        peer->waitForBytesWritten(1000);
        QThread::msleep(100);  // all of it waits in the socket: the client gets one read
        QElapsedTimer waited;
        waited.start();
        const int expected = dumping ? records : 0;
        const auto arrived = [&] {
            return dumping ? net.app.dataLogDecoder.recordCount() >= records
                           : net.lines().contains("Ruido ");
        };
        while (!arrived() && waited.elapsed() < 4000) {
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(net.app.dataLogDecoder.recordCount(), expected);
        EXPECT_EQ(net.lines().contains("Ruido "), !dumping);
    }
}

}  // namespace
}  // namespace zaq::test
