#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstring>

#include "E2eRun.h"
#include "graphs/GraphRecord.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "support/QtPrinters.h"
#include "support/SimulatorLink.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The simulated video server and cameras on a free loopback port, behind "webiopi"/"marmalade".
class CameraSimulator {
  public:
    CameraSimulator() {
        process_.start(ZAQ_CAMERA_SIM,
                       {"--port", "0", "--user", "webiopi", "--password", "marmalade"});
        process_.setReadChannel(QProcess::StandardError);
        QElapsedTimer waited;
        waited.start();
        while (port_ == 0 && waited.elapsed() < 5000) {
            process_.waitForReadyRead(200);
            log_ += process_.readAllStandardError();
            port_ = simulatorPort(QString::fromUtf8(log_));
        }
    }
    ~CameraSimulator() { stop(); }
    void stop() {
        process_.kill();
        process_.waitForFinished(2000);
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(path);
    }
    int port() const { return port_; }

  private:
    QProcess process_;
    QByteArray log_;
    int port_ = 0;
};

// Presence "( )" as the station's own log times it, between the two moments of the run.
std::vector<qint64> presenceIntervals(const E2eRun& run, qint64 fromMs, qint64 toMs) {
    std::vector<qint64> times;
    for (const E2eRun::Line& c : run.received()) {
        if (c.text == "( )" && c.ms >= fromMs && c.ms <= toMs && c.stationMs >= 0) {
            times.push_back(c.stationMs);
        }
    }
    std::vector<qint64> intervals;
    for (std::size_t i = 1; i < times.size(); ++i) {
        intervals.push_back(times[i] - times[i - 1]);
    }
    return intervals;
}

// A minute and more of the real programs: the files of the periodic processing, the monthly
// table and the graph store, refilled at start from the station's 288 blocks, and the pictures
// of the simulated cameras published with their two strips.
TEST(DataFilesE2ETest, TwoMinutesOfDataWriteTheFilesAndPicturesWithTheStationsValues) {
    E2eRun run;
    run.startSimulator(false,
                       "at 0s temperature 12.5\nat 0s dewpoint 5.3\nat 0s pressure 1013.2\n"
                       "at 0s supply 12.6\nat 0s cloud 20\nat 0s rain 0\n");
    CameraSimulator cameras;
    ASSERT_NE(cameras.port(), 0) << "the camera simulator did not start";
    run.writeConfiguration(false, 0, true, true, [&](ConfigImage& image) {
        using namespace cfglayout;
        image.writeText(kChartInterval, 2, "1");
        for (int channel = 0; channel < 3; ++channel) {
            image.writeFlag(kIpVideoChannel1 + channel, true);
        }
        for (const int flag : {kIpVideoCapture, kIpVideoArchive, kCameraCapture, kCameraArchive}) {
            image.writeFlag(flag, true);
        }
        image.writeText(kIpVideoInterval, 2, "1");
        image.writeText(kCameraInterval, 2, "1");
        image.writeZeroTerminated(kIpVideoAddress, kHostSpaces, kCameraAddressMax, cameras.url(""));
        image.writeZeroTerminated(kCameraAddress, kHostSpaces, kCameraAddressMax,
                                  cameras.url("picture/x/current/"));
        image.writeText(kCameraUser, kCredentialWidth, "webiopi");
        image.writeText(kCameraPassword, kCredentialWidth, "marmalade");
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
    const QStringList published{"IPcam1.jpg", "IPcam2.jpg", "IPcam3.jpg"};
    const auto allPublished = [&] {
        return std::all_of(published.begin(), published.end(),
                           [&](const QString& p) { return QFile::exists(run.dir() + "/" + p); });
    };
    run.runFor(run.elapsed() + 75000, [&] {
        return allCharts() && QFileInfo(banner).lastModified() != firstBanner && allPublished();
    });
    // With the cameras gone the next cycles fail, and the station link keeps its rhythm.
    cameras.stop();
    const qint64 camerasGone = run.elapsed();
    run.runFor(camerasGone + 13000);
    run.stop();
    const std::vector<qint64> rhythm = presenceIntervals(run, camerasGone + 500, run.elapsed());
    EXPECT_GE(rhythm.size(), 2u);
    for (const qint64 interval : rhythm) {
        EXPECT_NEAR(interval, 4000, 500) << "presence with the cameras gone";
    }
    for (const QString& picture : published) {
        QProcess djpeg;
        djpeg.start("djpeg", {"-pnm", run.dir() + "/" + picture});
        ASSERT_TRUE(djpeg.waitForFinished(10000));
        EXPECT_TRUE(djpeg.readAllStandardOutput().startsWith("P6\n320 284\n"))
            << picture.toStdString() << ": 44 rows more than the camera's 320 × 240";
    }
    for (const char* dated : {"c1_*.jpg", "c2_*.jpg", "c3_*.jpg"}) {
        EXPECT_FALSE(QDir(run.dir()).entryList({dated}).isEmpty()) << dated;
    }
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
                ::testing::MatchesRegex(
                    "[0-9/]+ [0-9:]+ Temp 12,5 ºC  Hum [0-9,]+ %  Pres 1.013,2 "
                    "hPa  Viento [0-9,]+ km/h  Nubes 20 %  Cielo [0-9,]+ mag  "
                    "Fuente 12,6 V  Techo: .* Apertura (no )?permitida  Retraso max. [0-9]+ ms"));
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
