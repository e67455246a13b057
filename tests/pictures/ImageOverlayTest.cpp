#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "support/TestContext.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

using ::testing::Contains;

// The rows of the strip that hold sky-blue text pixels.
int textRows(const QImage& image, int top) {
    int rows = 0;
    for (int y = top; y < top + ImageOverlay::kStripHeight; ++y) {
        bool any = false;
        for (int x = 0; x < image.width() && !any; ++x) {
            const QColor c = image.pixelColor(x, y);
            any = c.blue() > 120 && c.red() > 60;
        }
        rows += any;
    }
    return rows;
}

// A 390-pixel picture: line 1 in 8-point type, then, the picture being 412 high, line 2 in
// 12-point type; 434 pixels in the end.
TEST(ImageOverlayTest, TwoStripsUnderThePictureWithTheirTypeSizes) {
    TestContext t;
    QImage camera(520, 390, QImage::Format_RGB32);
    camera.fill(QColor(90, 60, 30));
    const QString file = t.dirPath("picam.jpg");
    ASSERT_TRUE(writeJpegFile(file, camera, 90));
    ASSERT_TRUE(t.app.overlay.stampCameraImage(file));
    const QImage stamped = readJpegFile(file).image;
    ASSERT_EQ(stamped.size(), QSize(520, 434));
    const int small = textRows(stamped, 390);
    const int large = textRows(stamped, 412);
    EXPECT_GT(small, 3);
    EXPECT_GT(large, small) << "line 2 is drawn larger";
    QDir().mkpath(ZAQ_SCREENSHOTS);
    stamped.save(QString(ZAQ_SCREENSHOTS) + "/stamped-camera.png");

    QProcess djpeg;
    djpeg.start("djpeg", {"-pnm", file});
    ASSERT_TRUE(djpeg.waitForFinished(10000));
    EXPECT_TRUE(djpeg.readAllStandardOutput().startsWith("P6\n520 434\n"));
}

// The sky word begins with a blank of its own, after the one that follows the brightness.
TEST(ImageOverlayTest, TheBannerLinesByDayAndByNight) {
    TestContext t;
    t.app.settingsForm.Eident.text = "Observatorio";
    t.app.config.hoursFromUt = 0;
    EXPECT_EQ(t.app.overlay.bannerLine1(), "Observatorio  05/03/2015 9:07:21 UTC ");
    t.app.config.hoursFromUt = -1;
    EXPECT_TRUE(t.app.overlay.bannerLine1().endsWith(" UTC+-1"));
    t.app.readings.skyMagnitude = 9.0f;
    EXPECT_TRUE(t.app.overlay.bannerLine2().endsWith("----W/m2 --%"))
        << t.app.overlay.bannerLine2().toStdString();
    t.app.readings.skyMagnitude = 9.1f;
    EXPECT_TRUE(t.app.overlay.bannerLine2().endsWith("MV----  Muy Nublado"))
        << t.app.overlay.bannerLine2().toStdString();
    EXPECT_TRUE(t.app.overlay.bannerLine2().startsWith("ZAQ: ----ºC, ----%H ----Km/h ---max -- "));
}

// The hidden "T": its own caption forms, "ipcamtxt.jpg" one strip taller, and the banner.
TEST(ImageOverlayTest, TheHiddenTestButtonCaptionsIpcamAndMakesTheBanner) {
    TestContext t;
    t.app.settingsForm.Eident.text = "Obs";
    t.app.config.hoursFromUt = 0;
    EXPECT_EQ(t.app.overlay.testCaptionLine(),
              "Obs 05/03/2015 9:07:21 UTC  ----ºC ----%Hr ----Km/h-- ----mB");
    t.app.config.hoursFromUt = 2;
    EXPECT_EQ(t.app.overlay.testCaptionLine(),
              "Obs 05/03/2015 9:07:21 UTC+2   ----ºC, ----%Hr ----Km/h-- ----mB");
    EXPECT_FALSE(t.app.settingsForm.T.visible);
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    ASSERT_TRUE(writeJpegFile(t.dirPath("ipcam.jpg"), picture, 90));
    ASSERT_TRUE(writeJpegFile(t.dirPath("baner-b.jpg"), picture, 90));
    t.app.overlay.TClick();
    EXPECT_EQ(readJpegFile(t.dirPath("ipcamtxt.jpg")).image.size(), QSize(320, 262));
    EXPECT_EQ(readJpegFile(t.dirPath("ipcam.jpg")).image.size(), QSize(320, 240));
    EXPECT_TRUE(QFile::exists(t.dirPath("baner.jpg")));
}

// Fixed names by kind and number; the dated copy when the counter meets the interval, after
// which a single-board camera's counter starts again, so the second camera keeps none.
TEST(ImageOverlayTest, PublishingGivesTheFixedAndDatedNamesByCameraKind) {
    TestContext t;
    t.clock.set(QDateTime(QDate(2024, 6, 1), QTime(9, 5, 7)));
    t.app.config.capturesDirectory = t.dirPath("capturas/");
    QDir().mkpath(t.app.config.capturesDirectory);
    t.app.config.ipVideoArchive = t.app.config.cameraArchive = true;
    t.app.config.ipVideoIntervalMinutes = 10;
    t.app.config.cameraIntervalMinutes = 5;
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const auto capture = [&](const QString& name) {
        ASSERT_TRUE(writeJpegFile(t.dirPath(name), picture, 90));
    };
    using Kind = ImageOverlay::CameraKind;
    ImageOverlay& o = t.app.overlay;

    capture("IPcam.jpg");
    int videoMinutes = 9;
    o.publishCameraImage(Kind::IpVideo, 3, videoMinutes);
    EXPECT_EQ(readJpegFile(t.dirPath("IPcam3.jpg")).image.size(), QSize(200, 194));
    EXPECT_TRUE(QDir(t.app.config.capturesDirectory).isEmpty()) << "9 is not the interval";
    capture("IPcam.jpg");
    videoMinutes = 10;
    o.publishCameraImage(Kind::IpVideo, 3, videoMinutes);
    EXPECT_EQ(videoMinutes, 10) << "the video cycle resets its own counter";

    int cameraMinutes = 5;
    for (const int camera : {1, 2}) {
        capture("picam.jpg");
        o.publishCameraImage(Kind::SingleBoard, camera, cameraMinutes);
    }
    EXPECT_EQ(cameraMinutes, 0);
    EXPECT_TRUE(QFile::exists(t.dirPath("IPcam2.jpg")));
    EXPECT_EQ(readJpegFile(t.dirPath("IPcam3.jpg")).image.size(), QSize(200, 194));
    // c3 is the video channel's; the second single-board camera found the counter at 0.
    EXPECT_EQ(QDir(t.app.config.capturesDirectory).entryList(QDir::Files),
              QStringList({"c2_2024-6-1-9-5-7.jpg", "c3_2024-6-1-9-5-7.jpg"}));

    QFile::remove(t.dirPath("picam.jpg"));
    o.publishCameraImage(Kind::SingleBoard, 1, cameraMinutes);
    EXPECT_EQ(t.lines().last(), " ocupado ");
}

TEST(ImageOverlayTest, AnUnreadablePictureIsSaidAndTheOutputUntouched) {
    TestContext t;
    const QString input = t.dirPath("IPcam.jpg");
    QFile bad(input);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<html>");
    bad.close();
    EXPECT_FALSE(t.app.overlay.appendTextStrip(input, t.dirPath("out.jpg"), "texto"));
    EXPECT_THAT(t.lines(), Contains(input + " formato invalido."));
    EXPECT_FALSE(QFile::exists(t.dirPath("out.jpg")));
}

TEST(ImageOverlayTest, TheDatedNameHasNoLeadingZeros) {
    EXPECT_EQ(ImageOverlay::datedCaptureName(1, QDateTime(QDate(2024, 6, 1), QTime(9, 5, 7))),
              "c1_2024-6-1-9-5-7.jpg");
}

}  // namespace
}  // namespace zaq::test
