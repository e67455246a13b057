#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include "core/WindowConstruction.h"
#include "support/QtPrinters.h"
#include "support/SimulatorLink.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

// The program's logic in this process with its timers running, on the serial line of the real
// simulated station, whose scenario rains for a while.
class RoofE2ETest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile scenario(dir.path() + "/rain.txt");
        ASSERT_TRUE(scenario.open(QIODevice::WriteOnly));
        scenario.write("at 9s rain 50\nat 18s rain 0\n");
        scenario.close();
        QObject::connect(&sim, &QProcess::readyReadStandardError,
                         [this] { simLog += sim.readAllStandardError(); });
        sim.start(ZAQ_STATION_SIM,
                  {"--pty", link(), "--interval", "1", "--scenario", scenario.fileName()});
        ASSERT_TRUE(sim.waitForStarted());
        ASSERT_TRUE(waitForPtyLink(link()));

        t = std::make_unique<TestContext>(link());
        WindowConstruction construction(t->app);
        construction.constructMainWindow();
        construction.constructSettingsWindow();
        t->keepFilesInside();
        ClosingLimits& l = t->app.config.limits;
        l.rainPercent = 30;
        l.cloudPercent = 70;
        l.windKmh = l.meanWindKmh = l.thermalWindKmh = 250;
        l.supplyVolts = 10.0f;
        t->app.settingsForm.CBAperturaAuto.checked = true;
        t->app.timers.start();
        clock.start();
    }

    void TearDown() override {
        sim.terminate();
        sim.waitForFinished(3000);
    }

    QString link() const { return dir.path() + "/ttyZAQ"; }

    // Runs the event loop until the condition holds or the time is up.
    bool waitUntil(const std::function<bool()>& condition, qint64 untilMs) {
        while (clock.elapsed() < untilMs) {
            if (condition()) {
                return true;
            }
            QEventLoop loop;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return condition();
    }
    int received(const QByteArray& command) const { return simLog.count("<- " + command); }
    const MainForm& m() const { return t->app.mainForm; }

    QTemporaryDir dir;
    QProcess sim;
    QByteArray simLog;
    std::unique_ptr<TestContext> t;
    QElapsedTimer clock;
};

TEST_F(RoofE2ETest, RainClosesAnAutomaticallyOpenedRoofAndItsEndOpensItAgain) {
    // Dry: Apertura Auto opens the roof.
    ASSERT_TRUE(waitUntil([&] { return t->app.readings.roofLetter == 'A'; }, 8000))
        << simLog.toStdString();
    EXPECT_GE(received("(X001)"), 1);
    EXPECT_EQ(m().PTecho.colour, colours::skyBlue);

    // Rain over its limit: the row turns red, the station is told to close.
    ASSERT_TRUE(waitUntil([&] { return t->app.readings.roofLetter == 'C'; }, 16000))
        << simLog.toStdString();
    EXPECT_GE(received("(X000)"), 1);
    EXPECT_EQ(m().Llluvia.fontColour, colours::red);
    EXPECT_EQ(m().BBAbrirObs.fontColour, colours::red);
    t->app.roof.BBAbrirObsClick();
    EXPECT_THAT(t->prompter.warnings,
                ::testing::Contains("La apertura no es posible. Limites de seguridad superados."));

    // The rain stops: opened again.
    const int opensBefore = received("(X001)");
    ASSERT_TRUE(waitUntil([&] { return t->app.readings.roofLetter == 'A'; }, 28000))
        << simLog.toStdString();
    EXPECT_GT(received("(X001)"), opensBefore);
    EXPECT_EQ(m().PTecho.colour, colours::skyBlue);
    EXPECT_EQ(m().Llluvia.fontColour, colours::buttonText);

    // The start-up's "(@01373)" was answered with the station's day maxima and minima.
    EXPECT_GE(received("(@01373)"), 1);
    EXPECT_TRUE(t->app.stationExtremes.stationMaxReceived);
    EXPECT_NE(m().LTemperaturaMax.text, "---");
    EXPECT_NE(m().LBarometroMin.text, "---");
    EXPECT_GE(t->app.stationExtremes.max[StationExtremes::PressureSea],
              t->app.stationExtremes.min[StationExtremes::PressureSea]);
}

}  // namespace
}  // namespace zaq::test
