#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>

#include "support/TestContext.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

// A 160 × 120 camera picture as the server sends it, detailed enough to weigh over 1000 bytes.
QByteArray cameraPicture() {
    QImage picture(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixelColor(x, y, QColor((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
        }
    }
    QTemporaryDir dir;
    const QString file = dir.path() + "/p.jpg";
    return writeJpegFile(file, picture, 90) ? fileContents(file) : QByteArray();
}

// The GetChannel.cgi answer whose eleventh character is the server's channel (0–3).
QByteArray channelAnswer(int userChannel) {
    return "Channel = " + QByteArray::number(userChannel - 1) + "\r\n";
}

struct VideoRun : ::testing::Test {
    VideoRun() {
        t.clock.set(QDateTime(QDate(2024, 6, 1), QTime(9, 5, 7)));
        Configuration& c = t.app.config;
        c.ipVideoAddress = "http://video/";
        c.ipVideoCapture = true;
        c.ipVideoChannels = {false, false, true, false};
        c.ipVideoArchive = true;
        c.ipVideoIntervalMinutes = 2;
        c.capturesDirectory = t.dirPath("capturas/");
        QDir().mkpath(c.capturesDirectory);
    }
    // One tick whose channel read gets `answer`.
    void tick(const QByteArray& answer) {
        video.TimerCamaraTimer();
        t.http.answer(answer);
    }
    QStringList dated() const {
        return QDir(t.app.config.capturesDirectory).entryList(QDir::Files);
    }
    TestContext t;
    IpVideoCapture& video = t.app.ipVideo;
    SettingsForm& f = t.app.settingsForm;
};

// Only channel 3 checked, the server on channel 1: skip, skip, switch, capture, skip and end.
TEST_F(VideoRun, OneCheckedChannelTakesFiveTicks) {
    video.startMinute();
    ASSERT_TRUE(video.timerActive());
    tick(channelAnswer(1));
    tick(channelAnswer(1));
    EXPECT_EQ(video.cycleIndex(), 3);
    EXPECT_EQ(f.LNumCanal.text, "1");

    tick(channelAnswer(1));
    EXPECT_EQ(f.CBipvideo3.colour, colours::skyBlue);
    EXPECT_EQ(t.http.open.front().request.url, "http://video/SetChannel.cgi?Channel=2");
    t.http.answer("OK");
    EXPECT_EQ(f.LNumCanal.text, "3");
    EXPECT_EQ(f.CBipvideo3.colour, colours::grey);
    EXPECT_EQ(f.LStatusIPcam.text, "-");

    tick(channelAnswer(3));
    EXPECT_EQ(t.http.open.front().request.url, "http://video/Jpeg/CamImg.jpg");
    t.http.answer(cameraPicture());
    EXPECT_EQ(f.LStatusIPcam.text, "Foto: -OK-");
    EXPECT_EQ(readJpegFile(t.dirPath("IPcam3.jpg")).image.size(), QSize(160, 164));
    EXPECT_FALSE(QFile::exists(t.dirPath("IPcam1.jpg")));

    tick(channelAnswer(3));
    EXPECT_EQ(video.cycleIndex(), 0);
    EXPECT_FALSE(video.timerActive());
    EXPECT_EQ(f.CBipvideo3.colour, colours::buttonFace);
    EXPECT_TRUE(t.http.open.empty());
    EXPECT_EQ(t.http.urls.count("http://video/GetChannel.cgi"), 5);
}

// An answer without an eleventh digit, a failed capture: the cycle waits where it is.
TEST_F(VideoRun, AnUnreadableChannelOrFailedCaptureHoldsTheCycle) {
    t.app.config.ipVideoChannels = {true, false, false, false};
    video.startMinute();
    for (const QByteArray& answer : {QByteArray("Channel=0"), QByteArray("Channel = x")}) {
        tick(answer);
        EXPECT_EQ(f.LNumCanal.text, "?");
        EXPECT_EQ(video.cycleIndex(), 1);
    }
    tick(channelAnswer(1));
    t.http.fail();
    EXPECT_EQ(f.LStatusIPcam.text, "- -");
    EXPECT_EQ(f.CBipvideo1.colour, colours::maroon);
    EXPECT_EQ(video.cycleIndex(), 1);
    // A tick that finds the request still open does nothing.
    video.TimerCamaraTimer();
    video.TimerCamaraTimer();
    EXPECT_EQ(t.http.open.size(), 1u);
    t.http.answer(channelAnswer(1));
    t.http.answer(cameraPicture());
    EXPECT_EQ(video.cycleIndex(), 2);
    // The minute timer does not start another cycle while one runs, but counts the minute.
    video.startMinute();
    EXPECT_EQ(video.cycleIndex(), 2);
    EXPECT_EQ(video.minuteCounter(), 2);
}

// The interval reached: every picture of that cycle dated, then the counter starts again. A
// number below the counter suspends the dated copies until the counter is reset.
TEST_F(VideoRun, DatedCopiesFollowTheMinuteCounter) {
    const auto fullCycle = [&] {
        tick(channelAnswer(3));
        tick(channelAnswer(3));
        tick(channelAnswer(3));
        t.http.answer(cameraPicture());
        tick(channelAnswer(3));
    };
    video.startMinute();
    fullCycle();
    EXPECT_TRUE(dated().isEmpty());
    video.startMinute();
    fullCycle();
    EXPECT_EQ(dated(), QStringList{"c3_2024-6-1-9-5-7.jpg"});
    EXPECT_EQ(video.minuteCounter(), 0);

    video.startMinute();
    video.startMinute();
    t.app.config.ipVideoIntervalMinutes = 1;
    QFile::remove(t.dirPath("capturas/c3_2024-6-1-9-5-7.jpg"));
    fullCycle();
    EXPECT_TRUE(dated().isEmpty());
    EXPECT_EQ(video.minuteCounter(), 2) << "past the interval: never equal, never reset";
}

// "Test" starts again at channel 1 mid-cycle, whether capturing is on or not; a reply still
// open from before is not heard.
TEST_F(VideoRun, TestRestartsAtChannelOne) {
    t.app.config.ipVideoCapture = false;
    video.startMinute();
    EXPECT_FALSE(video.timerActive());
    video.BcamaraIPClick();
    tick(channelAnswer(3));
    tick(channelAnswer(3));
    tick(channelAnswer(3));
    ASSERT_EQ(video.cycleIndex(), 3);
    video.BcamaraIPClick();
    EXPECT_EQ(f.LStatusIPcam.text, "- -");
    t.http.answer(cameraPicture());
    EXPECT_EQ(video.cycleIndex(), 1);
    EXPECT_FALSE(QFile::exists(t.dirPath("IPcam3.jpg")));
    tick(channelAnswer(3));
    EXPECT_EQ(video.cycleIndex(), 2);
}

struct SingleBoardRun : ::testing::Test {
    SingleBoardRun() {
        Configuration& c = t.app.config;
        c.cameraAddress = "http://xcam/picture/x/current/";
        c.cameraUser = "webiopi";
        c.cameraPassword = "marmalade";
        c.cameraCapture = true;
        c.cameraArchive = true;
        c.cameraIntervalMinutes = 1;
        c.capturesDirectory = t.dirPath("capturas/");
        QDir().mkpath(c.capturesDirectory);
        t.clock.set(QDateTime(QDate(2024, 6, 1), QTime(9, 5, 7)));
    }
    // The two requests of a camera answered with `picture`, then the file checked.
    void fetchAndCheck(const QByteArray& picture) {
        for (int request = 0; request < 2; ++request) {
            cameras.TimerPicamTimer();
            t.http.answer(picture);
        }
        cameras.TimerPicamTimer();
    }
    TestContext t;
    SingleBoardCapture& cameras = t.app.singleBoard;
    SettingsForm& f = t.app.settingsForm;
};

// Each camera twice from its own path (every "x" its number), checked, published as IPcam2 and
// IPcam3; only the first one's dated copy, since its copy resets the counter.
TEST_F(SingleBoardRun, BothCamerasInOneCycle) {
    cameras.startMinute();
    fetchAndCheck(cameraPicture());
    EXPECT_EQ(f.LStatusCamPI.text, "-OK-");
    cameras.TimerPicamTimer();
    fetchAndCheck(cameraPicture());
    cameras.TimerPicamTimer();
    EXPECT_EQ(cameras.state(), SingleBoardCapture::Idle);
    EXPECT_FALSE(cameras.timerActive());
    EXPECT_EQ(cameras.cameraNumber(), 1);
    EXPECT_EQ(t.http.urls,
              QStringList({"http://1cam/picture/1/current/", "http://1cam/picture/1/current/",
                           "http://2cam/picture/2/current/", "http://2cam/picture/2/current/"}));
    for (const char* name : {"IPcam2.jpg", "IPcam3.jpg"}) {
        EXPECT_EQ(readJpegFile(t.dirPath(name)).image.size(), QSize(160, 164)) << name;
    }
    EXPECT_EQ(QDir(t.app.config.capturesDirectory).entryList(QDir::Files),
              QStringList{"c2_2024-6-1-9-5-7.jpg"});
    EXPECT_EQ(cameras.minuteCounter(), 0);
}

// 1000 bytes is an error page, fetched again; 1001 bytes pass as 1 KB.
TEST_F(SingleBoardRun, TheSmallestPictureThatPasses) {
    cameras.BpiClick();
    EXPECT_EQ(f.LStatusCamPI.text, "--");
    fetchAndCheck(QByteArray(1000, 'j'));
    EXPECT_EQ(cameras.state(), SingleBoardCapture::FirstRequest);
    fetchAndCheck(QByteArray(1001, 'j'));
    EXPECT_EQ(cameras.state(), SingleBoardCapture::Publish);
    EXPECT_EQ(f.LTamJpg.text, "1 KB");
}

// Refused credentials: said at every first request, no picture; a short user name sends none.
TEST_F(SingleBoardRun, FailuresAndCredentials) {
    cameras.startMinute();
    for (int tick = 0; tick < 2; ++tick) {
        cameras.TimerPicamTimer();
        EXPECT_EQ(t.http.open.front().request.user, "webiopi");
        t.http.fail(HttpResult::Event::AuthenticationNeeded);
    }
    EXPECT_EQ(t.shownLines(), QStringList({"AutentNeed", "Fallo captura IPcam", "AutentNeed",
                                           "Fallo captura IPcam"}));
    cameras.TimerPicamTimer();
    t.http.answer(cameraPicture());
    cameras.TimerPicamTimer();
    t.http.fail();
    EXPECT_EQ(cameras.state(), SingleBoardCapture::SecondRequest) << "a silent retry";
    EXPECT_FALSE(QFile::exists(t.dirPath("IPcam2.jpg")));

    TestContext fresh;
    fresh.app.config.cameraUser = "pi";
    fresh.app.singleBoard.BpiClick();
    fresh.app.singleBoard.TimerPicamTimer();
    EXPECT_TRUE(fresh.http.open.front().request.user.isEmpty());
    EXPECT_EQ(fresh.shownLines(), QStringList{"sin psw"});
}

}  // namespace
}  // namespace zaq::test
