#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstring>

#include "E2eRun.h"
#include "graphs/GraphRecord.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A minute and more of the real programs: the files of the periodic processing, the monthly
// table and the graph store, refilled at start from the station's 288 blocks.
TEST(DataFilesE2ETest, AMinuteOfDataWritesTheFilesWithTheStationsValues) {
    E2eRun run;
    run.startSimulator(false,
                       "at 0s temperature 12.5\nat 0s dewpoint 5.3\nat 0s pressure 1013.2\n"
                       "at 0s supply 12.6\nat 0s cloud 20\nat 0s rain 0\n");
    run.writeConfiguration(false, 0, true, true);
    run.startZaq(run.ttyLink());
    const QString store = run.dir() + "/zaqgraf.hex";
    const auto monthly = [&] { return QDir(run.dir()).entryList({"zaq_*.txt"}); };
    run.runFor(90000, [&] { return QFile::exists(store) && !monthly().isEmpty(); });
    run.runFor(run.elapsed() + 1500);
    run.stop();

    const QList<QByteArray> current = contents(run.dir() + "/zaqdf.txt").split('\n');
    ASSERT_GE(current.size(), 2);
    const QList<QByteArray> cols = current[1].trimmed().split('\t');
    ASSERT_EQ(cols.size(), 19) << current[1].toStdString();
    EXPECT_EQ(cols[4], "1013,2");
    EXPECT_EQ(cols[10], "12,5");
    EXPECT_EQ(cols[17], "12,6");

    const QByteArray easy = contents(run.dir() + "/easyweather.txt");
    EXPECT_TRUE(easy.contains(", 12.5, ")) << easy.toStdString();
    EXPECT_TRUE(easy.endsWith(", "));

    const QByteArray clarity = contents(run.dir() + "/cdf.txt");
    ASSERT_EQ(clarity.size(), 104);
    EXPECT_EQ(clarity.mid(34, 4), "12.5");

    ASSERT_EQ(monthly().size(), 1);
    const QByteArray table = contents(run.dir() + "/" + monthly().front());
    EXPECT_TRUE(table.startsWith("Dia\tHora\t"));
    EXPECT_TRUE(table.contains("\t12,5\t")) << table.toStdString();

    const QByteArray bytes = contents(store);
    ASSERT_EQ(bytes.size(), 149760);
    std::vector<GraphRecord> records(1440);
    std::memcpy(records.data(), bytes.constData(), 149760);
    EXPECT_FLOAT_EQ(records.back().temperature, 12.5f);
    EXPECT_NEAR(records.back().pressureSeaLevel, 1013.2f, 0.01);  // a float sum of the minute
    // The day before the program started came from the station's memory.
    int filled = 0;
    for (const GraphRecord& r : records) {
        filled += r.temperature != 0 && r.pressureSeaLevel > 900;
    }
    EXPECT_GT(filled, 1300);
    EXPECT_EQ(run.outputCount("Autorecarga de graficos 24h al inicio."), 1);

    // After the minute's processing the journal shows the station live, in the panels' texts.
    const auto status = std::find_if(run.output().begin(), run.output().end(), [](const auto& l) {
        return l.text.contains(" Temp ") && l.text.contains(" Techo: ");
    });
    ASSERT_NE(status, run.output().end());
    EXPECT_THAT(status->text.toStdString(),
                ::testing::MatchesRegex("[0-9/]+ [0-9:]+ Temp 12,5 ºC  Hum [0-9,]+ %  Pres 1.013,2 "
                                        "hPa  Viento [0-9,]+ km/h  Nubes 20 %  Cielo [0-9,]+ mag  "
                                        "Fuente 12,6 V  Techo: .* Apertura (no )?permitida"));
    EXPECT_TRUE(run.logEntries().filter(" Temp ").isEmpty()) << "the status line is not logged";
}

}  // namespace
}  // namespace zaq::test
