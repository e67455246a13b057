#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RoofControlTest : public ::testing::Test {
  protected:
    RoofControlTest() {
        ClosingLimits& l = t.app.config.limits;
        l.rainPercent = 30;
        l.cloudPercent = 50;
        l.windKmh = l.meanWindKmh = l.thermalWindKmh = 250;
        l.supplyVolts = 11.0f;
    }
    void permitted() { t.feed(exampleDataMessage()); }
    void notPermitted() { t.feed(withField(exampleDataMessage(), 5, "500")); }
    void roofReported(const char* letter) { t.feed(withField(exampleDataMessage(), 1, letter)); }
    RoofControl& roof() { return t.app.roof; }

    TestContext t;
};

TEST_F(RoofControlTest, AnOpenRoofIsClosedAfterOkEvenWithTheLimitsPassed) {
    roofReported("A");
    notPermitted();  // the roof letter stays as reported, the limits fail
    t.app.mainForm.PTecho.colour = colours::skyBlue;
    roof().BBAbrirObsClick();
    EXPECT_THAT(t.prompter.questions, ElementsAre("¿Confirma CIERRE del Techo?"));
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(X000)"));
}

TEST_F(RoofControlTest, AClosedRoofWithTheLimitsPassedIsRefusedAndNothingQueued) {
    notPermitted();
    roof().BBAbrirObsClick();
    EXPECT_THAT(t.prompter.warnings,
                ElementsAre("La apertura no es posible. Limites de seguridad superados."));
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_EQ(t.app.safety.roofHoldOff, 0);
}

TEST_F(RoofControlTest, TwoClicksWithinTenSecondsWhilePermitted) {
    permitted();
    roof().BBAbrirObsClick();
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(X001)"));
    roof().BBAbrirObsClick();
    EXPECT_EQ(t.app.mainForm.BBAbrirObs.text, "Esperar");
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_EQ(t.prompter.questions.size(), 1);
    for (int second = 0; second < 10; ++second) {
        roof().TimerTechoTimer();
    }
    EXPECT_EQ(t.app.safety.roofHoldOff, 10);
    roof().BBAbrirObsClick();
    EXPECT_EQ(t.prompter.questions.size(), 2);
}

TEST_F(RoofControlTest, TwoClicksWithinTenSecondsWhileNotPermittedBothRefuse) {
    notPermitted();
    roof().BBAbrirObsClick();
    roof().BBAbrirObsClick();
    EXPECT_EQ(t.prompter.warnings.size(), 2);
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(RoofControlTest, CancelQueuesNothing) {
    permitted();
    t.prompter.answers = {false};
    roof().BBAbrirObsClick();
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(RoofControlTest, AListenOnlyPcIsRefused) {
    t.app.settingsForm.CBmaster.checked = false;
    permitted();
    roof().BBAbrirObsClick();
    EXPECT_THAT(t.prompter.warnings, ElementsAre("Solo recepcion. PC Master deshabilitado."));
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_EQ(t.app.safety.roofHoldOff, 10);
}

TEST_F(RoofControlTest, AutomaticOpeningRepeatsUntilTheRoofPanelTurnsSkyBlue) {
    t.app.settingsForm.CBAperturaAuto.checked = true;
    permitted();
    permitted();
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(X001)", "(X001)"));
    t.feed("(X001)");  // the station's echo paints the roof panel sky blue
    roofReported("A");
    EXPECT_THAT(queued(t.app.queue), IsEmpty());
}

TEST_F(RoofControlTest, AutomaticClosingOfASkyBlueRoofWhenTheLimitsFail) {
    t.app.settingsForm.CBAperturaAuto.checked = true;
    roofReported("A");
    t.app.queue.clear();
    t.feed(withField(withField(exampleDataMessage(), 1, "A"), 5, "500"));
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(X000)"));
}

TEST_F(RoofControlTest, AutomaticControlLeavesAYellowRoofAlone) {
    t.app.settingsForm.CBAperturaAuto.checked = true;
    t.feed(withField(withField(exampleDataMessage(), 1, "a"), 5, "500"));
    EXPECT_EQ(t.app.mainForm.PTecho.colour, colours::yellow);
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(RoofControlTest, AutomaticControlIsOffAtStart) {
    permitted();
    EXPECT_FALSE(t.app.settingsForm.CBAperturaAuto.checked);
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(RoofControlTest, ForcedOpeningAsksAndQueuesX007WithoutLookingAtTheLimits) {
    notPermitted();
    t.app.settingsForm.CBmaster.checked = false;
    roof().Ab1Click();
    EXPECT_THAT(
        t.prompter.questions,
        ElementsAre("¿Abrir Techo FORZANDO NIVELES? Debera cerrar manualmente al terminar"));
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(X007)"));
}

TEST_F(RoofControlTest, HeaterMenuQueuesItsCommands) {
    roof().CalentadorAUTOClick();
    roof().CalentadorONClick();
    roof().CalentadorOFFClick();
    roof().TimerStatusClick();
    roof().TimerOFFClick();
    roof().TimerONClick();
    EXPECT_EQ(t.app.mainForm.PCalentar.text, "Timer ON");
    EXPECT_THAT(queued(t.app.queue),
                ElementsAre("(s)", "(S009)", "(S008)", "(s)", "(S004)", "(S005)", "(S000)"));
}

TEST_F(RoofControlTest, TheRoofTimerShowsTheQueueCount) {
    t.app.queue.enqueueCommand("( )");
    t.app.queue.enqueueCommand("( )");
    roof().TimerTechoTimer();
    EXPECT_EQ(t.app.mainForm.Lindice.text, "2");
    EXPECT_FALSE(t.app.mainForm.Lindice.visible);
}

}  // namespace
}  // namespace zaq::test
