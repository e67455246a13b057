#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "InProcessRun.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

// The simulated station rains for a while.
class RoofE2ETest : public InProcessRun {
  protected:
    void SetUp() override {
        start("at 9s rain 50\nat 18s rain 0\n", [](AppContext& app) {
            ClosingLimits& l = app.config.limits;
            l.rainPercent = 30;
            l.cloudPercent = 70;
            l.windKmh = l.meanWindKmh = l.thermalWindKmh = 250;
            l.supplyVolts = 10.0f;
            app.settingsForm.CBAperturaAuto.checked = true;
        });
    }
    const MainForm& m() const { return t->app.mainForm; }
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
