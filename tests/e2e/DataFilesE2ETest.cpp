#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstring>

#include "E2eRun.h"
#include "graphs/GraphRecord.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "support/QtPrinters.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A minute and more of the real programs: the files of the periodic processing, the monthly
// table and the graph store, refilled at start from the station's 288 blocks.
TEST(DataFilesE2ETest, TwoMinutesOfDataWriteTheFilesAndPicturesWithTheStationsValues) {
    E2eRun run;
    run.startSimulator(false,
                       "at 0s temperature 12.5\nat 0s dewpoint 5.3\nat 0s pressure 1013.2\n"
                       "at 0s supply 12.6\nat 0s cloud 20\nat 0s rain 0\n");
    run.writeConfiguration(false, 0, true, true, [](ConfigImage& image) {
        image.writeText(cfglayout::kChartInterval, 2, "1");
    });
    // The records of a previous month, left by an earlier run.
    const int month = QDate::currentDate().month();
    const QString ended = QString::asprintf("%02i", month == 1 ? 12 : month - 1);
    {
        QFile old(run.dir() + "/extremas.txt");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("*MES=" + ended.toLatin1() +
                  " *MHTM=030.0\t*MLTM=-05.0\t*MHHM=099.0\t*MLHM=010.0\t*MHBR=1040.0\t"
                  "*MLBR=0980.0\t*MGST=090.0\t*MPCP=100.0\t*YHTM=045.0\t*YLTM=-20.0\t"
                  "*YHHM=100.0\t*YLHM=005.0\t*YHBR=1050.0\t*YLBR=0960.0\t*YGST=150.0\t"
                  "*YPCP=300.0\r\n");
    }
    // The user's banner template.
    QImage plain(360, 110, QImage::Format_RGB32);
    plain.fill(QColor(30, 30, 60));
    ASSERT_TRUE(writeJpegFile(run.dir() + "/baner-b.jpg", plain, 90));
    run.startZaq(run.ttyLink());
    const QString store = run.dir() + "/zaqgraf.hex";
    const auto monthly = [&] { return QDir(run.dir()).entryList({"zaq_*.txt"}); };
    const QString web = run.dir() + "/awekas_wl.htm";
    const QString banner = run.dir() + "/baner.jpg";
    run.runFor(90000, [&] {
        return QFile::exists(store) && !monthly().isEmpty() && QFile::exists(web) &&
               QFile::exists(banner);
    });
    // The second minute: the banner again, and with ETiempoJpg 1 the six chart pictures.
    const QDateTime firstBanner = QFileInfo(banner).lastModified();
    const QStringList charts{"anemometro.jpg",   "temperatura.jpg", "pluviometria.jpg",
                             "lluvia_nubes.jpg", "barometro.jpg",   "magnitudv.jpg"};
    const auto allCharts = [&] {
        return std::all_of(charts.begin(), charts.end(),
                           [&](const QString& c) { return QFile::exists(run.dir() + "/" + c); });
    };
    run.runFor(run.elapsed() + 75000,
               [&] { return allCharts() && QFileInfo(banner).lastModified() != firstBanner; });
    run.runFor(run.elapsed() + 1500);
    run.stop();
    EXPECT_NE(QFileInfo(banner).lastModified(), firstBanner) << "a banner every minute";
    for (const QString& chart : charts) {
        QProcess djpeg;
        djpeg.start("djpeg", {"-pnm", run.dir() + "/" + chart});
        ASSERT_TRUE(djpeg.waitForFinished(10000));
        EXPECT_TRUE(djpeg.readAllStandardOutput().startsWith("P6\n")) << chart.toStdString();
    }
    EXPECT_THAT(QDir(run.dir()).entryList({"*.bmp", "Anem.jpg", "temp.jpg", "pluv.jpg", "lluv.jpg",
                                           "baro.jpg", "mag.jpg"}),
                ::testing::IsEmpty());

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

    // The minute's banner, on the template's size; its working file is gone.
    EXPECT_EQ(readJpegFile(banner).image.size(), QSize(360, 110));
    EXPECT_FALSE(QFile::exists(run.dir() + "/jpg_baner.jpg"));

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

    // The station's day extremes made this month's records from the recovered file, the ended
    // month was archived, and the web templates were written with the station's values.
    EXPECT_EQ(run.outputCount("Recuperadas max-min de: " + run.dir() + "/extremas.txt"), 1);
    const QString archive = "./extremas" + ended + ".txt";
    EXPECT_EQ(run.outputCount("Salvado fichero de max-min mensual: " + archive), 1);
    EXPECT_TRUE(contents(run.dir() + "/" + archive)
                    .startsWith("*MES=" + ended.toLatin1() + " *MHTM=030.0"));
    const QByteArray recordsLine = contents(run.dir() + "/extremas.txt");
    // This month's records restarted from the station's day, not from the ended month's.
    const QByteArray start = QString::asprintf("*MES=%02i *MHTM=", month).toLatin1();
    ASSERT_TRUE(recordsLine.startsWith(start)) << recordsLine.toStdString();
    const QByteArray monthHigh = recordsLine.mid(start.size(), 5);
    EXPECT_NE(monthHigh, "030.0");
    // The year's keep theirs, but January starts a new year.
    const QByteArray yearHigh = month == 1 ? monthHigh : QByteArray("045.0");
    EXPECT_TRUE(recordsLine.contains("\t*YHTM=" + yearHigh + "\t")) << recordsLine.toStdString();
    const QByteArray meteoclimatic = contents(run.dir() + "/meteoclimatic.htm");
    EXPECT_TRUE(meteoclimatic.contains("\r\n*TMP=12.5\r\n*WND=")) << meteoclimatic.toStdString();
    EXPECT_TRUE(meteoclimatic.contains("\r\n*BAR=1013.2\r\n"));
    EXPECT_TRUE(contents(web).startsWith("AWEKAS_Template_start\r\n12,5\r\n"));
}

}  // namespace
}  // namespace zaq::test
